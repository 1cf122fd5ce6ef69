#include "application_identity.h"

#include <QGuiApplication>

void nameApplication()
{
    QGuiApplication::setApplicationName(QStringLiteral("taktzeit"));
    QGuiApplication::setApplicationVersion(QStringLiteral(TAKTZEIT_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TAKTZEIT_APP_ID));
}
