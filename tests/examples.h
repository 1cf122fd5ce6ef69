#pragma once

#include "moment.h"

#include <QString>
#include <QTest>

#include <iterator>

// Tables that more than one test program checks against: the month names, the moments the builder writes,
// and the examples of both conversions.

inline const char16_t* const kGermanMonthNames[12] = {u"jan", u"feb", u"mär", u"apr", u"mai", u"jun",
                                                      u"jul", u"aug", u"sep", u"okt", u"nov", u"dez"};
inline const char16_t* const kEnglishMonthNames[12] = {u"jan", u"feb", u"mar", u"apr", u"may", u"jun",
                                                       u"jul", u"aug", u"sep", u"oct", u"nov", u"dec"};

// Moments of the clock and the texts written for them: the tactical time (German months) and the clock texts.
struct BuilderExample {
    const char* name;
    core::Moment moment;
    const char16_t* tactical;
    const char16_t* time;
    const char16_t* date;
};

inline core::Moment momentAt(int y, unsigned m, unsigned d, int hour, int minute, int second)
{
    return core::Moment{std::chrono::year{y} / m / d, core::ClockTime{hour, minute, second}, 0};
}

inline const BuilderExample kBuilderExamples[] = {
    {"leading zeros, German March", momentAt(2009, 3, 5, 8, 7, 59), u"050807mär09", u"08:07:59", u"05.03.2009"},
    {"day 10 unpadded, midnight", momentAt(2010, 12, 10, 0, 0, 0), u"100000dez10", u"00:00:00", u"10.12.2010"},
    {"last minute of May", momentAt(2009, 5, 31, 23, 59, 0), u"312359mai09", u"23:59:00", u"31.05.2009"},
    {"year 2000", momentAt(2000, 1, 1, 12, 30, 0), u"011230jan00", u"12:30:00", u"01.01.2000"},
    {"seconds never round up", momentAt(2009, 10, 14, 16, 38, 59), u"141638okt09", u"16:38:59", u"14.10.2009"},
    {"day 9 padded", momentAt(2026, 12, 9, 9, 5, 3), u"090905dez26", u"09:05:03", u"09.12.2026"},
};

// The rows of a data-driven test over the builder examples: one column "example", the index into the table.
inline void addBuilderExampleRows()
{
    QTest::addColumn<int>("example");
    for (int index = 0; index < int(std::size(kBuilderExamples)); ++index)
        QTest::newRow(kBuilderExamples[index].name) << index;
}

// Rows "time", "date", "german", "english": a typed time and date and the tactical time they give with
// German and with English month names. A date without a year is in 2026.
inline void addNormalToTacticalRows()
{
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    const auto row = [](const char* name, const char16_t* time, const char16_t* date, const char16_t* german,
                        const char16_t* english) {
        QTest::newRow(name) << QString::fromUtf16(time) << QString::fromUtf16(date) << QString::fromUtf16(german)
                            << QString::fromUtf16(english);
    };
    row("typical", u"16:38:53", u"14.10.2009", u"141638okt09", u"141638oct09");
    row("March, leading zeros", u"08:07", u"05.03.2009", u"050807mär09", u"050807mar09");
    row("day 9 padded", u"12:00", u"9.1.2010", u"091200jan10", u"091200jan10");
    row("day 10 as it is", u"12:00", u"10.1.2010", u"101200jan10", u"101200jan10");
    row("one-digit hour padded", u"8:05", u"14.10.2009", u"140805okt09", u"140805oct09");
    row("no colon", u"1638", u"14.10.2009", u"141638okt09", u"141638oct09");
    row("seconds never round up", u"16:38:59", u"14.10.2009", u"141638okt09", u"141638oct09");
    row("white space around both", u" 16:38 ", u" 14.10.2009\n", u"141638okt09", u"141638oct09");
    row("written month, year 2000", u"00:00", u"1. Mai 2000", u"010000mai00", u"010000may00");
    row("two-digit year", u"23:59:59", u"31.12.99", u"312359dez99", u"312359dec99");
    row("without a year", u"10:00", u"24.12.", u"241000dez26", u"241000dec26");
    row("short hour, date without year", u"8:05", u"24.12.", u"240805dez26", u"240805dec26");
    for (int month = 1; month <= 12; ++month) {
        QTest::addRow("month %d", month) << QStringLiteral("16:38") << QStringLiteral("14.%1.2009").arg(month)
                                         << QStringLiteral("141638") + QString::fromUtf16(kGermanMonthNames[month - 1])
                + QStringLiteral("09")
                                         << QStringLiteral("141638") + QString::fromUtf16(kEnglishMonthNames[month - 1])
                + QStringLiteral("09");
    }
}

// Rows "tactical", "time", "date": a tactical time text and the time and date it reads back to.
inline void addTacticalToNormalRows()
{
    QTest::addColumn<QString>("tactical");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("date");
    const auto row = [](const char* name, const char16_t* tactical, const char16_t* time, const char16_t* date) {
        QTest::newRow(name) << QString::fromUtf16(tactical) << QString::fromUtf16(time) << QString::fromUtf16(date);
    };
    row("four-digit year", u"141638okt2009", u"16:38", u"14.10.2009");
    row("two-digit year", u"141638okt09", u"16:38", u"14.10.09");
    row("German März", u"010900mär2010", u"09:00", u"01.03.2010");
    row("English March", u"010900mar2010", u"09:00", u"01.03.2010");
    row("Mrz", u"010900mrz2010", u"09:00", u"01.03.2010");
    row("capitalised", u"141638Okt2009", u"16:38", u"14.10.2009");
    row("upper case", u"141638OKT2009", u"16:38", u"14.10.2009");
    row("upper case umlaut", u"010900MÄR10", u"09:00", u"01.03.10");
    row("mixed case English", u"010900mAy10", u"09:00", u"01.05.10");
    row("pasted with a line break", u" 141638okt2009\r\n", u"16:38", u"14.10.2009");
    row("trailing no-break space", u"141638okt2009\u00a0", u"16:38", u"14.10.2009");
    row("midnight", u"310000dez99", u"00:00", u"31.12.99");
    row("last minute", u"312359dec1999", u"23:59", u"31.12.1999");
    row("leap day, four digits", u"291200feb2008", u"12:00", u"29.02.2008");
    row("leap day 2000", u"291200feb2000", u"12:00", u"29.02.2000");
    row("leap day, two digits", u"291200feb08", u"12:00", u"29.02.08");
    row("leap day, 00", u"291200feb00", u"12:00", u"29.02.00");
    // Every name the reader knows, German and English, in the order of the month tables.
    for (int month = 1; month <= 12; ++month) {
        const QString german = QString::fromUtf16(kGermanMonthNames[month - 1]);
        const QString english = QString::fromUtf16(kEnglishMonthNames[month - 1]);
        for (const QString& name : german == english ? QStringList{german} : QStringList{german, english}) {
            QTest::addRow("name %s", qPrintable(name))
                << QStringLiteral("011200") + name + QStringLiteral("2009") << QStringLiteral("12:00")
                << QStringLiteral("01.%1.2009").arg(month, 2, 10, QChar(u'0'));
        }
    }
}
