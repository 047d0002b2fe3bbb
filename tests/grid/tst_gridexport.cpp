// "Excel Kaydet": the grid written to .xls/.xlsx and read back by an independent reader.
#include "EHata.h"
#include "GridExport.h"
#include "GridFixture.h"
#include "PythonReader.h"
#include "TClientDataSet.h"
#include "TGridView.h"

#include <QHeaderView>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

class tst_GridExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void exportsWhatTheGridShows_data();
    void exportsWhatTheGridShows();
    void groupsAreExpanded();
    void nameWithoutExtensionBecomesXls();
    void cancelWritesNothing();
    void unwritablePathRaisesEHata();

private:
    // Rows of the first sheet: each cell [kind, value, format, bold] or null.
    QJsonArray readBack(const QString& path);
    QString exportVia(const QString& answer);

    TClientDataSet* table_ = nullptr;
    TGridView* grid_ = nullptr;
    QTemporaryDir* dir_ = nullptr;
    QStringList dialogFilters_;
};

void tst_GridExport::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void tst_GridExport::init()
{
    dir_ = new QTemporaryDir;
    table_ = new TClientDataSet;
    GridFixture::fill(*table_);
    grid_ = new TGridView;
    GridFixture::declare(*grid_);
    grid_->setDataSet(table_);
    grid_->setFooterVisible(true);
    grid_->addFooterSummary({TGridSummary::Kind::Count, "BARKOD"});
    grid_->addFooterSummary({TGridSummary::Kind::Sum, "FIYAT"});
    dialogFilters_.clear();
}

void tst_GridExport::cleanup()
{
    GridExport::setSaveDialog({});
    delete grid_;
    delete table_;
    delete dir_;
}

QString tst_GridExport::exportVia(const QString& answer)
{
    GridExport::setSaveDialog([this, answer](QWidget*, const QString&, const QString& filter) {
        dialogFilters_ << filter;
        return answer;
    });
    return GridExport::ExcelKaydet(*grid_);
}

QJsonArray tst_GridExport::readBack(const QString& path)
{
    const QString module = PythonReader::moduleFor(path);
    if (PythonReader::interpreter(module).isEmpty())
        return {};
    QString error;
    const QJsonObject dump = PythonReader::run(module, {QStringLiteral("dump"), path}, &error);
    if (dump.isEmpty())
        qWarning("%s", qPrintable(error));
    return dump.value("sheets").toArray().at(0).toObject().value("rows").toArray();
}

void tst_GridExport::exportsWhatTheGridShows_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("legacy xls") << "liste.xls";
    QTest::newRow("xlsx") << "liste.xlsx";
}

