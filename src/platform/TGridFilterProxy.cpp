#include "TGridFilterProxy.h"

#include "FormatFloat.h"
#include "TClientDataSet.h"
#include "TClientTableModel.h"
#include "TGridColumn.h"
#include "TurkishText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace {

struct TextKey {
    std::uint64_t prefix;
    std::string_view bytes;
    int record;
};

struct NumberKey {
    double value;
    int record;
};

double numberOf(const TColumn& c, int r)
{
    if (c.IsNull(r))
        return -std::numeric_limits<double>::infinity();
    switch (c.Def().DataType) {
    case TFieldType::Integer: return c.RawInteger(r);
    case TFieldType::LargeInt: return static_cast<double>(c.RawLargeInt(r));
    case TFieldType::Boolean: return c.RawBoolean(r) ? 1.0 : 0.0;
    case TFieldType::String: return 0.0;
    default: return c.RawFloat(r);
    }
}

bool isNumeric(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

void sortTextKeys(std::vector<TextKey>& keys, bool descending)
{
    auto less = [](const TextKey& a, const TextKey& b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        return TurkishText::compare(a.bytes, b.bytes) < 0;
    };
    if (descending)
        std::stable_sort(keys.begin(), keys.end(), [&](const TextKey& a, const TextKey& b) { return less(b, a); });
    else
        std::stable_sort(keys.begin(), keys.end(), less);
}

void sortNumberKeys(std::vector<NumberKey>& keys, bool descending)
{
    if (descending)
        std::stable_sort(keys.begin(), keys.end(), [](const NumberKey& a, const NumberKey& b) { return a.value > b.value; });
    else
        std::stable_sort(keys.begin(), keys.end(), [](const NumberKey& a, const NumberKey& b) { return a.value < b.value; });
}

} // namespace

TGridFilterProxy::TGridFilterProxy(QObject* parent) : QAbstractProxyModel(parent) {}

void TGridFilterProxy::setSourceModel(QAbstractItemModel* model)
{
    beginResetModel();
    if (table_)
        disconnect(table_, nullptr, this, nullptr);
    table_ = qobject_cast<TClientTableModel*>(model);
    QAbstractProxyModel::setSourceModel(table_);
    if (table_) {
        connect(table_, &QAbstractItemModel::modelAboutToBeReset, this, &TGridFilterProxy::onSourceAboutToReset);
        connect(table_, &QAbstractItemModel::modelReset, this, &TGridFilterProxy::onSourceReset);
        connect(table_, &QAbstractItemModel::dataChanged, this, &TGridFilterProxy::onSourceDataChanged);
    }
    resetting_ = false;
    rebuild();
    endResetModel();
    emit rebuilt();
}

TClientTableModel* TGridFilterProxy::tableModel() const
{
    return table_;
}

TClientDataSet* TGridFilterProxy::dataSet() const
{
    return table_ && table_->isAttached() ? table_->dataSet() : nullptr;
}

void TGridFilterProxy::setColumns(const std::vector<TGridColumn*>& columns)
{
    beginResetModel();
    columns_ = columns;
    filters_.clear();
    sortColumn_ = -1;
    groupColumn_ = -1;
    rebuild();
    endResetModel();
    emit rebuilt();
}

TGridColumn* TGridFilterProxy::column(int index) const
{
    return index >= 0 && index < static_cast<int>(columns_.size()) ? columns_[static_cast<std::size_t>(index)] : nullptr;
}

int TGridFilterProxy::fieldOf(int column) const
{
    return column >= 0 && column < static_cast<int>(fields_.size()) ? fields_[static_cast<std::size_t>(column)] : -1;
}

int TGridFilterProxy::columnIndex(const QString& name) const
{
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i]->name().compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

bool TGridFilterProxy::hasRecord(int record) const
{
    const TClientDataSet* ds = dataSet();
    return ds && record >= 0 && record < ds->Data().RowCount();
}

QString TGridFilterProxy::text(int record, int column) const
{
    const TGridColumn* col = this->column(column);
    if (!col || !hasRecord(record))
        return {};
    const int field = fieldOf(column);
    if (field < 0) {
        if (col->valueProvider())
            return col->valueProvider()(record).toString();
        return {};
    }
    const TClientDataSet* ds = dataSet();
    if (col->kind() == TGridColumn::Kind::Icon) {
        const TGridColumn::IconItem* item = col->iconFor(ds->Data().Value(record, field));
        if (item && !item->description.isEmpty())
            return item->description;
    }
    if (field >= ds->FieldCount())
        return {};
    return ds->DisplayText(record, field);
}

