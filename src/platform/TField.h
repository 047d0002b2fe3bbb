#pragma once
#include "TFieldType.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

class TClientDataSet;
class TColumn;

// A handle on one field of a TClientDataSet, as FieldByName returns it. Readers give the value of the
// current record (of the edit buffer while the table is in edit or insert state); with no current
// record they read as null. Setters work only between Edit()/Append() and Post()/Cancel() and raise
// EDatabaseError otherwise. A handle stays valid while the table keeps its columns.
class TField {
public:
    TField() = default;
    TField(TClientDataSet* dataSet, int index) : ds_(dataSet), index_(index) {}

    bool IsValid() const noexcept { return ds_ != nullptr; }
    int Index() const noexcept { return index_; }
    QString FieldName() const;
    TFieldType DataType() const;
    int Size() const;

    bool IsNull() const;
    QString AsString() const;
    double AsFloat() const;
    int AsInteger() const;
    qint64 AsLargeInt() const;
    bool AsBoolean() const;
    QDateTime AsDateTime() const;
    QVariant Value() const;
    // The value as the grid shows it: the display format applied (see TClientDataSet::DisplayText).
    QString DisplayText() const;

    QString DisplayFormat() const;
    void SetDisplayFormat(const QString& format);

    void SetAsString(const QString& v);
    void SetAsFloat(double v);
    void SetAsInteger(int v);
    void SetAsLargeInt(qint64 v);
    void SetAsBoolean(bool v);
    void SetAsDateTime(const QDateTime& v);
    void SetValue(const QVariant& v);
    void Clear();  // sets the field to null

private:
    // The column and row the readers use; row -1 when there is no current record.
    std::pair<const TColumn*, int> Cell() const;
    TClientDataSet& Owner() const;

    TClientDataSet* ds_ = nullptr;
    int index_ = -1;
};
