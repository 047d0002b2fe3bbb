#include "EHata.h"
#include "PythonReader.h"
#include "SpreadsheetWriter.h"
#include "XlsWriter.h"
#include "XlsxWriter.h"
#include <QDir>
#include <QJsonArray>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>
#include <cmath>
#include <limits>

// Every file is read back by an independent reader: xlrd for .xls, openpyxl for .xlsx.
class tst_SpreadsheetWriter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void factoryChoosesFormat_data();
    void factoryChoosesFormat();
    void defaultExtension_data();
    void defaultExtension();
    void cellValues_data();
    void cellValues();
    void longAndManyStrings_data();
    void longAndManyStrings();
    void rowsContinueOnNewSheets_data();
    void rowsContinueOnNewSheets();
    void writesInAnyOrder_data();
    void writesInAnyOrder();
    void emptyWorkbooks_data();
    void emptyWorkbooks();
    void sheetNames_data();
    void sheetNames();
    void positionLimits_data();
    void positionLimits();
    void saveFailsCleanly_data();
    void saveFailsCleanly();
    void xlsxUnderDecimalCommaLocale();
    void libreOfficeReadsXls();

private:
    QString path(const QString& ext) const;
    QTemporaryDir dir_;
};

namespace {

enum class Op { String, Number, Date, Bool, Header };

void addFormatColumn() { QTest::addColumn<QString>("ext"); }
const QStringList kFormats{QStringLiteral("xls"), QStringLiteral("xlsx")};
// One row per format, for tests whose only parameter is the format.
void addFormatRows()
{
    addFormatColumn();
    for (const QString& ext : kFormats)
        QTest::newRow(qPrintable(ext)) << ext;
}

std::unique_ptr<SpreadsheetWriter> makeWriter(const QString& ext, int rowsPerSheet = 0)
{
    if (ext == QLatin1String("xlsx"))
        return std::make_unique<XlsxWriter>(rowsPerSheet ? rowsPerSheet : XlsxWriter::MaxRows);
    return std::make_unique<XlsWriter>(rowsPerSheet ? rowsPerSheet : XlsWriter::MaxRows);
}

QJsonValue cellAt(const QJsonArray& sheets, int sheet, int row, int col)
{
    const QJsonArray rows = sheets.at(sheet).toObject().value(QLatin1String("rows")).toArray();
    if (row >= rows.size())
        return QJsonValue();
    const QJsonArray cells = rows.at(row).toArray();
    return col < cells.size() ? cells.at(col) : QJsonValue();
}
QString kindAt(const QJsonArray& sheets, int sheet, int row, int col)
{
    const QJsonValue c = cellAt(sheets, sheet, row, col);
    return c.isArray() ? c.toArray().at(0).toString() : QString();
}
QJsonValue valueAt(const QJsonArray& sheets, int sheet, int row, int col)
{
    return cellAt(sheets, sheet, row, col).toArray().at(1);
}
int rowCount(const QJsonArray& sheets, int sheet)
{
    return int(sheets.at(sheet).toObject().value(QLatin1String("rows")).toArray().size());
}
QString sheetName(const QJsonArray& sheets, int sheet)
{
    return sheets.at(sheet).toObject().value(QLatin1String("name")).toString();
}

bool closeTo(double a, double b) { return std::abs(a - b) <= 1e-15 * std::max(1.0, std::abs(b)); }

} // namespace

// Reads the workbook back into `sheets` (a JSON array), skipping when the reader is missing.
#define READ_BACK(file, sheets)                                                                            \
    QJsonArray sheets;                                                                                     \
    do {                                                                                                   \
        const QString module_ = PythonReader::moduleFor(file);                                             \
        if (PythonReader::interpreter(module_).isEmpty())                                                  \
            QSKIP(qPrintable(QStringLiteral("python3 with %1 is not installed").arg(module_)));            \
        QString error_;                                                                                    \
        const QJsonObject result_ = PythonReader::run(module_, {QStringLiteral("dump"), file}, &error_);   \
        QVERIFY2(!result_.isEmpty(), qPrintable(error_));                                                  \
        QCOMPARE(result_.value(QLatin1String("warnings")).toString(), QString());                          \
        sheets = result_.value(QLatin1String("sheets")).toArray();                                         \
    } while (0)

