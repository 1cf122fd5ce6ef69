#include "case_rows.h"
#include "converter_window.h"
#include "fakes.h"
#include "qt_text.h"
#include "status_bar.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace cases;

namespace {

// Drives the Qt window through its widgets, as a user would: clicks, keys and the window's own timer.
class QtWindowDriver final : public FormDriver {
public:
    void open(FakeDesktop& desktop) override
    {
        window = std::make_unique<ConverterWindow>(desktop, messageBoxes);
        QVERIFY2(!statusBar()->panel(StatusPanel::Tactical)->text().isEmpty(),
                 "the status bar is empty at first sight");
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void close() override
    {
        window.reset();
        messageBoxes.shown.clear();
    }
    // Selected whole and deleted with keys, so that a read-only box keeps its text.
    void clear(Control field) override
    {
        QTest::keyClick(widget(field), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(widget(field), Qt::Key_Backspace);
    }
    void fill(Control field, std::u16string_view text) override { widget<QLineEdit>(field)->setText(qText(text)); }
    void typeMore(Control field, std::u16string_view text) override
    {
        widget<QLineEdit>(field)->end(false);
        QTest::keyClicks(widget(field), qText(text));
    }
    void eraseLast(Control field) override
    {
        QTest::keyClick(widget(field), Qt::Key_End);
        QTest::keyClick(widget(field), Qt::Key_Backspace);
    }
    void click(Control control) override { QTest::mouseClick(widget(control), Qt::LeftButton, {}, QPoint(5, 5)); }
    void tick() override
    {
        QSignalSpy ticked(timer(), &QTimer::timeout);
        timer()->start(0);
        QVERIFY(ticked.wait());
    }
    void setMinimized(bool minimized) override
    {
        minimized ? window->showMinimized() : window->showNormal();
        QVERIFY(QTest::qWaitFor([&] { return window->isMinimized() == minimized; }));
    }
    void blankPanel(StatusPanel panel) override { statusBar()->panel(panel)->clear(); }

    std::u16string text(Control field) override { return widget<QLineEdit>(field)->text().toStdU16String(); }
    bool isEnabled(Control control) override { return widget(control)->isEnabled(); }
    bool isChecked(Control option) override { return widget<QRadioButton>(option)->isChecked(); }
    std::u16string panelText(StatusPanel panel) override { return statusBar()->panel(panel)->text().toStdU16String(); }
    std::u16string caption() override { return window->windowTitle().toStdU16String(); }
    int tickDelay() override
    {
        const bool single = timer()->isActive() && timer()->isSingleShot() && timer()->timerType() == Qt::PreciseTimer;
        return single ? timer()->interval() : -1;
    }
    std::vector<ShownMessage> takeMessages() override
    {
        std::vector<ShownMessage> taken;
        for (const auto& shown : std::exchange(messageBoxes.shown, {}))
            taken.push_back(shownMessage(shown.owner == window.get(), shown.title.toStdU16String(),
                                         shown.text.toStdU16String(), shown.icon));
        return taken;
    }

private:
    template <class Widget = QWidget>
    Widget* widget(Control control)
    {
        const std::string_view name = form::layoutOf(control).name;
        return window->findChild<Widget*>(QString::fromLatin1(name.data(), qsizetype(name.size())));
    }
    QTimer* timer() { return window->findChild<QTimer*>(u"statusTimer"_s); }
    StatusBar* statusBar() { return widget<StatusBar>(Control::StatusBar); }

    FakeMessageBoxes messageBoxes;
    std::unique_ptr<ConverterWindow> window;
};

}  // namespace

// The table of form cases against the Qt window, offscreen.
class WindowCasesTest : public QObject {
    Q_OBJECT

private slots:
    void runsEveryCase_data() { addFormCaseRows(); }

    void runsEveryCase()
    {
        QtWindowDriver driver;
        const std::string failure = runFormCaseRow(driver);
        QVERIFY2(failure.empty(), failure.c_str());
    }
};

QTEST_MAIN(WindowCasesTest)
#include "test_window_cases.moc"
