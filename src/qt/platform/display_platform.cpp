#include "display_platform.h"

#include <QString>
#include <QtGlobal>

#include <filesystem>

namespace {

bool platformChosen(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

bool waylandSession()
{
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// A local display (":0", ":1.0") answers on its socket; a remote one ("host:10.0") is taken on trust.
bool xServerReachable(const QString& xSocketDirectory)
{
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        return false;
    if (!display.startsWith(QLatin1Char(':')))
        return true;
    const QString number = display.mid(1).section(QLatin1Char('.'), 0, 0);
    std::error_code error;
    return std::filesystem::exists(QStringLiteral("%1/X%2").arg(xSocketDirectory, number).toStdString(), error);
}

}  // namespace

bool preferXWaylandOnWayland(int argc, char* argv[], const QString& xSocketDirectory)
{
    if (platformChosen(argc, argv) || !waylandSession() || !xServerReachable(xSocketDirectory))
        return false;
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}

void forgetPreferredPlatform(bool preferred)
{
    if (preferred)
        qunsetenv("QT_QPA_PLATFORM");
}
