#include "TClientDataSet.h"

#include "DateTimeCodec.h"
#include "EHata.h"

#include <QLocale>

namespace {

const QString kClosed = QStringLiteral("Cannot perform this operation on a closed dataset");

} // namespace

// Emits aboutToReset() on entry and dataReset() on exit (also when the change throws), unless the
// controls are disabled.
class TClientDataSet::ResetScope {
public:
    explicit ResetScope(TClientDataSet& ds) : ds_(ds), notify_(ds.Notifying())
    {
        if (notify_)
            emit ds_.aboutToReset();
    }
    ~ResetScope()
    {
        if (notify_)
            emit ds_.dataReset();
    }
    ResetScope(const ResetScope&) = delete;
    ResetScope& operator=(const ResetScope&) = delete;

private:
    TClientDataSet& ds_;
    bool notify_;
};

TClientDataSet::TClientDataSet(QObject* parent) : QObject(parent) {}

TClientDataSet::~TClientDataSet() = default;

void TClientDataSet::AddFieldDef(const QString& name, TFieldType type, int size)
{
    if (Active())
        throw EDatabaseError(QStringLiteral("Cannot perform this operation on an open dataset"));
    table_.AddField(name, type, size);
    numberFormats_.emplace_back(QString(), QLocale());
}

void TClientDataSet::ClearFieldDefs()
{
    if (Active())
        throw EDatabaseError(QStringLiteral("Cannot perform this operation on an open dataset"));
    table_.Clear();
    numberFormats_.clear();
}

void TClientDataSet::CheckField(int field) const
{
    if (field < 0 || field >= FieldCount())
        throw EDatabaseError(QStringLiteral("Field index %1 out of range").arg(field));
}

TField TClientDataSet::FieldByName(const QString& name)
{
    const int i = FieldIndex(name);
    if (i < 0)
        throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(name));
    return TField(this, i);
}

TField TClientDataSet::FindField(const QString& name)
{
    const int i = FieldIndex(name);
    return i < 0 ? TField() : TField(this, i);
}

TField TClientDataSet::Fields(int index)
{
    CheckField(index);
    return TField(this, index);
}

void TClientDataSet::SetDisplayFormat(int field, const QString& format)
{
    CheckField(field);
    table_.SetDisplayFormat(field, format);
    CompileFormat(field);
}

void TClientDataSet::CompileFormat(int field)
{
    const auto i = static_cast<std::size_t>(field);
    if (numberFormats_.size() <= i)
        numberFormats_.resize(i + 1);
    numberFormats_[i] = TFloatFormat(table_.DisplayFormat(field), QLocale());
}

void TClientDataSet::CompileFormats()
{
    numberFormats_.clear();
    for (int f = 0; f < FieldCount(); ++f)
        CompileFormat(f);
}

QString TClientDataSet::DisplayText(int row, int field) const
{
    if (field < 0 || field >= FieldCount() || row < 0 || row >= table_.RowCount())
        return {};
    return CellText(table_.Column(field), row, field);
}

QString TClientDataSet::CellText(const TColumn& column, int row, int field) const
{
    if (column.IsNull(row))
        return {};
    const TFloatFormat& number = numberFormats_[static_cast<std::size_t>(field)];
    switch (column.Def().DataType) {
    case TFieldType::Integer:
        return number.IsGeneral() ? QString::number(column.RawInteger(row)) : number.Format(column.RawInteger(row));
    case TFieldType::LargeInt:
        return number.IsGeneral() ? QString::number(column.RawLargeInt(row))
                                  : number.Format(static_cast<double>(column.RawLargeInt(row)));
    case TFieldType::Float:
    case TFieldType::BCD:
        return number.Format(column.RawFloat(row));
    case TFieldType::Date:
    case TFieldType::DateTime: {
        const QString& format = table_.DisplayFormat(field);
        if (format.isEmpty())
            return DateTimeCodec::DisplayText(column.RawFloat(row), column.Def().DataType == TFieldType::DateTime);
        return QLocale().toString(DateTimeCodec::ToQDateTime(column.RawFloat(row)), format);
    }
    case TFieldType::String:
    case TFieldType::Boolean:
        break;
    }
    return column.AsString(row);
}

void TClientDataSet::CheckActive() const
{
    if (!Active())
        throw EDatabaseError(kClosed);
}

void TClientDataSet::CreateDataSet()
{
    if (FieldCount() == 0)
        throw EDatabaseError(QStringLiteral("No fields defined. Cannot create dataset"));
    DropEdit();
    ResetScope reset(*this);
    table_.ClearRows();
    state_ = State::Browse;
    ResetCursor();
}

void TClientDataSet::Open()
{
    if (!Active())
        CreateDataSet();
}

void TClientDataSet::Close()
{
    if (!Active())
        return;
    DropEdit();
    ResetScope reset(*this);
    table_.ClearRows();
    state_ = State::Inactive;
    ResetCursor();
}

void TClientDataSet::SetData(TTableData&& packet)
{
    DropEdit();
    ResetScope reset(*this);
    table_ = std::move(packet);
    state_ = State::Browse;
    CompileFormats();
    ResetCursor();
}

