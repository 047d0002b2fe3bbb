#include "TColumn.h"

#include "DateTimeCodec.h"
#include "EHata.h"
#include "FormatFloat.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

[[noreturn]] void ConvertError(const QString& text, const char* kind)
{
    throw EDatabaseError(QStringLiteral("'%1' is not a valid %2 value").arg(text, QLatin1String(kind)));
}

double ParseFloat(const QString& text)
{
    const QString t = text.trimmed();
    bool ok = false;
    double v = QLocale().toDouble(t, &ok);
    if (!ok)
        v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        ConvertError(text, "floating point");
    return v;
}

std::int64_t ParseInteger(const QString& text)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok)
        ConvertError(text, "integer");
    return v;
}

// The platform rounds a float to an integer half to even.
std::int64_t RoundToInteger(double v)
{
    const double r = std::nearbyint(v);
    if (!(r >= -9.2233720368547758e18 && r < 9.2233720368547758e18))
        throw EDatabaseError(QStringLiteral("%1 is not a valid integer value").arg(v));
    return static_cast<std::int64_t>(r);
}

double ParseDate(const QString& text)
{
    double v = 0;
    if (!DateTimeCodec::ParseText(text, v))
        ConvertError(text, "date and time");
    return v;
}

const QString& BooleanText(bool v)
{
    static const QString kTrue = QStringLiteral("True");
    static const QString kFalse = QStringLiteral("False");
    return v ? kTrue : kFalse;
}

} // namespace

TColumn::Storage TColumn::StorageOf(TFieldType type) noexcept
{
    switch (type) {
    case TFieldType::String:
        return Storage::Text;
    case TFieldType::Integer:
        return Storage::Int32;
    case TFieldType::LargeInt:
        return Storage::Int64;
    case TFieldType::Boolean:
        return Storage::Byte;
    case TFieldType::Float:
    case TFieldType::BCD:
    case TFieldType::Date:
    case TFieldType::DateTime:
        break;
    }
    return Storage::Double;
}

TColumn::TColumn(TFieldDef def) : def_(std::move(def)), storage_(StorageOf(def_.DataType))
{
    if (storage_ == Storage::Text)
        offsets_.push_back(0);
}

std::size_t TColumn::MemoryBytes() const noexcept
{
    std::size_t n = f_.capacity() * sizeof(double) + i_.capacity() * sizeof(std::int32_t)
        + l_.capacity() * sizeof(std::int64_t) + b_.capacity() + arena_.capacity()
        + offsets_.capacity() * sizeof(std::uint32_t) + nulls_.capacity();
    for (const auto& [row, text] : overrides_)
        n += text.capacity() + sizeof(std::pair<const int, std::string>) + 2 * sizeof(void*);
    return n + overrides_.bucket_count() * sizeof(void*);
}

void TColumn::Reserve(int rows, std::size_t textBytes)
{
    const auto n = static_cast<std::size_t>(rows);
    if (storage_ == Storage::Text && textBytes > 0)
        arena_.reserve(textBytes);
    switch (storage_) {
    case Storage::Text: offsets_.reserve(n + 1); break;
    case Storage::Double: f_.reserve(n); break;
    case Storage::Int32: i_.reserve(n); break;
    case Storage::Int64: l_.reserve(n); break;
    case Storage::Byte: b_.reserve(n); break;
    }
    if (!nulls_.empty())
        nulls_.reserve(n);
}

void TColumn::ShrinkToFit()
{
    // A null vector without a single null (the nulls were all filled in) is not worth its bytes.
    if (!nulls_.empty() && std::find(nulls_.begin(), nulls_.end(), 1) == nulls_.end())
        nulls_.clear();
    f_.shrink_to_fit();
    i_.shrink_to_fit();
    l_.shrink_to_fit();
    b_.shrink_to_fit();
    arena_.shrink_to_fit();
    offsets_.shrink_to_fit();
    nulls_.shrink_to_fit();
}

void TColumn::BorrowArena(std::string& buffer)
{
    buffer.assign(arena_);
    arena_.swap(buffer);
}

void TColumn::ReturnArena(std::string& buffer)
{
    std::string exact(arena_);
    arena_.swap(buffer);
    arena_.swap(exact);
}

void TColumn::Clear()
{
    *this = TColumn(def_);
}

TColumn TColumn::ConvertedTo(const TFieldDef& def) const
{
    TColumn out(def);
    out.Reserve(count_);
    for (int r = 0; r < count_; ++r)
        out.AppendCell(*this, r);
    out.ShrinkToFit();
    return out;
}

