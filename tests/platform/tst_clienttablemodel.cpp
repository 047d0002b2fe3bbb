#include "TClientDataSet.h"
#include "TClientTableModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QtTest>

// The grid's model over a client table: roles, header, and detaching while a worker fills the table.
class tst_ClientTableModel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void roles();
    void header();
    void followsTableSignals();
    void detachWhileFilling();
    void fillOnWorkerThread();
    void sortsThroughProxy();

private:
    TClientDataSet* ds_ = nullptr;
    TClientTableModel* model_ = nullptr;
};

namespace {

TTableData Stock(int rows)
{
    TTableData t;
    t.AddField("STOKADI", TFieldType::String);
    t.AddField("ADET", TFieldType::Integer);
    t.AddField("FIYAT", TFieldType::Float);
    t.AddField("TARIH", TFieldType::Date);
    t.AddField("ZAMAN", TFieldType::DateTime);
    t.AddField("SEC", TFieldType::Boolean);
    for (int i = 0; i < rows; ++i)
        t.AppendRecord({QStringLiteral("Parça %1").arg(i), rows - i, 1500000.0 + i,
                        QDate(2024, 1, 1).addDays(i), QDateTime(QDate(2024, 1, 1), QTime(9, 30)), i % 2 == 0});
    return t;
}

} // namespace

void tst_ClientTableModel::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void tst_ClientTableModel::init()
{
    ds_ = new TClientDataSet(this);
    ds_->SetData(Stock(3));
    ds_->SetDisplayFormat(2, "#,###,##0.00");
    model_ = new TClientTableModel(ds_, this);
    new QAbstractItemModelTester(model_, QAbstractItemModelTester::FailureReportingMode::QtTest, model_);
}

void tst_ClientTableModel::cleanup()
{
    delete model_;
    delete ds_;
}

void tst_ClientTableModel::roles()
{
    QCOMPARE(model_->rowCount(), 3);
    QCOMPARE(model_->columnCount(), 6);
    const auto cell = [this](int r, int c, int role = Qt::DisplayRole) { return model_->index(r, c).data(role); };
    QCOMPARE(cell(0, 0).toString(), QStringLiteral("Parça 0"));
    QCOMPARE(cell(0, 1).toString(), QStringLiteral("3"));
    QCOMPARE(cell(1, 2).toString(), QStringLiteral("1.500.001,00"));
    QCOMPARE(cell(1, 3).toString(), QStringLiteral("02.01.2024"));
    QCOMPARE(cell(0, 4).toString(), QStringLiteral("01.01.2024 09:30"));
    QCOMPARE(cell(0, 5).toString(), QStringLiteral("True"));
    QCOMPARE(cell(0, 5, Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(cell(1, 5, Qt::CheckStateRole).toInt(), int(Qt::Unchecked));

    QCOMPARE(cell(1, 2, Qt::EditRole), QVariant(1500001.0));
    QCOMPARE(cell(1, 3, Qt::UserRole), QVariant(QDate(2024, 1, 2)));
    QCOMPARE(cell(0, 1, Qt::UserRole), QVariant(3));
    QCOMPARE(cell(1, 3, TClientTableModel::SortRole), QVariant(45293.0));

    const int right = int(Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(cell(0, 1, Qt::TextAlignmentRole).toInt(), right);
    QCOMPARE(cell(0, 2, Qt::TextAlignmentRole).toInt(), right);
    QVERIFY(!cell(0, 0, Qt::TextAlignmentRole).isValid());
    QVERIFY(!cell(0, 3, Qt::TextAlignmentRole).isValid());
}

void tst_ClientTableModel::header()
{
    QCOMPARE(model_->headerData(0, Qt::Horizontal).toString(), QStringLiteral("STOKADI"));
    QCOMPARE(model_->headerData(5, Qt::Horizontal).toString(), QStringLiteral("SEC"));
    QVERIFY(!model_->headerData(6, Qt::Horizontal).isValid());
}

void tst_ClientTableModel::followsTableSignals()
{
    QSignalSpy reset(model_, &QAbstractItemModel::modelReset);
    QSignalSpy changed(model_, &QAbstractItemModel::dataChanged);
    ds_->SetRecNo(2);
    ds_->Edit();
    ds_->FieldByName("STOKADI").SetAsString("Yeni ad");
    ds_->Post();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 2);
    QCOMPARE(model_->index(2, 0).data().toString(), QStringLiteral("Yeni ad"));

    ds_->SetData(Stock(5));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model_->rowCount(), 5);
    ds_->DisableControls();
    ds_->EmptyDataSet();
    QCOMPARE(reset.count(), 1);
    ds_->EnableControls();
    QCOMPARE(reset.count(), 2);
    QCOMPARE(model_->rowCount(), 0);
}

void tst_ClientTableModel::detachWhileFilling()
{
    QSignalSpy reset(model_, &QAbstractItemModel::modelReset);
    model_->detach();
    QVERIFY(!model_->isAttached());
    QCOMPARE(model_->rowCount(), 0);
    QCOMPARE(model_->columnCount(), 6);  // the header stays while the table is filled
    QCOMPARE(model_->headerData(2, Qt::Horizontal).toString(), QStringLiteral("FIYAT"));

    TTableData other;
    other.AddField("CARIADI", TFieldType::String);
    other.AppendRecord({"ORVAK"});
    other.AppendRecord({"TELMİRA"});
    ds_->SetData(std::move(other));  // the model ignores the table's signals now
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model_->rowCount(), 0);
    QCOMPARE(model_->columnCount(), 6);
    QVERIFY(!model_->index(0, 0).isValid());

    model_->attach();
    QCOMPARE(reset.count(), 2);
    QCOMPARE(model_->rowCount(), 2);
    QCOMPARE(model_->columnCount(), 1);
    QCOMPARE(model_->index(1, 0).data().toString(), QStringLiteral("TELMİRA"));
}

void tst_ClientTableModel::fillOnWorkerThread()
{
    // The page pattern: detach, fill on a worker with controls disabled, attach in the continuation.
    model_->detach();
    QThread* worker = QThread::create([this] {
        ds_->DisableControls();
        ds_->SetData(Stock(1000));
        ds_->SetDisplayFormat(2, "#,###,##0.00");
        ds_->EnableControls();
    });
    worker->start();
    QVERIFY(worker->wait(10000));
    delete worker;
    QCoreApplication::processEvents();  // the queued reset from the worker: ignored while detached
    QCOMPARE(model_->rowCount(), 0);
    model_->attach();
    QCOMPARE(model_->rowCount(), 1000);
    QCOMPARE(model_->index(999, 2).data().toString(), QStringLiteral("1.500.999,00"));
}

void tst_ClientTableModel::sortsThroughProxy()
{
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(model_);
    proxy.setSortRole(TClientTableModel::SortRole);
    proxy.sort(1);  // ADET: 3, 2, 1 in the table
    QCOMPARE(proxy.index(0, 0).data().toString(), QStringLiteral("Parça 2"));
    proxy.sort(3, Qt::DescendingOrder);
    QCOMPARE(proxy.index(0, 0).data().toString(), QStringLiteral("Parça 2"));
    ds_->SetData(Stock(4));
    QCOMPARE(proxy.rowCount(), 4);
}

QTEST_GUILESS_MAIN(tst_ClientTableModel)
#include "tst_clienttablemodel.moc"
