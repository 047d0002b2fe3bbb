#include "XlsWriter.h"
#include "CompoundFileWriter.h"
#include "EHata.h"
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {

// Record data may be at most this long; longer content continues in CONTINUE records.
constexpr int kMaxRecordData = 8224;

enum : quint16 {
    kBof = 0x0809, kEof = 0x000A, kInterfaceHdr = 0x00E1, kMms = 0x00C1, kInterfaceEnd = 0x00E2,
    kWriteAccess = 0x005C, kCodepage = 0x0042, kDsf = 0x0161, kTabId = 0x013D,
    kWindowProtect = 0x0019, kProtect = 0x0012, kPassword = 0x0013, kProt4Rev = 0x01AF,
    kProt4RevPass = 0x01BC, kWindow1 = 0x003D, kBackup = 0x0040, kHideObj = 0x008D,
    kDateMode = 0x0022, kPrecision = 0x000E, kRefreshAll = 0x01B7, kBookBool = 0x00DA,
    kFont = 0x0031, kFormat = 0x041E, kXf = 0x00E0, kStyle = 0x0293, kUsesElfs = 0x0160,
    kBoundSheet = 0x0085, kCountry = 0x008C, kSst = 0x00FC, kContinue = 0x003C, kExtSst = 0x00FF,
    kColInfo = 0x007D, kDimensions = 0x0200, kLabelSst = 0x00FD, kNumber = 0x0203, kRk = 0x027E,
    kBoolErr = 0x0205, kWindow2 = 0x023E,
};

// Cell XF indexes: 0-14 are the style XFs Excel expects, 15 is the default cell format.
enum : quint16 { kXfGeneral = 15, kXfHeader, kXfInteger, kXfMoney, kXfDate, kXfDateTime };
enum : quint16 { kFmtInteger = 164, kFmtMoney, kFmtDate, kFmtDateTime };
constexpr quint16 kBoldFont = 1;

void u8(QByteArray& b, quint8 v) { b.append(char(v)); }
void u16(QByteArray& b, quint16 v)
{
    char t[2];
    qToLittleEndian(v, t);
    b.append(t, 2);
}
void u32(QByteArray& b, quint32 v)
{
    char t[4];
    qToLittleEndian(v, t);
    b.append(t, 4);
}

// Starts a record; returns where its data begins.
qsizetype begin(QByteArray& b, quint16 id)
{
    u16(b, id);
    u16(b, 0);
    return b.size();
}
void end(QByteArray& b, qsizetype dataStart)
{
    qToLittleEndian(quint16(b.size() - dataStart), b.data() + dataStart - 2);
}
void record(QByteArray& b, quint16 id, std::initializer_list<quint16> words = {})
{
    const qsizetype at = begin(b, id);
    for (quint16 w : words)
        u16(b, w);
    end(b, at);
}

bool latin1Only(const QString& s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x100; });
}
// Characters one byte each when all are below 256 ("compressed"), else UTF-16LE.
void chars(QByteArray& b, const QChar* p, qsizetype n, bool compressed)
{
    const qsizetype at = b.size();
    b.resize(at + n * (compressed ? 1 : 2));
    char* out = b.data() + at;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (compressed) {
            out[i] = char(c);
        } else {
            out[2 * i] = char(c & 0xFF);
            out[2 * i + 1] = char(c >> 8);
        }
    }
}
void shortString(QByteArray& b, const QString& s)
{
    const bool compressed = latin1Only(s);
    u8(b, quint8(s.size()));
    u8(b, compressed ? 0 : 1);
    chars(b, s.constData(), s.size(), compressed);
}
void longString(QByteArray& b, const QString& s)
{
    const bool compressed = latin1Only(s);
    u16(b, quint16(s.size()));
    u8(b, compressed ? 0 : 1);
    chars(b, s.constData(), s.size(), compressed);
}

