#include "TGridView.h"

#include "GridWidths.h"
#include "TClientDataSet.h"
#include "TClientTableModel.h"
#include "TGridCellDelegate.h"
#include "TGridFilterPopup.h"
#include "TGridFilterProxy.h"
#include "TGridFooter.h"
#include "TGridHeader.h"
#include "TurkishText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kExpander = 22;  // width of a group row's expand mark

QColor blend(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(a.redF() * t + b.redF() * (1 - t), a.greenF() * t + b.greenF() * (1 - t),
                            a.blueF() * t + b.blueF() * (1 - t));
}

} // namespace

TGridView::TGridView(QWidget* parent) : QTableView(parent)
{
    proxy_ = new TGridFilterProxy(this);
    footer_ = new TGridFooter(this);  // before setModel: the model's signals already lay it out
    footer_->hide();
    header_ = new TGridHeader(this);
    setHorizontalHeader(header_);
    setModel(proxy_);
    delegate_ = new TGridCellDelegate(this);
    setItemDelegate(delegate_);

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setFocusPolicy(Qt::StrongFocus);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 12);
    verticalHeader()->setMinimumSectionSize(8);
    verticalHeader()->hide();
    header_->setSectionResizeMode(QHeaderView::Interactive);
    header_->setStretchLastSection(false);
    header_->setContextMenuPolicy(Qt::CustomContextMenu);

    connect(header_, &QHeaderView::sectionClicked, this, &TGridView::onHeaderClicked);
    connect(header_, &TGridHeader::filterButtonClicked, this, &TGridView::onFilterButton);
    connect(header_, &QHeaderView::sectionResized, this, &TGridView::onSectionResized);
    connect(header_, &QHeaderView::sectionMoved, footer_, qOverload<>(&QWidget::update));
    connect(header_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu* menu = createHeaderMenu(header_->logicalIndexAt(pos));
        menu->exec(header_->mapToGlobal(pos));
        delete menu;
    });
    connect(proxy_, &QAbstractItemModel::modelAboutToBeReset, this, &TGridView::onProxyAboutToReset);
    connect(proxy_, &TGridFilterProxy::rebuilt, this, &TGridView::onProxyRebuilt);
    connect(proxy_, &TGridFilterProxy::summariesChanged, this, &TGridView::refreshFooter);
}

TGridView::~TGridView() = default;

// ---- data source ---------------------------------------------------------------------------------

void TGridView::setDataSet(TClientDataSet* dataSet)
{
    TClientTableModel* old = ownTable_;
    ownTable_ = dataSet ? new TClientTableModel(dataSet, this) : nullptr;
    setTableModel(ownTable_);
    delete old;
}

void TGridView::setTableModel(TClientTableModel* model)
{
    if (table_)
        disconnect(table_, nullptr, this, nullptr);
    if (connectedDataSet_)
        disconnect(connectedDataSet_, nullptr, this, nullptr);
    table_ = model;
    connectedDataSet_ = model ? model->dataSet() : nullptr;
    if (table_)
        connect(table_, &QAbstractItemModel::modelAboutToBeReset, this, &TGridView::onSourceAboutToReset);
    if (connectedDataSet_)
        connect(connectedDataSet_, &TClientDataSet::currentChanged, this, &TGridView::onDataSetCurrentChanged);
    dataResetPending_ = true;
    proxy_->setSourceModel(model);
}

TClientDataSet* TGridView::dataSet() const
{
    return table_ ? table_->dataSet() : nullptr;
}

TClientTableModel* TGridView::tableModel() const
{
    return table_;
}

void TGridView::detach()
{
    search_.clear();
    if (table_)
        table_->detach();
}

void TGridView::attach()
{
    if (table_)
        table_->attach();
}

bool TGridView::isAttached() const
{
    return table_ && table_->isAttached();
}

void TGridView::beginUpdate()
{
    if (updating_++ == 0)
        setUpdatesEnabled(false);
}

void TGridView::endUpdate()
{
    if (updating_ == 0 || --updating_ > 0)
        return;
    setUpdatesEnabled(true);
    if (footerPending_)
        refreshFooter();
    viewport()->update();
    header_->viewport()->update();
}

// ---- columns -------------------------------------------------------------------------------------

TGridColumn* TGridView::addColumn(const QString& name, const QString& fieldName, const QString& caption, int weight)
{
    auto* column = new TGridColumn(name, fieldName, this);
    column->setCaption(caption);
    column->setWeight(weight);
    connect(column, &TGridColumn::changed, this, &TGridView::onColumnChanged);
    connect(column, &TGridColumn::fieldChanged, this, &TGridView::onColumnFieldChanged);
    columns_.push_back(column);
    resetColumns();
    return column;
}

