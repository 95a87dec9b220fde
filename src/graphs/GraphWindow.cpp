#include "graphs/GraphWindow.h"

TForm4::TForm4(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Graph's"));
    resize(754, 537);
    move(953, 305);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}
