#include "tactical/normal_to_tactical.h"
#include "tactical/time_reader.h"

#include <QTest>

using namespace std::chrono;
using namespace Qt::StringLiterals;
using tactical::MonthLanguage;

class NormalToTacticalTest : public QObject {
    Q_OBJECT

private slots:
    void converts_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("german");
        QTest::addColumn<QString>("english");

        QTest::newRow("typical") << u"16:38:53"_s << u"14.10.2009"_s << u"141638okt09"_s << u"141638oct09"_s;
        QTest::newRow("March, leading zeros") << u"08:07"_s << u"05.03.2009"_s << u"050807mär09"_s
                                              << u"050807mar09"_s;
        QTest::newRow("day 9 padded") << u"12:00"_s << u"9.1.2010"_s << u"091200jan10"_s << u"091200jan10"_s;
        QTest::newRow("day 10 as it is") << u"12:00"_s << u"10.1.2010"_s << u"101200jan10"_s << u"101200jan10"_s;
        QTest::newRow("one-digit hour padded") << u"8:05"_s << u"14.10.2009"_s << u"140805okt09"_s
                                               << u"140805oct09"_s;
        QTest::newRow("no colon") << u"1638"_s << u"14.10.2009"_s << u"141638okt09"_s << u"141638oct09"_s;
        QTest::newRow("seconds never round up") << u"16:38:59"_s << u"14.10.2009"_s << u"141638okt09"_s
                                                << u"141638oct09"_s;
        QTest::newRow("white space around both") << u" 16:38 "_s << u" 14.10.2009\n"_s << u"141638okt09"_s
                                                 << u"141638oct09"_s;
        QTest::newRow("written month, year 2000") << u"00:00"_s << u"1. Mai 2000"_s << u"010000mai00"_s
                                                  << u"010000may00"_s;
        QTest::newRow("two-digit year") << u"23:59:59"_s << u"31.12.99"_s << u"312359dez99"_s << u"312359dec99"_s;
        QTest::newRow("without a year") << u"10:00"_s << u"24.12."_s << u"241000dez26"_s << u"241000dec26"_s;

        const char* german[] = {"jan", "feb", "mär", "apr", "mai", "jun", "jul", "aug", "sep", "okt", "nov", "dez"};
        const char* english[] = {"jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
        for (int month = 1; month <= 12; ++month) {
            QTest::addRow("month %d", month) << u"16:38"_s << QStringLiteral("14.%1.2009").arg(month)
                                             << u"141638"_s + QString::fromUtf8(german[month - 1]) + u"09"_s
                                             << u"141638"_s + QString::fromUtf8(english[month - 1]) + u"09"_s;
        }
    }

    void converts()
    {
        QFETCH(QString, time);
        QFETCH(QString, date);
        QFETCH(QString, german);
        QFETCH(QString, english);
        const auto inGerman = tactical::normalToTactical(time.toStdU16String(), date.toStdU16String(),
                                                         MonthLanguage::German, year{2026});
        const auto inEnglish = tactical::normalToTactical(time.toStdU16String(), date.toStdU16String(),
                                                          MonthLanguage::English, year{2026});
        QVERIFY(inGerman && inEnglish);
        QCOMPARE(QString::fromStdU16String(*inGerman), german);
        QCOMPARE(QString::fromStdU16String(*inEnglish), english);
    }

    void rejectsBadTime_data()
    {
        QTest::addColumn<QString>("time");
        for (const auto& time : {u""_s, u" "_s, u"abc"_s, u"24:00"_s, u"23:60"_s, u"12:00:60"_s, u"8:5"_s,
                                 u"008:05"_s, u"16:38:5"_s, u"16:38:530"_s, u"16.38"_s, u"16:38:"_s, u":38"_s,
                                 u"163"_s, u"16385"_s, u"2400"_s, u"1660"_s, u"16:38:53:00"_s, u"-1:30"_s,
                                 u"1 6:38"_s, u"16:3x"_s, u"１６:３８"_s})
            QTest::newRow(qPrintable(time)) << time;
    }

    void rejectsBadTime()
    {
        QFETCH(QString, time);
        QVERIFY(!tactical::readClockTime(time.toStdU16String()));
        QVERIFY(!tactical::normalToTactical(time.toStdU16String(), u"14.10.2009", MonthLanguage::German, year{2026}));
    }

    void rejectsBadDate()
    {
        QVERIFY(!tactical::normalToTactical(u"16:38", u"", MonthLanguage::German, year{2026}));
        QVERIFY(!tactical::normalToTactical(u"16:38", u"31.04.2009", MonthLanguage::English, year{2026}));
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
        const auto read = tactical::readClockTime(time.toStdU16String());
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