void TGridView::clearColumns()
{
    const auto old = columns_;
    columns_.clear();
    defaultSortColumn_ = -1;
    resetColumns();
    qDeleteAll(old);
}

void TGridView::resetColumns()
{
    proxy_->setColumns(columns_);
    if (defaultSortColumn_ >= 0)
        proxy_->sort(defaultSortColumn_, defaultSortOrder_);
    applyColumnLayout();
}

TGridColumn* TGridView::column(const QString& name) const
{
    const int i = columnOf(name);
    return i >= 0 ? columns_[static_cast<std::size_t>(i)] : nullptr;
}

int TGridView::columnOf(const QString& name) const
{
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i]->name().compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

TGridColumn* TGridView::columnByField(const QString& fieldName) const
{
    for (TGridColumn* c : columns_)
        if (c->isBound() && c->fieldName().compare(fieldName, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

TGridColumn* TGridView::columnAt(int index) const
{
    return index >= 0 && index < gridColumnCount() ? columns_[static_cast<std::size_t>(index)] : nullptr;
}

int TGridView::indexOf(const TGridColumn* column) const
{
    const auto it = std::find(columns_.begin(), columns_.end(), column);
    return it == columns_.end() ? -1 : static_cast<int>(it - columns_.begin());
}

std::vector<TGridColumn*> TGridView::visibleColumns() const
{
    std::vector<TGridColumn*> out;
    for (int visual = 0; visual < header_->count(); ++visual) {
        const int logical = header_->logicalIndex(visual);
        TGridColumn* c = columnAt(logical);
        if (c && c->isVisible())
            out.push_back(c);
    }
    return out;
}

void TGridView::applyColumnLayout()
{
    applyingLayout_ = true;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const int logical = static_cast<int>(i);
        const TGridColumn* c = columns_[i];
        if (header_->isSectionHidden(logical) == c->isVisible())
            header_->setSectionHidden(logical, !c->isVisible());
        if (c->isVisible() && header_->sectionSize(logical) != c->width())
            header_->resizeSection(logical, c->width());
    }
    applyingLayout_ = false;
    footer_->update();
}

void TGridView::onColumnChanged(bool layout)
{
    if (layout) {
        applyColumnLayout();
        header_->viewport()->update();
        updateGeometries();
    }
    viewport()->update();
}

void TGridView::onColumnFieldChanged()
{
    proxy_->invalidate();
}

void TGridView::onSectionResized(int logical, int, int newSize)
{
    footer_->update();
    if (applyingLayout_)
        return;
    TGridColumn* c = columnAt(logical);
    if (c && !header_->isSectionHidden(logical)) {
        const QSignalBlocker block(c);
        c->setWidth(newSize);
    }
}

// ---- look ----------------------------------------------------------------------------------------

void TGridView::setHeaderHeight(int height)
{
    header_->setFixedHeaderHeight(height);
    updateGeometries();
}

int TGridView::headerHeight() const
{
    return header_->height();
}

void TGridView::setRowHeight(int height)
{
    verticalHeader()->setDefaultSectionSize(qMax(8, height));
}

int TGridView::rowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

void TGridView::setIndicatorWidth(int width)
{
    if (width <= 0) {
        verticalHeader()->hide();
        return;
    }
    verticalHeader()->setFixedWidth(width);
    verticalHeader()->setHighlightSections(true);
    verticalHeader()->show();
}

void TGridView::setSelectionBold(bool bold)
{
    selectionBold_ = bold;
    viewport()->update();
}

void TGridView::setRowColors(const QColor& even, const QColor& odd)
{
    evenRowColor_ = even;
    oddRowColor_ = odd;
    viewport()->update();
}

void TGridView::setHeaderColors(const QColor& background, const QColor& text)
{
    headerColor_ = background;
    headerTextColor_ = text;
    header_->setColors(headerColor_, headerTextColor_, QColor());
}

void TGridView::setHeaderColor(const QColor& c)
{
    setHeaderColors(c, headerTextColor_);
}

void TGridView::setHeaderTextColor(const QColor& c)
{
    setHeaderColors(headerColor_, c);
}

QColor TGridView::gridLineColor() const
{
    return gridLineColor_.isValid() ? gridLineColor_ : QColor(0xd2, 0xe1, 0xf2);
}

void TGridView::setGridLineColor(const QColor& c)
{
    gridLineColor_ = c;
    viewport()->update();
}

QColor TGridView::evenRowColor() const
{
    return evenRowColor_.isValid() ? evenRowColor_ : palette().color(QPalette::Base);
}

void TGridView::setEvenRowColor(const QColor& c)
{
    evenRowColor_ = c;
    viewport()->update();
}

QColor TGridView::oddRowColor() const
{
    return oddRowColor_.isValid() ? oddRowColor_ : palette().color(QPalette::AlternateBase);
}

void TGridView::setOddRowColor(const QColor& c)
{
    oddRowColor_ = c;
    viewport()->update();
}

QColor TGridView::selectionColor() const
{
    if (selectionColor_.isValid())
        return selectionColor_;
    return blend(palette().color(QPalette::Highlight), palette().color(QPalette::Base), 0.24);
}

void TGridView::setSelectionColor(const QColor& c)
{
    selectionColor_ = c;
    viewport()->update();
}

QColor TGridView::selectionTextColor() const
{
    return selectionTextColor_.isValid() ? selectionTextColor_ : palette().color(QPalette::Text);
}

void TGridView::setSelectionTextColor(const QColor& c)
{
    selectionTextColor_ = c;
    viewport()->update();
}

QColor TGridView::footerColor() const
{
    if (footerColor_.isValid())
        return footerColor_;
    return blend(palette().color(QPalette::Window), palette().color(QPalette::Base), 0.7);
}

void TGridView::setFooterColor(const QColor& c)
{
    footerColor_ = c;
    footer_->update();
    viewport()->update();
}

QColor TGridView::groupRowColor() const
{
    if (groupRowColor_.isValid())
        return groupRowColor_;
    return blend(palette().color(QPalette::Highlight), palette().color(QPalette::Base), 0.10);
}

void TGridView::setGroupRowColor(const QColor& c)
{
    groupRowColor_ = c;
    viewport()->update();
}

QColor TGridView::rowBackground(int viewRow, bool selected) const
{
    if (selected)
        return selectionColor();
    return viewRow % 2 == 0 ? evenRowColor() : oddRowColor();
}

// ---- behaviour -----------------------------------------------------------------------------------

void TGridView::setFilterButtons(bool on)
{
    header_->setFilterButtons(on);
}

bool TGridView::filterButtons() const
{
    return header_->filterButtons();
}

void TGridView::setSortingAllowed(bool on)
{
    sortingAllowed_ = on;
}

void TGridView::setDefaultSort(const QString& columnName, Qt::SortOrder order)
{
    defaultSortColumn_ = columnOf(columnName);
    defaultSortOrder_ = order;
    proxy_->sort(defaultSortColumn_, order);
}

void TGridView::sortBy(const QString& columnName, Qt::SortOrder order)
{
    proxy_->sort(columnOf(columnName), order);
    header_->viewport()->update();
}

void TGridView::clearSort()
{
    proxy_->sort(defaultSortColumn_, defaultSortOrder_);
    header_->viewport()->update();
}

void TGridView::removeSort()
{
    proxy_->sort(-1);
    header_->viewport()->update();
}

TGridColumn* TGridView::sortedColumn() const
{
    return columnAt(proxy_->sortColumn());
}

Qt::SortOrder TGridView::sortOrder() const
{
    return proxy_->sortOrder();
}

void TGridView::onHeaderClicked(int logical)
{
    const TGridColumn* c = columnAt(logical);
    if (!sortingAllowed_ || !c || !c->isSortable())
        return;
    if (QApplication::keyboardModifiers() & Qt::ControlModifier) {
        removeSort();
        return;
    }
    const Qt::SortOrder order = proxy_->sortColumn() == logical && proxy_->sortOrder() == Qt::AscendingOrder
                                    ? Qt::DescendingOrder
                                    : Qt::AscendingOrder;
    proxy_->sort(logical, order);
    header_->viewport()->update();
}

// ---- filters -------------------------------------------------------------------------------------

void TGridView::setColumnFilter(const QString& columnName, const QStringList& texts)
{
    const int c = columnOf(columnName);
    if (c < 0)
        return;
    proxy_->setFilter(c, texts);
    header_->viewport()->update();
    emit filterChanged();
}

QStringList TGridView::columnFilter(const QString& columnName) const
{
    return proxy_->filter(columnOf(columnName));
}

void TGridView::clearFilter()
{
    if (!proxy_->hasFilter())
        return;
    proxy_->clearFilters();
    header_->viewport()->update();
    emit filterChanged();
}

bool TGridView::isFiltered() const
{
    return proxy_->hasFilter();
}

TGridFilterPopup* TGridView::showFilterPopup(const QString& columnName)
{
    const int logical = columnOf(columnName);
    const TGridColumn* c = columnAt(logical);
    if (!c)
        return nullptr;
    auto* popup = new TGridFilterPopup(proxy_->distinctTexts(logical), proxy_->filter(logical), this);
    const QString name = c->name();
    connect(popup, &TGridFilterPopup::filterPicked, this,
            [this, name](const QStringList& texts) { setColumnFilter(name, texts); });
    const int x = header_->sectionViewportPosition(logical);
    popup->move(header_->mapToGlobal(QPoint(qMax(0, x), header_->height())));
    popup->show();
    return popup;
}

void TGridView::onFilterButton(int logical)
{
    if (const TGridColumn* c = columnAt(logical))
        showFilterPopup(c->name());
}

// ---- footer --------------------------------------------------------------------------------------

void TGridView::setFooterVisible(bool on)
{
    footerVisible_ = on;
    footer_->setVisible(on);
    updateGeometries();
}

void TGridView::addFooterSummary(const TGridSummary& summary)
{
    footer_->addSummary(summary);
    updateGeometries();
}

void TGridView::clearFooterSummaries()
{
    footer_->clearSummaries();
}

QString TGridView::footerText(const QString& columnName) const
{
    return footer_->text(columnName);
}

void TGridView::refreshFooter()
{
    if (isUpdating()) {
        footerPending_ = true;
        return;
    }
    footerPending_ = false;
    footer_->recompute();
    if (proxy_->groupColumn() >= 0)
        viewport()->update();
}

void TGridView::layoutFooter()
{
    if (!footerVisible_) {
        footer_->hide();
        return;
    }
    const QRect vg = viewport()->geometry();
    const int h = footer_->preferredHeight();
    footer_->setGeometry(vg.left(), vg.bottom() - h + 1, vg.width(), h);
    footer_->show();
    footer_->raise();
}

void TGridView::updateGeometries()
{
    if (inGeometry_)
        return;
    inGeometry_ = true;
    QTableView::updateGeometries();
    if (footerVisible_) {
        // The footer covers the bottom of the viewport; let the rows scroll out from under it.
        const int h = footer_->preferredHeight();
        const int maximum = qMax(0, verticalHeader()->length() - viewport()->height() + h);
        if (verticalScrollBar()->maximum() != maximum)
            verticalScrollBar()->setRange(0, maximum);
    }
    layoutFooter();
    inGeometry_ = false;
}

// ---- grouping ------------------------------------------------------------------------------------

void TGridView::setGroupColumn(const QString& columnName)
{
    proxy_->setGroupColumn(columnName.isEmpty() ? -1 : columnOf(columnName));
}

QString TGridView::groupColumnName() const
{
    const TGridColumn* c = columnAt(proxy_->groupColumn());
    return c ? c->name() : QString();
}

void TGridView::setGroupFootersVisible(bool on)
{
    proxy_->setGroupFooters(on);
}

void TGridView::addGroupSummary(const TGridSummary& summary)
{
    auto summaries = proxy_->groupSummaries();
    summaries.push_back(summary);
    proxy_->setGroupSummaries(summaries);
}

void TGridView::expandAll()
{
    proxy_->setAllGroupsExpanded(true);
}

void TGridView::collapseAll()
{
    proxy_->setAllGroupsExpanded(false);
}

int TGridView::groupCount() const
{
    return static_cast<int>(proxy_->groups().size());
}

void TGridView::toggleGroup(int row)
{
    const int g = proxy_->groupAt(row);
    if (g < 0)
        return;
    proxy_->setGroupExpanded(g, !proxy_->groups()[static_cast<std::size_t>(g)].expanded);
}

// ---- widths --------------------------------------------------------------------------------------

void TGridView::applyWeightedWidths(int gridWidth)
{
    std::vector<GridWidths::Column> input;
    input.reserve(columns_.size());
    for (const TGridColumn* c : columns_)
        input.push_back({c->weight(), c->isVisible(), c->width()});
    const std::vector<int> widths = GridWidths::weighted(gridWidth, input);
    beginUpdate();
    for (std::size_t i = 0; i < columns_.size(); ++i)
        columns_[i]->setWidth(widths[i]);
    endUpdate();
}

int TGridView::bestFitWidth(const TGridColumn* column, int sampleRows) const
{
    const int ci = indexOf(column);
    if (ci < 0)
        return 0;
    QFont hf = header_->font();
    hf.setBold(true);
    int width = QFontMetrics(hf).horizontalAdvance(column->headerText()) + 26;
    if (header_->hasFilterButton(ci))
        width += 20;

    QFont cf = font();
    if (selectionBold_)
        cf.setBold(true);
    const QFontMetrics fm(cf);
    if (footerVisible_) {
        const QString t = footer_->text(column->name());
        for (const QString& line : t.split(QLatin1Char('\n')))
            width = qMax(width, fm.horizontalAdvance(line) + 22);
    }
    int cells = 0;
    switch (column->kind()) {
    case TGridColumn::Kind::Icon: {
        cells = column->iconSize().width() + 10;
        if (column->showsIconText())
            for (const TGridColumn::IconItem& item : column->icons())
                cells = qMax(cells, column->iconSize().width() + 18 + fm.horizontalAdvance(item.description));
        break;
    }
    case TGridColumn::Kind::CheckBox: cells = 28; break;
    case TGridColumn::Kind::Progress: cells = 90; break;
    case TGridColumn::Kind::Button:
        cells = fm.horizontalAdvance(column->buttonText()) + (column->buttonIcon().isNull() ? 0 : 26) + 28;
        break;
    case TGridColumn::Kind::Custom:
        if (!column->valueProvider()) {
            cells = column->width();
            break;
        }
        [[fallthrough]];
    case TGridColumn::Kind::Text: {
        const std::vector<int>& records = proxy_->records();
        const std::size_t n = records.size();
        const std::size_t sample = static_cast<std::size_t>(qMax(1, sampleRows));
        auto measure = [&](int record) {
            const QString t = proxy_->text(record, ci);
            if (t.isEmpty())
                return;
            if (t.contains(QLatin1Char('\n'))) {
                for (const QString& line : t.split(QLatin1Char('\n')))
                    cells = qMax(cells, fm.horizontalAdvance(line));
            } else {
                cells = qMax(cells, fm.horizontalAdvance(t));
            }
        };
        if (n <= sample) {
            for (int r : records)
                measure(r);
        } else {
            // The first rows the user sees, then rows spread evenly over the rest.
            const std::size_t head = sample / 2;
            for (std::size_t i = 0; i < head; ++i)
                measure(records[i]);
            const std::size_t spread = sample - head;
            for (std::size_t k = 0; k < spread; ++k)
                measure(records[head + (n - head) * k / spread]);
        }
        if (cells > 0)
            cells += 14;
        break;
    }
    }
    return qMin(qMax(width, cells), 1200);
}

void TGridView::bestFit(TGridColumn* column, int sampleRows)
{
    beginUpdate();
    if (column) {
        column->setWidth(bestFitWidth(column, sampleRows));
    } else {
        for (TGridColumn* c : columns_)
            if (c->isVisible())
                c->setWidth(bestFitWidth(c, sampleRows));
    }
    endUpdate();
}

void TGridView::setColumnAutoWidth(bool on)
{
    autoWidth_ = on;
    if (on)
        fitAutoWidth();
}

void TGridView::fitAutoWidth()
{
    const int room = viewport()->width();
    int total = 0;
    for (const TGridColumn* c : columns_)
        if (c->isVisible())
            total += qMax(1, c->width());
    if (total <= 0 || room <= 0)
        return;
    applyingLayout_ = true;
    int used = 0;
    TGridColumn* last = nullptr;
    for (TGridColumn* c : columns_) {
        if (!c->isVisible())
            continue;
        const int w = static_cast<int>(std::floor(double(qMax(1, c->width())) * room / total));
        const QSignalBlocker block(c);
        c->setWidth(w);
        used += w;
        last = c;
    }
    if (last) {
        const QSignalBlocker block(last);
        last->setWidth(last->width() + room - used);
    }
    applyingLayout_ = false;
    applyColumnLayout();
}

void TGridView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    if (autoWidth_)
        fitAutoWidth();
    layoutFooter();
    emit gridResized(size());
}

// ---- rows and focus ------------------------------------------------------------------------------

int TGridView::recordIndex(int viewRow) const
{
    return proxy_->recordAt(viewRow);
}

int TGridView::viewRowOf(int record) const
{
    return proxy_->rowOf(record);
}

int TGridView::focusedRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

int TGridView::focusedRecord() const
{
    return recordIndex(focusedRow());
}

bool TGridView::setFocusedRecord(int record)
{
    const int row = proxy_->rowOf(record);
    if (row < 0)
        return false;
    setFocusedRow(row, currentIndex().isValid() ? currentIndex().column() : -1);
    scrollTo(currentIndex());
    return true;
}

TGridColumn* TGridView::focusedColumn() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? columnAt(current.column()) : nullptr;
}

