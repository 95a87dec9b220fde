#include "overview/OverviewWindow.h"

TForm2::TForm2(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Overview"));
    setFixedSize(901, 579);
    move(567, 26);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}
