#include "examples.h"
#include "status_bar.h"
#include "window_fixture.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class WindowStatusTest : public WindowFixture {
    Q_OBJECT

private:
    QString panel(StatusPanel key) { return control<StatusBar>(u"statusBar"_s)->panel(key)->text(); }
    QTimer* timer() { return control<QTimer>(u"statusTimer"_s); }

private slots:
    void init()
    {
        fakes->clock.set(2009, 10, 14, 16, 38, 53, 250);
        QVERIFY(openWindow(false));
    }

    void cleanup() { closeWindow(); }

    void fillsPanelsBeforeShowing()
    {
        QVERIFY(!window->isVisible());
        QCOMPARE(panel(StatusPanel::Time), u"16:38:53 Uhr"_s);
        QCOMPARE(panel(StatusPanel::Date), u"14.10.2009"_s);
        QCOMPARE(panel(StatusPanel::Tactical), u"141638okt09"_s);
    }

    void currentTacticalTimeReadsClockOnce_data() { addBuilderExampleRows(); }

    void currentTacticalTimeReadsClockOnce()
    {
        QFETCH(int, example);
        const BuilderExample& e = kBuilderExamples[example];
        // The builder ignores the month option.
        control<QRadioButton>(u"englishMonthsOption"_s)->setChecked(true);
        fakes->clock.moment = e.moment;
        fakes->clock.reads = 0;
        QCOMPARE(window->currentTacticalTime(), QString::fromUtf16(e.tactical));
        QCOMPARE(fakes->clock.reads, 1);
    }

    void tickRefreshesAllPanelsFromOneReading()
    {
        control<QRadioButton>(u"englishMonthsOption"_s)->setChecked(true);
        fakes->clock.set(2009, 12, 31, 23, 59, 59);
        window->refreshStatus();
        fakes->clock.set(2010, 1, 1, 0, 0, 0, 3);
        fakes->clock.reads = 0;
        window->refreshStatus();
        QCOMPARE(fakes->clock.reads, 1);
        QCOMPARE(panel(StatusPanel::Time), u"00:00:00 Uhr"_s);
        QCOMPARE(panel(StatusPanel::Date), u"01.01.2010"_s);
        QCOMPARE(panel(StatusPanel::Tactical), u"010000jan10"_s);
    }

    // The next refresh lands just after the next full second of the wall clock, whatever the last one hit.
    void schedulesTickAfterNextFullSecond_data()
    {
        QTest::addColumn<int>("millisecond");
        QTest::addColumn<int>("interval");
        QTest::newRow("on the second") << 0 << 1002;
        QTest::newRow("late by 250 ms") << 250 << 752;
        QTest::newRow("just before the next") << 999 << 3;
    }

    void schedulesTickAfterNextFullSecond()
    {
        QFETCH(int, millisecond);
        QFETCH(int, interval);
        fakes->clock.set(2009, 10, 14, 16, 38, 54, millisecond);
        window->refreshStatus();
        QVERIFY(timer()->isActive());
        QVERIFY(timer()->isSingleShot());
        QCOMPARE(timer()->timerType(), Qt::PreciseTimer);
        QCOMPARE(timer()->interval(), interval);
    }

    void earlyTickWaitsWithoutRepeatingTheSecond()
    {
        fakes->clock.set(2009, 10, 14, 16, 38, 55, 10);
        window->refreshStatus();
        control<StatusBar>(u"statusBar"_s)->panel(StatusPanel::Time)->clear();
        fakes->clock.set(2009, 10, 14, 16, 38, 55, 998);
        window->refreshStatus();
        QVERIFY(panel(StatusPanel::Time).isEmpty());
        QCOMPARE(timer()->interval(), 4);
        fakes->clock.set(2009, 10, 14, 16, 38, 56, 2);
        window->refreshStatus();
        QCOMPARE(panel(StatusPanel::Time), u"16:38:56 Uhr"_s);
    }

    void minimizedCaptionShowsTacticalTime()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        fakes->clock.set(2009, 10, 14, 16, 38, 0);
        window->showMinimized();
        QTRY_VERIFY(window->isMinimized());
        QCOMPARE(window->windowTitle(), u"141638okt09"_s);

        fakes->clock.set(2009, 10, 14, 16, 45, 0);
        window->refreshStatus();
        QCOMPARE(window->windowTitle(), u"141638okt09"_s);
        QCOMPARE(panel(StatusPanel::Tactical), u"141645okt09"_s);

        window->showNormal();
        QTRY_VERIFY(!window->isMinimized());
        QCOMPARE(window->windowTitle(), u"- Umrechner taktische Zeit -"_s);
    }
};

QTEST_MAIN(WindowStatusTest)
#include "test_window_status.moc"