void TGridView::setFocusedColumn(TGridColumn* column)
{
    const int c = indexOf(column);
    const int row = focusedRow();
    if (c >= 0 && row >= 0)
        setFocusedRow(row, c);
}

std::vector<int> TGridView::visibleRecords() const
{
    return proxy_->records();
}

int TGridView::visibleRecordCount() const
{
    return static_cast<int>(proxy_->records().size());
}

void TGridView::setFocusedRow(int row, int column)
{
    if (column < 0 || column >= gridColumnCount() || header_->isSectionHidden(column)) {
        column = -1;
        for (int visual = 0; visual < header_->count() && column < 0; ++visual) {
            const int logical = header_->logicalIndex(visual);
            if (!header_->isSectionHidden(logical))
                column = logical;
        }
    }
    const QModelIndex index = proxy_->index(row, qMax(0, column));
    if (!index.isValid())
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (!searching_ && (current.row() != previous.row() || current.column() != previous.column()))
        search_.clear();
    const int record = recordIndex(current.isValid() ? current.row() : -1);
    if (record == lastFocusedRecord_)
        return;
    lastFocusedRecord_ = record;
    TClientDataSet* ds = proxy_->dataSet();
    if (syncCurrent_ && !syncing_ && record >= 0 && ds && !ds->ControlsDisabled()
        && ds->DataSetState() == TClientDataSet::State::Browse && ds->RecNo() != record) {
        syncing_ = true;
        ds->SetRecNo(record);
        syncing_ = false;
    }
    emit focusedRecordChanged(record);
}

