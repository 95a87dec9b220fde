#include "app/LookAndFeel.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

void InstallLookAndFeel(bool keepStyle)
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    if (!keepStyle) {
        if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows")))
            QApplication::setStyle(classic);
    }
}
