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
        const auto normal = core::tacticalToNormal(tactical.toStdU16String());
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
                                 u"14 1638okt2009"_s,
                                 u"1416:38okt2009"_s,
                                 u"16:38 14.10.2009"_s,
                                 u"okt141638 2009"_s,
                                 u"141638 okt 09"_s,
                                 u"1416381002009"_s,
                                 u"141638mä2009"_s,
                                 u"+41638okt2009"_s,
                                 u"１４1638okt2009"_s,
                                 u"141638okt0999"_s};
        for (const QString& text : cases)
            QTest::newRow(qPrintable(text)) << text;
    }

    void rejects()
    {
        QFETCH(QString, text);
        QVERIFY(!core::tacticalToNormal(text.toStdU16String()));
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