void TGridView::onDataSetCurrentChanged(int record)
{
    if (syncing_ || !syncCurrent_ || !isAttached() || record == focusedRecord())
        return;
    const int row = proxy_->rowOf(record);
    if (row < 0)
        return;
    syncing_ = true;
    setFocusedRow(row, currentIndex().isValid() ? currentIndex().column() : -1);
    scrollTo(currentIndex());
    syncing_ = false;
}

void TGridView::onSourceAboutToReset()
{
    dataResetPending_ = true;
}

void TGridView::onProxyAboutToReset()
{
    rememberedRecord_ = focusedRecord();
    rememberedColumn_ = currentIndex().isValid() ? currentIndex().column() : -1;
    const TClientDataSet* ds = proxy_->dataSet();
    rememberedCount_ = ds ? ds->RecordCount() : -1;
}

void TGridView::onProxyRebuilt()
{
    applyColumnLayout();
    search_.clear();
    const TClientDataSet* ds = proxy_->dataSet();
    const int count = ds ? ds->RecordCount() : -1;
    // A new content focuses the first row; the same content (a recount, a new sort or filter)
    // keeps the focused record where it still shows.
    const bool sameContent = !dataResetPending_ || (count == rememberedCount_ && count >= 0);
    if (dataResetPending_)
        lastFocusedRecord_ = -2;  // report the focus after a load even when the index is the same
    dataResetPending_ = false;
    syncing_ = true;
    if (proxy_->rowCount() > 0) {
        int row = sameContent && rememberedRecord_ >= 0 ? proxy_->rowOf(rememberedRecord_) : -1;
        if (row < 0)
            row = 0;
        setFocusedRow(row, rememberedColumn_);
        if (currentIndex().isValid())
            scrollTo(currentIndex());
    } else if (lastFocusedRecord_ != -1) {
        lastFocusedRecord_ = -1;
        emit focusedRecordChanged(-1);
    }
    syncing_ = false;
    refreshFooter();
    updateGeometries();
}

