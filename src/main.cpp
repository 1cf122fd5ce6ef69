#include "application_identity.h"
#include "command_line.h"
#include "converter_window.h"
#include "display_platform.h"
#include "system_services.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // The command line answers before anything of the window is made: it needs no display.
    if (const auto outcome = command_line::run(std::vector<std::string_view>(argv + 1, argv + argc), SystemClock())) {
        std::fputs(outcome->output.c_str(), stdout);
        std::fputs(outcome->errors.c_str(), stderr);
        return outcome->exitCode;
    }

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
