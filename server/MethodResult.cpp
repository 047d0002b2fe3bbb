#include "MethodResult.h"
#include "DataSnapObject.h"
#include "DataSnapTable.h"
#include "JsonText.h"

MethodResult MethodResult::value(const QByteArray& rawJson)
{
    MethodResult r;
    r.values_.append(rawJson);
    return r;
}

MethodResult MethodResult::table(const DataSnapTable& table) { return value(table.toJson()); }
MethodResult MethodResult::object(const DataSnapObject& object) { return value(object.toJson()); }
MethodResult MethodResult::nullObject() { return value(JsonText::null()); }
MethodResult MethodResult::integer(qint64 v) { return value(JsonText::integer(v)); }
MethodResult MethodResult::boolean(bool v) { return value(JsonText::boolean(v)); }
MethodResult MethodResult::text(const QString& v) { return value(JsonText::string(v)); }

MethodResult MethodResult::stream(const QByteArray& bytes, const QList<QByteArray>& outsAfterSize)
{
    MethodResult r;
    r.hasStream_ = true;
    r.stream_ = bytes;
    r.values_ = outsAfterSize;
    return r;
}

MethodResult& MethodResult::add(const QByteArray& rawJson)
{
    values_.append(rawJson);
    return *this;
}

QByteArray MethodResult::body(int streamSizeDelta) const
{
    QByteArray out;
    out.reserve((hasStream_ ? stream_.size() * 4 : 0) + 64);
    out.append("{\"result\":[");
    bool first = true;
    if (hasStream_) {
        out.append(QByteArray::number(qint64(stream_.size()) + streamSizeDelta));
        first = false;
    }
    for (const QByteArray& v : values_) {
        if (!first)
            out.append(',');
        first = false;
        out.append(v);
    }
    if (hasStream_) {
        out.append(',');
        out.append(JsonText::bytes(stream_));
    }
    out.append("]}");
    return out;
}