void tst_SpreadsheetWriter::initTestCase()
{
    QVERIFY(dir_.isValid());
}

QString tst_SpreadsheetWriter::path(const QString& ext) const
{
    QString tag = QString::fromUtf8(QTest::currentDataTag());
    tag.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_"));
    return dir_.filePath(QStringLiteral("%1_%2.%3").arg(QString::fromLatin1(QTest::currentTestFunction()), tag, ext));
}

void tst_SpreadsheetWriter::factoryChoosesFormat_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("xlsx");
    QTest::newRow("xlsx") << "/tmp/rapor.xlsx" << true;
    QTest::newRow("XLSX upper case") << "/tmp/RAPOR.XLSX" << true;
    QTest::newRow("xls") << "/tmp/rapor.xls" << false;
    QTest::newRow("no extension") << "/tmp/rapor" << false;
    QTest::newRow("other extension") << "/tmp/rapor.csv" << false;
    QTest::newRow("xlsx only inside the name") << "/tmp/rapor.xlsx.yedek" << false;
}

void tst_SpreadsheetWriter::factoryChoosesFormat()
{
    QFETCH(QString, file);
    QFETCH(bool, xlsx);
    const auto w = SpreadsheetWriter::forFileName(file);
    QCOMPARE(dynamic_cast<XlsxWriter*>(w.get()) != nullptr, xlsx);
    QCOMPARE(dynamic_cast<XlsWriter*>(w.get()) != nullptr, !xlsx);
}

void tst_SpreadsheetWriter::defaultExtension_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << "/tmp/rapor" << "/tmp/rapor.xls";
    QTest::newRow("xls kept") << "/tmp/rapor.xls" << "/tmp/rapor.xls";
    QTest::newRow("xlsx kept") << "/tmp/rapor.xlsx" << "/tmp/rapor.xlsx";
    QTest::newRow("other kept") << "/tmp/rapor.txt" << "/tmp/rapor.txt";
    QTest::newRow("dot in folder only") << "/tmp/v1.2/rapor" << "/tmp/v1.2/rapor.xls";
    QTest::newRow("trailing dot") << "/tmp/rapor." << "/tmp/rapor.xls";
}

void tst_SpreadsheetWriter::defaultExtension()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    QCOMPARE(SpreadsheetWriter::withDefaultExtension(file), expected);
}

