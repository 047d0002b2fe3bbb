#include "DataSnapTable.h"
#include "JsonText.h"

#include <QSqlQuery>
#include <QSqlRecord>

using namespace protokol;

DataSnapTable::DataSnapTable(std::initializer_list<Column> columns)
{
    for (const Column& c : columns)
        addColumn(c.name, c.type, c.size);
}

int DataSnapTable::addColumn(const QString& name, DbxTipi type, int size)
{
    Q_ASSERT(rows_ == 0);
    if (size <= 0) {
        switch (type) {
        case DbxAnsiString:
        case DbxWideString: size = 50; break;
        case DbxBoolean:
        case DbxInt16: size = 2; break;
        case DbxInt32:
        case DbxDate: size = 4; break;
        default: size = 8; break;
        }
    }
    columns_.push_back({name, type, size});
    cells_.push_back({});
    return int(columns_.size()) - 1;
}

int DataSnapTable::indexOf(const QString& name) const
{
    for (size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].name == name)
            return int(i);
    return -1;
}

void DataSnapTable::appendRow(const QVariantList& values)
{
    Q_ASSERT(values.size() == qsizetype(columns_.size()));
    for (int c = 0; c < int(columns_.size()); ++c)
        appendCell(c, c < values.size() ? values[c] : QVariant());
    ++rows_;
}

void DataSnapTable::appendQuery(QSqlQuery& query)
{
    const int n = int(columns_.size());
    while (query.next()) {
        for (int c = 0; c < n; ++c)
            appendCell(c, query.value(c));
        ++rows_;
    }
}

void DataSnapTable::appendCell(int column, const QVariant& value)
{
    Cells& cells = cells_[size_t(column)];
    if (rows_ > 0)
        cells.text.append(',');
    if (value.isNull() || !value.isValid()) {
        cells.text.append("null");
        return;
    }
    switch (columns_[size_t(column)].type) {
    case DbxAnsiString:
    case DbxWideString: {
        const QString s = value.toString();
        cells.maxLength = std::max(cells.maxLength, int(s.size()));
        JsonText::appendString(cells.text, s);
        break;
    }
    case DbxBoolean:
        cells.text.append(JsonText::boolean(value.toBool()));
        break;
    case DbxInt16:
    case DbxInt32:
    case DbxInt64:
        cells.text.append(JsonText::integer(value.toLongLong()));
        break;
    case DbxDate:
        cells.text.append(JsonText::date(value.typeId() == QMetaType::QString
                                             ? QDate::fromString(value.toString().left(10), Qt::ISODate)
                                             : value.toDate()));
        break;
    case DbxDateTime:
    case DbxTimeStamp: {
        QDateTime dt = value.typeId() == QMetaType::QString
            ? QDateTime::fromString(value.toString(), Qt::ISODateWithMs)
            : value.toDateTime();
        if (!dt.isValid() && value.typeId() == QMetaType::QString)
            dt = QDateTime::fromString(value.toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
        cells.text.append(JsonText::dateTime(dt));
        break;
    }
    default:
        cells.text.append(JsonText::real(value.toDouble()));
        break;
    }
}

QByteArray DataSnapTable::toJson() const
{
    QByteArray out;
    qsizetype total = 64;
    for (const Cells& c : cells_)
        total += c.text.size() + 64;
    out.reserve(total);
    out.append("{\"table\":[");
    for (size_t i = 0; i < columns_.size(); ++i) {
        const Column& c = columns_[i];
        if (i)
            out.append(',');
        out.append('[');
        JsonText::appendString(out, c.name);
        int size = c.size;
        if (c.type == DbxWideString || c.type == DbxAnsiString)
            size = std::max(size, cells_[i].maxLength);
        out.append(',' + QByteArray::number(int(c.type)) + ',' + QByteArray::number(qulonglong(i))
                   + ",0,0," + QByteArray::number(size) + ",0,0,false,false,0,false,false]");
    }
    out.append(']');
    for (size_t i = 0; i < columns_.size(); ++i) {
        out.append(',');
        JsonText::appendString(out, columns_[i].name);
        out.append(":[");
        out.append(cells_[i].text);
        out.append(']');
    }
    out.append('}');
    return out;
}
