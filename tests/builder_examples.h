#pragma once

#include "platform/moment.h"

#include <QTest>

#include <iterator>

// Moments of the clock and the texts written for them: the tactical time (German months) and the clock texts.
struct BuilderExample {
    const char* name;
    Moment moment;
    const char16_t* tactical;
    const char16_t* time;
    const char16_t* date;
};

inline Moment momentAt(int y, unsigned m, unsigned d, int hour, int minute, int second)
{
    return Moment{std::chrono::year{y} / m / d, ClockTime{hour, minute, second}, 0};
}

inline const BuilderExample kBuilderExamples[] = {
    {"leading zeros, German March", momentAt(2009, 3, 5, 8, 7, 59), u"050807mär09", u"08:07:59", u"05.03.2009"},
    {"day 10 unpadded, midnight", momentAt(2010, 12, 10, 0, 0, 0), u"100000dez10", u"00:00:00", u"10.12.2010"},
    {"last minute of May", momentAt(2009, 5, 31, 23, 59, 0), u"312359mai09", u"23:59:00", u"31.05.2009"},
    {"year 2000", momentAt(2000, 1, 1, 12, 30, 0), u"011230jan00", u"12:30:00", u"01.01.2000"},
    {"seconds never round up", momentAt(2009, 10, 14, 16, 38, 59), u"141638okt09", u"16:38:59", u"14.10.2009"},
    {"day 9 padded", momentAt(2026, 12, 9, 9, 5, 3), u"090905dez26", u"09:05:03", u"09.12.2026"},
};

// The rows of a data-driven test over the examples: one column "example", the index into kBuilderExamples.
inline void addBuilderExampleRows()
{
    QTest::addColumn<int>("example");
    for (int index = 0; index < int(std::size(kBuilderExamples)); ++index)
        QTest::newRow(kBuilderExamples[index].name) << index;
}
