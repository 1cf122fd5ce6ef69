#include "clock_text.h"
#include "example_rows.h"
#include "tactical_time.h"

#include <QTest>

using namespace std::chrono;
using core::MonthLanguage;
using namespace Qt::StringLiterals;

class TacticalTimeTest : public QObject {
    Q_OBJECT

private slots:
    void writesMoment_data() { addBuilderExampleRows(); }

    void writesMoment()
    {
        QFETCH(int, example);
        const BuilderExample& e = kBuilderExamples[example];
        const auto written = core::writeTactical(e.moment.date, e.moment.time, MonthLanguage::German);
        QCOMPARE(QString::fromStdU16String(written), QString::fromUtf16(e.tactical));
        QCOMPARE(written.size(), 11u);
        QCOMPARE(QString::fromStdU16String(core::formatClockTime(e.moment.time)), QString::fromUtf16(e.time));
        QCOMPARE(QString::fromStdU16String(core::formatDate(e.moment.date)), QString::fromUtf16(e.date));
    }

    void namesEveryMonth_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("german");
        QTest::addColumn<QString>("english");
        for (int month = 1; month <= 12; ++month) {
            QTest::addRow("%d", month) << month << QString::fromUtf16(kGermanMonthNames[month - 1])
                                       << QString::fromUtf16(kEnglishMonthNames[month - 1]);
        }
    }

    void namesEveryMonth()
    {
        QFETCH(int, month);
        QFETCH(QString, german);
        QFETCH(QString, english);
        const auto date = year{2009} / month / 14;
        const core::ClockTime time{16, 38, 0};
        QCOMPARE(QString::fromStdU16String(core::writeTactical(date, time, MonthLanguage::German)).mid(6, 3), german);
        QCOMPARE(QString::fromStdU16String(core::writeTactical(date, time, MonthLanguage::English)).mid(6, 3), english);
    }

    void marchIsThreeCharacters()
    {
        const auto name = core::monthName(3, MonthLanguage::German);
        QCOMPARE(name.size(), 3u);
        QCOMPARE(name[1], u'\u00e4');
    }
};

QTEST_APPLESS_MAIN(TacticalTimeTest)
#include "test_tactical_time.moc"
