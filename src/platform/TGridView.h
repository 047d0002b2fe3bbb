#pragma once
#include "TGridColumn.h"
#include "TGridSummary.h"

#include <QColor>
#include <QPointer>
#include <QTableView>

#include <vector>

class QMenu;
class TClientDataSet;
class TClientTableModel;
class TGridCellDelegate;
class TGridFilterPopup;
class TGridFilterProxy;
class TGridFooter;
class TGridHeader;

// The data grid of every list in the program: a read-only table view over a TClientDataSet with
// columns bound to fields by name (TGridColumn), whole-row selection, incremental search by typing,
// header filter buttons, a column chooser in the header's context menu, sorting by header click (or
// none), footer summaries, grouping by one column with group rows and group footers, best fit and
// the weighted width rule, and detach/attach for the background loading pattern.
//
// A page declares its grid once:
//     grid->setDataSet(stok);
//     auto* durum = grid->addColumn("cxGrid1DBTableView1DURUM", "DURUM", "Durum", 1);
//     durum->addIcon(1, varIcon, "Var");                       // icon cells by value
//     grid->addColumn("cxGrid1DBTableView1ADI", "ADI", "Açıklama", 4)->setWrapText(true);
//     auto* fiyat = grid->addColumn("cxGrid1DBTableView1FiyatBilgisi", "", "Fiyat Bilgisi", 2);
//     fiyat->setPainter([](QPainter& p, const QRect& r, int record, const TGridCellState& s) { … });
//     grid->addFooterSummary({TGridSummary::Kind::Count, "cxGrid1DBTableView1OEM1"});
//     grid->setDefaultSort("cxGrid1DBTableView1DURUM", Qt::DescendingOrder);
// and loads it with detach() → fill the table on a worker → attach().
//
// Rows of the view are not records of the table: recordIndex(viewRow) and focusedRecord() give the
// table's record whatever the sort, filter or grouping; visibleRecords() is the filtered set.
// Focus follows the table: a record the user focuses becomes the table's current record, and a
// Locate or SetRecNo on the table moves the focus to it.
//
// Colours come from the palette unless set (also from a style sheet: qproperty-headerColor, …):
// header (Button/ButtonText), rows (Base, AlternateBase), selection (a light tint of Highlight with
// Text), grid lines (a light blue).
class TGridView : public QTableView {
    Q_OBJECT
    Q_PROPERTY(QColor headerColor READ headerColor WRITE setHeaderColor)
    Q_PROPERTY(QColor headerTextColor READ headerTextColor WRITE setHeaderTextColor)
    Q_PROPERTY(QColor gridLineColor READ gridLineColor WRITE setGridLineColor)
    Q_PROPERTY(QColor evenRowColor READ evenRowColor WRITE setEvenRowColor)
    Q_PROPERTY(QColor oddRowColor READ oddRowColor WRITE setOddRowColor)
    Q_PROPERTY(QColor selectionColor READ selectionColor WRITE setSelectionColor)
    Q_PROPERTY(QColor selectionTextColor READ selectionTextColor WRITE setSelectionTextColor)
    Q_PROPERTY(QColor footerColor READ footerColor WRITE setFooterColor)
    Q_PROPERTY(QColor groupRowColor READ groupRowColor WRITE setGroupRowColor)
public:
    explicit TGridView(QWidget* parent = nullptr);
    ~TGridView() override;

    // Data source. setDataSet makes the view's own table model; setTableModel shares one.
    void setDataSet(TClientDataSet* dataSet);
    void setTableModel(TClientTableModel* model);
    TClientDataSet* dataSet() const;
    TClientTableModel* tableModel() const;
    TGridFilterProxy* proxy() const { return proxy_; }
    // detach(): no rows, the table is not read until attach(), which shows it again.
    void detach();
    void attach();
    bool isAttached() const;
    // Nested; painting and footer updates wait until the last endUpdate().
    void beginUpdate();
    void endUpdate();
    bool isUpdating() const { return updating_ > 0; }

