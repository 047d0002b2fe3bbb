#include "BufferedSpreadsheetWriter.h"
#include "DateTimeCodec.h"
#include "EHata.h"
#include <QDir>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace {

// Excel's day serials match ours (days since 30 December 1899) only from 1 March 1900 on: Excel
// counts a 29 February 1900.
const QDate kFirstExactSerialDate(1900, 3, 1);

QString cut(const QString& text, int maxLength)
{
    if (text.size() <= maxLength)
        return text;
    int n = maxLength;
    if (n > 0 && text.at(n - 1).isHighSurrogate())
        --n;
    return text.left(n);
}

QString sanitizedSheetName(const QString& name)
{
    QString s = name;
    for (QChar& c : s) {
        if (c.unicode() < 0x20 || QStringLiteral("[]:*?/\\").contains(c))
            c = u'_';
    }
    while (s.startsWith(u'\''))
        s.remove(0, 1);
    while (s.endsWith(u'\''))
        s.chop(1);
    return cut(s.trimmed(), BufferedSpreadsheetWriter::MaxSheetNameLength);
}

} // namespace

BufferedSpreadsheetWriter::BufferedSpreadsheetWriter(int rowsPerSheet, int maxColumns, int formatMaxRows)
    : rowsPerSheet_(std::clamp(rowsPerSheet, 2, formatMaxRows)), maxColumns_(maxColumns)
{
}

void BufferedSpreadsheetWriter::addSheet(const QString& name)
{
    baseName_ = sanitizedSheetName(name);
    parts_.clear();
    headerCells_.clear();
    headerRows_ = 0;
    startPart();
}

QString BufferedSpreadsheetWriter::uniqueName(const QString& wanted) const
{
    auto taken = [this](const QString& n) {
        // Excel keeps "History" for itself.
        if (n.compare(QLatin1String("History"), Qt::CaseInsensitive) == 0)
            return true;
        return std::any_of(sheets_.begin(), sheets_.end(), [&](const Sheet& s) {
            return s.name.compare(n, Qt::CaseInsensitive) == 0;
        });
    };
    if (wanted.isEmpty()) {
        for (std::size_t n = sheets_.size() + 1;; ++n) {
            const QString candidate = QStringLiteral("Sayfa%1").arg(n);
            if (!taken(candidate))
                return candidate;
        }
    }
    if (!taken(wanted))
        return wanted;
    for (int n = 2;; ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        const QString candidate = cut(wanted, MaxSheetNameLength - int(suffix.size())) + suffix;
        if (!taken(candidate))
            return candidate;
    }
}

void BufferedSpreadsheetWriter::startPart()
{
    Sheet sheet;
    sheet.name = uniqueName(baseName_);
    if (!parts_.empty())
        sheet.columnWidths = sheets_[parts_.front()].columnWidths;
    for (const Cell& c : headerCells_)
        append(sheet, c);
    sheets_.push_back(std::move(sheet));
    parts_.push_back(sheets_.size() - 1);
}

void BufferedSpreadsheetWriter::check(int row, int col)
{
    if (parts_.empty())
        addSheet(QString());
    if (row < 0 || col < 0)
        throw EHata(QStringLiteral("Geçersiz hücre konumu: satır %1, sütun %2").arg(row).arg(col));
    if (col >= maxColumns_)
        throw EHata(QStringLiteral("Bu dosya biçimi en fazla %1 sütun alabilir; tablonun sütun sayısı "
                                   "bu sınırı aşıyor.")
                        .arg(maxColumns_));
}

BufferedSpreadsheetWriter::Sheet& BufferedSpreadsheetWriter::partFor(int row, std::uint32_t& physicalRow)
{
    const int h = headerRows_;
    if (row < h) {
        physicalRow = std::uint32_t(row);
        return sheets_[parts_.front()];
    }
    const int capacity = rowsPerSheet_ - h;
    const std::size_t part = std::size_t((row - h) / capacity);
    physicalRow = std::uint32_t(h + (row - h) % capacity);
    while (parts_.size() <= part)
        startPart();
    return sheets_[parts_[part]];
}

void BufferedSpreadsheetWriter::append(Sheet& sheet, const Cell& cell)
{
    if (sheet.ordered && (cell.row < sheet.lastRow || (cell.row == sheet.lastRow && cell.col <= sheet.lastCol)))
        sheet.ordered = false;
    sheet.lastRow = cell.row;
    sheet.lastCol = cell.col;
    sheet.cells.push_back(cell);
}