namespace {

struct ValueCase {
    const char* tag;
    Op op;
    QVariant input;
    SpreadsheetWriter::NumberStyle style;
    bool withTime;
    QString kind; // s n d b, empty for an empty cell
    QVariant expected;
    QString format;
    bool bold;
};

const std::vector<ValueCase>& valueCases()
{
    using NS = SpreadsheetWriter::NumberStyle;
    const QDateTime leapDay(QDate(2024, 2, 29), QTime(13, 45, 30));
    const QString g = QStringLiteral("General");
    const QString dateFormat = QStringLiteral("dd.mm.yyyy");
    auto text = [](const char* utf8) { return QVariant(QString::fromUtf8(utf8)); };
    static const std::vector<ValueCase> cases{
        {"text", Op::String, text("Merhaba dünya"), NS::General, false, "s", text("Merhaba dünya"), g, false},
        {"turkish letters", Op::String, text("ğüşıöçĞÜŞİÖÇ"), NS::General, false, "s", text("ğüşıöçĞÜŞİÖÇ"), g, false},
        {"line breaks and tabs", Op::String, text("satır 1\nsatır 2\tson"), NS::General, false, "s",
         text("satır 1\nsatır 2\tson"), g, false},
        {"control character", Op::String, text("a\x01" "b"), NS::General, false, "s", text("a\x01" "b"), g, false},
        {"blanks kept", Op::String, text("  iki  "), NS::General, false, "s", text("  iki  "), g, false},
        {"empty text leaves the cell empty", Op::String, text(""), NS::General, false, "", {}, g, false},
        {"whole number", Op::Number, 123456.0, NS::General, false, "n", 123456.0, g, false},
        {"lowest 30-bit whole number", Op::Number, -536870912.0, NS::General, false, "n", -536870912.0, g, false},
        {"whole number past 30 bits", Op::Number, 536870912.0, NS::General, false, "n", 536870912.0, g, false},
        {"fraction", Op::Number, -1234.5678, NS::General, false, "n", -1234.5678, g, false},
        {"large", Op::Number, 1.5e15, NS::General, false, "n", 1.5e15, g, false},
        {"integer style", Op::Number, 1234567.0, NS::Integer, false, "n", 1234567.0, QStringLiteral("#,##0"), false},
        {"money style", Op::Number, 1234.56, NS::Money, false, "n", 1234.56, QStringLiteral("#,##0.00"), false},
        {"NaN leaves the cell empty", Op::Number, std::numeric_limits<double>::quiet_NaN(), NS::General, false, "", {}, g, false},
        {"infinity leaves the cell empty", Op::Number, std::numeric_limits<double>::infinity(), NS::General, false, "", {}, g, false},
        {"date drops the time", Op::Date, leapDay, NS::General, false, "d", text("2024-02-29T00:00:00"), dateFormat, false},
        {"date with time", Op::Date, leapDay, NS::General, true, "d", text("2024-02-29T13:45:30"),
         QStringLiteral("dd.mm.yyyy hh:mm"), false},
        {"first day with an exact serial", Op::Date, QDateTime(QDate(1900, 3, 1), QTime(0, 0)), NS::General, false, "d",
         text("1900-03-01T00:00:00"), dateFormat, false},
        {"earlier date becomes text", Op::Date, QDateTime(QDate(1900, 2, 28), QTime(8, 5)), NS::General, true, "s",
         text("28.02.1900 08:05"), g, false},
        {"invalid date leaves the cell empty", Op::Date, QDateTime(), NS::General, false, "", {}, g, false},
        {"true", Op::Bool, true, NS::General, false, "b", true, g, false},
        {"false", Op::Bool, false, NS::General, false, "b", false, g, false},
        {"header is bold text", Op::Header, text("Stok Adı"), NS::General, false, "s", text("Stok Adı"), g, true},
    };
    return cases;
}

} // namespace

void tst_SpreadsheetWriter::cellValues_data()
{
    addFormatColumn();
    QTest::addColumn<int>("index");
    for (const QString& ext : kFormats) {
        for (std::size_t i = 0; i < valueCases().size(); ++i)
            QTest::newRow(qPrintable(ext + QLatin1String(": ") + QLatin1String(valueCases()[i].tag))) << ext << int(i);
    }
}

