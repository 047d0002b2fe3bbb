#include "TTableData.h"

#include "EHata.h"

#include <algorithm>

std::vector<TFieldDef> TTableData::FieldDefs() const
{
    std::vector<TFieldDef> defs;
    defs.reserve(columns_.size());
    for (const TColumn& c : columns_)
        defs.push_back(c.Def());
    return defs;
}

int TTableData::FieldIndex(QStringView name) const noexcept
{
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (name.compare(columns_[i].Def().Name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

std::size_t TTableData::MemoryBytes() const noexcept
{
    std::size_t n = 0;
    for (const TColumn& c : columns_)
        n += c.MemoryBytes();
    return n;
}

int TTableData::AddField(const TFieldDef& def)
{
    TColumn column(def);
    column.AppendNulls(rows_);
    AddColumn(std::move(column));
    return FieldCount() - 1;
}

void TTableData::AddColumn(TColumn&& column, const QString& displayFormat)
{
    if (FieldIndex(column.Def().Name) >= 0)
        throw EDatabaseError(QStringLiteral("Duplicate field name '%1'").arg(column.Def().Name));
    if (!columns_.empty() && column.Count() != rows_)
        throw EDatabaseError(QStringLiteral("Field '%1' has %2 rows, the table %3")
                                 .arg(column.Def().Name).arg(column.Count()).arg(rows_));
    rows_ = column.Count();
    columns_.push_back(std::move(column));
    formats_.push_back(displayFormat);
}

void TTableData::SetFieldDef(int field, const TFieldDef& def)
{
    const int other = FieldIndex(def.Name);
    if (other >= 0 && other != field)
        throw EDatabaseError(QStringLiteral("Duplicate field name '%1'").arg(def.Name));
    TColumn& c = Cells(field);
    if (!c.Relabel(def))
        c = c.ConvertedTo(def);
}

void TTableData::MoveColumn(int from, int to)
{
    if (from < 0 || to < 0 || from >= FieldCount() || to >= FieldCount())
        throw EDatabaseError(QStringLiteral("Field index out of range"));
    const auto f = static_cast<std::ptrdiff_t>(from);
    const auto t = static_cast<std::ptrdiff_t>(to);
    if (from < to) {
        std::rotate(columns_.begin() + f, columns_.begin() + f + 1, columns_.begin() + t + 1);
        std::rotate(formats_.begin() + f, formats_.begin() + f + 1, formats_.begin() + t + 1);
    } else if (from > to) {
        std::rotate(columns_.begin() + t, columns_.begin() + f, columns_.begin() + f + 1);
        std::rotate(formats_.begin() + t, formats_.begin() + f, formats_.begin() + f + 1);
    }
}

void TTableData::Clear()
{
    columns_.clear();
    formats_.clear();
    rows_ = 0;
}

void TTableData::ClearRows()
{
    for (TColumn& c : columns_)
        c.Clear();
    rows_ = 0;
}

void TTableData::Reserve(int rows)
{
    for (TColumn& c : columns_)
        c.Reserve(rows);
}

int TTableData::AppendRow()
{
    for (TColumn& c : columns_)
        c.AppendNull();
    return rows_++;
}

int TTableData::AppendRecord(const QVariantList& values)
{
    if (values.size() != FieldCount())
        throw EDatabaseError(QStringLiteral("%1 values for %2 fields").arg(values.size()).arg(FieldCount()));
    // Convert every value before touching the table, so that a bad value leaves it as it was.
    std::vector<TColumn> cells;
    cells.reserve(columns_.size());
    for (int f = 0; f < FieldCount(); ++f) {
        cells.emplace_back(FieldDef(f));
        cells.back().AppendValue(values[f]);
    }
    for (int f = 0; f < FieldCount(); ++f)
        Cells(f).AppendCell(cells[static_cast<std::size_t>(f)], 0);
    return rows_++;
}

void TTableData::CopyRow(int row, const TTableData& source, int sourceRow, const std::vector<bool>* only)
{
    for (int f = 0; f < FieldCount(); ++f)
        if (!only || (*only)[static_cast<std::size_t>(f)])
            Cells(f).SetCell(row, source.Column(f), sourceRow);
}

int TTableData::AppendRowFrom(const TTableData& source, int sourceRow)
{
    for (int f = 0; f < FieldCount(); ++f)
        Cells(f).AppendCell(source.Column(f), sourceRow);
    return rows_++;
}
