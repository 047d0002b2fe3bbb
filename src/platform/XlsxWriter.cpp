#include "XlsxWriter.h"
#include "EHata.h"
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryFile>
#include <clocale>
#include <locale.h>
#include <xlsxwriter.h>

XlsxWriter::XlsxWriter(int rowsPerSheet) : BufferedSpreadsheetWriter(rowsPerSheet, MaxColumns, MaxRows) {}

bool XlsxWriter::writeWorkbook(const QString& file)
{
    // The library prints numbers with the C library's printf, which follows LC_NUMERIC: under a
    // Turkish locale 1234.5 would become "1234,5" and the file unreadable. Use "C" on this thread.
    locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const locale_t previous = cLocale ? uselocale(cLocale) : locale_t(nullptr);
    const auto restore = qScopeGuard([&] {
        if (cLocale) {
            uselocale(previous);
            freelocale(cLocale);
        }
    });

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    const QByteArray name = QFile::encodeName(file);
    lxw_workbook* wb = workbook_new_opt(name.constData(), &options);
    if (!wb)
        return false;

    lxw_format* styles[6] = {nullptr};
    auto numberFormat = [wb](const char* code) {
        lxw_format* f = workbook_add_format(wb);
        format_set_num_format(f, code);
        return f;
    };
    styles[int(CellStyle::Integer)] = numberFormat("#,##0");
    styles[int(CellStyle::Money)] = numberFormat("#,##0.00");
    styles[int(CellStyle::Date)] = numberFormat("dd.mm.yyyy");
    styles[int(CellStyle::DateTime)] = numberFormat("dd.mm.yyyy hh:mm");
    styles[int(CellStyle::Header)] = workbook_add_format(wb);
    format_set_bold(styles[int(CellStyle::Header)]);

    const QStringList& texts = strings();
    bool ok = true;
    for (const Sheet& sheet : finishedSheets()) {
        lxw_worksheet* ws = workbook_add_worksheet(wb, sheet.name.toUtf8().constData());
        if (!ws) {
            ok = false;
            break;
        }
        for (auto it = sheet.columnWidths.constBegin(); it != sheet.columnWidths.constEnd(); ++it)
            worksheet_set_column(ws, lxw_col_t(it.key()), lxw_col_t(it.key()), it.value(), nullptr);
        for (const Cell& c : sheet.cells) {
            lxw_format* f = styles[int(c.style)];
            lxw_error e = LXW_NO_ERROR;
            switch (c.kind) {
            case CellKind::String:
                e = worksheet_write_string(ws, c.row, c.col, texts.at(qsizetype(c.string)).toUtf8().constData(), f);
                break;
            case CellKind::Number:
                e = worksheet_write_number(ws, c.row, c.col, c.number, f);
                break;
            case CellKind::Bool:
                e = worksheet_write_boolean(ws, c.row, c.col, c.number != 0, f);
                break;
            }
            if (e != LXW_NO_ERROR)
                ok = false;
        }
    }
    // Closing also frees the workbook, so it runs even after a failed write.
    return workbook_close(wb) == LXW_NO_ERROR && ok;
}

void XlsxWriter::save(const QString& path)
{
    // The library wants a file name; it writes a temporary file that is then copied in atomically.
    QTemporaryFile temp(QDir::tempPath() + QStringLiteral("/telmira-XXXXXX.xlsx"));
    const bool made = temp.open();
    temp.close();
    const bool written = made && writeWorkbook(temp.fileName());
    saveAtomically(path, [&](QIODevice& out) {
        if (!written)
            return false;
        QFile in(temp.fileName());
        if (!in.open(QIODevice::ReadOnly))
            return false;
        QByteArray chunk;
        while (!(chunk = in.read(1 << 20)).isEmpty()) {
            if (out.write(chunk) != chunk.size())
                return false;
        }
        return in.error() == QFileDevice::NoError;
    });
}