void bof(QByteArray& b, quint16 type)
{
    const qsizetype at = begin(b, kBof);
    u16(b, 0x0600); // BIFF8
    u16(b, type);
    u16(b, 0x0DBB); // build
    u16(b, 0x07CC); // year
    u32(b, 0);      // file history
    u32(b, 0x06);   // lowest version that can read it
    end(b, at);
}

void font(QByteArray& b, bool bold)
{
    const qsizetype at = begin(b, kFont);
    u16(b, 200);    // 10 pt
    u16(b, bold ? 1 : 0); // attributes: readers still look at the old bold bit
    u16(b, 0x7FFF); // automatic colour
    u16(b, bold ? 700 : 400);
    u16(b, 0);      // no super/subscript
    u8(b, 0);       // no underline
    u8(b, 0);       // family
    u8(b, 0);       // character set
    u8(b, 0);
    shortString(b, QStringLiteral("Arial"));
    end(b, at);
}

void format(QByteArray& b, quint16 index, const QString& code)
{
    const qsizetype at = begin(b, kFormat);
    u16(b, index);
    longString(b, code);
    end(b, at);
}

void xf(QByteArray& b, quint16 font, quint16 format, bool style, quint8 usedAttributes)
{
    const qsizetype at = begin(b, kXf);
    u16(b, font);
    u16(b, format);
    u16(b, style ? 0xFFF5 : 0x0001); // locked; a style XF has no parent (0xFFF)
    u8(b, 0x20);                      // bottom aligned
    u8(b, 0);
    u8(b, 0);
    u8(b, usedAttributes);
    u32(b, 0); // no borders
    u32(b, 0);
    u16(b, 0x20C0); // pattern colours: automatic
    end(b, at);
}

quint16 cellXf(quint8 style)
{
    static constexpr quint16 map[] = {kXfGeneral, kXfInteger, kXfMoney, kXfDate, kXfDateTime, kXfHeader};
    return map[style];
}

// Writes the shared string table, continuing it in CONTINUE records, and returns its EXTSST
// index: one entry per bucket of strings giving where the bucket's first string starts.
QByteArray sst(QByteArray& b, const QStringList& strings, quint32 references)
{
    const auto unique = quint32(strings.size());
    const quint16 perBucket = quint16(std::max<quint32>(8, (unique + 127) / 128));
    QByteArray ext;
    u16(ext, perBucket);

    qsizetype rec = begin(b, kSst);
    u32(b, references);
    u32(b, unique);
    auto room = [&] { return kMaxRecordData - (b.size() - rec); };
    auto next = [&] {
        end(b, rec);
        rec = begin(b, kContinue);
    };
    for (quint32 i = 0; i < unique; ++i) {
        const QString& s = strings.at(qsizetype(i));
        const bool compressed = latin1Only(s);
        const int width = compressed ? 1 : 2;
        // Length and option byte stay with at least the first character.
        if (room() < 3 + (s.isEmpty() ? 0 : width))
            next();
        if (i % perBucket == 0) {
            u32(ext, quint32(b.size()));
            u16(ext, quint16(b.size() - (rec - 4)));
            u16(ext, 0);
        }
        u16(b, quint16(s.size()));
        u8(b, compressed ? 0 : 1);
        qsizetype done = 0;
        while (done < s.size()) {
            qsizetype n = std::min<qsizetype>(s.size() - done, room() / width);
            if (n > 1 && done + n < s.size() && s.at(done + n - 1).isHighSurrogate())
                --n; // keep a surrogate pair together
            chars(b, s.constData() + done, n, compressed);
            done += n;
            if (done < s.size()) {
                // A string going on in a CONTINUE record repeats its option byte there.
                next();
                u8(b, compressed ? 0 : 1);
            }
        }
    }
    end(b, rec);
    return ext;
}

void cellHead(char* r, quint16 id, quint16 length, quint32 row, quint16 col, quint16 xf)
{
    qToLittleEndian(id, r);
    qToLittleEndian(length, r + 2);
    qToLittleEndian(quint16(row), r + 4);
    qToLittleEndian(col, r + 6);
    qToLittleEndian(xf, r + 8);
}

} // namespace

