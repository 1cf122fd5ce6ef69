// taktzeit-window: the window, the one program of taktzeit that loads Qt, started by taktzeit in its own
// place and under its name. This file alone wires the window to the real services.
#include "application_identity.h"
#include "converter_window.h"
#include "display_platform.h"
#include "system_services.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The window repaints a few small panels a second; on X11, shared-memory uploads would add two
    // wake-ups to each repaint for no gain at this size.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    const bool throughXWayland = preferXWaylandOnWayland(argc, argv);
    QApplication application(argc, argv);
    forgetPreferredPlatform(throughXWayland);
    nameApplication();
    SystemDesktop desktop;
    SystemMessageBoxes messageBoxes;
    ConverterWindow window(desktop, messageBoxes);
    window.show();
    return application.exec();
}
