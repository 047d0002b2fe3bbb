#include "SpreadsheetWriter.h"
#include "XlsWriter.h"
#include "XlsxWriter.h"
#include <QFileInfo>

std::unique_ptr<SpreadsheetWriter> SpreadsheetWriter::forFileName(const QString& path)
{
    if (path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        return std::make_unique<XlsxWriter>();
    return std::make_unique<XlsWriter>();
}

QString SpreadsheetWriter::withDefaultExtension(const QString& path)
{
    if (path.endsWith(u'.'))
        return path + QLatin1String("xls");
    if (QFileInfo(path).suffix().isEmpty())
        return path + QLatin1String(".xls");
    return path;
}
