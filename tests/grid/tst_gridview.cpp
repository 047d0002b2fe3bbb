// The data grid driven like a page drives it: declared columns over a client table, sorting,
// header filters, footers, check-box toggles, incremental search, grouping, best fit and the
// detach/attach of background loads.
#include "GridFixture.h"
#include "TClientDataSet.h"
#include "TGridFilterPopup.h"
#include "TGridFilterProxy.h"
#include "TGridHeader.h"
#include "TGridView.h"
#include "TTableData.h"

#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

class tst_GridView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void recordIndexAfterSortAndFilter_data();
    void recordIndexAfterSortAndFilter();
    void headerClickSorts();
    void headerFilterPicksValues();
    void filterButtonOpensListWithoutSorting();
    void footerSummaries_data();
    void footerSummaries();
    void checkBoxToggleGoesToThePage();
    void incrementalSearch_data();
    void incrementalSearch();
    void groupingMakesGroupRowsWithSums();
    void bestFitWidensColumn();
    void weightedWidthsApplyToVisibleColumns();
    void detachAttachKeepsNoStaleRows();
    void focusFollowsTheTable();
    void columnChooserListsOfferedColumns();
    void buttonCellReportsItsRecord();
    void customPainterGetsRecordAndBackground();

private:
    QRect cellRect(int row, const QString& column) const;
    void typeText(const QString& text);

    TClientDataSet* table_ = nullptr;
    TGridView* grid_ = nullptr;
};

void tst_GridView::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void tst_GridView::init()
{
    table_ = new TClientDataSet;
    GridFixture::fill(*table_);
    grid_ = new TGridView;
    GridFixture::declare(*grid_);
    grid_->setDataSet(table_);
    grid_->setFooterVisible(true);
    grid_->resize(900, 420);
    grid_->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid_));
}

void tst_GridView::cleanup()
{
    delete grid_;
    delete table_;
    grid_ = nullptr;
    table_ = nullptr;
}

QRect tst_GridView::cellRect(int row, const QString& column) const
{
    return grid_->visualRect(grid_->proxy()->index(row, grid_->indexOf(grid_->column(column))));
}

// Key presses carrying the typed characters (QTest::keyClick cannot type ı, ş, …).
void tst_GridView::typeText(const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(grid_, &press);
    }
}

void tst_GridView::recordIndexAfterSortAndFilter_data()
{
    QTest::addColumn<QString>("sortColumn");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("filterColumn");
    QTest::addColumn<QStringList>("filterTexts");
    QTest::addColumn<QList<int>>("expected");

    const int asc = Qt::AscendingOrder;
    const int desc = Qt::DescendingOrder;
    QTest::newRow("table order") << QString() << asc << QString() << QStringList() << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("text ascending, Turkish letters")
        << "ADI" << asc << QString() << QStringList() << QList<int>{4, 6, 1, 2, 3, 7, 5, 0};
    QTest::newRow("money descending") << "FIYAT" << desc << QString() << QStringList() << QList<int>{1, 7, 4, 3, 0, 2, 5, 6};
    QTest::newRow("ties keep table order") << "DURUM" << desc << QString() << QStringList()
                                           << QList<int>{5, 6, 2, 4, 0, 3, 1, 7};
    QTest::newRow("icon filter by description") << "ADI" << asc << "DURUM" << QStringList{"Var"} << QList<int>{3, 0};
    QTest::newRow("two sellers, money ascending")
        << "FIYAT" << asc << "SATICIADI" << QStringList{"Ahmet", "Çağla"} << QList<int>{6, 5, 2, 0, 3};
}

void tst_GridView::recordIndexAfterSortAndFilter()
{
    QFETCH(QString, sortColumn);
    QFETCH(int, order);
    QFETCH(QString, filterColumn);
    QFETCH(QStringList, filterTexts);
    QFETCH(QList<int>, expected);

    if (!sortColumn.isEmpty())
        grid_->sortBy(sortColumn, Qt::SortOrder(order));
    if (!filterColumn.isEmpty())
        grid_->setColumnFilter(filterColumn, filterTexts);

    QCOMPARE(grid_->proxy()->rowCount(), expected.size());
    const std::vector<int> visible = grid_->visibleRecords();
    QCOMPARE(QList<int>(visible.begin(), visible.end()), expected);
    for (int row = 0; row < expected.size(); ++row) {
        QCOMPARE(grid_->recordIndex(row), expected[row]);
        QCOMPARE(grid_->viewRowOf(expected[row]), row);
    }
    // The page's pattern: the focused row's key, found in the table, is the line the user sees.
    const int row = static_cast<int>(expected.size()) - 1;
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, cellRect(row, "BARKOD").center());
    QCOMPARE(grid_->focusedRecord(), expected[row]);
    QCOMPARE(table_->RecNo(), expected[row]);
    QCOMPARE(table_->FieldByName("STOK_STOKNO").AsInteger(), 101 + expected[row]);
}

