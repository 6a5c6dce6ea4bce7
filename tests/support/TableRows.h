#pragma once

#include <QtTest>

#include <iterator>

// A test row for each row of a table, by its index: a `_data()` function over a table of
// structs that begin with the row's `tag`.
template <class Rows>
void addRows(const Rows& rows)
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(rows)); ++i)
        QTest::newRow(rows[i].tag) << i;
}