QVariant TGridFilterProxy::value(int record, int column) const
{
    const TGridColumn* col = this->column(column);
    if (!col || !hasRecord(record))
        return {};
    const int field = fieldOf(column);
    if (field < 0)
        return col->valueProvider() ? col->valueProvider()(record) : QVariant();
    const TClientDataSet* ds = dataSet();
    if (field >= ds->FieldCount())
        return {};
    return ds->Data().Value(record, field);
}

int TGridFilterProxy::recordAt(int row) const
{
    if (row < 0)
        return -1;
    if (groupColumn_ < 0)
        return row < static_cast<int>(records_.size()) ? records_[static_cast<std::size_t>(row)] : -1;
    if (row >= static_cast<int>(rows_.size()))
        return -1;
    const int code = rows_[static_cast<std::size_t>(row)];
    return code >= 0 ? code : -1;
}

TGridFilterProxy::RowKind TGridFilterProxy::rowKind(int row) const
{
    if (groupColumn_ < 0 || row < 0 || row >= static_cast<int>(rows_.size()))
        return RowKind::Record;
    const int code = rows_[static_cast<std::size_t>(row)];
    if (code >= 0)
        return RowKind::Record;
    return (-code) % 2 == 1 ? RowKind::GroupHeader : RowKind::GroupFooter;
}

int TGridFilterProxy::groupAt(int row) const
{
    if (groupColumn_ < 0 || row < 0 || row >= static_cast<int>(rows_.size()))
        return -1;
    const int code = rows_[static_cast<std::size_t>(row)];
    if (code < 0)
        return (-code - 1) / 2;
    // A record row: the last group whose header comes before it.
    const auto it = std::upper_bound(groups_.begin(), groups_.end(), row,
                                     [](int r, const Group& g) { return r < g.headerRow; });
    return it == groups_.begin() ? -1 : static_cast<int>(it - groups_.begin()) - 1;
}

int TGridFilterProxy::rowOf(int record) const
{
    if (record < 0 || record >= static_cast<int>(rowOfRecord_.size()))
        return -1;
    return rowOfRecord_[static_cast<std::size_t>(record)];
}

void TGridFilterProxy::sort(int column, Qt::SortOrder order)
{
    if (column >= static_cast<int>(columns_.size()))
        column = -1;
    beginResetModel();
    sortColumn_ = column;
    sortOrder_ = order;
    rebuild();
    endResetModel();
    emit rebuilt();
}

void TGridFilterProxy::setFilter(int column, const QStringList& texts)
{
    if (!this->column(column))
        return;
    beginResetModel();
    if (texts.isEmpty())
        filters_.remove(column);
    else
        filters_.insert(column, QSet<QString>(texts.begin(), texts.end()));
    rebuild();
    endResetModel();
    emit rebuilt();
}

QStringList TGridFilterProxy::filter(int column) const
{
    const auto it = filters_.constFind(column);
    if (it == filters_.constEnd())
        return {};
    QStringList list(it->begin(), it->end());
    list.sort();
    return list;
}

void TGridFilterProxy::clearFilters()
{
    if (filters_.isEmpty())
        return;
    beginResetModel();
    filters_.clear();
    rebuild();
    endResetModel();
    emit rebuilt();
}

QStringList TGridFilterProxy::distinctTexts(int column) const
{
    const TClientDataSet* ds = dataSet();
    if (!ds || !this->column(column))
        return {};
    QHash<QString, int> seen;
    std::vector<int> representatives;
    const int n = ds->Data().RowCount();
    for (int r = 0; r < n; ++r) {
        if (!passes(r, column))
            continue;
        const QString t = text(r, column);
        if (!seen.contains(t)) {
            seen.insert(t, r);
            representatives.push_back(r);
        }
    }
    sortRecords(representatives, column, false);
    QStringList out;
    out.reserve(static_cast<qsizetype>(representatives.size()));
    for (int r : representatives)
        out << text(r, column);
    return out;
}

void TGridFilterProxy::setGroupColumn(int column)
{
    if (!this->column(column))
        column = -1;
    if (column == groupColumn_)
        return;
    beginResetModel();
    groupColumn_ = column;
    collapsed_.clear();
    rebuild();
    endResetModel();
    emit rebuilt();
}