void tst_SpreadsheetWriter::cellValues()
{
    QFETCH(QString, ext);
    QFETCH(int, index);
    const ValueCase& v = valueCases()[std::size_t(index)];

    // One workbook per format holds every case on a sheet of its own, in B3 between neighbours,
    // so a shifted or lost position shows; it is written and read back once.
    static QHash<QString, QJsonArray> readBack;
    if (!readBack.contains(ext)) {
        const auto w = makeWriter(ext);
        for (const ValueCase& c : valueCases()) {
            w->addSheet(QString::fromLatin1(c.tag).left(31));
            w->writeString(0, 0, QStringLiteral("önce"));
            switch (c.op) {
            case Op::String: w->writeString(2, 1, c.input.toString()); break;
            case Op::Number: w->writeNumber(2, 1, c.input.toDouble(), c.style); break;
            case Op::Date: w->writeDate(2, 1, c.input.toDateTime(), c.withTime); break;
            case Op::Bool: w->writeBool(2, 1, c.input.toBool()); break;
            case Op::Header: w->writeHeader(2, 1, c.input.toString()); break;
            }
            w->writeNumber(2, 2, 7, SpreadsheetWriter::NumberStyle::General);
        }
        const QString file = dir_.filePath(QStringLiteral("values.") + ext);
        w->save(file);
        READ_BACK(file, sheets);
        QCOMPARE(sheets.size(), qsizetype(valueCases().size()));
        readBack.insert(ext, sheets);
    }
    const QJsonArray& sheets = readBack[ext];
    QCOMPARE(valueAt(sheets, index, 0, 0).toString(), QStringLiteral("önce"));
    QCOMPARE(valueAt(sheets, index, 2, 2).toDouble(), 7.0);
    QCOMPARE(kindAt(sheets, index, 2, 0), QString());
    QCOMPARE(kindAt(sheets, index, 2, 1), v.kind);
    if (v.kind.isEmpty())
        return;
    const QJsonArray cell = cellAt(sheets, index, 2, 1).toArray();
    if (v.kind == QLatin1String("n"))
        QVERIFY2(closeTo(cell.at(1).toDouble(), v.expected.toDouble()), qPrintable(QString::number(cell.at(1).toDouble(), 'g', 17)));
    else if (v.kind == QLatin1String("b"))
        QCOMPARE(cell.at(1).toBool(), v.expected.toBool());
    else if (v.kind == QLatin1String("d"))
        QVERIFY2(std::abs(QDateTime::fromString(cell.at(1).toString(), Qt::ISODateWithMs)
                              .msecsTo(QDateTime::fromString(v.expected.toString(), Qt::ISODate))) <= 1,
                 qPrintable(cell.at(1).toString()));
    else
        QCOMPARE(cell.at(1).toString(), v.expected.toString());
    QCOMPARE(cell.at(2).toString(), v.format);
    QCOMPARE(cell.at(3).toBool(), v.bold);
}

void tst_SpreadsheetWriter::longAndManyStrings_data()
{
    addFormatRows();
}

void tst_SpreadsheetWriter::longAndManyStrings()
{
    QFETCH(QString, ext);
    // Strings of every length from 1 to 60, Latin-1 and Turkish, so that string starts and
    // splits land on every offset of the 8224-byte SST records; then long ones spanning several
    // CONTINUE records, one of surrogate pairs, and one over the cell limit.
    QStringList texts;
    for (int i = 0; i < 6000; ++i) {
        QString s = QStringLiteral("%1-").arg(i);
        const QString alphabet = i % 3 ? QStringLiteral("abcçdefgğhıijklmnoöprsştuüvyz") : QStringLiteral("abcdefghijklmnop");
        while (s.size() < 1 + i % 60)
            s += alphabet.at((s.size() * 7 + i) % alphabet.size());
        texts << s.left(1 + i % 60);
    }
    texts << QString(10000, u'ş') << QString(8300, u'x') << QString(5000, u'a') + QString(5000, u'İ');
    QString emoji;
    for (int i = 0; i < 5000; ++i)
        emoji += QString::fromUtf8("\xF0\x9F\x9A\x97"); // U+1F697, a surrogate pair
    texts << emoji;
    texts << QString(40000, u'ç');
    QStringList expected = texts;
    expected.last().truncate(BufferedSpreadsheetWriter::MaxTextLength);

    const auto w = makeWriter(ext);
    for (int i = 0; i < texts.size(); ++i) {
        w->writeString(i, 0, texts[i]);
        w->writeString(i, 1, texts[i % 7]); // repeated strings share one table entry
    }
    const QString file = path(ext);
    w->save(file);

    READ_BACK(file, sheets);
    QCOMPARE(sheets.size(), 1);
    QCOMPARE(rowCount(sheets, 0), int(texts.size()));
    for (int i = 0; i < texts.size(); ++i) {
        QCOMPARE(valueAt(sheets, 0, i, 0).toString(), expected[i]);
        QCOMPARE(valueAt(sheets, 0, i, 1).toString(), expected[i % 7]);
    }
}

