// How long the tactical input takes to show a pasted text and to answer a keystroke in it, by the text's
// length: the measure that sets how many characters a paste may take (kClipboardTextLimit).
// Runs the real window headless.
#include "converter_window.h"
#include "system_services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;

// Milliseconds for one call of the action, median of several runs.
template <class Action>
double medianMs(Action action)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        action();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    SystemDesktop desktop;
    SystemMessageBoxes messageBoxes;
    ConverterWindow window(desktop, messageBoxes);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto* input = window.findChild<QLineEdit*>(QStringLiteral("tacticalInput"));

    std::printf("%10s  %22s  %26s\n", "characters", "show the text (ms)", "End, Backspace, x (ms)");
    for (int length : {13, 1000, 4000, 10000, 32767, 100000, 1000000}) {
        const QString text = QStringLiteral("141638okt2009 ").repeated(length / 14 + 1).left(length);
        input->setMaxLength(length);
        const double show = medianMs([&] {
            input->setText(text);
            window.repaint();
        });
        const double key = medianMs([&] {
            QTest::keyClick(input, Qt::Key_End);
            QTest::keyClick(input, Qt::Key_Backspace);
            QTest::keyClick(input, Qt::Key_X);
            window.repaint();
        });
        std::printf("%10d  %22.2f  %26.2f\n", length, show, key);
    }
    return 0;
}
