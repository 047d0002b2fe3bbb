#pragma once
#include "TGridSummary.h"

#include <QAbstractProxyModel>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include <vector>

class TClientDataSet;
class TClientTableModel;
class TGridColumn;

// The rows a TGridView shows over a TClientTableModel: its columns are the grid's columns (bound to
// fields by name, or unbound), its rows the table's records that pass the header filters, in the
// order of the sort column, optionally grouped by one column with a header row and a footer row per
// group.
//
// Nothing is kept per record but one index vector (view order) and its reverse; cells are read from
// the table's typed columns when asked. Sorting builds one key vector and compares typed keys
// (numbers, dates as numbers, texts by Turkish collation on their UTF-8 bytes, most pairs decided by
// an integer prefix). Filters hold, per column, the set of cell texts the user picked.
//
// Every change of data, filter, sort or grouping rebuilds the rows (a model reset); a changed row of
// the table only repaints and updates the group sums, so a row does not jump away under the user.
// While the table model is detached the proxy shows no rows and never reads the table.
class TGridFilterProxy : public QAbstractProxyModel {
    Q_OBJECT
public:
    enum class RowKind { Record, GroupHeader, GroupFooter };

    struct Group {
        QString text;       // the group column's text shared by the group
        int first = 0;      // range in records()
        int count = 0;
        bool expanded = true;
        int headerRow = 0;  // the group's header row in the view
    };

    explicit TGridFilterProxy(QObject* parent = nullptr);

    void setSourceModel(QAbstractItemModel* model) override;  // a TClientTableModel
    TClientTableModel* tableModel() const;
    // The table while the model is attached, else null.
    TClientDataSet* dataSet() const;

    void setColumns(const std::vector<TGridColumn*>& columns);
    const std::vector<TGridColumn*>& columns() const { return columns_; }
    TGridColumn* column(int index) const;
    // Field index of a column in the table, -1 when unbound or absent.
    int fieldOf(int column) const;

    // Cells. The text is what the cell shows, filters list and search and grouping compare (the
    // description for an icon cell); the value is the typed cell (invalid for null).
    QString text(int record, int column) const;
    QVariant value(int record, int column) const;

    // Rows.
    int recordAt(int row) const;  // -1 for a group row or out of range
    RowKind rowKind(int row) const;
    int groupAt(int row) const;   // the group of any row while grouped, else -1
    int rowOf(int record) const;  // -1 when filtered out or inside a collapsed group
    const std::vector<int>& records() const { return records_; }  // filtered, view order

    // Sorting; column -1 shows the table's order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }

    // Header filters: the texts a column's cells may have; an empty list clears that filter.
    void setFilter(int column, const QStringList& texts);
    QStringList filter(int column) const;
    bool isFiltered(int column) const { return filters_.contains(column); }
    bool hasFilter() const { return !filters_.isEmpty(); }
    void clearFilters();
    // The different texts of a column over the rows the other columns' filters let through, in the
    // column's sort order.
    QStringList distinctTexts(int column) const;

    // Grouping by one column (-1: none), ascending by that column, then by the sort column.
    void setGroupColumn(int column);
    int groupColumn() const { return groupColumn_; }
    void setGroupFooters(bool on);
    bool groupFooters() const { return groupFooters_; }
    void setGroupSummaries(const std::vector<TGridSummary>& summaries);
    const std::vector<TGridSummary>& groupSummaries() const { return groupSummaries_; }
    const std::vector<Group>& groups() const { return groups_; }
    void setGroupExpanded(int group, bool expanded);
    void setAllGroupsExpanded(bool expanded);
    // A group footer cell: the group summaries under that column, one per line.
    QString groupFooterText(int group, int column) const;

    // A summary over the filtered rows (group -1) or one group; for a Sum, 0 without such a field.
    double summaryValue(const TGridSummary& summary, int group = -1) const;
    QString summaryText(const TGridSummary& summary, int group = -1) const;
    int columnIndex(const QString& name) const;

    // Rebuilds now (after a column's field or look changed).
    void invalidate();

    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // After every rebuild; the view restores its focus and the footer recounts.
    void rebuilt();
    // After a changed row of the table has been repainted.
    void summariesChanged();

private:
    void onSourceAboutToReset();
    void onSourceReset();
    void onSourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void rebuild();
    void buildRows();
    void computeGroupValues();
    void resolveFields();
    bool passes(int record, int skipColumn) const;
    void sortRecords(std::vector<int>& records, int column, bool descending) const;
    bool hasRecord(int record) const;

    QPointer<TClientTableModel> table_;
    std::vector<TGridColumn*> columns_;
    std::vector<int> fields_;
    std::vector<int> records_;
    std::vector<int> rows_;      // grouped: record, or -1-2g (header) / -2-2g (footer)
    std::vector<int> rowOfRecord_;
    QHash<int, QSet<QString>> filters_;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    int groupColumn_ = -1;
    bool groupFooters_ = true;
    std::vector<TGridSummary> groupSummaries_;
    std::vector<Group> groups_;
    std::vector<double> groupValues_;  // groups × groupSummaries
    QSet<QString> collapsed_;          // group texts, kept across reloads
    bool resetting_ = false;
};
