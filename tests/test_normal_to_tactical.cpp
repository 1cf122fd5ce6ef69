#include "conversions.h"
#include "example_rows.h"
#include "time_reader.h"

#include <QTest>

using namespace std::chrono;
using namespace Qt::StringLiterals;
using core::MonthLanguage;

class NormalToTacticalTest : public QObject {
    Q_OBJECT

private slots:
    void converts_data() { addNormalToTacticalRows(); }

    void converts()
    {
        QFETCH(QString, time);
        QFETCH(QString, date);
        QFETCH(QString, german);
        QFETCH(QString, english);
        const auto inGerman =
            core::normalToTactical(time.toStdU16String(), date.toStdU16String(), MonthLanguage::German, year{2026});
        const auto inEnglish =
            core::normalToTactical(time.toStdU16String(), date.toStdU16String(), MonthLanguage::English, year{2026});
        QVERIFY(inGerman && inEnglish);
        QCOMPARE(QString::fromStdU16String(*inGerman), german);
        QCOMPARE(QString::fromStdU16String(*inEnglish), english);
    }

    void rejectsBadTime_data()
    {
        QTest::addColumn<QString>("time");
        for (const auto& time : {u""_s,      u" "_s,      u"abc"_s,     u"24:00"_s,     u"23:60"_s, u"12:00:60"_s,
                                 u"8:5"_s,   u"008:05"_s, u"16:38:5"_s, u"16:38:530"_s, u"16.38"_s, u"16:38:"_s,
                                 u":38"_s,   u"163"_s,    u"16385"_s,   u"2400"_s,      u"1660"_s,  u"16:38:53:00"_s,
                                 u"-1:30"_s, u"1 6:38"_s, u"16:3x"_s,   u"１６:３８"_s})
            QTest::newRow(qPrintable(time)) << time;
    }

    void rejectsBadTime()
    {
        QFETCH(QString, time);
        QVERIFY(!core::readClockTime(time.toStdU16String()));
        QVERIFY(!core::normalToTactical(time.toStdU16String(), u"14.10.2009", MonthLanguage::German, year{2026}));
    }

    void rejectsBadDate()
    {
        QVERIFY(!core::normalToTactical(u"16:38", u"", MonthLanguage::German, year{2026}));
        QVERIFY(!core::normalToTactical(u"16:38", u"31.04.2009", MonthLanguage::English, year{2026}));
    }

    void readsEveryTimeForm_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<int>("second");
        QTest::newRow("hh:mm:ss") << u"16:38:53"_s << 16 << 38 << 53;
        QTest::newRow("hh:mm") << u"16:38"_s << 16 << 38 << 0;
        QTest::newRow("h:mm") << u"8:05"_s << 8 << 5 << 0;
        QTest::newRow("h:mm:ss") << u"8:05:03"_s << 8 << 5 << 3;
        QTest::newRow("hhmm") << u"0805"_s << 8 << 5 << 0;
        QTest::newRow("midnight") << u"0:00"_s << 0 << 0 << 0;
        QTest::newRow("last second") << u"23:59:59"_s << 23 << 59 << 59;
    }

    void readsEveryTimeForm()
    {
        QFETCH(QString, time);
        const auto read = core::readClockTime(time.toStdU16String());
        QVERIFY(read);
        QFETCH(int, hour);
        QCOMPARE(read->hour, hour);
        QFETCH(int, minute);
        QCOMPARE(read->minute, minute);
        QFETCH(int, second);
        QCOMPARE(read->second, second);
    }
};

QTEST_APPLESS_MAIN(NormalToTacticalTest)
#include "test_normal_to_tactical.moc"