void tst_GridView::headerClickSorts()
{
    TGridHeader* header = qobject_cast<TGridHeader*>(grid_->horizontalHeader());
    QVERIFY(header);
    const int adi = grid_->indexOf(grid_->column("ADI"));
    const QPoint onCaption(header->sectionViewportPosition(adi) + 10, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onCaption);
    QCOMPARE(grid_->sortedColumn(), grid_->column("ADI"));
    QCOMPARE(grid_->recordIndex(0), 4);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onCaption);
    QCOMPARE(grid_->sortOrder(), Qt::DescendingOrder);
    QCOMPARE(grid_->recordIndex(0), 0);

    // A grid whose rows must keep the server's order ignores header clicks.
    grid_->removeSort();
    grid_->setSortingAllowed(false);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onCaption);
    QCOMPARE(grid_->sortedColumn(), nullptr);
    QCOMPARE(grid_->recordIndex(0), 0);
    QCOMPARE(grid_->recordIndex(7), 7);
}

void tst_GridView::headerFilterPicksValues()
{
    TGridFilterPopup* popup = grid_->showFilterPopup("DURUM");
    QVERIFY(popup);
    QStringList items;
    for (int i = 0; i < popup->list()->count(); ++i)
        items << popup->list()->item(i)->text();
    QCOMPARE(items, (QStringList{"(Tümü)", "Yok", "Var", "Telefon Açınız", "Yolda", "Özel Sipariş", "Tedarik Sürecinde"}));

    QVERIFY(popup->setChecked("Yok", true));
    QCOMPARE(grid_->visibleRecords(), (std::vector<int>{1, 7}));
    QVERIFY(grid_->proxy()->isFiltered(grid_->indexOf(grid_->column("DURUM"))));
    QVERIFY(popup->setChecked("Var", true));
    QCOMPARE(grid_->visibleRecords(), (std::vector<int>{0, 1, 3, 7}));
    QCOMPARE(popup->list()->item(0)->checkState(), Qt::Unchecked);
    QVERIFY(popup->setChecked(TGridFilterPopup::kAll, true));
    QCOMPARE(grid_->visibleRecordCount(), 8);
    QVERIFY(!grid_->isFiltered());
    popup->close();

    // The list offers what the other columns' filters leave.
    grid_->setColumnFilter("SATICIADI", {"Ahmet"});
    TGridFilterPopup* second = grid_->showFilterPopup("DURUM");
    QStringList left;
    for (int i = 1; i < second->list()->count(); ++i)
        left << second->list()->item(i)->text();
    QCOMPARE(left, (QStringList{"Var", "Yolda", "Tedarik Sürecinde"}));
    second->close();
}

void tst_GridView::filterButtonOpensListWithoutSorting()
{
    auto* header = qobject_cast<TGridHeader*>(grid_->horizontalHeader());
    const int satici = grid_->indexOf(grid_->column("SATICIADI"));
    const QRect button = header->filterButtonRect(satici);
    QVERIFY(!button.isEmpty());
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, button.center());
    TGridFilterPopup* popup = grid_->findChild<TGridFilterPopup*>();
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QCOMPARE(grid_->sortedColumn(), nullptr);
    QVERIFY(popup->setChecked("Zeynep", true));
    QCOMPARE(grid_->visibleRecords(), (std::vector<int>{1, 4}));
    popup->close();
    // No filter button on a grid without them.
    grid_->setFilterButtons(false);
    QVERIFY(header->filterButtonRect(satici).isEmpty());
}

void tst_GridView::footerSummaries_data()
{
    QTest::addColumn<QString>("filterColumn");
    QTest::addColumn<QStringList>("filterTexts");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("sum");
    QTest::newRow("all rows") << QString() << QStringList() << "8" << "1.503.646,34";
    QTest::newRow("filtered by icon text") << "DURUM" << QStringList{"Var"} << "2" << "435,50";
    QTest::newRow("filtered by seller") << "SATICIADI" << QStringList{"Ahmet"} << "3" << "260,59";
    QTest::newRow("nothing left") << "SATICIADI" << QStringList{"Yok Böyle"} << "0" << "0,00";
}

