#include "DsTable.h"

DsTable::DsTable(const QJsonValue& value) : object_(value.toObject())
{
    if (!value.isObject() || !object_.value(QLatin1String("table")).isArray()) {
        problem_ = QStringLiteral("no table member");
        return;
    }
    descriptors_ = object_.value(QLatin1String("table")).toArray();
    rows_ = -1;
    for (int i = 0; i < descriptors_.size(); ++i) {
        const QJsonArray d = descriptors_.at(i).toArray();
        if (d.size() != 13 || !d.at(0).isString() || !d.at(1).isDouble() || d.at(2).toInt(-1) != i
            || !d.at(5).isDouble()) {
            problem_ = QStringLiteral("bad descriptor %1").arg(i);
            return;
        }
        const QJsonValue column = object_.value(d.at(0).toString());
        if (!column.isArray()) {
            problem_ = QStringLiteral("no values for %1").arg(d.at(0).toString());
            return;
        }
        const int n = int(column.toArray().size());
        if (rows_ >= 0 && n != rows_) {
            problem_ = QStringLiteral("column %1 has %2 values, expected %3").arg(d.at(0).toString()).arg(n).arg(rows_);
            return;
        }
        rows_ = n;
    }
    if (object_.size() != descriptors_.size() + 1)
        problem_ = QStringLiteral("members without descriptor");
    if (rows_ < 0)
        rows_ = 0;
}

QStringList DsTable::names() const
{
    QStringList out;
    for (const QJsonValue& d : descriptors_)
        out << d.toArray().at(0).toString();
    return out;
}

int DsTable::type(const QString& column) const
{
    for (const QJsonValue& d : descriptors_)
        if (d.toArray().at(0).toString() == column)
            return d.toArray().at(1).toInt();
    return -1;
}

QJsonValue DsTable::value(const QString& column, int row) const
{
    return object_.value(column).toArray().at(row);
}

int DsTable::find(const QString& column, const QJsonValue& v) const
{
    const QJsonArray values = object_.value(column).toArray();
    for (int i = 0; i < values.size(); ++i)
        if (values.at(i) == v)
            return i;
    return -1;
}