void TGridFilterProxy::setGroupFooters(bool on)
{
    if (on == groupFooters_)
        return;
    beginResetModel();
    groupFooters_ = on;
    buildRows();
    endResetModel();
    emit rebuilt();
}

void TGridFilterProxy::setGroupSummaries(const std::vector<TGridSummary>& summaries)
{
    groupSummaries_ = summaries;
    computeGroupValues();
    emit summariesChanged();
}

void TGridFilterProxy::setGroupExpanded(int group, bool expanded)
{
    if (group < 0 || group >= static_cast<int>(groups_.size()) || groups_[static_cast<std::size_t>(group)].expanded == expanded)
        return;
    beginResetModel();
    Group& g = groups_[static_cast<std::size_t>(group)];
    g.expanded = expanded;
    if (expanded)
        collapsed_.remove(g.text);
    else
        collapsed_.insert(g.text);
    buildRows();
    endResetModel();
    emit rebuilt();
}

void TGridFilterProxy::setAllGroupsExpanded(bool expanded)
{
    if (groupColumn_ < 0)
        return;
    beginResetModel();
    collapsed_.clear();
    for (Group& g : groups_) {
        g.expanded = expanded;
        if (!expanded)
            collapsed_.insert(g.text);
    }
    buildRows();
    endResetModel();
    emit rebuilt();
}

double TGridFilterProxy::summaryValue(const TGridSummary& summary, int group) const
{
    int first = 0;
    int count = static_cast<int>(records_.size());
    if (group >= 0) {
        if (group >= static_cast<int>(groups_.size()))
            return 0;
        first = groups_[static_cast<std::size_t>(group)].first;
        count = groups_[static_cast<std::size_t>(group)].count;
    }
    if (summary.kind == TGridSummary::Kind::Count)
        return count;
    const TClientDataSet* ds = dataSet();
    if (!ds)
        return 0;
    QString fieldName = summary.field;
    if (fieldName.isEmpty()) {
        const TGridColumn* col = column(columnIndex(summary.column));
        fieldName = col ? col->fieldName() : QString();
    }
    const int field = ds->FieldIndex(fieldName);
    if (field < 0)
        return 0;
    const TColumn& c = ds->Data().Column(field);
    const int rows = ds->Data().RowCount();
    double sum = 0;
    for (int i = first; i < first + count; ++i) {
        const int r = records_[static_cast<std::size_t>(i)];
        if (r >= rows || c.IsNull(r))
            continue;
        if (c.Def().DataType == TFieldType::String)
            continue;
        sum += numberOf(c, r);
    }
    return sum;
}

QString TGridFilterProxy::summaryText(const TGridSummary& summary, int group) const
{
    double v = 0;
    if (group >= 0 && !groupValues_.empty()) {
        // Group values are cached per rebuild; find the summary's slot.
        std::size_t slot = 0;
        for (; slot < groupSummaries_.size(); ++slot) {
            const TGridSummary& s = groupSummaries_[slot];
            if (s.kind == summary.kind && s.column == summary.column && s.field == summary.field && s.format == summary.format)
                break;
        }
        if (slot < groupSummaries_.size() && group < static_cast<int>(groups_.size()))
            v = groupValues_[static_cast<std::size_t>(group) * groupSummaries_.size() + slot];
        else
            v = summaryValue(summary, group);
    } else {
        v = summaryValue(summary, group);
    }
    QString format = summary.format;
    if (format.isEmpty() && summary.kind == TGridSummary::Kind::Sum) {
        if (const TClientDataSet* ds = dataSet()) {
            QString fieldName = summary.field;
            if (fieldName.isEmpty()) {
                const TGridColumn* col = column(columnIndex(summary.column));
                fieldName = col ? col->fieldName() : QString();
            }
            const int field = ds->FieldIndex(fieldName);
            if (field >= 0)
                format = ds->DisplayFormat(field);
        }
    }
    if (format.isEmpty())
        return summary.kind == TGridSummary::Kind::Count ? QString::number(static_cast<qint64>(v)) : FloatToStr(v);
    return FormatFloat(format, v);
}

QString TGridFilterProxy::groupFooterText(int group, int column) const
{
    const TGridColumn* col = this->column(column);
    if (!col)
        return {};
    QStringList lines;
    for (const TGridSummary& s : groupSummaries_)
        if (s.column.compare(col->name(), Qt::CaseInsensitive) == 0)
            lines << summaryText(s, group);
    return lines.join(QLatin1Char('\n'));
}