void tst_GridExport::exportsWhatTheGridShows()
{
    QFETCH(QString, file);
    if (PythonReader::interpreter(PythonReader::moduleFor(file)).isEmpty())
        QSKIP("python3 with the reader module is not installed");
    grid_->setColumnFilter("SATICIADI", {"Ahmet"});
    grid_->sortBy("FIYAT", Qt::DescendingOrder);
    QHeaderView* header = grid_->horizontalHeader();
    header->moveSection(header->visualIndex(grid_->indexOf(grid_->column("ADI"))), 0);

    const QString path = exportVia(dir_->filePath(file));
    QCOMPARE(path, dir_->filePath(file));
    const QJsonArray rows = readBack(path);
    QCOMPARE(rows.size(), 1 + 3 + 1);  // header, the filtered rows, footer

    const QStringList captions{"Açıklama", "Durum", "Seç", "DEP Kod", "Fiyat", "Tarih", "Satıcı"};
    const QJsonArray head = rows.at(0).toArray();
    QCOMPARE(head.size(), captions.size());
    for (int c = 0; c < captions.size(); ++c) {
        QCOMPARE(head.at(c).toArray().at(0).toString(), QString("s"));
        QCOMPARE(head.at(c).toArray().at(1).toString(), captions[c]);
        QVERIFY(head.at(c).toArray().at(3).toBool());  // bold
    }
    // FIYAT descending among Ahmet's lines: records 0, 2, 5.
    const QStringList names{"Yağ Filtresi", "IŞIK Ünitesi", "Şanzıman Yağı"};
    const QList<double> prices{125.50, 89.99, 45.10};
    const QStringList states{"Var", "Yolda", "Tedarik Sürecinde"};
    const QList<double> selected{1, 1, 1};
    for (int r = 0; r < 3; ++r) {
        const QJsonArray row = rows.at(1 + r).toArray();
        QCOMPARE(row.at(0).toArray().at(1).toString(), names[r]);
        QCOMPARE(row.at(1).toArray().at(1).toString(), states[r]);
        QCOMPARE(row.at(2).toArray().at(0).toString(), QString("n"));
        QCOMPARE(row.at(2).toArray().at(1).toDouble(), selected[r]);
        const QJsonArray price = row.at(4).toArray();
        QCOMPARE(price.at(0).toString(), QString("n"));
        QCOMPARE(price.at(1).toDouble(), prices[r]);
        QVERIFY2(price.at(2).toString().contains("0.00"), qPrintable(price.at(2).toString()));
        QCOMPARE(row.at(5).toArray().at(0).toString(), QString("d"));
        QCOMPARE(row.at(6).toArray().at(1).toString(), QString("Ahmet"));
    }
    QCOMPARE(rows.at(1).toArray().at(5).toArray().at(1).toString(), QString("2024-01-05T00:00:00"));
    const QJsonArray footer = rows.at(4).toArray();
    QCOMPARE(footer.at(3).toArray().at(1).toDouble(), 3.0);
    QCOMPARE(footer.at(4).toArray().at(1).toDouble(), 260.59);
}

void tst_GridExport::groupsAreExpanded()
{
    if (PythonReader::interpreter("xlrd").isEmpty())
        QSKIP("python3 with xlrd is not installed");
    grid_->addGroupSummary({TGridSummary::Kind::Sum, "FIYAT"});
    grid_->setGroupColumn("SATICIADI");
    grid_->collapseAll();
    const QJsonArray rows = readBack(exportVia(dir_->filePath("grup.xls")));
    // Header; per group its line, its records and its footer; the grid footer.
    QCOMPARE(rows.size(), 1 + 4 * 2 + 8 + 1);
    QCOMPARE(rows.at(1).toArray().at(0).toArray().at(1).toString(), QString("Satıcı: Ahmet (3)"));
    QCOMPARE(rows.at(2).toArray().at(3).toArray().at(1).toString(), QString("Yağ Filtresi"));
    QCOMPARE(rows.at(5).toArray().at(4).toArray().at(1).toDouble(), 260.59);
    QCOMPARE(rows.at(6).toArray().at(0).toArray().at(1).toString(), QString("Satıcı: Çağla (2)"));
}

void tst_GridExport::nameWithoutExtensionBecomesXls()
{
    const QString path = exportVia(dir_->filePath("liste"));
    QCOMPARE(path, dir_->filePath("liste.xls"));
    QVERIFY(QFileInfo::exists(path));
    QVERIFY(!QFileInfo::exists(dir_->filePath("liste")));
    QCOMPARE(dialogFilters_, QStringList{"Excel (*.xls*)"});
    if (!PythonReader::interpreter("xlrd").isEmpty())
        QCOMPARE(readBack(path).size(), 1 + 8 + 1);
}

void tst_GridExport::cancelWritesNothing()
{
    QCOMPARE(exportVia(QString()), QString());
    QCOMPARE(dialogFilters_.size(), 1);
    QVERIFY(QDir(dir_->path()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
}

void tst_GridExport::unwritablePathRaisesEHata()
{
    const QString path = dir_->filePath("yok/klasor/liste.xls");
    try {
        exportVia(path);
        QFAIL("no error");
    } catch (const EHata& e) {
        QVERIFY(!e.text().isEmpty());
    }
    QVERIFY(!QFileInfo::exists(path));
}

QTEST_MAIN(tst_GridExport)
#include "tst_gridexport.moc"