XlsWriter::XlsWriter(int rowsPerSheet) : BufferedSpreadsheetWriter(rowsPerSheet, MaxColumns, MaxRows) {}

void XlsWriter::writeGlobals(QByteArray& b, std::vector<int>& sheetOffsetFields)
{
    const auto& sheets = finishedSheets();
    bof(b, 0x0005);
    record(b, kInterfaceHdr, {1200});
    record(b, kMms, {0});
    record(b, kInterfaceEnd);
    {
        const qsizetype at = begin(b, kWriteAccess);
        longString(b, QString());
        b.append(112 - 3, ' ');
        end(b, at);
    }
    record(b, kCodepage, {1200}); // UTF-16
    record(b, kDsf, {0});
    {
        const qsizetype at = begin(b, kTabId);
        for (std::size_t i = 0; i < std::min<std::size_t>(sheets.size(), kMaxRecordData / 2); ++i)
            u16(b, quint16(i + 1));
        end(b, at);
    }
    record(b, kWindowProtect, {0});
    record(b, kProtect, {0});
    record(b, kPassword, {0});
    record(b, kProt4Rev, {0});
    record(b, kProt4RevPass, {0});
    record(b, kWindow1, {0, 0, 0x4000, 0x2000, 0x0038, 0, 0, 1, 0x0258});
    record(b, kBackup, {0});
    record(b, kHideObj, {0});
    record(b, kDateMode, {0}); // 1900 date system
    record(b, kPrecision, {1});
    record(b, kRefreshAll, {0});
    record(b, kBookBool, {0});

    font(b, false);
    font(b, true); // kBoldFont
    font(b, false);
    font(b, false);

    format(b, kFmtInteger, QStringLiteral("#,##0"));
    format(b, kFmtMoney, QStringLiteral("#,##0.00"));
    format(b, kFmtDate, QStringLiteral("dd.mm.yyyy"));
    format(b, kFmtDateTime, QStringLiteral("dd.mm.yyyy hh:mm"));

    xf(b, 0, 0, true, 0);
    for (int i = 1; i < 15; ++i)
        xf(b, 0, 0, true, 0xF4);
    xf(b, 0, 0, false, 0);                      // kXfGeneral
    xf(b, kBoldFont, 0, false, 0x08);           // kXfHeader
    xf(b, 0, kFmtInteger, false, 0x04);         // kXfInteger
    xf(b, 0, kFmtMoney, false, 0x04);           // kXfMoney
    xf(b, 0, kFmtDate, false, 0x04);            // kXfDate
    xf(b, 0, kFmtDateTime, false, 0x04);        // kXfDateTime

    record(b, kStyle, {0x8000, 0xFF00}); // built-in "Normal" on XF 0
    record(b, kUsesElfs, {0});

    sheetOffsetFields.clear();
    for (const Sheet& sheet : sheets) {
        const qsizetype at = begin(b, kBoundSheet);
        sheetOffsetFields.push_back(int(b.size()));
        u32(b, 0); // stream offset of the sheet's BOF, patched later
        u16(b, 0); // visible worksheet
        shortString(b, sheet.name);
        end(b, at);
    }
    record(b, kCountry, {90, 90});

    quint32 references = 0;
    for (const Sheet& sheet : sheets)
        references += quint32(std::count_if(sheet.cells.begin(), sheet.cells.end(),
                                             [](const Cell& c) { return c.kind == CellKind::String; }));
    const QByteArray ext = sst(b, strings(), references);
    const qsizetype at = begin(b, kExtSst);
    b.append(ext);
    end(b, at);
    record(b, kEof);
}

