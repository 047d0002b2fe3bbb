#pragma once
#include "TFieldType.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// One typed column of the client table. Cells live in one flat vector of the column's kind: doubles
// (Float, BCD, and Date/DateTime as TDateTime day numbers), int32 (Integer), int64 (LargeInt), bytes
// (Boolean), or for String one UTF-8 arena with Count()+1 offsets. A string edited in place goes to a
// small override map so that the arena never moves; the last row is edited in the arena itself, which
// keeps row-by-row building compact. Nulls are one byte per row, allocated when the first null comes.
//
// Every reader converts the way the platform's fields do (AsFloat of a string parses it, AsString of a
// date gives "dd.MM.yyyy", …) and raises EDatabaseError for a value that cannot be converted. Every
// writer accepts any kind and converts it to the column's; the writers matching the column's storage
// are the fast path the decoder uses.
class TColumn {
public:
    explicit TColumn(TFieldDef def = {});

    const TFieldDef& Def() const noexcept { return def_; }
    int Count() const noexcept { return count_; }
    bool HasNulls() const noexcept { return !nulls_.empty(); }
    std::size_t MemoryBytes() const noexcept;

    // textBytes: room for that many UTF-8 bytes of a String column's cells.
    void Reserve(int rows, std::size_t textBytes = 0);
    // Gives back capacity beyond what the cells use, and an all-zero null vector.
    void ShrinkToFit();
    // Bulk loading of a String column: while it is filled the column uses `buffer` (emptied, its
    // capacity kept) as its arena; ReturnArena() hands the buffer back for the next column and keeps
    // an exact copy of the bytes. One reused buffer spares every column the growth of its own.
    void BorrowArena(std::string& buffer);
    void ReturnArena(std::string& buffer);
    void Clear();
    // A copy of the column as another field definition; values converted cell by cell.
    TColumn ConvertedTo(const TFieldDef& def) const;
    // Same storage kind only (Float and the date kinds share theirs): relabels without touching cells.
    bool Relabel(const TFieldDef& def);

    // Appending.
    void AppendNull();
    void AppendNulls(int n);
    void AppendString(std::string_view utf8);
    void AppendString(const QString& text);
    void AppendFloat(double v);
    void AppendInteger(std::int32_t v);
    void AppendLargeInt(std::int64_t v);
    void AppendBoolean(bool v);
    void AppendDateTime(const QDateTime& v);
    void AppendValue(const QVariant& v);
    // Appends one cell of another column (converted when the kinds differ).
    void AppendCell(const TColumn& source, int sourceRow);

    // Reading (row must be in range).
    bool IsNull(int row) const noexcept { return !nulls_.empty() && nulls_[static_cast<std::size_t>(row)]; }
    // The UTF-8 bytes of a String cell (empty for other kinds).
    std::string_view StringBytes(int row) const;
    // The raw cell of the column's own storage; no conversion, null cells read 0.
    double RawFloat(int row) const noexcept { return f_[static_cast<std::size_t>(row)]; }
    std::int32_t RawInteger(int row) const noexcept { return i_[static_cast<std::size_t>(row)]; }
    std::int64_t RawLargeInt(int row) const noexcept { return l_[static_cast<std::size_t>(row)]; }
    bool RawBoolean(int row) const noexcept { return b_[static_cast<std::size_t>(row)] != 0; }

    QString AsString(int row) const;
    double AsFloat(int row) const;
    std::int32_t AsInteger(int row) const;
    std::int64_t AsLargeInt(int row) const;
    bool AsBoolean(int row) const;
    QDateTime AsDateTime(int row) const;
    // Typed: QString, int, qlonglong, double (Float, BCD), QDate, QDateTime, bool; null = invalid.
    QVariant Value(int row) const;
    // Whether two cells hold the same value; other must have the same storage kind.
    bool SameCell(int row, const TColumn& other, int otherRow) const;

    // Writing an existing row.
    void SetNull(int row);
    void SetString(int row, std::string_view utf8);
    void SetString(int row, const QString& text);
    void SetFloat(int row, double v);
    void SetInteger(int row, std::int32_t v) { SetLargeInt(row, v); }
    void SetLargeInt(int row, std::int64_t v);
    void SetBoolean(int row, bool v);
    void SetDateTime(int row, const QDateTime& v);
    void SetValue(int row, const QVariant& v);
    // Copies one cell of another column (converted when the kinds differ).
    void SetCell(int row, const TColumn& source, int sourceRow);

private:
    enum class Storage : std::uint8_t { Text, Double, Int32, Int64, Byte };
    static Storage StorageOf(TFieldType type) noexcept;

    void PushNotNull() { if (!nulls_.empty()) nulls_.push_back(0); }
    // Appends an empty, not-null slot, lets set() convert into it, and takes it back if that fails.
    template <class Set>
    void AppendVia(Set&& set);
    void AppendDefault();
    void DropLast() noexcept;
    void MarkNotNull(int row) noexcept { if (!nulls_.empty()) nulls_[static_cast<std::size_t>(row)] = 0; }
    [[noreturn]] void RangeError() const;

    TFieldDef def_;
    Storage storage_;
    int count_ = 0;
    std::vector<double> f_;
    std::vector<std::int32_t> i_;
    std::vector<std::int64_t> l_;
    std::vector<std::uint8_t> b_;
    std::string arena_;
    std::vector<std::uint32_t> offsets_;
    std::unordered_map<int, std::string> overrides_;
    std::vector<std::uint8_t> nulls_;
};

template <class Set>
void TColumn::AppendVia(Set&& set)
{
    AppendDefault();
    try {
        set(count_ - 1);
    } catch (...) {
        DropLast();
        throw;
    }
}

inline void TColumn::AppendString(std::string_view utf8)
{
    if (storage_ != Storage::Text) {
        AppendVia([&](int row) { SetString(row, utf8); });
        return;
    }
    if (arena_.size() + utf8.size() > UINT32_MAX)
        RangeError();
    arena_.append(utf8);
    offsets_.push_back(static_cast<std::uint32_t>(arena_.size()));
    PushNotNull();
    ++count_;
}

inline void TColumn::AppendFloat(double v)
{
    if (storage_ != Storage::Double) {
        AppendVia([&](int row) { SetFloat(row, v); });
        return;
    }
    f_.push_back(v);
    PushNotNull();
    ++count_;
}

inline void TColumn::AppendLargeInt(std::int64_t v)
{
    if (storage_ == Storage::Int64) {
        l_.push_back(v);
    } else if (storage_ == Storage::Int32 && v >= INT32_MIN && v <= INT32_MAX) {
        i_.push_back(static_cast<std::int32_t>(v));
    } else {
        AppendVia([&](int row) { SetLargeInt(row, v); });
        return;
    }
    PushNotNull();
    ++count_;
}

inline void TColumn::AppendInteger(std::int32_t v)
{
    AppendLargeInt(v);
}

inline std::string_view TColumn::StringBytes(int row) const
{
    if (storage_ != Storage::Text)
        return {};
    if (!overrides_.empty()) {
        const auto it = overrides_.find(row);
        if (it != overrides_.end())
            return it->second;
    }
    const auto r = static_cast<std::size_t>(row);
    return std::string_view(arena_.data() + offsets_[r], offsets_[r + 1] - offsets_[r]);
}