void tst_SpreadsheetWriter::rowsContinueOnNewSheets_data()
{
    addFormatColumn();
    QTest::addColumn<int>("rowsPerSheet");
    QTest::addColumn<int>("dataRows");
    QTest::addColumn<int>("expectedSheets");
    QTest::newRow("xls beyond 65,536 rows") << "xls" << XlsWriter::MaxRows << 70000 << 2;
    QTest::newRow("xls exactly full") << "xls" << 100 << 99 << 1;
    QTest::newRow("xls one row more") << "xls" << 100 << 100 << 2;
    QTest::newRow("xls several sheets") << "xls" << 100 << 400 << 5;
    QTest::newRow("xlsx exactly full") << "xlsx" << 1000 << 999 << 1;
    QTest::newRow("xlsx several sheets") << "xlsx" << 1000 << 2500 << 3;
}

void tst_SpreadsheetWriter::rowsContinueOnNewSheets()
{
    QFETCH(QString, ext);
    QFETCH(int, rowsPerSheet);
    QFETCH(int, dataRows);
    QFETCH(int, expectedSheets);

    const auto w = makeWriter(ext, rowsPerSheet);
    w->addSheet(QStringLiteral("Stok"));
    w->setColumnWidth(1, 20);
    w->writeHeader(0, 0, QStringLiteral("Sıra"));
    w->writeHeader(0, 1, QStringLiteral("Ad"));
    for (int r = 0; r < dataRows; ++r) {
        w->writeNumber(r + 1, 0, r, SpreadsheetWriter::NumberStyle::Integer);
        w->writeString(r + 1, 1, QStringLiteral("Satır %1").arg(r));
    }
    const QString file = path(ext);
    w->save(file);

    READ_BACK(file, sheets);
    QCOMPARE(sheets.size(), expectedSheets);
    int next = 0;
    for (int s = 0; s < sheets.size(); ++s) {
        QCOMPARE(sheetName(sheets, s), s == 0 ? QStringLiteral("Stok") : QStringLiteral("Stok (%1)").arg(s + 1));
        QVERIFY(rowCount(sheets, s) <= rowsPerSheet);
        QCOMPARE(valueAt(sheets, s, 0, 0).toString(), QStringLiteral("Sıra"));
        QCOMPARE(valueAt(sheets, s, 0, 1).toString(), QStringLiteral("Ad"));
        QVERIFY(cellAt(sheets, s, 0, 1).toArray().at(3).toBool());
        const double width = sheets.at(s).toObject().value(QLatin1String("widths")).toObject().value(QLatin1String("1")).toDouble();
        QVERIFY2(std::abs(width - 20) < 1, qPrintable(QString::number(width)));
        for (int r = 1; r < rowCount(sheets, s); ++r, ++next) {
            QCOMPARE(valueAt(sheets, s, r, 0).toDouble(), double(next));
            QCOMPARE(valueAt(sheets, s, r, 1).toString(), QStringLiteral("Satır %1").arg(next));
        }
        if (s + 1 < sheets.size())
            QCOMPARE(rowCount(sheets, s), rowsPerSheet);
    }
    QCOMPARE(next, dataRows);
}

void tst_SpreadsheetWriter::writesInAnyOrder_data()
{
    addFormatRows();
}

