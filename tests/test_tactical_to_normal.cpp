#include "tactical/normal_to_tactical.h"
#include "tactical/tactical_time.h"
#include "tactical/tactical_to_normal.h"

#include <QTest>

using namespace std::chrono;
using namespace Qt::StringLiterals;
using tactical::MonthLanguage;

class TacticalToNormalTest : public QObject {
    Q_OBJECT

private slots:
    void converts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("date");

        QTest::newRow("four-digit year") << u"141638okt2009"_s << u"16:38"_s << u"14.10.2009"_s;
        QTest::newRow("two-digit year") << u"141638okt09"_s << u"16:38"_s << u"14.10.09"_s;
        QTest::newRow("German März") << u"010900mär2010"_s << u"09:00"_s << u"01.03.2010"_s;
        QTest::newRow("English March") << u"010900mar2010"_s << u"09:00"_s << u"01.03.2010"_s;
        QTest::newRow("Mrz") << u"010900mrz2010"_s << u"09:00"_s << u"01.03.2010"_s;
        QTest::newRow("capitalised") << u"141638Okt2009"_s << u"16:38"_s << u"14.10.2009"_s;
        QTest::newRow("upper case") << u"141638OKT2009"_s << u"16:38"_s << u"14.10.2009"_s;
        QTest::newRow("upper case umlaut") << u"010900MÄR10"_s << u"09:00"_s << u"01.03.10"_s;
        QTest::newRow("mixed case English") << u"010900mAy10"_s << u"09:00"_s << u"01.05.10"_s;
        QTest::newRow("pasted with a line break") << u" 141638okt2009\r\n"_s << u"16:38"_s << u"14.10.2009"_s;
        QTest::newRow("midnight") << u"310000dez99"_s << u"00:00"_s << u"31.12.99"_s;
        QTest::newRow("last minute") << u"312359dec1999"_s << u"23:59"_s << u"31.12.1999"_s;
        QTest::newRow("leap day, four digits") << u"291200feb2008"_s << u"12:00"_s << u"29.02.2008"_s;
        QTest::newRow("leap day 2000") << u"291200feb2000"_s << u"12:00"_s << u"29.02.2000"_s;
        QTest::newRow("leap day, two digits") << u"291200feb08"_s << u"12:00"_s << u"29.02.08"_s;
        QTest::newRow("leap day, 00") << u"291200feb00"_s << u"12:00"_s << u"29.02.00"_s;

        const char* names[] = {"jan", "feb", "mär", "mar", "apr", "mai", "may", "jun",
                               "jul", "aug", "sep", "okt", "oct", "nov", "dez", "dec"};
        const int months[] = {1, 2, 3, 3, 4, 5, 5, 6, 7, 8, 9, 10, 10, 11, 12, 12};
        for (int i = 0; i < 16; ++i) {
            QTest::addRow("name %s", names[i]) << u"011200"_s + QString::fromUtf8(names[i]) + u"2009"_s << u"12:00"_s
                                               << QStringLiteral("01.%1.2009").arg(months[i], 2, 10, QChar(u'0'));
        }
    }

    void converts()
    {
        QFETCH(QString, text);
        const auto normal = tactical::tacticalToNormal(text.toStdU16String());
        QVERIFY(normal);
        QFETCH(QString, time);
        QCOMPARE(QString::fromStdU16String(normal->time), time);
        QFETCH(QString, date);
        QCOMPARE(QString::fromStdU16String(normal->date), date);
    }

    void rejects_data()
    {
        QTest::addColumn<QString>("text");
        const QString cases[] = {
            u""_s, u"   "_s, u"141638okt200"_s, u"141638okt2"_s, u"141638okt20091"_s, u"141638okt"_s,
            u"141638xyz2009"_s, u"141638ok2009"_s, u"141638okto2009"_s, u"xx1638okt2009"_s, u"14x638okt2009"_s,
            u"1416x8okt2009"_s, u"141638okt2x09"_s, u"141638okt0x"_s, u"001638okt2009"_s, u"321638okt2009"_s,
            u"242400okt2009"_s, u"141660okt2009"_s, u"311200apr2009"_s, u"301200feb2008"_s, u"291200feb2009"_s,
            u"291200feb09"_s, u"291200feb1900"_s, u"14 1638okt2009"_s, u"1416:38okt2009"_s, u"16:38 14.10.2009"_s,
            u"okt141638 2009"_s, u"141638 okt 09"_s, u"1416381002009"_s, u"141638mä2009"_s, u"+41638okt2009"_s,
            u"１４1638okt2009"_s, u"141638okt0999"_s};
        for (const QString& text : cases)
            QTest::newRow(qPrintable(text)) << text;
    }

    void rejects()
    {
        QFETCH(QString, text);
        QVERIFY(!tactical::tacticalToNormal(text.toStdU16String()));
    }

    // Every day of the century two-digit years stand for, written by the builder (German) and by the
    // conversion (English), reads back to the same fields.
    void roundTripsEveryDay()
    {
        const ClockTime times[] = {{0, 0, 0}, {0, 59, 0}, {8, 7, 59}, {12, 30, 0}, {16, 38, 53}, {23, 59, 59}};
        int checked = 0;
        for (sys_days day = sys_days{year{1930} / 1 / 1}; day <= sys_days{year{2029} / 12 / 31}; day += days{1}) {
            const year_month_day date{day};
            const ClockTime& time = times[checked % 6];
            const auto german = tactical::tacticalTime(date, time, MonthLanguage::German);
            const auto typedDate = QStringLiteral("%1.%2.%3")
                                       .arg(unsigned(date.day()))
                                       .arg(unsigned(date.month()))
                                       .arg(int(date.year()))
                                       .toStdU16String();
            const auto typedTime = QStringLiteral("%1:%2").arg(time.hour).arg(time.minute, 2, 10, QChar(u'0'));
            const auto english = tactical::normalToTactical(typedTime.toStdU16String(), typedDate,
                                                            MonthLanguage::English, year{2026});
            QVERIFY(english);
            for (const auto& text : {german, *english}) {
                const auto fields = tactical::readTactical(text);
                if (!fields)
                    QFAIL(qPrintable(QString::fromStdU16String(text)));
                QCOMPARE(fields->day, unsigned(date.day()));
                QCOMPARE(fields->month, unsigned(date.month()));
                QCOMPARE(QString::fromStdU16String(std::u16string(fields->yearDigits)).toInt(), int(date.year()) % 100);
                QCOMPARE(fields->hour, time.hour);
                QCOMPARE(fields->minute, time.minute);
            }
            ++checked;
        }
        QCOMPARE(checked, 36525);
    }
};

QTEST_APPLESS_MAIN(TacticalToNormalTest)
#include "test_tactical_to_normal.moc"
