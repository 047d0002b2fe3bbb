#pragma once
#include "TTableData.h"

#include <QVariant>

// A table reader result: rows read one after another by column position. Owned by its command.
class TDBXReader {
public:
    explicit TDBXReader(TTableData veri) : veri_(std::move(veri)) {}

    // Moves to the next row; false after the last one.
    bool Next() { return ++satir_ < veri_.RowCount(); }
    int ColumnCount() const { return veri_.FieldCount(); }
    QVariant Value(int sutun) const { return veri_.Value(satir_, sutun); }
    TTableData& Veri() { return veri_; }

private:
    TTableData veri_;
    int satir_ = -1;
};
