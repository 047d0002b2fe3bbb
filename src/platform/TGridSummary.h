#pragma once
#include <QString>

// One footer summary: a count of the rows or a sum of a field, shown under a column. In the grid
// footer it covers the rows that pass the filter; in a group footer the rows of that group.
struct TGridSummary {
    enum class Kind { Count, Sum };

    TGridSummary() = default;
    TGridSummary(Kind k, const QString& underColumn, const QString& summedField = QString(),
                 const QString& displayFormat = QString())
        : kind(k), column(underColumn), field(summedField), format(displayFormat)
    {
    }

    Kind kind = Kind::Count;
    QString column;  // name of the column it is shown under
    QString field;   // field summed (Sum only); empty means the column's own field
    QString format;  // FormatFloat format of the value; empty: the field's display format for a
                     // sum, plain digits for a count
};
