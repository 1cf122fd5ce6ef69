#pragma once

#include "examples.h"

#include <QString>
#include <QTest>

// The example tables as the rows of a data-driven Qt test.

// One column "example", the index into kBuilderExamples.
inline void addBuilderExampleRows()
{
    QTest::addColumn<int>("example");
    for (int index = 0; index < int(std::size(kBuilderExamples)); ++index)
        QTest::newRow(kBuilderExamples[index].name) << index;
}

// Rows "time", "date", "german", "english".
inline void addNormalToTacticalRows()
{
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    for (const auto& e : normalToTacticalExamples())
        QTest::newRow(e.name.c_str()) << QString::fromStdU16String(e.time) << QString::fromStdU16String(e.date)
                                      << QString::fromStdU16String(e.german) << QString::fromStdU16String(e.english);
}

// Rows "tactical", "time", "date".
inline void addTacticalToNormalRows()
{
    QTest::addColumn<QString>("tactical");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("date");
    for (const auto& e : tacticalToNormalExamples())
        QTest::newRow(e.name.c_str()) << QString::fromStdU16String(e.tactical) << QString::fromStdU16String(e.time)
                                      << QString::fromStdU16String(e.date);
}