void tst_SpreadsheetWriter::writesInAnyOrder()
{
    QFETCH(QString, ext);
    // Column by column, bottom up, across a sheet split, with one cell written twice.
    const auto w = makeWriter(ext, 10);
    for (int c = 2; c >= 0; --c)
        w->writeHeader(0, c, QStringLiteral("S%1").arg(c));
    for (int c = 2; c >= 0; --c) {
        for (int r = 25; r >= 1; --r)
            w->writeNumber(r, c, r * 10 + c, SpreadsheetWriter::NumberStyle::General);
    }
    w->writeString(3, 1, QStringLiteral("ilk"));
    w->writeString(3, 1, QStringLiteral("son"));
    const QString file = path(ext);
    w->save(file);

    READ_BACK(file, sheets);
    QCOMPARE(sheets.size(), 3); // 9 data rows per sheet
    QCOMPARE(sheetName(sheets, 1), QStringLiteral("Sayfa2"));
    for (int r = 1; r <= 25; ++r) {
        const int s = (r - 1) / 9, pr = 1 + (r - 1) % 9;
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(valueAt(sheets, s, 0, c).toString(), QStringLiteral("S%1").arg(c));
            if (r == 3 && c == 1)
                QCOMPARE(valueAt(sheets, s, pr, c).toString(), QStringLiteral("son"));
            else
                QCOMPARE(valueAt(sheets, s, pr, c).toDouble(), double(r * 10 + c));
        }
    }
}

void tst_SpreadsheetWriter::emptyWorkbooks_data()
{
    addFormatColumn();
    QTest::addColumn<bool>("headers");
    for (const QString& ext : kFormats) {
        QTest::newRow(qPrintable(ext + QLatin1String(": headers only"))) << ext << true;
        QTest::newRow(qPrintable(ext + QLatin1String(": nothing written"))) << ext << false;
    }
}

void tst_SpreadsheetWriter::emptyWorkbooks()
{
    QFETCH(QString, ext);
    QFETCH(bool, headers);
    const auto w = makeWriter(ext);
    if (headers) {
        w->addSheet(QStringLiteral("Boş Liste"));
        w->writeHeader(0, 0, QStringLiteral("Kod"));
        w->writeHeader(0, 1, QString()); // a column without caption
        w->writeHeader(0, 2, QStringLiteral("Açıklama"));
    }
    const QString file = path(ext);
    w->save(file);

    READ_BACK(file, sheets);
    QCOMPARE(sheets.size(), 1);
    if (!headers) {
        QCOMPARE(sheetName(sheets, 0), QStringLiteral("Sayfa1"));
        QCOMPARE(rowCount(sheets, 0), 0);
        return;
    }
    QCOMPARE(sheetName(sheets, 0), QStringLiteral("Boş Liste"));
    QCOMPARE(rowCount(sheets, 0), 1);
    QCOMPARE(kindAt(sheets, 0, 0, 1), QString());
    QCOMPARE(valueAt(sheets, 0, 0, 2).toString(), QStringLiteral("Açıklama"));
    QVERIFY(cellAt(sheets, 0, 0, 2).toArray().at(3).toBool());
}

void tst_SpreadsheetWriter::sheetNames_data()
{
    addFormatColumn();
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("expected");
    const QString longName(40, u'Ş');
    const QStringList given{QStringLiteral("Stok"), QStringLiteral("stok"), QStringLiteral("a/b:c*d?[e]\\"),
                            longName, longName, QString(), QStringLiteral("History"), QStringLiteral("'Alıntı'")};
    const QStringList expected{QStringLiteral("Stok"), QStringLiteral("stok (2)"), QStringLiteral("a_b_c_d__e__"),
                               QString(31, u'Ş'), QString(27, u'Ş') + QStringLiteral(" (2)"), QStringLiteral("Sayfa6"),
                               QStringLiteral("History (2)"), QStringLiteral("Alıntı")};
    for (const QString& ext : kFormats)
        QTest::newRow(qPrintable(ext)) << ext << given << expected;
}

void tst_SpreadsheetWriter::sheetNames()
{
    QFETCH(QString, ext);
    QFETCH(QStringList, given);
    QFETCH(QStringList, expected);
    const auto w = makeWriter(ext);
    for (int i = 0; i < given.size(); ++i) {
        w->addSheet(given[i]);
        w->writeNumber(0, 0, i, SpreadsheetWriter::NumberStyle::General);
    }
    const QString file = path(ext);
    w->save(file);

    READ_BACK(file, sheets);
    QCOMPARE(sheets.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(sheetName(sheets, i), expected[i]);
        QCOMPARE(valueAt(sheets, i, 0, 0).toDouble(), double(i));
    }
}

