#pragma once
#include "BufferedSpreadsheetWriter.h"
#include <QByteArray>

// Excel 97-2003 workbook: BIFF8 records in the "Workbook" stream of a compound file. A sheet holds
// at most 65,536 rows and 256 columns; more columns throw EHata.
class XlsWriter : public BufferedSpreadsheetWriter {
public:
    static constexpr int MaxRows = 65536;
    static constexpr int MaxColumns = 256;

    // rowsPerSheet below MaxRows is for tests of the sheet split.
    explicit XlsWriter(int rowsPerSheet = MaxRows);

    void save(const QString& path) override;

    // The BIFF8 workbook stream as it goes into the container.
    QByteArray workbookStream();

private:
    void writeGlobals(QByteArray& b, std::vector<int>& sheetOffsetFields);
    void writeSheet(QByteArray& b, const Sheet& sheet, bool first) const;
};
