#include "tactical/tactical_time.h"

#include <QTest>

using namespace std::chrono;
using tactical::MonthLanguage;
using namespace Qt::StringLiterals;

class TacticalTimeTest : public QObject {
    Q_OBJECT

private slots:
    void writesMoment_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("tactical");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("date");

        QTest::newRow("leading zeros, German March") << 2009 << 3 << 5 << 8 << 7 << 59 << u"050807mär09"_s
                                                     << u"08:07:59"_s << u"05.03.2009"_s;
        QTest::newRow("day 10 unpadded, midnight") << 2010 << 12 << 10 << 0 << 0 << 0 << u"100000dez10"_s
                                                   << u"00:00:00"_s << u"10.12.2010"_s;
        QTest::newRow("last minute of May") << 2009 << 5 << 31 << 23 << 59 << 0 << u"312359mai09"_s
                                            << u"23:59:00"_s << u"31.05.2009"_s;
        QTest::newRow("year 2000") << 2000 << 1 << 1 << 12 << 30 << 0 << u"011230jan00"_s << u"12:30:00"_s
                                   << u"01.01.2000"_s;
        QTest::newRow("seconds never round up") << 2009 << 10 << 14 << 16 << 38 << 59 << u"141638okt09"_s
                                                << u"16:38:59"_s << u"14.10.2009"_s;
        QTest::newRow("day 9 padded") << 2026 << 12 << 9 << 9 << 5 << 3 << u"090905dez26"_s << u"09:05:03"_s
                                      << u"09.12.2026"_s;
    }

    void writesMoment()
    {
        QFETCH(int, y);
        QFETCH(int, m);
        QFETCH(int, d);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(int, second);
        const Moment moment{year{y} / m / d, ClockTime{hour, minute, second}, 0};
        QFETCH(QString, tactical);
        const auto written = tactical::tacticalTime(moment.date, moment.time, MonthLanguage::German);
        QCOMPARE(QString::fromStdU16String(written), tactical);
        QCOMPARE(written.size(), 11u);
        QFETCH(QString, time);
        QCOMPARE(QString::fromStdU16String(tactical::timeText(moment)), time);
        QFETCH(QString, date);
        QCOMPARE(QString::fromStdU16String(tactical::dateText(moment)), date);
    }

    void namesEveryMonth_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("german");
        QTest::addColumn<QString>("english");
        const char* german[] = {"jan", "feb", "mär", "apr", "mai", "jun", "jul", "aug", "sep", "okt", "nov", "dez"};
        const char* english[] = {"jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
        for (int month = 1; month <= 12; ++month)
            QTest::addRow("%d", month) << month << QString::fromUtf8(german[month - 1]) << QString(english[month - 1]);
    }

    void namesEveryMonth()
    {
        QFETCH(int, month);
        QFETCH(QString, german);
        QFETCH(QString, english);
        const auto date = year{2009} / month / 14;
        const ClockTime time{16, 38, 0};
        QCOMPARE(QString::fromStdU16String(tactical::tacticalTime(date, time, MonthLanguage::German)).mid(6, 3),
                 german);
        QCOMPARE(QString::fromStdU16String(tactical::tacticalTime(date, time, MonthLanguage::English)).mid(6, 3),
                 english);
    }

    void marchIsThreeCharacters()
    {
        const auto name = tactical::monthName(3, MonthLanguage::German);
        QCOMPARE(name.size(), 3u);
        QCOMPARE(name[1], u'\u00e4');
    }
};

QTEST_APPLESS_MAIN(TacticalTimeTest)
#include "test_tactical_time.moc"
