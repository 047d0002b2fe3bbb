#pragma once
#include "TColumn.h"
#include "TFieldType.h"

#include <QString>
#include <QStringView>
#include <QVariant>
#include <QVariantList>

#include <cstddef>
#include <vector>

// The content of a client table: field definitions, a display format per field and the rows, stored
// column by column (see TColumn). A plain movable value without signals: the decoder builds one on a
// worker thread and hands it to a TClientDataSet, tests and the demo server build one row by row.
//
// Cells are addressed by (row, field index); indexes must be in range. Field names are matched
// without regard to case, as the platform does.
class TTableData {
public:
    int FieldCount() const noexcept { return static_cast<int>(columns_.size()); }
    int RowCount() const noexcept { return rows_; }
    const TFieldDef& FieldDef(int field) const { return columns_[static_cast<std::size_t>(field)].Def(); }
    std::vector<TFieldDef> FieldDefs() const;
    // -1 when there is no field of that name.
    int FieldIndex(QStringView name) const noexcept;
    const QString& DisplayFormat(int field) const { return formats_[static_cast<std::size_t>(field)]; }
    void SetDisplayFormat(int field, const QString& format) { formats_[static_cast<std::size_t>(field)] = format; }
    const TColumn& Column(int field) const { return columns_[static_cast<std::size_t>(field)]; }
    // Sum of the capacities of every column's storage.
    std::size_t MemoryBytes() const noexcept;

    // Columns. A new field holds nulls in the existing rows; an added column must have RowCount()
    // cells unless it is the first. EDatabaseError on a duplicated name or a wrong length.
    int AddField(const TFieldDef& def);
    int AddField(const QString& name, TFieldType type, int size = 0) { return AddField(TFieldDef{name, type, size}); }
    void AddColumn(TColumn&& column, const QString& displayFormat = QString());
    // Changes a field's definition; the cells are converted when the storage kind changes.
    void SetFieldDef(int field, const TFieldDef& def);
    void MoveColumn(int from, int to);
    void Clear();
    void ClearRows();

    // Rows.
    void Reserve(int rows);
    int AppendRow();  // a row of nulls; returns its index
    int AppendRecord(const QVariantList& values);  // one value per field, converted to the field's type
    // Copy a row of a table with the same fields (only the fields flagged in `only`, when given).
    void CopyRow(int row, const TTableData& source, int sourceRow, const std::vector<bool>* only = nullptr);
    int AppendRowFrom(const TTableData& source, int sourceRow);

    // Cells.
    bool IsNull(int row, int field) const { return Column(field).IsNull(row); }
    QString AsString(int row, int field) const { return Column(field).AsString(row); }
    double AsFloat(int row, int field) const { return Column(field).AsFloat(row); }
    int AsInteger(int row, int field) const { return Column(field).AsInteger(row); }
    qint64 AsLargeInt(int row, int field) const { return Column(field).AsLargeInt(row); }
    bool AsBoolean(int row, int field) const { return Column(field).AsBoolean(row); }
    QDateTime AsDateTime(int row, int field) const { return Column(field).AsDateTime(row); }
    QVariant Value(int row, int field) const { return Column(field).Value(row); }

    void SetNull(int row, int field) { Cells(field).SetNull(row); }
    void SetString(int row, int field, const QString& v) { Cells(field).SetString(row, v); }
    void SetFloat(int row, int field, double v) { Cells(field).SetFloat(row, v); }
    void SetInteger(int row, int field, int v) { Cells(field).SetInteger(row, v); }
    void SetLargeInt(int row, int field, qint64 v) { Cells(field).SetLargeInt(row, v); }
    void SetBoolean(int row, int field, bool v) { Cells(field).SetBoolean(row, v); }
    void SetDateTime(int row, int field, const QDateTime& v) { Cells(field).SetDateTime(row, v); }
    void SetValue(int row, int field, const QVariant& v) { Cells(field).SetValue(row, v); }

private:
    TColumn& Cells(int field) { return columns_[static_cast<std::size_t>(field)]; }

    std::vector<TColumn> columns_;
    std::vector<QString> formats_;
    int rows_ = 0;
};
