#pragma once
#include "SpreadsheetWriter.h"
#include <QHash>
#include <QMap>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

class QIODevice;

// The part both file formats share: cells are kept compactly per sheet (in any write order) and
// handed to the format sorted by row and column when saving. Rows past the format's limit are
// split onto continuation sheets here, with the header rows repeated.
class BufferedSpreadsheetWriter : public SpreadsheetWriter {
public:
    void addSheet(const QString& name) override;
    void setColumnWidth(int col, double chars) override;
    void writeString(int row, int col, const QString& text) override;
    void writeNumber(int row, int col, double value, NumberStyle style) override;
    void writeDate(int row, int col, const QDateTime& value, bool withTime) override;
    void writeBool(int row, int col, bool value) override;
    void writeHeader(int row, int col, const QString& text) override;

    // Longest text a cell can hold (UTF-16 units); longer texts are cut there.
    static constexpr int MaxTextLength = 32767;
    static constexpr int MaxSheetNameLength = 31;

protected:
    enum class CellKind : std::uint8_t { String, Number, Bool };
    enum class CellStyle : std::uint8_t { General, Integer, Money, Date, DateTime, Header };

    struct Cell {
        std::uint32_t row;
        std::uint16_t col;
        CellKind kind;
        CellStyle style;
        union {
            double number;        // Number (dates as day serials), Bool as 0/1
            std::uint32_t string; // index into strings()
        };
    };

    struct Sheet {
        QString name;
        QMap<int, double> columnWidths;
        std::vector<Cell> cells;
        bool ordered = true; // cells strictly increasing by (row, col)
        std::uint32_t lastRow = 0;
        int lastCol = -1;
    };

    BufferedSpreadsheetWriter(int rowsPerSheet, int maxColumns, int formatMaxRows);

    // Sorts each sheet's cells (the last write to a cell wins) and makes sure there is a sheet.
    const std::vector<Sheet>& finishedSheets();
    const QStringList& strings() const { return strings_; }
    // Writes the file through a temporary one in the same folder that replaces path only when
    // fill succeeded; throws EHata "Dosya yazılamadı: <path>" otherwise.
    static void saveAtomically(const QString& path, const std::function<bool(QIODevice&)>& fill);

private:
    // Starts the default sheet when none is open; throws EHata for a position the format lacks.
    void check(int row, int col);
    void put(int row, int col, CellKind kind, CellStyle style, double number, std::uint32_t string);
    std::uint32_t intern(const QString& text);
    void startPart();
    Sheet& partFor(int row, std::uint32_t& physicalRow);
    static void append(Sheet& sheet, const Cell& cell);
    QString uniqueName(const QString& wanted) const;

    const int rowsPerSheet_;
    const int maxColumns_;

    std::vector<Sheet> sheets_;
    QStringList strings_;
    QHash<QString, std::uint32_t> stringIndex_;

    // The logical sheet being written: its physical parts, header cells and widths.
    QString baseName_;
    std::vector<std::size_t> parts_;
    std::vector<Cell> headerCells_;
    int headerRows_ = 0;
};