void TClientDataSet::CopyFromReader(TTableData&& reader)
{
    // Everything that can fail happens on the reader, so a failed copy leaves the table as it was.
    const int prescribed = FieldCount();
    for (int f = 0; f < prescribed; ++f)
        if (f >= reader.FieldCount()
            || reader.FieldDef(f).Name.compare(FieldDef(f).Name, Qt::CaseInsensitive) != 0)
            throw EDatabaseError(QStringLiteral("Additional columns must be added after the prescribed columns."));
    for (int f = 0; f < prescribed; ++f) {
        reader.SetFieldDef(f, FieldDef(f));
        reader.SetDisplayFormat(f, DisplayFormat(f));
    }
    DropEdit();
    ResetScope reset(*this);
    table_ = std::move(reader);
    state_ = State::Browse;
    CompileFormats();
    ResetCursor();
}

void TClientDataSet::EmptyDataSet()
{
    CheckActive();
    DropEdit();
    ResetScope reset(*this);
    table_.ClearRows();
    ResetCursor();
}

void TClientDataSet::ResetCursor()
{
    const int n = RecordCount();
    recNo_ = n > 0 ? 0 : -1;
    bof_ = true;
    eof_ = n == 0;
}

void TClientDataSet::MoveTo(int row)
{
    bof_ = eof_ = false;
    if (row != recNo_) {
        recNo_ = row;
        if (Notifying())
            emit currentChanged(row);
    }
}

void TClientDataSet::SetRecNo(int row)
{
    CheckActive();
    if (row < 0 || row >= RecordCount())
        throw EDatabaseError(QStringLiteral("Record %1 out of range").arg(row));
    CheckBrowse();
    MoveTo(row);
}

void TClientDataSet::First()
{
    CheckActive();
    CheckBrowse();
    if (RecordCount() > 0)
        MoveTo(0);
    bof_ = true;
    eof_ = RecordCount() == 0;
}

void TClientDataSet::Next()
{
    CheckActive();
    CheckBrowse();
    if (recNo_ + 1 < RecordCount())
        MoveTo(recNo_ + 1);
    else
        eof_ = true;
}

void TClientDataSet::Prior()
{
    CheckActive();
    CheckBrowse();
    if (recNo_ > 0)
        MoveTo(recNo_ - 1);
    else
        bof_ = true;
}

void TClientDataSet::Last()
{
    CheckActive();
    CheckBrowse();
    if (RecordCount() > 0)
        MoveTo(RecordCount() - 1);
    eof_ = true;
    bof_ = RecordCount() == 0;
}

bool TClientDataSet::Locate(const QString& fieldName, const QVariant& value)
{
    CheckActive();
    const int field = FieldByName(fieldName).Index();
    CheckBrowse();
    const TColumn& column = table_.Column(field);
    TColumn probe(column.Def());
    try {
        probe.AppendValue(value);
    } catch (const EDatabaseError&) {
        return false;
    }
    for (int r = 0; r < column.Count(); ++r) {
        if (column.SameCell(r, probe, 0)) {
            MoveTo(r);
            return true;
        }
    }
    return false;
}

void TClientDataSet::Edit()
{
    CheckActive();
    if (state_ != State::Browse)
        return;
    if (RecordCount() == 0) {
        Append();
        return;
    }
    TTableData buffer;
    for (int f = 0; f < FieldCount(); ++f)
        buffer.AddField(FieldDef(f));
    buffer.AppendRowFrom(table_, recNo_);
    buffer_ = std::move(buffer);
    modified_.assign(static_cast<std::size_t>(FieldCount()), false);
    state_ = State::Edit;
}

void TClientDataSet::Append()
{
    CheckActive();
    CheckBrowse();
    TTableData buffer;
    for (int f = 0; f < FieldCount(); ++f)
        buffer.AddField(FieldDef(f));
    buffer.AppendRow();
    buffer_ = std::move(buffer);
    modified_.assign(static_cast<std::size_t>(FieldCount()), false);
    state_ = State::Insert;
}

void TClientDataSet::Post()
{
    if (state_ == State::Edit) {
        table_.CopyRow(recNo_, buffer_, 0, &modified_);
        DropEdit();
        if (Notifying())
            emit rowChanged(recNo_);
    } else if (state_ == State::Insert) {
        {
            ResetScope reset(*this);
            table_.AppendRowFrom(buffer_, 0);
            DropEdit();
        }
        MoveTo(RecordCount() - 1);
    } else {
        throw EDatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
    }
}

void TClientDataSet::Cancel()
{
    DropEdit();
}

void TClientDataSet::CheckBrowse()
{
    if (state_ == State::Edit || state_ == State::Insert)
        Post();
}

void TClientDataSet::DropEdit()
{
    if (state_ == State::Edit || state_ == State::Insert)
        state_ = State::Browse;
    buffer_.Clear();
    modified_.clear();
}

std::pair<const TColumn*, int> TClientDataSet::CurrentCell(int field) const
{
    CheckField(field);
    if (state_ == State::Edit || state_ == State::Insert)
        return {&buffer_.Column(field), 0};
    return {&table_.Column(field), Active() ? recNo_ : -1};
}

TTableData& TClientDataSet::EditBuffer(int field)
{
    CheckField(field);
    if (state_ != State::Edit && state_ != State::Insert)
        throw EDatabaseError(QStringLiteral("Dataset not in edit or insert mode"));
    modified_[static_cast<std::size_t>(field)] = true;
    return buffer_;
}

void TClientDataSet::DisableControls()
{
    ++disabled_;
}

void TClientDataSet::EnableControls()
{
    if (disabled_ > 0 && --disabled_ == 0)
        emit dataReset();
}