void tst_GridView::footerSummaries()
{
    QFETCH(QString, filterColumn);
    QFETCH(QStringList, filterTexts);
    QFETCH(QString, count);
    QFETCH(QString, sum);
    grid_->addFooterSummary({TGridSummary::Kind::Count, "BARKOD"});
    grid_->addFooterSummary({TGridSummary::Kind::Sum, "FIYAT"});
    if (!filterColumn.isEmpty())
        grid_->setColumnFilter(filterColumn, filterTexts);
    QCOMPARE(grid_->footerText("BARKOD"), count);
    QCOMPARE(grid_->footerText("FIYAT"), sum);
}

void tst_GridView::checkBoxToggleGoesToThePage()
{
    QList<int> toggled;
    // The page decides: here it flips SEC in the table, as the basket does before storing it.
    grid_->column("SEC")->setToggle([&](int record) {
        toggled << record;
        table_->SetRecNo(record);
        table_->Edit();
        table_->FieldByName("SEC").SetAsInteger(table_->FieldByName("SEC").AsInteger() == 0 ? 1 : 0);
        table_->Post();
    });
    QSignalSpy opened(grid_, &TGridView::recordDoubleClicked);
    grid_->sortBy("ADI", Qt::AscendingOrder);  // view rows 0, 1 are records 4, 6

    const QPoint check = cellRect(0, "SEC").center();
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, check);
    QTest::mouseDClick(grid_->viewport(), Qt::LeftButton, {}, check);
    QCOMPARE(toggled, QList<int>{4});
    QCOMPARE(table_->Data().AsInteger(4, table_->FieldIndex("SEC")), 1);
    QCOMPARE(opened.count(), 0);

    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, cellRect(1, "SEC").center());
    QTest::keyClick(grid_, Qt::Key_Space);
    QCOMPARE(toggled, (QList<int>{4, 6}));

    // Elsewhere on the row a double-click opens the line and toggles nothing.
    const QPoint text = cellRect(1, "ADI").center();
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, text);
    QTest::mouseDClick(grid_->viewport(), Qt::LeftButton, {}, text);
    QCOMPARE(toggled.size(), 2);
    QCOMPARE(opened.count(), 1);
    QCOMPARE(opened.at(0).at(0).toInt(), 6);
}

void tst_GridView::incrementalSearch_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("kept");
    QTest::newRow("prefix") << "ADI" << "fr" << 1 << "fr";
    QTest::newRow("dotless I") << "ADI" << "ış" << 2 << "ış";
    QTest::newRow("dotted İ") << "ADI" << "is" << 3 << "is";
    QTest::newRow("Ş") << "ADI" << "şan" << 5 << "şan";
    QTest::newRow("unmatched key refused") << "ADI" << "fx" << 1 << "f";
    QTest::newRow("money column") << "FIYAT" << "2.1" << 7 << "2.1";
    QTest::newRow("column without search") << "SEC" << "1" << 0 << "";
}

void tst_GridView::incrementalSearch()
{
    QFETCH(QString, column);
    QFETCH(QString, typed);
    QFETCH(int, record);
    QFETCH(QString, kept);
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, cellRect(0, column).center());
    QCOMPARE(grid_->focusedRecord(), 0);
    typeText(typed);
    QCOMPARE(grid_->focusedRecord(), record);
    QCOMPARE(grid_->incrementalSearchText(), kept);
    QCOMPARE(grid_->focusedColumn(), grid_->column(column));
    if (!kept.isEmpty()) {
        QTest::keyClick(grid_, Qt::Key_Backspace);
        QCOMPARE(grid_->incrementalSearchText(), kept.left(kept.size() - 1));
    }
}

