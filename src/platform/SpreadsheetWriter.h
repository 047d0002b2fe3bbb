#pragma once
#include <QDateTime>
#include <QString>
#include <memory>

// What the data grid's export writes through: one workbook, sheets, typed cells. Rows and columns
// count from 0. A row beyond what the file format holds on one sheet continues on a new sheet
// that repeats the header rows, so an export never loses rows. Failures throw EHata.
class SpreadsheetWriter {
public:
    enum class NumberStyle { General, Integer /* "#,##0" */, Money /* "#,##0.00" */ };

    virtual ~SpreadsheetWriter() = default;

    // Starts a new sheet; later cells go to it. An empty name gives "Sayfa<n>". Writing before
    // any addSheet starts a sheet with the default name.
    virtual void addSheet(const QString& name) = 0;
    virtual void setColumnWidth(int col, double chars) = 0;
    // An empty text leaves the cell empty; texts are cut at 32,767 characters, a cell's limit.
    virtual void writeString(int row, int col, const QString& text) = 0;
    // Non-finite values leave the cell empty.
    virtual void writeNumber(int row, int col, double value, NumberStyle style) = 0;
    // An invalid date leaves the cell empty; without time only the date part is written.
    virtual void writeDate(int row, int col, const QDateTime& value, bool withTime) = 0;
    virtual void writeBool(int row, int col, bool value) = 0;
    // Bold text; header rows are repeated on continuation sheets.
    virtual void writeHeader(int row, int col, const QString& text) = 0;
    // Writes the whole workbook atomically (an existing file is replaced only on success).
    virtual void save(const QString& path) = 0;

    // ".xlsx" (any case) gives an Office Open XML writer, every other name a BIFF8 .xls writer.
    static std::unique_ptr<SpreadsheetWriter> forFileName(const QString& path);
    // Appends ".xls" when the file name has no extension.
    static QString withDefaultExtension(const QString& path);
};
