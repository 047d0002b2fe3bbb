#pragma once
#include "BufferedSpreadsheetWriter.h"

// Office Open XML workbook through libxlsxwriter. Cells are buffered and written row by row at
// save time, so the library's constant-memory mode is safe whatever order the cells came in.
class XlsxWriter : public BufferedSpreadsheetWriter {
public:
    static constexpr int MaxRows = 1048576;
    static constexpr int MaxColumns = 16384;

    // rowsPerSheet below MaxRows is for tests of the sheet split.
    explicit XlsxWriter(int rowsPerSheet = MaxRows);

    void save(const QString& path) override;

private:
    bool writeWorkbook(const QString& file);
};