void tst_GridView::groupingMakesGroupRowsWithSums()
{
    grid_->addFooterSummary({TGridSummary::Kind::Count, "BARKOD"});
    grid_->addGroupSummary({TGridSummary::Kind::Sum, "FIYAT"});
    grid_->addGroupSummary({TGridSummary::Kind::Count, "TARIH"});
    grid_->setGroupColumn("SATICIADI");
    TGridFilterProxy* proxy = grid_->proxy();
    using Kind = TGridFilterProxy::RowKind;

    QCOMPARE(grid_->groupCount(), 4);
    const QStringList texts{"Ahmet", "Çağla", "Ümit", "Zeynep"};
    const QStringList sums{"260,59", "310,50", "2.100,00", "1.500.975,25"};
    const QStringList counts{"3", "2", "1", "2"};
    const int fiyat = grid_->indexOf(grid_->column("FIYAT"));
    const int tarih = grid_->indexOf(grid_->column("TARIH"));
    for (int g = 0; g < 4; ++g) {
        QCOMPARE(proxy->groups()[g].text, texts[g]);
        QCOMPARE(proxy->groupFooterText(g, fiyat), sums[g]);
        QCOMPARE(proxy->groupFooterText(g, tarih), counts[g]);
    }
    // Header, the group's records, footer.
    QCOMPARE(proxy->rowCount(), 8 + 4 * 2);
    QCOMPARE(proxy->rowKind(0), Kind::GroupHeader);
    QCOMPARE(grid_->recordIndex(0), -1);
    QCOMPARE((QList<int>{grid_->recordIndex(1), grid_->recordIndex(2), grid_->recordIndex(3)}), (QList<int>{0, 2, 5}));
    QCOMPARE(proxy->rowKind(4), Kind::GroupFooter);
    QCOMPARE(proxy->groupAt(2), 0);
    QCOMPARE(proxy->groupAt(5), 1);
    QVERIFY(!grid_->grab().isNull());

    grid_->collapseAll();
    QCOMPARE(proxy->rowCount(), 8);
    QCOMPARE(grid_->visibleRecordCount(), 8);
    QCOMPARE(proxy->groupFooterText(3, fiyat), sums[3]);
    QCOMPARE(grid_->footerText("BARKOD"), QString("8"));
    // A double-click on a group row opens that group only.
    const QRect zeynep = grid_->visualRect(proxy->index(6, 2));
    QCOMPARE(proxy->rowKind(6), Kind::GroupHeader);
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, zeynep.center());
    QTest::mouseDClick(grid_->viewport(), Qt::LeftButton, {}, zeynep.center());
    QCOMPARE(proxy->rowCount(), 8 + 2);
    QCOMPARE(grid_->recordIndex(7), 1);

    grid_->setGroupColumn(QString());
    QCOMPARE(proxy->rowCount(), 8);
    QCOMPARE(grid_->recordIndex(0), 0);
}

void tst_GridView::bestFitWidensColumn()
{
    TGridColumn* adi = grid_->column("ADI");
    adi->setWidth(30);
    grid_->bestFit(adi);
    const QFontMetrics fm(grid_->font());
    QVERIFY2(adi->width() > fm.horizontalAdvance("Şanzıman Yağı"), qPrintable(QString::number(adi->width())));
    QCOMPARE(grid_->horizontalHeader()->sectionSize(grid_->indexOf(adi)), adi->width());

    // Sampling still sees the first rows of a long list.
    GridFixture::fill(*table_, 20000);
    adi->setWidth(30);
    grid_->bestFit(adi, 200);
    QVERIFY(adi->width() > fm.horizontalAdvance("Şanzıman Yağı"));
}

void tst_GridView::weightedWidthsApplyToVisibleColumns()
{
    // Visible weights: Durum 1, Seç 1, DEP Kod 2, Açıklama 4, Fiyat 2, Tarih 2, Satıcı 2 = 14.
    grid_->applyWeightedWidths(1430);
    QCOMPARE(grid_->column("ADI")->width(), 400);
    QCOMPARE(grid_->column("DURUM")->width(), 100);
    QCOMPARE(grid_->horizontalHeader()->sectionSize(grid_->indexOf(grid_->column("ADI"))), 400);
    QCOMPARE(grid_->column("STOK_STOKNO")->width(), 100);  // hidden: untouched (its initial width)
    grid_->column("TARIH")->setVisible(false);
    grid_->applyWeightedWidths(1230);
    QCOMPARE(grid_->column("ADI")->width(), 400);
}