// ---- input ---------------------------------------------------------------------------------------

void TGridView::toggleCheck(int row, int column)
{
    const TGridColumn* c = columnAt(column);
    const int record = recordIndex(row);
    if (c && record >= 0 && c->kind() == TGridColumn::Kind::CheckBox && c->toggle())
        c->toggle()(record);
}

bool TGridView::incrementalFind(const QString& text, int fromRow)
{
    const int column = currentIndex().isValid() ? currentIndex().column() : -1;
    const int rows = proxy_->rowCount();
    if (column < 0 || rows == 0)
        return false;
    const QString folded = TurkishText::fold(text);
    const int start = qMax(0, fromRow);
    for (int i = 0; i < rows; ++i) {
        const int row = (start + i) % rows;
        const int record = proxy_->recordAt(row);
        if (record < 0)
            continue;
        if (TurkishText::startsWithFolded(proxy_->text(record, column), folded)) {
            searching_ = true;
            setFocusedRow(row, column);
            scrollTo(currentIndex());
            searching_ = false;
            return true;
        }
    }
    return false;
}

void TGridView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int row = focusedRow();
    const QModelIndex current = currentIndex();

    if (row >= 0 && proxy_->rowKind(row) == TGridFilterProxy::RowKind::GroupHeader && !mods) {
        const int g = proxy_->groupAt(row);
        const bool expanded = g >= 0 && proxy_->groups()[static_cast<std::size_t>(g)].expanded;
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Minus:
            if (expanded)
                toggleGroup(row);
            return;
        case Qt::Key_Right:
        case Qt::Key_Plus:
            if (!expanded)
                toggleGroup(row);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            toggleGroup(row);
            return;
        default:
            break;
        }
    }

    if (event->key() == Qt::Key_Space && !mods && search_.isEmpty() && current.isValid()) {
        const TGridColumn* c = columnAt(current.column());
        if (c && c->kind() == TGridColumn::Kind::CheckBox && c->toggle()) {
            toggleCheck(current.row(), current.column());
            return;
        }
    }

    if (incrementalSearch_) {
        if (event->key() == Qt::Key_Backspace && !search_.isEmpty()) {
            search_.chop(1);
            viewport()->update();
            return;
        }
        if (event->key() == Qt::Key_Escape && !search_.isEmpty()) {
            search_.clear();
            viewport()->update();
            return;
        }
        const QString text = event->text();
        if (!mods && !text.isEmpty() && text.at(0).isPrint()) {
            const TGridColumn* c = focusedColumn();
            if (c && c->incrementalSearch() && (c->kind() == TGridColumn::Kind::Text || c->kind() == TGridColumn::Kind::Icon
                                                || c->valueProvider())) {
                const QString candidate = search_ + text;
                if (incrementalFind(candidate, row))
                    search_ = candidate;
                viewport()->update();
            }
            return;
        }
    }
    search_.clear();
    QTableView::keyPressEvent(event);
}