    // Columns, in their declared order (the user may move them; visibleColumns() follows the screen).
    TGridColumn* addColumn(const QString& name, const QString& fieldName, const QString& caption = QString(),
                           int weight = 1);
    void clearColumns();
    TGridColumn* column(const QString& name) const;
    TGridColumn* columnByField(const QString& fieldName) const;
    TGridColumn* columnAt(int index) const;
    int gridColumnCount() const { return static_cast<int>(columns_.size()); }
    const std::vector<TGridColumn*>& gridColumns() const { return columns_; }
    std::vector<TGridColumn*> visibleColumns() const;
    int indexOf(const TGridColumn* column) const;

    // Look.
    void setHeaderHeight(int height);
    int headerHeight() const;
    void setRowHeight(int height);  // every row has this height
    int rowHeight() const;
    using QTableView::rowHeight;
    void setIndicatorWidth(int width);  // the row indicator strip; 0 hides it
    void setSelectionBold(bool bold);
    bool selectionBold() const { return selectionBold_; }
    void setRowColors(const QColor& even, const QColor& odd);
    void setHeaderColors(const QColor& background, const QColor& text);
    QColor headerColor() const { return headerColor_; }
    void setHeaderColor(const QColor& c);
    QColor headerTextColor() const { return headerTextColor_; }
    void setHeaderTextColor(const QColor& c);
    QColor gridLineColor() const;
    void setGridLineColor(const QColor& c);
    QColor evenRowColor() const;
    void setEvenRowColor(const QColor& c);
    QColor oddRowColor() const;
    void setOddRowColor(const QColor& c);
    QColor selectionColor() const;
    void setSelectionColor(const QColor& c);
    QColor selectionTextColor() const;
    void setSelectionTextColor(const QColor& c);
    QColor footerColor() const;
    void setFooterColor(const QColor& c);
    QColor groupRowColor() const;
    void setGroupRowColor(const QColor& c);
    // The background of a view row: selection colour, else even or odd row colour.
    QColor rowBackground(int viewRow, bool selected) const;

    // Behaviour.
    void setFilterButtons(bool on);
    bool filterButtons() const;
    void setColumnChooser(bool on) { columnChooser_ = on; }
    bool columnChooser() const { return columnChooser_; }
    void setSortingAllowed(bool on);  // false: header clicks never reorder the rows
    bool sortingAllowed() const { return sortingAllowed_; }
    void setIncrementalSearchEnabled(bool on) { incrementalSearch_ = on; }
    bool incrementalSearchEnabled() const { return incrementalSearch_; }
    void setSyncCurrentRecord(bool on) { syncCurrent_ = on; }

    // Sorting. The default sort is applied now and again by clearSort().
    void setDefaultSort(const QString& columnName, Qt::SortOrder order);
    void sortBy(const QString& columnName, Qt::SortOrder order);
    void clearSort();  // back to the default sort, or the table's order
    void removeSort(); // the table's order
    TGridColumn* sortedColumn() const;
    Qt::SortOrder sortOrder() const;

    // Header filters.
    void setColumnFilter(const QString& columnName, const QStringList& texts);
    QStringList columnFilter(const QString& columnName) const;
    void clearFilter();
    bool isFiltered() const;
    // Opens the header filter list of a column (as its filter button does) and returns it.
    TGridFilterPopup* showFilterPopup(const QString& columnName);

    // Footer.
    void setFooterVisible(bool on);
    bool isFooterVisible() const { return footerVisible_; }
    void addFooterSummary(const TGridSummary& summary);
    void clearFooterSummaries();
    QString footerText(const QString& columnName) const;
    TGridFooter* footer() const { return footer_; }

    // Grouping.
    void setGroupColumn(const QString& columnName);  // empty: no grouping
    QString groupColumnName() const;
    void setGroupFootersVisible(bool on);
    void addGroupSummary(const TGridSummary& summary);
    void setGroupingAllowed(bool on) { groupingAllowed_ = on; }  // offered in the header menu
    void expandAll();
    void collapseAll();
    int groupCount() const;

