#pragma once
#include <QByteArray>
#include <QList>

class DataSnapTable;
class DataSnapObject;

// What a remote method answers: its output parameters and return value as JSON pieces, in
// declaration order. A stream result is kept as bytes; its size out parameter is filled in when
// the body is written, so that a fault can announce a different size.
class MethodResult {
public:
    static MethodResult none() { return {}; }
    static MethodResult value(const QByteArray& rawJson);
    static MethodResult table(const DataSnapTable& table);
    static MethodResult object(const DataSnapObject& object);
    static MethodResult nullObject();
    static MethodResult integer(qint64 v);
    static MethodResult boolean(bool v);
    static MethodResult text(const QString& v);
    // [size] + extra out parameters + [stream]: the layout of every stream method.
    static MethodResult stream(const QByteArray& bytes, const QList<QByteArray>& outsAfterSize = {});

    MethodResult& add(const QByteArray& rawJson);

    bool hasStream() const { return hasStream_; }
    const QByteArray& streamBytes() const { return stream_; }
    QByteArray body(int streamSizeDelta = 0) const; // {"result":[...]}

private:
    QList<QByteArray> values_;
    bool hasStream_ = false;
    QByteArray stream_;
};
