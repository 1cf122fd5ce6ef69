#include "builder_examples.h"
#include "platform/status_bar.h"
#include "window_fixture.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class WindowStatusTest : public WindowFixture {
    Q_OBJECT

private:
    QString panel(const QString& key) { return control<StatusBar>(u"StatusBar1"_s)->panel(key)->text(); }
    QTimer* timer() { return control<QTimer>(u"Timer1"_s); }

private slots:
    void init()
    {
        fakes->clock.set(2009, 10, 14, 16, 38, 53, 250);
        QVERIFY(openWindow(false));
    }

    void cleanup() { closeWindow(); }

    void fillsPanelsBeforeShowing()
    {
        QVERIFY(!start->isVisible());
        QCOMPARE(panel(u"zeit"_s), u"16:38:53 Uhr"_s);
        QCOMPARE(panel(u"datum"_s), u"14.10.2009"_s);
        QCOMPARE(panel(u"orvformat"_s), u"141638okt09"_s);
    }

    void builderReadsClockOnce_data() { addBuilderExampleRows(); }

    void builderReadsClockOnce()
    {
        QFETCH(int, example);
        const BuilderExample& e = kBuilderExamples[example];
        // The builder ignores the month option.
        control<QRadioButton>(u"Option2"_s)->setChecked(true);
        fakes->clock.moment = e.moment;
        fakes->clock.reads = 0;
        QCOMPARE(start->orvdate(), QString::fromUtf16(e.tactical));
        QCOMPARE(fakes->clock.reads, 1);
    }

    void tickRefreshesAllPanelsFromOneReading()
    {
        control<QRadioButton>(u"Option2"_s)->setChecked(true);
        fakes->clock.set(2009, 12, 31, 23, 59, 59);
        start->refreshStatus();
        fakes->clock.set(2010, 1, 1, 0, 0, 0, 3);
        fakes->clock.reads = 0;
        start->refreshStatus();
        QCOMPARE(fakes->clock.reads, 1);
        QCOMPARE(panel(u"zeit"_s), u"00:00:00 Uhr"_s);
        QCOMPARE(panel(u"datum"_s), u"01.01.2010"_s);
        QCOMPARE(panel(u"orvformat"_s), u"010000jan10"_s);
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
        start->refreshStatus();
        QVERIFY(timer()->isActive());
        QVERIFY(timer()->isSingleShot());
        QCOMPARE(timer()->timerType(), Qt::PreciseTimer);
        QCOMPARE(timer()->interval(), interval);
    }

    void earlyTickWaitsWithoutRepeatingTheSecond()
    {
        fakes->clock.set(2009, 10, 14, 16, 38, 55, 10);
        start->refreshStatus();
        control<StatusBar>(u"StatusBar1"_s)->panel(u"zeit"_s)->clear();
        fakes->clock.set(2009, 10, 14, 16, 38, 55, 998);
        start->refreshStatus();
        QVERIFY(panel(u"zeit"_s).isEmpty());
        QCOMPARE(timer()->interval(), 4);
    }

    void minimizedCaptionShowsTacticalTime()
    {
        start->show();
        QVERIFY(QTest::qWaitForWindowExposed(start.get()));
        fakes->clock.set(2009, 10, 14, 16, 38, 0);
        start->showMinimized();
        QTRY_VERIFY(start->isMinimized());
        QCOMPARE(start->windowTitle(), u"141638okt09"_s);

        fakes->clock.set(2009, 10, 14, 16, 45, 0);
        start->refreshStatus();
        QCOMPARE(start->windowTitle(), u"141638okt09"_s);
        QCOMPARE(panel(u"orvformat"_s), u"141645okt09"_s);

        start->showNormal();
        QTRY_VERIFY(!start->isMinimized());
        QCOMPARE(start->windowTitle(), u"- Umrechner taktische Zeit -"_s);
    }
};

QTEST_MAIN(WindowStatusTest)
#include "test_window_status.moc"