    // Widths.
    void applyWeightedWidths(int gridWidth);  // the weighted width rule
    void applyWeightedWidths() { applyWeightedWidths(width()); }
    // Fits visible columns (or one) to header and contents, measuring at most sampleRows rows.
    void bestFit(TGridColumn* column = nullptr, int sampleRows = 1000);
    int bestFitWidth(const TGridColumn* column, int sampleRows = 1000) const;
    void setColumnAutoWidth(bool on);  // columns share the grid's width (no weights)

    // Rows.
    int recordIndex(int viewRow) const;
    int viewRowOf(int record) const;
    int focusedRow() const;
    int focusedRecord() const;  // -1 on a group row or when nothing is focused
    bool setFocusedRecord(int record);
    TGridColumn* focusedColumn() const;
    void setFocusedColumn(TGridColumn* column);
    std::vector<int> visibleRecords() const;
    int visibleRecordCount() const;
    QString incrementalSearchText() const { return search_; }

    // The header's context menu for a column (-1: outside any): the column chooser, sorting,
    // best fit, filter and grouping entries. The caller owns it.
    QMenu* createHeaderMenu(int columnIndex);

signals:
    void focusedRecordChanged(int record);
    void recordDoubleClicked(int record);
    void buttonClicked(int record, TGridColumn* column);
    void gridResized(const QSize& size);
    void columnVisibilityChanged(TGridColumn* column);
    void filterChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;

private:
    void onColumnChanged(bool layout);
    void onColumnFieldChanged();
    void onProxyAboutToReset();
    void onProxyRebuilt();
    void onSourceAboutToReset();
    void onSectionResized(int logical, int oldSize, int newSize);
    void onHeaderClicked(int logical);
    void onFilterButton(int logical);
    void onDataSetCurrentChanged(int record);
    void applyColumnLayout();
    void resetColumns();
    void refreshFooter();
    void layoutFooter();
    void toggleCheck(int row, int column);
    bool incrementalFind(const QString& text, int fromRow);
    void paintGroupRows(const QRect& exposed);
    void setFocusedRow(int row, int column = -1);
    void toggleGroup(int row);
    void fitAutoWidth();
    int columnOf(const QString& name) const;

    TGridFilterProxy* proxy_ = nullptr;
    TGridHeader* header_ = nullptr;
    TGridCellDelegate* delegate_ = nullptr;
    TGridFooter* footer_ = nullptr;
    QPointer<TClientTableModel> table_;
    TClientTableModel* ownTable_ = nullptr;
    QPointer<TClientDataSet> connectedDataSet_;
    std::vector<TGridColumn*> columns_;

    QColor headerColor_;
    QColor headerTextColor_;
    QColor gridLineColor_;
    QColor evenRowColor_;
    QColor oddRowColor_;
    QColor selectionColor_;
    QColor selectionTextColor_;
    QColor footerColor_;
    QColor groupRowColor_;

    int updating_ = 0;
    bool selectionBold_ = false;
    bool columnChooser_ = true;
    bool sortingAllowed_ = true;
    bool incrementalSearch_ = true;
    bool syncCurrent_ = true;
    bool footerVisible_ = false;
    bool groupingAllowed_ = false;
    bool autoWidth_ = false;
    bool inGeometry_ = false;
    bool applyingLayout_ = false;
    bool syncing_ = false;
    bool searching_ = false;
    bool footerPending_ = false;
    bool dataResetPending_ = false;
    int defaultSortColumn_ = -1;
    Qt::SortOrder defaultSortOrder_ = Qt::AscendingOrder;
    int rememberedRecord_ = -1;
    int rememberedColumn_ = -1;
    int rememberedCount_ = -1;
    int lastFocusedRecord_ = -2;
    QString search_;
    int pressedRow_ = -1;
    int pressedColumn_ = -1;
};
