#pragma once
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

// Writers of single JSON values as UTF-8 text. Replies are assembled from these pieces so that
// object members keep their declaration order and big tables avoid a DOM.
class JsonText {
public:
    static void appendString(QByteArray& out, QStringView text);
    static QByteArray string(QStringView text);
    static QByteArray integer(qint64 value);
    // Always with a '.' so that the reader sees a double; NaN and infinities become 0.0.
    static QByteArray real(double value);
    static QByteArray boolean(bool value);
    static QByteArray dateTime(const QDateTime& value); // "yyyy-MM-dd HH:mm:ss.zzz" or null
    static QByteArray date(const QDate& value);         // "yyyy-MM-dd" or null
    static QByteArray null() { return QByteArrayLiteral("null"); }
    static QByteArray bytes(const QByteArray& data);    // [137,80,...]
};