void XlsWriter::writeSheet(QByteArray& b, const Sheet& sheet, bool first) const
{
    bof(b, 0x0010);
    for (auto it = sheet.columnWidths.constBegin(); it != sheet.columnWidths.constEnd(); ++it) {
        const auto width = quint16(std::lround(it.value() * 256));
        record(b, kColInfo, {quint16(it.key()), quint16(it.key()), width, kXfGeneral, 0, 0});
    }
    {
        quint32 firstRow = 0, lastRow = 0;
        quint16 firstCol = 0, lastCol = 0;
        if (!sheet.cells.empty()) {
            firstRow = sheet.cells.front().row;
            lastRow = sheet.cells.back().row + 1;
            firstCol = 0xFFFF;
            for (const Cell& c : sheet.cells) {
                firstCol = std::min(firstCol, c.col);
                lastCol = std::max(lastCol, quint16(c.col + 1));
            }
        }
        const qsizetype at = begin(b, kDimensions);
        u32(b, firstRow);
        u32(b, lastRow);
        u16(b, firstCol);
        u16(b, lastCol);
        u16(b, 0);
        end(b, at);
    }

    for (const Cell& c : sheet.cells) {
        char r[18];
        const quint16 xf = cellXf(quint8(c.style));
        switch (c.kind) {
        case CellKind::String:
            cellHead(r, kLabelSst, 10, c.row, c.col, xf);
            qToLittleEndian(c.string, r + 10);
            b.append(r, 14);
            break;
        case CellKind::Bool:
            cellHead(r, kBoolErr, 8, c.row, c.col, xf);
            r[10] = c.number != 0 ? 1 : 0;
            r[11] = 0; // a boolean, not an error
            b.append(r, 12);
            break;
        case CellKind::Number:
            // Whole numbers of up to 30 bits fit an RK record.
            if (c.number == std::trunc(c.number) && c.number >= -(1 << 29) && c.number < (1 << 29)) {
                cellHead(r, kRk, 10, c.row, c.col, xf);
                qToLittleEndian(quint32(qint32(c.number) * 4) | 2u, r + 10);
                b.append(r, 14);
            } else {
                cellHead(r, kNumber, 14, c.row, c.col, xf);
                qToLittleEndian(c.number, r + 10);
                b.append(r, 18);
            }
            break;
        }
    }

    // Grid lines, headers, zeros, default grid colour, outline symbols; the first sheet is the
    // selected, shown one.
    const quint16 options = first ? 0x06B6 : 0x00B6;
    const qsizetype at = begin(b, kWindow2);
    u16(b, options);
    u16(b, 0);
    u16(b, 0);
    u32(b, 0x40);
    u16(b, 0);
    u16(b, 0);
    u32(b, 0);
    end(b, at);
    record(b, kEof);
}

QByteArray XlsWriter::workbookStream()
{
    QByteArray b;
    std::vector<int> offsetFields;
    writeGlobals(b, offsetFields);
    const auto& sheets = finishedSheets();
    qsizetype cells = 0;
    for (const Sheet& s : sheets)
        cells += qsizetype(s.cells.size());
    b.reserve(b.size() + cells * 16 + qsizetype(sheets.size()) * 256);
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        qToLittleEndian(quint32(b.size()), b.data() + offsetFields[i]);
        writeSheet(b, sheets[i], i == 0);
        if (b.size() > CompoundFileWriter::MaxStreamSize)
            break;
    }
    // Streams below this size would belong to the container's mini stream.
    if (b.size() < CompoundFileWriter::MinStreamSize)
        b.append(CompoundFileWriter::MinStreamSize - b.size(), '\0');
    return b;
}

void XlsWriter::save(const QString& path)
{
    const QByteArray stream = workbookStream();
    if (stream.size() > CompoundFileWriter::MaxStreamSize)
        throw EHata(QStringLiteral("Tablo .xls dosyası için çok büyük; lütfen .xlsx olarak kaydedin."));
    CompoundFileWriter container;
    container.addStream(QStringLiteral("Workbook"), stream);
    saveAtomically(path, [&](QIODevice& out) { return container.write(out); });
}