void tst_SpreadsheetWriter::positionLimits_data()
{
    addFormatColumn();
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("error"); // part of the message, empty when the write is fine
    QTest::newRow("xls last column") << "xls" << 0 << 255 << "";
    QTest::newRow("xls column 257") << "xls" << 0 << 256 << "en fazla 256 sütun";
    QTest::newRow("xlsx last column") << "xlsx" << 0 << 16383 << "";
    QTest::newRow("xlsx column 16385") << "xlsx" << 0 << 16384 << "en fazla 16384 sütun";
    QTest::newRow("negative row") << "xls" << -1 << 0 << "Geçersiz hücre konumu";
    QTest::newRow("negative column") << "xlsx" << 0 << -1 << "Geçersiz hücre konumu";
}

void tst_SpreadsheetWriter::positionLimits()
{
    QFETCH(QString, ext);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, error);
    const auto w = makeWriter(ext);
    const QList<std::function<void()>> writes{
        [&] { w->writeString(row, col, QStringLiteral("x")); },
        [&] { w->writeNumber(row, col, 1, SpreadsheetWriter::NumberStyle::General); },
        [&] { w->writeDate(row, col, QDateTime(QDate(2024, 1, 2), QTime()), false); },
        [&] { w->writeBool(row, col, true); },
        [&] { w->writeHeader(row, col, QStringLiteral("x")); },
    };
    for (const auto& write : writes) {
        QString message;
        try {
            write();
        } catch (const EHata& e) {
            message = e.text();
        }
        if (error.isEmpty())
            QCOMPARE(message, QString());
        else
            QVERIFY2(message.contains(error), qPrintable(message));
    }
    if (!error.isEmpty())
        return;
    const QString file = path(ext);
    w->save(file);
    READ_BACK(file, sheets);
    QCOMPARE(kindAt(sheets, 0, row, col), QStringLiteral("s")); // the header written last
}

void tst_SpreadsheetWriter::saveFailsCleanly_data()
{
    addFormatRows();
}

void tst_SpreadsheetWriter::saveFailsCleanly()
{
    QFETCH(QString, ext);
    const auto w = makeWriter(ext);
    w->writeString(0, 0, QStringLiteral("yeni"));

    // A folder that does not exist, and a path that is a folder: the error names the path.
    const QStringList bad{dir_.filePath(QStringLiteral("yok/rapor.") + ext), dir_.filePath(QStringLiteral("klasor.") + ext)};
    QVERIFY(QDir(dir_.path()).mkpath(bad[1]));
    for (const QString& target : bad) {
        QString message;
        try {
            w->save(target);
        } catch (const EHata& e) {
            message = e.text();
        }
        QCOMPARE(message, QStringLiteral("Dosya yazılamadı: ") + QDir::toNativeSeparators(target));
    }
    QVERIFY(QFileInfo(bad[1]).isDir());

    // An existing, longer file is replaced whole, and no temporary file stays behind.
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("rapor.") + ext);
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(200000, 'x'));
    }
    w->save(target);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("rapor.") + ext});
    READ_BACK(target, sheets);
    QCOMPARE(valueAt(sheets, 0, 0, 0).toString(), QStringLiteral("yeni"));
}