bool TColumn::Relabel(const TFieldDef& def)
{
    if (StorageOf(def.DataType) != storage_)
        return false;
    def_ = def;
    return true;
}

void TColumn::RangeError() const
{
    throw EDatabaseError(QStringLiteral("Field '%1' is too large").arg(def_.Name));
}

void TColumn::AppendNull()
{
    AppendNulls(1);
}

void TColumn::AppendNulls(int n)
{
    if (n <= 0)
        return;
    const auto size = static_cast<std::size_t>(count_ + n);
    switch (storage_) {
    case Storage::Text: offsets_.resize(size + 1, static_cast<std::uint32_t>(arena_.size())); break;
    case Storage::Double: f_.resize(size, 0.0); break;
    case Storage::Int32: i_.resize(size, 0); break;
    case Storage::Int64: l_.resize(size, 0); break;
    case Storage::Byte: b_.resize(size, 0); break;
    }
    if (nulls_.empty())
        nulls_.reserve(std::max(size, f_.capacity() + i_.capacity() + l_.capacity() + b_.capacity()
                                          + (offsets_.capacity() > 0 ? offsets_.capacity() - 1 : 0)));
    nulls_.resize(static_cast<std::size_t>(count_), 0);
    nulls_.resize(size, 1);
    count_ += n;
}

void TColumn::AppendDefault()
{
    switch (storage_) {
    case Storage::Text: offsets_.push_back(static_cast<std::uint32_t>(arena_.size())); break;
    case Storage::Double: f_.push_back(0.0); break;
    case Storage::Int32: i_.push_back(0); break;
    case Storage::Int64: l_.push_back(0); break;
    case Storage::Byte: b_.push_back(0); break;
    }
    PushNotNull();
    ++count_;
}

void TColumn::DropLast() noexcept
{
    --count_;
    switch (storage_) {
    case Storage::Text:
        offsets_.pop_back();
        arena_.resize(offsets_.back());
        overrides_.erase(count_);
        break;
    case Storage::Double: f_.pop_back(); break;
    case Storage::Int32: i_.pop_back(); break;
    case Storage::Int64: l_.pop_back(); break;
    case Storage::Byte: b_.pop_back(); break;
    }
    if (nulls_.size() > static_cast<std::size_t>(count_))
        nulls_.resize(static_cast<std::size_t>(count_));
}

