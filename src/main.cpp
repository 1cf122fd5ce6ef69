#include "platform/system_services.h"
#include "window/start.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    SystemClock clock;
    SystemClipboard clipboard;
    SystemMessageBoxes messageBoxes;
    SystemWebOpener webOpener;
    Start start(Services{clock, clipboard, messageBoxes, webOpener});
    messageBoxes.setParent(&start);
    start.show();
    return application.exec();
}