void TGridFilterProxy::invalidate()
{
    beginResetModel();
    rebuild();
    endResetModel();
    emit rebuilt();
}

void TGridFilterProxy::onSourceAboutToReset()
{
    if (resetting_)
        return;
    resetting_ = true;
    beginResetModel();
}

void TGridFilterProxy::onSourceReset()
{
    if (!resetting_)
        beginResetModel();
    resetting_ = false;
    rebuild();
    endResetModel();
    emit rebuilt();
}

void TGridFilterProxy::onSourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    if (resetting_ || columns_.empty())
        return;
    for (int record = topLeft.row(); record <= bottomRight.row(); ++record) {
        const int row = rowOf(record);
        if (row >= 0)
            emit dataChanged(index(row, 0), index(row, static_cast<int>(columns_.size()) - 1));
    }
    computeGroupValues();
    emit summariesChanged();
}

void TGridFilterProxy::resolveFields()
{
    fields_.assign(columns_.size(), -1);
    const TClientDataSet* ds = dataSet();
    if (!ds)
        return;
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i]->isBound())
            fields_[i] = ds->FieldIndex(columns_[i]->fieldName());
}

bool TGridFilterProxy::passes(int record, int skipColumn) const
{
    for (auto it = filters_.constBegin(); it != filters_.constEnd(); ++it) {
        if (it.key() == skipColumn)
            continue;
        if (!it->contains(text(record, it.key())))
            return false;
    }
    return true;
}

void TGridFilterProxy::sortRecords(std::vector<int>& records, int column, bool descending) const
{
    const TClientDataSet* ds = dataSet();
    const TGridColumn* col = this->column(column);
    if (!ds || !col || records.size() < 2)
        return;
    const int field = fieldOf(column);
    if (field >= 0 && field < ds->FieldCount()) {
        const TColumn& c = ds->Data().Column(field);
        if (c.Def().DataType == TFieldType::String) {
            std::vector<TextKey> keys;
            keys.reserve(records.size());
            for (int r : records) {
                const std::string_view bytes = c.IsNull(r) ? std::string_view() : c.StringBytes(r);
                keys.push_back({TurkishText::sortPrefix(bytes), bytes, r});
            }
            sortTextKeys(keys, descending);
            for (std::size_t i = 0; i < keys.size(); ++i)
                records[i] = keys[i].record;
        } else {
            std::vector<NumberKey> keys;
            keys.reserve(records.size());
            for (int r : records)
                keys.push_back({numberOf(c, r), r});
            sortNumberKeys(keys, descending);
            for (std::size_t i = 0; i < keys.size(); ++i)
                records[i] = keys[i].record;
        }
        return;
    }
    if (field >= 0 || !col->valueProvider())
        return;
    // Unbound: ask the provider once per row; numbers by value, anything else by its text.
    std::vector<QVariant> values;
    values.reserve(records.size());
    bool allNumeric = true;
    for (int r : records) {
        values.push_back(col->valueProvider()(r));
        allNumeric = allNumeric && (isNumeric(values.back()) || !values.back().isValid());
    }
    if (allNumeric) {
        std::vector<NumberKey> keys;
        keys.reserve(records.size());
        for (std::size_t i = 0; i < records.size(); ++i)
            keys.push_back({values[i].isValid() ? values[i].toDouble() : -std::numeric_limits<double>::infinity(), records[i]});
        sortNumberKeys(keys, descending);
        for (std::size_t i = 0; i < keys.size(); ++i)
            records[i] = keys[i].record;
        return;
    }
    std::vector<std::string> texts;
    texts.reserve(records.size());
    for (const QVariant& v : values)
        texts.push_back(v.toString().toStdString());
    std::vector<TextKey> keys;
    keys.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i)
        keys.push_back({TurkishText::sortPrefix(texts[i]), texts[i], records[i]});
    sortTextKeys(keys, descending);
    for (std::size_t i = 0; i < keys.size(); ++i)
        records[i] = keys[i].record;
}