void tst_SpreadsheetWriter::xlsxUnderDecimalCommaLocale()
{
    // A Turkish desktop prints 1.5 as "1,5"; the XML numbers must not follow it.
    if (!std::setlocale(LC_NUMERIC, "tr_TR.UTF-8")) {
        // Not installed: build it once into the build tree and point glibc there.
        const QString locales = QStringLiteral(TEST_BINARY_DIR "/locales");
        if (!QFileInfo::exists(locales + QStringLiteral("/tr_TR.UTF-8"))) {
            const QString localedef = QStandardPaths::findExecutable(QStringLiteral("localedef"));
            if (localedef.isEmpty())
                QSKIP("no tr_TR locale and no localedef");
            QDir().mkpath(locales);
            QProcess::execute(localedef, {QStringLiteral("-i"), QStringLiteral("tr_TR"), QStringLiteral("-f"),
                                          QStringLiteral("UTF-8"), locales + QStringLiteral("/tr_TR.UTF-8")});
        }
        qputenv("LOCPATH", QFile::encodeName(locales));
        if (!std::setlocale(LC_NUMERIC, "tr_TR.UTF-8"))
            QSKIP("the tr_TR locale cannot be made here");
    }
    const auto restore = qScopeGuard([] {
        std::setlocale(LC_NUMERIC, "C");
        qunsetenv("LOCPATH");
    });
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    QCOMPARE(QByteArray(probe), QByteArray("1,5"));

    XlsxWriter w;
    w.setColumnWidth(0, 12.5);
    w.writeNumber(0, 0, 1234.5, SpreadsheetWriter::NumberStyle::Money);
    w.writeDate(0, 1, QDateTime(QDate(2024, 2, 29), QTime(12, 0)), true);
    const QString file = dir_.filePath(QStringLiteral("locale.xlsx"));
    w.save(file);
    std::setlocale(LC_NUMERIC, "C");

    READ_BACK(file, sheets);
    QCOMPARE(kindAt(sheets, 0, 0, 0), QStringLiteral("n"));
    QCOMPARE(valueAt(sheets, 0, 0, 0).toDouble(), 1234.5);
    QCOMPARE(valueAt(sheets, 0, 0, 1).toString(), QStringLiteral("2024-02-29T12:00:00"));
}

void tst_SpreadsheetWriter::libreOfficeReadsXls()
{
    QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty())
        office = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    if (office.isEmpty())
        QSKIP("LibreOffice is not installed");

    XlsWriter w;
    const QStringList headers{QStringLiteral("Kod"), QStringLiteral("Adet"), QStringLiteral("Tutar"),
                              QStringLiteral("Tarih"), QStringLiteral("Var")};
    for (int c = 0; c < headers.size(); ++c)
        w.writeHeader(0, c, headers[c]);
    w.writeString(1, 0, QStringLiteral("ĞÜŞİÖÇ-1"));
    w.writeNumber(1, 1, 1234.5, SpreadsheetWriter::NumberStyle::General);
    w.writeNumber(1, 2, 1234.5, SpreadsheetWriter::NumberStyle::Money);
    w.writeDate(1, 3, QDateTime(QDate(2024, 2, 29), QTime(13, 45)), true);
    w.writeBool(1, 4, true);
    const QString file = dir_.filePath(QStringLiteral("office.xls"));
    w.save(file);

    QTemporaryDir profile;
    QProcess p;
    p.start(office, {QStringLiteral("-env:UserInstallation=file://") + profile.path(), QStringLiteral("--headless"),
                     QStringLiteral("--convert-to"), QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
                     QStringLiteral("--outdir"), dir_.path(), file});
    QVERIFY(p.waitForFinished(120000));
    QFile csv(dir_.filePath(QStringLiteral("office.csv")));
    QVERIFY2(csv.open(QIODevice::ReadOnly), qPrintable(QString::fromUtf8(p.readAllStandardError())));
    const QStringList lines = QString::fromUtf8(csv.readAll()).split(QRegularExpression(QStringLiteral("\r?\n")), Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), headers.join(u','));
    // Cells as shown; LibreOffice turns a boolean cell into =TRUE(), which it writes as 1.
    QVERIFY2(QRegularExpression(QStringLiteral("^ĞÜŞİÖÇ-1,1234.5,\"1,234.50\",29.02.2024 13:45,(TRUE|1)$"))
                 .match(lines.value(1))
                 .hasMatch(),
             qPrintable(lines.value(1)));
}

QTEST_GUILESS_MAIN(tst_SpreadsheetWriter)
#include "tst_SpreadsheetWriter.moc"