void TColumn::AppendString(const QString& text)
{
    if (storage_ == Storage::Text) {
        const QByteArray utf8 = text.toUtf8();
        AppendString(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    } else {
        AppendVia([&](int row) { SetString(row, text); });
    }
}

void TColumn::AppendBoolean(bool v)
{
    if (storage_ != Storage::Byte) {
        AppendVia([&](int row) { SetBoolean(row, v); });
        return;
    }
    b_.push_back(v ? 1 : 0);
    PushNotNull();
    ++count_;
}

void TColumn::AppendDateTime(const QDateTime& v)
{
    if (!v.isValid())
        AppendNull();
    else
        AppendVia([&](int row) { SetDateTime(row, v); });
}

void TColumn::AppendValue(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        AppendNull();
    else
        AppendVia([&](int row) { SetValue(row, v); });
}

void TColumn::AppendCell(const TColumn& source, int sourceRow)
{
    if (source.IsNull(sourceRow)) {
        AppendNull();
        return;
    }
    if (source.storage_ != storage_) {
        AppendValue(source.Value(sourceRow));
        return;
    }
    const auto s = static_cast<std::size_t>(sourceRow);
    switch (storage_) {
    case Storage::Text: AppendString(source.StringBytes(sourceRow)); break;
    case Storage::Double: AppendFloat(source.f_[s]); break;
    case Storage::Int32: AppendInteger(source.i_[s]); break;
    case Storage::Int64: AppendLargeInt(source.l_[s]); break;
    case Storage::Byte: AppendBoolean(source.b_[s] != 0); break;
    }
}

QString TColumn::AsString(int row) const
{
    if (IsNull(row))
        return {};
    const auto r = static_cast<std::size_t>(row);
    switch (def_.DataType) {
    case TFieldType::String: {
        const std::string_view s = StringBytes(row);
        return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    }
    case TFieldType::Integer: return QString::number(i_[r]);
    case TFieldType::LargeInt: return QString::number(l_[r]);
    case TFieldType::Float:
    case TFieldType::BCD: return FloatToStr(f_[r]);
    case TFieldType::Date: return DateTimeCodec::DisplayText(f_[r], false);
    case TFieldType::DateTime: return DateTimeCodec::FieldText(f_[r]);
    case TFieldType::Boolean: return BooleanText(b_[r] != 0);
    }
    return {};
}

double TColumn::AsFloat(int row) const
{
    if (IsNull(row))
        return 0.0;
    const auto r = static_cast<std::size_t>(row);
    switch (storage_) {
    case Storage::Double: return f_[r];
    case Storage::Int32: return i_[r];
    case Storage::Int64: return static_cast<double>(l_[r]);
    case Storage::Byte: return b_[r];
    case Storage::Text: break;
    }
    return ParseFloat(AsString(row));
}

std::int64_t TColumn::AsLargeInt(int row) const
{
    if (IsNull(row))
        return 0;
    const auto r = static_cast<std::size_t>(row);
    switch (storage_) {
    case Storage::Double: return RoundToInteger(f_[r]);
    case Storage::Int32: return i_[r];
    case Storage::Int64: return l_[r];
    case Storage::Byte: return b_[r];
    case Storage::Text: break;
    }
    return ParseInteger(AsString(row));
}

std::int32_t TColumn::AsInteger(int row) const
{
    const std::int64_t v = AsLargeInt(row);
    if (v < INT32_MIN || v > INT32_MAX)
        throw EDatabaseError(QStringLiteral("%1 is not a valid integer value for field '%2'").arg(v).arg(def_.Name));
    return static_cast<std::int32_t>(v);
}

bool TColumn::AsBoolean(int row) const
{
    if (IsNull(row))
        return false;
    if (storage_ == Storage::Text) {
        // The platform reads a text as true when it starts with T or Y.
        const std::string_view s = StringBytes(row);
        return !s.empty() && (s[0] == 'T' || s[0] == 't' || s[0] == 'Y' || s[0] == 'y');
    }
    return AsFloat(row) != 0.0;
}

QDateTime TColumn::AsDateTime(int row) const
{
    if (IsNull(row))
        return {};
    if (storage_ == Storage::Text)
        return DateTimeCodec::ToQDateTime(ParseDate(AsString(row)));
    if (storage_ == Storage::Byte)
        throw EDatabaseError(QStringLiteral("Field '%1' cannot be read as a date").arg(def_.Name));
    return DateTimeCodec::ToQDateTime(AsFloat(row));
}

QVariant TColumn::Value(int row) const
{
    if (IsNull(row))
        return {};
    const auto r = static_cast<std::size_t>(row);
    switch (def_.DataType) {
    case TFieldType::String: return AsString(row);
    case TFieldType::Integer: return i_[r];
    case TFieldType::LargeInt: return qlonglong(l_[r]);
    case TFieldType::Float:
    case TFieldType::BCD: return f_[r];
    case TFieldType::Date: return DateTimeCodec::ToQDate(f_[r]);
    case TFieldType::DateTime: return DateTimeCodec::ToQDateTime(f_[r]);
    case TFieldType::Boolean: return b_[r] != 0;
    }
    return {};
}

bool TColumn::SameCell(int row, const TColumn& other, int otherRow) const
{
    const bool null = IsNull(row);
    if (null || other.IsNull(otherRow))
        return null == other.IsNull(otherRow);
    const auto r = static_cast<std::size_t>(row);
    const auto o = static_cast<std::size_t>(otherRow);
    switch (storage_) {
    case Storage::Text: return StringBytes(row) == other.StringBytes(otherRow);
    case Storage::Double: return f_[r] == other.f_[o];
    case Storage::Int32: return i_[r] == other.i_[o];
    case Storage::Int64: return l_[r] == other.l_[o];
    case Storage::Byte: return b_[r] == other.b_[o];
    }
    return false;
}

void TColumn::SetNull(int row)
{
    if (nulls_.empty()) {
        nulls_.reserve(static_cast<std::size_t>(count_));
        nulls_.assign(static_cast<std::size_t>(count_), 0);
    }
    const auto r = static_cast<std::size_t>(row);
    nulls_[r] = 1;
    if (storage_ == Storage::Text) {
        overrides_.erase(row);
        if (row == count_ - 1) {
            arena_.resize(offsets_[r]);
            offsets_[r + 1] = offsets_[r];
        }
    }
}

void TColumn::SetString(int row, std::string_view utf8)
{
    if (storage_ != Storage::Text) {
        SetString(row, QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
        return;
    }
    const auto r = static_cast<std::size_t>(row);
    if (row == count_ - 1 && !overrides_.count(row)) {
        // The last row's bytes end the arena: rewrite them in place.
        if (offsets_[r] + utf8.size() > UINT32_MAX)
            RangeError();
        arena_.resize(offsets_[r]);
        arena_.append(utf8);
        offsets_[r + 1] = static_cast<std::uint32_t>(arena_.size());
    } else {
        overrides_[row].assign(utf8);
    }
    MarkNotNull(row);
}

void TColumn::SetString(int row, const QString& text)
{
    switch (storage_) {
    case Storage::Text: {
        const QByteArray utf8 = text.toUtf8();
        SetString(row, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
        return;
    }
    case Storage::Byte:
        SetBoolean(row, !text.isEmpty() && QStringLiteral("TtYy").contains(text[0]));
        return;
    case Storage::Int32:
    case Storage::Int64:
        SetLargeInt(row, ParseInteger(text));
        return;
    case Storage::Double:
        break;
    }
    if (def_.DataType == TFieldType::Date || def_.DataType == TFieldType::DateTime)
        SetFloat(row, ParseDate(text));
    else
        SetFloat(row, ParseFloat(text));
}

void TColumn::SetFloat(int row, double v)
{
    const auto r = static_cast<std::size_t>(row);
    switch (storage_) {
    case Storage::Double: f_[r] = v; break;
    case Storage::Int32:
    case Storage::Int64: SetLargeInt(row, RoundToInteger(v)); return;
    case Storage::Byte: b_[r] = v != 0.0; break;
    case Storage::Text: SetString(row, FloatToStr(v)); return;
    }
    MarkNotNull(row);
}

void TColumn::SetLargeInt(int row, std::int64_t v)
{
    const auto r = static_cast<std::size_t>(row);
    switch (storage_) {
    case Storage::Int32:
        if (v < INT32_MIN || v > INT32_MAX)
            throw EDatabaseError(QStringLiteral("%1 is not a valid integer value for field '%2'").arg(v).arg(def_.Name));
        i_[r] = static_cast<std::int32_t>(v);
        break;
    case Storage::Int64: l_[r] = v; break;
    case Storage::Double: f_[r] = static_cast<double>(v); break;
    case Storage::Byte: b_[r] = v != 0; break;
    case Storage::Text: SetString(row, QString::number(v)); return;
    }
    MarkNotNull(row);
}

void TColumn::SetBoolean(int row, bool v)
{
    if (storage_ == Storage::Text)
        SetString(row, BooleanText(v));
    else if (storage_ == Storage::Byte) {
        b_[static_cast<std::size_t>(row)] = v ? 1 : 0;
        MarkNotNull(row);
    } else
        SetLargeInt(row, v ? 1 : 0);
}

void TColumn::SetDateTime(int row, const QDateTime& v)
{
    if (!v.isValid())
        SetNull(row);
    else if (storage_ == Storage::Text)
        SetString(row, DateTimeCodec::FieldText(DateTimeCodec::FromQDateTime(v)));
    else if (storage_ == Storage::Double)
        SetFloat(row, DateTimeCodec::FromQDateTime(v));
    else
        throw EDatabaseError(QStringLiteral("Field '%1' cannot hold a date").arg(def_.Name));
}

void TColumn::SetValue(int row, const QVariant& v)
{
    if (!v.isValid() || v.isNull()) {
        SetNull(row);
        return;
    }
    switch (v.typeId()) {
    case QMetaType::Bool: SetBoolean(row, v.toBool()); break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
        SetLargeInt(row, v.toLongLong());
        break;
    case QMetaType::ULongLong:
    case QMetaType::ULong:
        if (v.toULongLong() > static_cast<qulonglong>(INT64_MAX))
            throw EDatabaseError(QStringLiteral("%1 is not a valid integer value").arg(v.toULongLong()));
        SetLargeInt(row, v.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float: SetFloat(row, v.toDouble()); break;
    case QMetaType::QDate: SetDateTime(row, v.toDate().startOfDay()); break;
    case QMetaType::QDateTime: SetDateTime(row, v.toDateTime()); break;
    default: SetString(row, v.toString()); break;
    }
}

void TColumn::SetCell(int row, const TColumn& source, int sourceRow)
{
    if (source.IsNull(sourceRow)) {
        SetNull(row);
        return;
    }
    if (source.storage_ != storage_) {
        SetValue(row, source.Value(sourceRow));
        return;
    }
    const auto s = static_cast<std::size_t>(sourceRow);
    switch (storage_) {
    case Storage::Text: SetString(row, source.StringBytes(sourceRow)); break;
    case Storage::Double: SetFloat(row, source.f_[s]); break;
    case Storage::Int32: SetLargeInt(row, source.i_[s]); break;
    case Storage::Int64: SetLargeInt(row, source.l_[s]); break;
    case Storage::Byte: SetBoolean(row, source.b_[s] != 0); break;
    }
}