void BufferedSpreadsheetWriter::put(int row, int col, CellKind kind, CellStyle style, double number,
                                    std::uint32_t string)
{
    Cell cell;
    cell.col = std::uint16_t(col);
    cell.kind = kind;
    cell.style = style;
    if (kind == CellKind::String)
        cell.string = string;
    else
        cell.number = number;
    Sheet& sheet = partFor(row, cell.row);
    append(sheet, cell);
}

std::uint32_t BufferedSpreadsheetWriter::intern(const QString& text)
{
    const QString s = cut(text, MaxTextLength);
    auto it = stringIndex_.constFind(s);
    if (it != stringIndex_.constEnd())
        return *it;
    const auto index = std::uint32_t(strings_.size());
    strings_.append(s);
    stringIndex_.insert(s, index);
    return index;
}

void BufferedSpreadsheetWriter::setColumnWidth(int col, double chars)
{
    check(0, col);
    if (!std::isfinite(chars))
        return;
    for (std::size_t i : parts_)
        sheets_[i].columnWidths[col] = std::clamp(chars, 0.0, 255.0);
}

void BufferedSpreadsheetWriter::writeString(int row, int col, const QString& text)
{
    check(row, col);
    if (!text.isEmpty())
        put(row, col, CellKind::String, CellStyle::General, 0, intern(text));
}

void BufferedSpreadsheetWriter::writeNumber(int row, int col, double value, NumberStyle style)
{
    check(row, col);
    if (!std::isfinite(value))
        return;
    const CellStyle s = style == NumberStyle::Integer ? CellStyle::Integer
        : style == NumberStyle::Money                 ? CellStyle::Money
                                                      : CellStyle::General;
    put(row, col, CellKind::Number, s, value, 0);
}

void BufferedSpreadsheetWriter::writeDate(int row, int col, const QDateTime& value, bool withTime)
{
    check(row, col);
    if (!value.isValid())
        return;
    const QDate date = value.date();
    if (date < kFirstExactSerialDate) {
        // No serial shows such a date correctly in Excel; keep it readable as text.
        writeString(row, col, value.toString(withTime ? QStringLiteral("dd.MM.yyyy HH:mm") : QStringLiteral("dd.MM.yyyy")));
        return;
    }
    const double serial = withTime ? DateTimeCodec::FromQDateTime(value) : DateTimeCodec::FromQDate(date);
    put(row, col, CellKind::Number, withTime ? CellStyle::DateTime : CellStyle::Date, serial, 0);
}

void BufferedSpreadsheetWriter::writeBool(int row, int col, bool value)
{
    check(row, col);
    put(row, col, CellKind::Bool, CellStyle::General, value ? 1.0 : 0.0, 0);
}

void BufferedSpreadsheetWriter::writeHeader(int row, int col, const QString& text)
{
    check(row, col);
    const bool headerBand = parts_.size() == 1 ? row + 1 < rowsPerSheet_ : row < headerRows_;
    if (!headerBand) {
        // Below the repeated band (the sheet has already been split): an ordinary bold cell.
        if (!text.isEmpty())
            put(row, col, CellKind::String, CellStyle::Header, 0, intern(text));
        return;
    }
    headerRows_ = std::max(headerRows_, row + 1);
    if (text.isEmpty())
        return; // an empty caption still belongs to the header rows, but is no cell
    Cell cell;
    cell.row = std::uint32_t(row);
    cell.col = std::uint16_t(col);
    cell.kind = CellKind::String;
    cell.style = CellStyle::Header;
    cell.string = intern(text);
    headerCells_.push_back(cell);
    for (std::size_t i : parts_)
        append(sheets_[i], cell);
}

const std::vector<BufferedSpreadsheetWriter::Sheet>& BufferedSpreadsheetWriter::finishedSheets()
{
    if (sheets_.empty())
        addSheet(QString());
    for (Sheet& sheet : sheets_) {
        if (sheet.ordered)
            continue;
        auto& cells = sheet.cells;
        std::stable_sort(cells.begin(), cells.end(), [](const Cell& a, const Cell& b) {
            return a.row != b.row ? a.row < b.row : a.col < b.col;
        });
        // Of several writes to one cell the last one stays.
        std::size_t out = 0;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i + 1 < cells.size() && cells[i + 1].row == cells[i].row && cells[i + 1].col == cells[i].col)
                continue;
            cells[out++] = cells[i];
        }
        cells.resize(out);
        sheet.ordered = true;
        if (!cells.empty()) {
            sheet.lastRow = cells.back().row;
            sheet.lastCol = cells.back().col;
        }
    }
    return sheets_;
}

void BufferedSpreadsheetWriter::saveAtomically(const QString& path, const std::function<bool(QIODevice&)>& fill)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !fill(file) || !file.commit())
        throw EHata(QStringLiteral("Dosya yazılamadı: %1").arg(QDir::toNativeSeparators(path)));
}
