#include "log/LogWindow.h"

TForm3::TForm3(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Log"));
    resize(891, 656);
    setMinimumSize(870, 640);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}