void tst_GridView::detachAttachKeepsNoStaleRows()
{
    grid_->addFooterSummary({TGridSummary::Kind::Count, "BARKOD"});
    grid_->sortBy("FIYAT", Qt::DescendingOrder);
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, cellRect(5, "ADI").center());
    QCOMPARE(grid_->focusedRecord(), 2);

    grid_->detach();
    QCOMPARE(grid_->proxy()->rowCount(), 0);
    QCOMPARE(grid_->focusedRecord(), -1);
    QCOMPARE(grid_->footerText("BARKOD"), QString("0"));
    QVERIFY(!grid_->grab().isNull());

    // The worker's part: a smaller table while the view looks away.
    const TTableData full = GridFixture::sampleTable();
    TTableData small;
    for (int f = 0; f < full.FieldCount(); ++f)
        small.AddField(full.FieldDef(f));
    for (int r = 0; r < 3; ++r)
        small.AppendRowFrom(full, r);
    table_->SetData(std::move(small));
    table_->SetDisplayFormat(table_->FieldIndex("FIYAT"), "#,###,##0.00");
    QCOMPARE(grid_->proxy()->rowCount(), 0);

    QSignalSpy focused(grid_, &TGridView::focusedRecordChanged);
    grid_->attach();
    QCOMPARE(grid_->proxy()->rowCount(), 3);
    QCOMPARE(grid_->visibleRecords(), (std::vector<int>{1, 0, 2}));
    QCOMPARE(grid_->footerText("BARKOD"), QString("3"));
    QCOMPARE(grid_->focusedRecord(), 1);
    QCOMPARE(focused.count(), 1);
    QCOMPARE(grid_->proxy()->text(grid_->recordIndex(0), grid_->indexOf(grid_->column("ADI"))), QString("Fren Balatası"));
    QVERIFY(!grid_->grab().isNull());

    // Emptied without detaching: no row survives either.
    table_->EmptyDataSet();
    QCOMPARE(grid_->proxy()->rowCount(), 0);
    QCOMPARE(grid_->footerText("BARKOD"), QString("0"));
}

void tst_GridView::focusFollowsTheTable()
{
    QVERIFY(grid_->setFocusedRecord(5));
    QCOMPARE(table_->RecNo(), 5);
    QVERIFY(table_->Locate("STOK_STOKNO", 104));
    QCOMPARE(grid_->focusedRecord(), 3);
    grid_->setColumnFilter("SATICIADI", {"Zeynep"});
    QVERIFY(!grid_->setFocusedRecord(3));  // filtered out
    QCOMPARE(grid_->focusedRecord(), 1);
}

void tst_GridView::columnChooserListsOfferedColumns()
{
    std::unique_ptr<QMenu> menu(grid_->createHeaderMenu(grid_->indexOf(grid_->column("ADI"))));
    QStringList offered;
    QAction* adi = nullptr;
    for (QAction* a : menu->actions()) {
        if (!a->objectName().startsWith("columnChooser_"))
            continue;
        offered << a->text();
        QCOMPARE(a->isChecked(), true);
        if (a->objectName() == "columnChooser_ADI")
            adi = a;
    }
    QCOMPARE(offered, (QStringList{"Durum", "DEP Kod", "Açıklama", "Fiyat", "Tarih", "Satıcı"}));
    QVERIFY(adi);
    adi->trigger();
    QVERIFY(!grid_->column("ADI")->isVisible());
    QVERIFY(grid_->horizontalHeader()->isSectionHidden(grid_->indexOf(grid_->column("ADI"))));
    const auto visible = grid_->visibleColumns();
    QVERIFY(std::find(visible.begin(), visible.end(), grid_->column("ADI")) == visible.end());
}

void tst_GridView::buttonCellReportsItsRecord()
{
    TGridColumn* indir = grid_->addColumn("INDIR", QString(), "İndir", 1);
    indir->setKind(TGridColumn::Kind::Button);
    indir->setButtonText("İndir");
    indir->setWidth(80);
    grid_->sortBy("ADI", Qt::AscendingOrder);
    QSignalSpy clicked(grid_, &TGridView::buttonClicked);
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, cellRect(2, "INDIR").center());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 1);
    QCOMPARE(clicked.at(0).at(1).value<TGridColumn*>(), indir);
}

void tst_GridView::customPainterGetsRecordAndBackground()
{
    QList<int> painted;
    QColor selectedBackground;
    TGridColumn* info = grid_->addColumn("BILGI", QString(), "Fiyat Bilgisi", 2);
    info->setWidth(150);
    info->setPainter([&](QPainter& p, const QRect& r, int record, const TGridCellState& state) {
        painted << record;
        if (state.selected)
            selectedBackground = state.background;
        p.drawText(r, Qt::AlignRight | Qt::AlignVCenter, QString::number(record));
    });
    grid_->sortBy("FIYAT", Qt::DescendingOrder);
    QVERIFY(grid_->setFocusedRecord(7));
    painted.clear();
    grid_->viewport()->repaint();
    QVERIFY(painted.contains(1));
    QVERIFY(painted.contains(6));
    QCOMPARE(selectedBackground, grid_->selectionColor());
}

QTEST_MAIN(tst_GridView)
#include "tst_gridview.moc"