void TGridView::mousePressEvent(QMouseEvent* event)
{
    search_.clear();
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    if (index.isValid() && event->button() == Qt::LeftButton) {
        if (proxy_->rowKind(index.row()) == TGridFilterProxy::RowKind::GroupHeader && pos.x() < kExpander + 6) {
            setFocusedRow(index.row(), index.column());
            toggleGroup(index.row());
            return;
        }
        const TGridColumn* c = columnAt(index.column());
        if (c && c->kind() == TGridColumn::Kind::Button && recordIndex(index.row()) >= 0
            && TGridCellDelegate::buttonRect(visualRect(index)).contains(pos)) {
            pressedRow_ = index.row();
            pressedColumn_ = index.column();
            delegate_->setPressed(pressedRow_, pressedColumn_);
            viewport()->update(visualRect(index));
        }
    }
    QTableView::mousePressEvent(event);
}

void TGridView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    if (pressedRow_ < 0)
        return;
    const QModelIndex pressed = proxy_->index(pressedRow_, pressedColumn_);
    const int record = recordIndex(pressedRow_);
    TGridColumn* c = columnAt(pressedColumn_);
    const bool inside = pressed.isValid() && TGridCellDelegate::buttonRect(visualRect(pressed)).contains(event->position().toPoint());
    pressedRow_ = pressedColumn_ = -1;
    delegate_->setPressed(-1, -1);
    if (pressed.isValid())
        viewport()->update(visualRect(pressed));
    if (inside && record >= 0 && c)
        emit buttonClicked(record, c);
}

void TGridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || event->button() != Qt::LeftButton)
        return;
    if (proxy_->rowKind(index.row()) == TGridFilterProxy::RowKind::GroupHeader) {
        toggleGroup(index.row());
        return;
    }
    const int record = recordIndex(index.row());
    if (record < 0)
        return;
    const TGridColumn* c = columnAt(index.column());
    if (c && c->kind() == TGridColumn::Kind::CheckBox && c->toggle()) {
        toggleCheck(index.row(), index.column());
        return;
    }
    if (c && c->kind() == TGridColumn::Kind::Button)
        return;
    emit recordDoubleClicked(record);
}

void TGridView::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    if (dx)
        footer_->update();
}

void TGridView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange
        || event->type() == QEvent::StyleChange) {
        footer_->setFont(font());
        footer_->update();
        updateGeometries();
    }
}

// ---- painting ------------------------------------------------------------------------------------

void TGridView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (proxy_->groupColumn() >= 0)
        paintGroupRows(event->rect());
    if (proxy_->rowCount() == 0 && isAttached() && gridColumnCount() > 0) {
        QPainter p(viewport());
        QColor c = palette().color(QPalette::Text);
        c.setAlpha(110);
        p.setPen(c);
        QRect area = viewport()->rect();
        if (footerVisible_)
            area.setBottom(area.bottom() - footer_->height());
        p.drawText(area.adjusted(0, 12, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Gösterilecek kayıt yok"));
    }
}

void TGridView::paintGroupRows(const QRect& exposed)
{
    const int first = qMax(0, rowAt(exposed.top()));
    int last = rowAt(exposed.bottom());
    if (last < 0)
        last = proxy_->rowCount() - 1;
    const TGridColumn* groupColumn = columnAt(proxy_->groupColumn());
    if (!groupColumn)
        return;
    QPainter p(viewport());
    QFont bold = font();
    bold.setBold(true);
    const int focused = focusedRow();
    for (int row = first; row <= last; ++row) {
        if (proxy_->rowKind(row) != TGridFilterProxy::RowKind::GroupHeader)
            continue;
        const int g = proxy_->groupAt(row);
        if (g < 0)
            continue;
        const TGridFilterProxy::Group& group = proxy_->groups()[static_cast<std::size_t>(g)];
        const QRect r(0, rowViewportPosition(row), viewport()->width(), rowHeight(row));
        p.fillRect(r.adjusted(0, 0, 0, -1), row == focused ? selectionColor() : groupRowColor());
        p.setPen(gridLineColor().darker(112));
        p.drawLine(r.bottomLeft(), r.bottomRight());

        // Expand mark: a small triangle pointing right (collapsed) or down (expanded).
        const QPointF c(r.left() + kExpander / 2.0 + 2, r.center().y() + 0.5);
        QPainterPath mark;
        if (group.expanded) {
            mark.moveTo(c.x() - 4, c.y() - 2);
            mark.lineTo(c.x() + 4, c.y() - 2);
            mark.lineTo(c.x(), c.y() + 3);
        } else {
            mark.moveTo(c.x() - 2, c.y() - 4);
            mark.lineTo(c.x() + 3, c.y());
            mark.lineTo(c.x() - 2, c.y() + 4);
        }
        mark.closeSubpath();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(palette().color(QPalette::Highlight));
        p.drawPath(mark);
        p.setRenderHint(QPainter::Antialiasing, false);

        const QString value = group.text.isEmpty() ? TGridFilterPopup::kBlank : group.text;
        const QRect textRect = r.adjusted(kExpander + 6, 0, -6, -1);
        p.setFont(bold);
        p.setPen(palette().color(QPalette::Text));
        const QString caption = groupColumn->headerText() + QStringLiteral(": ") + value;
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, caption);
        const int used = QFontMetrics(bold).horizontalAdvance(caption);
        QColor muted = palette().color(QPalette::Text);
        muted.setAlpha(140);
        p.setFont(font());
        p.setPen(muted);
        p.drawText(textRect.adjusted(used + 8, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("(%1)").arg(group.count));
    }
}

// ---- header menu ---------------------------------------------------------------------------------

QMenu* TGridView::createHeaderMenu(int columnIndex)
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("gridHeaderMenu"));
    TGridColumn* c = columnAt(columnIndex);
    if (c && sortingAllowed_ && c->isSortable()) {
        const QString name = c->name();
        menu->addAction(QStringLiteral("Artan Sırala"), this, [this, name] { sortBy(name, Qt::AscendingOrder); });
        menu->addAction(QStringLiteral("Azalan Sırala"), this, [this, name] { sortBy(name, Qt::DescendingOrder); });
        QAction* none = menu->addAction(QStringLiteral("Sıralamayı Kaldır"), this, [this] { removeSort(); });
        none->setEnabled(proxy_->sortColumn() >= 0);
        menu->addSeparator();
    }
    if (c && groupingAllowed_) {
        const QString name = c->name();
        menu->addAction(QStringLiteral("Bu Sütuna Göre Grupla"), this, [this, name] { setGroupColumn(name); });
        if (proxy_->groupColumn() >= 0) {
            menu->addAction(QStringLiteral("Gruplamayı Kaldır"), this, [this] { setGroupColumn(QString()); });
            menu->addAction(QStringLiteral("Tümünü Aç"), this, [this] { expandAll(); });
            menu->addAction(QStringLiteral("Tümünü Kapat"), this, [this] { collapseAll(); });
        }
        menu->addSeparator();
    }
    if (c) {
        menu->addAction(QStringLiteral("En Uygun Genişlik"), this, [this, c] { bestFit(c); });
        menu->addAction(QStringLiteral("Tüm Sütunlar En Uygun Genişlik"), this, [this] { bestFit(); });
    }
    if (isFiltered())
        menu->addAction(QStringLiteral("Filtreyi Temizle"), this, [this] { clearFilter(); });
    if (columnChooser_) {
        bool any = false;
        for (TGridColumn* col : columns_) {
            if (!col->isOffered())
                continue;
            if (!any) {
                menu->addSection(QStringLiteral("Sütunlar"));
                any = true;
            }
            QAction* a = menu->addAction(col->headerText());
            a->setObjectName(QStringLiteral("columnChooser_") + col->name());
            a->setCheckable(true);
            a->setChecked(col->isVisible());
            connect(a, &QAction::toggled, this, [this, col](bool on) {
                // The last visible column stays: a grid without columns cannot be got back.
                if (!on && visibleColumns().size() <= 1)
                    return;
                col->setVisible(on);
                emit columnVisibilityChanged(col);
            });
        }
    }
    return menu;
}
