// The baseline for start-up, memory and idle cost: a bare Qt window of the same size with a status bar.
#include <QApplication>
#include <QStatusBar>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(458, 388);
    auto* bar = new QStatusBar(&window);
    bar->setGeometry(0, 371, 458, 17);
    window.show();
    return application.exec();
}
