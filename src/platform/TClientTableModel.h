#pragma once
#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

class TClientDataSet;

// The item model a grid shows a TClientDataSet through: one column per field, cells read straight
// from the table's columns, nothing kept per row.
//
// Roles: DisplayRole the field's display text (TClientDataSet::DisplayText); EditRole and UserRole the
// typed value (QString, int, qlonglong, double, QDate, QDateTime, bool; null invalid); SortRole a value
// that sorts cheaply (numbers, dates and booleans as double, text as QString); TextAlignmentRole right
// for numeric fields; CheckStateRole for boolean fields. Header: the field name.
//
// detach() cuts the model off while a worker fills the table: it then shows no rows, keeps the
// header it had and ignores the table's signals; attach() shows the table again with a model reset.
// Use only on the interface thread.
class TClientTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit TClientTableModel(TClientDataSet* dataSet, QObject* parent = nullptr);

    TClientDataSet* dataSet() const { return ds_; }
    bool isAttached() const noexcept { return attached_; }
    void detach();
    void attach();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void onAboutToReset();
    void onDataReset();
    void onRowChanged(int row);
    bool Live() const noexcept { return attached_ && ds_; }

    QPointer<TClientDataSet> ds_;
    QStringList detachedHeader_;
    bool attached_ = true;
    bool resetting_ = false;
};