void TGridFilterProxy::rebuild()
{
    resolveFields();
    records_.clear();
    groups_.clear();
    const TClientDataSet* ds = dataSet();
    const int n = ds ? ds->Data().RowCount() : 0;
    records_.reserve(static_cast<std::size_t>(n));
    if (filters_.isEmpty()) {
        for (int r = 0; r < n; ++r)
            records_.push_back(r);
    } else {
        for (int r = 0; r < n; ++r)
            if (passes(r, -1))
                records_.push_back(r);
    }
    if (sortColumn_ >= 0)
        sortRecords(records_, sortColumn_, sortOrder_ == Qt::DescendingOrder);
    if (groupColumn_ >= 0 && !records_.empty()) {
        // Stable: inside a group the sort column's order stays.
        sortRecords(records_, groupColumn_, false);
        QString current;
        for (std::size_t i = 0; i < records_.size(); ++i) {
            const QString t = text(records_[i], groupColumn_);
            if (groups_.empty() || t != current) {
                current = t;
                groups_.push_back({t, static_cast<int>(i), 0, !collapsed_.contains(t), 0});
            }
            ++groups_.back().count;
        }
    }
    computeGroupValues();
    buildRows();
}

void TGridFilterProxy::buildRows()
{
    rows_.clear();
    const TClientDataSet* ds = dataSet();
    rowOfRecord_.assign(ds ? static_cast<std::size_t>(ds->Data().RowCount()) : 0u, -1);
    if (groupColumn_ < 0) {
        for (std::size_t i = 0; i < records_.size(); ++i)
            rowOfRecord_[static_cast<std::size_t>(records_[i])] = static_cast<int>(i);
        return;
    }
    rows_.reserve(records_.size() + groups_.size() * 2);
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        Group& group = groups_[g];
        group.headerRow = static_cast<int>(rows_.size());
        rows_.push_back(-1 - 2 * static_cast<int>(g));
        if (group.expanded) {
            for (int i = group.first; i < group.first + group.count; ++i) {
                const int record = records_[static_cast<std::size_t>(i)];
                rowOfRecord_[static_cast<std::size_t>(record)] = static_cast<int>(rows_.size());
                rows_.push_back(record);
            }
        }
        if (groupFooters_)
            rows_.push_back(-2 - 2 * static_cast<int>(g));
    }
}

void TGridFilterProxy::computeGroupValues()
{
    groupValues_.clear();
    if (groups_.empty() || groupSummaries_.empty())
        return;
    groupValues_.reserve(groups_.size() * groupSummaries_.size());
    for (std::size_t g = 0; g < groups_.size(); ++g)
        for (const TGridSummary& s : groupSummaries_)
            groupValues_.push_back(summaryValue(s, static_cast<int>(g)));
}

QModelIndex TGridFilterProxy::mapToSource(const QModelIndex& proxyIndex) const
{
    if (!proxyIndex.isValid() || !table_)
        return {};
    const int record = recordAt(proxyIndex.row());
    const int field = fieldOf(proxyIndex.column());
    if (record < 0 || field < 0)
        return {};
    return table_->index(record, field);
}

QModelIndex TGridFilterProxy::mapFromSource(const QModelIndex& sourceIndex) const
{
    if (!sourceIndex.isValid())
        return {};
    const int row = rowOf(sourceIndex.row());
    if (row < 0)
        return {};
    for (std::size_t c = 0; c < fields_.size(); ++c)
        if (fields_[c] == sourceIndex.column())
            return index(row, static_cast<int>(c));
    return index(row, 0);
}

QModelIndex TGridFilterProxy::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex TGridFilterProxy::parent(const QModelIndex&) const
{
    return {};
}

int TGridFilterProxy::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || resetting_)
        return 0;
    return static_cast<int>(groupColumn_ < 0 ? records_.size() : rows_.size());
}

int TGridFilterProxy::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TGridFilterProxy::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || resetting_)
        return {};
    const RowKind kind = rowKind(index.row());
    if (kind != RowKind::Record) {
        if (role != Qt::DisplayRole)
            return {};
        const int g = groupAt(index.row());
        if (kind == RowKind::GroupFooter)
            return groupFooterText(g, index.column());
        return g >= 0 ? groups_[static_cast<std::size_t>(g)].text : QString();
    }
    const int record = recordAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return text(record, index.column());
    case Qt::EditRole:
    case Qt::UserRole:
        return value(record, index.column());
    case Qt::TextAlignmentRole:
        if (const TGridColumn* col = column(index.column()))
            return static_cast<int>(col->alignment());
        return {};
    default:
        return {};
    }
}

QVariant TGridFilterProxy::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    const TGridColumn* col = column(section);
    if (!col)
        return {};
    if (role == Qt::DisplayRole)
        return col->headerText();
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(col->headerAlignment() | Qt::TextWordWrap);
    return {};
}

Qt::ItemFlags TGridFilterProxy::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
