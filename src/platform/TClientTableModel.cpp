#include "TClientTableModel.h"

#include "TClientDataSet.h"

TClientTableModel::TClientTableModel(TClientDataSet* dataSet, QObject* parent)
    : QAbstractTableModel(parent), ds_(dataSet)
{
    connect(dataSet, &TClientDataSet::aboutToReset, this, &TClientTableModel::onAboutToReset);
    connect(dataSet, &TClientDataSet::dataReset, this, &TClientTableModel::onDataReset);
    connect(dataSet, &TClientDataSet::rowChanged, this, &TClientTableModel::onRowChanged);
    connect(dataSet, &QObject::destroyed, this, [this] {
        // The table's members are gone by now; never read it again.
        ds_.clear();
        beginResetModel();
        endResetModel();
    });
}

void TClientTableModel::detach()
{
    if (!attached_)
        return;
    beginResetModel();
    detachedHeader_.clear();
    if (ds_)
        for (int f = 0; f < ds_->FieldCount(); ++f)
            detachedHeader_ << ds_->FieldDef(f).Name;
    attached_ = false;
    resetting_ = false;
    endResetModel();
}

void TClientTableModel::attach()
{
    if (attached_)
        return;
    beginResetModel();
    attached_ = true;
    detachedHeader_.clear();
    endResetModel();
}

void TClientTableModel::onAboutToReset()
{
    if (!Live() || resetting_)
        return;
    resetting_ = true;
    beginResetModel();
}

void TClientTableModel::onDataReset()
{
    if (!Live())
        return;
    if (!resetting_)
        beginResetModel();
    resetting_ = false;
    endResetModel();
}

void TClientTableModel::onRowChanged(int row)
{
    if (!Live() || resetting_ || row < 0 || row >= rowCount())
        return;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int TClientTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !Live() ? 0 : ds_->RecordCount();
}

int TClientTableModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    if (!Live())
        return static_cast<int>(detachedHeader_.size());
    return ds_->FieldCount();
}

QVariant TClientTableModel::data(const QModelIndex& index, int role) const
{
    // Bounds come from the table itself: a view may ask before it has seen a reset.
    if (!Live() || !index.isValid())
        return {};
    const int row = index.row();
    const int field = index.column();
    if (row >= ds_->RecordCount() || field >= ds_->FieldCount())
        return {};
    const TTableData& data = ds_->Data();
    const TColumn& column = data.Column(field);
    const TFieldType type = column.Def().DataType;
    switch (role) {
    case Qt::DisplayRole:
        return ds_->DisplayText(row, field);
    case Qt::EditRole:
    case Qt::UserRole:
        return column.Value(row);
    case SortRole:
        if (column.IsNull(row))
            return {};
        switch (type) {
        case TFieldType::String: return column.AsString(row);
        case TFieldType::Integer: return column.RawInteger(row);
        case TFieldType::LargeInt: return qlonglong(column.RawLargeInt(row));
        case TFieldType::Boolean: return column.RawBoolean(row) ? 1.0 : 0.0;
        default: return column.RawFloat(row);
        }
    case Qt::TextAlignmentRole:
        if (type == TFieldType::Integer || type == TFieldType::LargeInt || type == TFieldType::Float
            || type == TFieldType::BCD)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::CheckStateRole:
        if (type == TFieldType::Boolean)
            return column.AsBoolean(row) ? Qt::Checked : Qt::Unchecked;
        return {};
    default:
        return {};
    }
}

QVariant TClientTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < 0 || section >= columnCount())
        return {};
    return Live() ? ds_->FieldDef(section).Name : detachedHeader_[section];
}

Qt::ItemFlags TClientTableModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
