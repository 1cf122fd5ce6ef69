#pragma once

#include "form_cases.h"

#include <QTest>

// The table of form cases as the rows of a data-driven Qt test, for the form and for the Qt window.

// One column "index" into formCases(), a row a case.
inline void addFormCaseRows()
{
    QTest::addColumn<int>("index");
    const auto all = cases::formCases();
    for (std::size_t i = 0; i < all.size(); ++i)
        QTest::newRow(all[i].name.c_str()) << int(i);
}

// Runs the case of the current row on a window of the driver's kind: what went wrong, or nothing.
inline std::string runFormCaseRow(cases::FormDriver& driver)
{
    const int index = *static_cast<int*>(QTest::qData("index", qMetaTypeId<int>()));
    return cases::runCase(cases::formCases().at(std::size_t(index)), driver);
}
