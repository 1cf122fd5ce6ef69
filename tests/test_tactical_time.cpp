#include "builder_examples.h"
#include "tactical/tactical_time.h"

#include <QTest>

using namespace std::chrono;
using tactical::MonthLanguage;
using namespace Qt::StringLiterals;

class TacticalTimeTest : public QObject {
    Q_OBJECT

private slots:
    void writesMoment_data() { addBuilderExampleRows(); }

    void writesMoment()
    {
        QFETCH(int, example);
        const BuilderExample& e = kBuilderExamples[example];
        const auto written = tactical::tacticalTime(e.moment.date, e.moment.time, MonthLanguage::German);
        QCOMPARE(QString::fromStdU16String(written), QString::fromUtf16(e.tactical));
        QCOMPARE(written.size(), 11u);
        QCOMPARE(QString::fromStdU16String(tactical::timeText(e.moment)), QString::fromUtf16(e.time));
        QCOMPARE(QString::fromStdU16String(tactical::dateText(e.moment)), QString::fromUtf16(e.date));
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
