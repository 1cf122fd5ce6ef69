#include "conversions.h"
#include "example_rows.h"
#include "tactical_time.h"

#include <QTest>

using namespace std::chrono;
using namespace Qt::StringLiterals;
using core::MonthLanguage;

class TacticalToNormalTest : public QObject {
    Q_OBJECT

private slots:
    void converts_data() { addTacticalToNormalRows(); }

    void converts()
    {
        QFETCH(QString, tactical);
        const auto normal = core::tacticalToNormal(tactical.toStdU16String(), FixedZoneClock());
        QVERIFY(normal);
        QFETCH(QString, time);
        QCOMPARE(QString::fromStdU16String(normal->time), time);
        QFETCH(QString, date);
        QCOMPARE(QString::fromStdU16String(normal->date), date);
    }

    void rejects_data()
    {
        QTest::addColumn<QString>("text");
        const QString cases[] = {u""_s,
                                 u"   "_s,
                                 u"141638okt200"_s,
                                 u"141638okt2"_s,
                                 u"141638okt20091"_s,
                                 u"141638okt"_s,
                                 u"141638xyz2009"_s,
                                 u"141638ok2009"_s,
                                 u"141638okto2009"_s,
                                 u"xx1638okt2009"_s,
                                 u"14x638okt2009"_s,
                                 u"1416x8okt2009"_s,
                                 u"141638okt2x09"_s,
                                 u"141638okt0x"_s,
                                 u"001638okt2009"_s,
                                 u"321638okt2009"_s,
                                 u"242400okt2009"_s,
                                 u"141660okt2009"_s,
                                 u"311200apr2009"_s,
                                 u"301200feb2008"_s,
                                 u"291200feb2009"_s,
                                 u"291200feb09"_s,
                                 u"291200feb1900"_s,
                                 u"1416:38okt2009"_s,
                                 u"16:38 14.10.2009"_s,
                                 u"okt141638 2009"_s,
                                 u"1416381002009"_s,
                                 u"141638mä2009"_s,
                                 u"+41638okt2009"_s,
                                 u"１４1638okt2009"_s,
                                 u"141638okt0999"_s,
                                 u"0317 32Bjul04"_s,
                                 u"031732Bjul04 x"_s,
                                 u"031732\tBjul04"_s,
                                 u"031732\u00a0jul04"_s,
                                 u"031732\u00c4jul04"_s,
                                 u"031732BBjul04"_s,
                                 u"031732B j ul 04"_s,
                                 u"031732B jul 2 004"_s,
                                 u"031732-jul04"_s,
                                 u"031732B"_s,
                                 u"312330Ydez29"_s,
                                 u"010030Bjan30"_s,
                                 u"010030Ajan1000"_s};
        for (const QString& text : cases)
            QTest::newRow(qPrintable(text)) << text;
    }

    void rejects()
    {
        QFETCH(QString, text);
        QVERIFY(!core::tacticalToNormal(text.toStdU16String(), FixedZoneClock()));
    }

    // The groups and the zone letter as read, before any time zone enters.
    void readsDateTimeGroups_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<int>("offset");
        const int local = -99;
        QTest::newRow("as the program writes it") << u"141638okt09"_s << u"14 16:38 10 09"_s << local;
        QTest::newRow("spaced") << u"  03 1732 B  jul   04 "_s << u"03 17:32 7 04"_s << 2;
        for (const auto& [letter, offset] : {std::pair{u'A', 1},
                                             {u'I', 9},
                                             {u'K', 10},
                                             {u'M', 12},
                                             {u'N', -1},
                                             {u'Y', -12},
                                             {u'Z', 0},
                                             {u'z', 0},
                                             {u'J', local},
                                             {u'j', local}})
            QTest::addRow("%c", char(letter))
                << u"031732"_s + QChar(letter) + u"jul2004"_s << u"03 17:32 7 2004"_s << offset;
    }

    void readsDateTimeGroups()
    {
        QFETCH(QString, text);
        const auto read = core::readTactical(text.toStdU16String());
        QVERIFY(read);
        QFETCH(QString, fields);
        QCOMPARE(u"%1 %2:%3 %4 %5"_s.arg(read->day, 2, 10, QChar(u'0'))
                     .arg(read->hour, 2, 10, QChar(u'0'))
                     .arg(read->minute, 2, 10, QChar(u'0'))
                     .arg(read->month)
                     .arg(QString::fromStdU16String(read->yearDigits)),
                 fields);
        QFETCH(int, offset);
        QCOMPARE(read->utcOffsetHours.value_or(-99), offset);
    }

    // Every day of the century two-digit years stand for, written by the builder (German) and by the
    // conversion (English), reads back to the same fields.
    void roundTripsEveryDay()
    {
        const core::ClockTime times[] = {{0, 0, 0}, {0, 59, 0}, {8, 7, 59}, {12, 30, 0}, {16, 38, 53}, {23, 59, 59}};
        int checked = 0;
        for (sys_days day = sys_days{year{1930} / 1 / 1}; day <= sys_days{year{2029} / 12 / 31}; day += days{1}) {
            const year_month_day date{day};
            const core::ClockTime& time = times[checked % 6];
            const auto german = core::writeTactical(date, time, MonthLanguage::German);
            const auto typedDate = QStringLiteral("%1.%2.%3")
                                       .arg(unsigned(date.day()))
                                       .arg(unsigned(date.month()))
                                       .arg(int(date.year()))
                                       .toStdU16String();
            const auto typedTime = QStringLiteral("%1:%2").arg(time.hour).arg(time.minute, 2, 10, QChar(u'0'));
            const auto english =
                core::normalToTactical(typedTime.toStdU16String(), typedDate, MonthLanguage::English, year{2026});
            QVERIFY(english);
            for (const auto& text : {german, *english}) {
                const auto fields = core::readTactical(text);
                if (!fields)
                    QFAIL(qPrintable(QString::fromStdU16String(text)));
                QCOMPARE(fields->day, int(unsigned(date.day())));
                QCOMPARE(fields->month, int(unsigned(date.month())));
                QCOMPARE(QString::fromStdU16String(fields->yearDigits).toInt(), int(date.year()) % 100);
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
