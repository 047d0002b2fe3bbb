#include "JsonText.h"

#include <QLocale>
#include <cmath>

void JsonText::appendString(QByteArray& out, QStringView text)
{
    static const char hex[] = "0123456789abcdef";
    out.append('"');
    const QByteArray utf8 = text.toUtf8();
    for (char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out.append("\\\""); break;
        case '\\': out.append("\\\\"); break;
        case '\n': out.append("\\n"); break;
        case '\r': out.append("\\r"); break;
        case '\t': out.append("\\t"); break;
        default:
            if (u < 0x20) {
                out.append("\\u00");
                out.append(hex[u >> 4]);
                out.append(hex[u & 15]);
            } else {
                out.append(c);
            }
        }
    }
    out.append('"');
}

QByteArray JsonText::string(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + 2);
    appendString(out, text);
    return out;
}

QByteArray JsonText::integer(qint64 value)
{
    return QByteArray::number(value);
}

QByteArray JsonText::real(double value)
{
    if (!std::isfinite(value))
        return QByteArrayLiteral("0.0");
    QByteArray text = QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
    if (text.contains('e') || text.contains('E')) {
        // Plain decimals are friendlier to every reader; 17 significant digits keep the value.
        text = QByteArray::number(value, 'f', 15);
        while (text.endsWith('0') && !text.endsWith(".0"))
            text.chop(1);
    }
    if (!text.contains('.'))
        text.append(".0");
    return text;
}

QByteArray JsonText::boolean(bool value)
{
    return value ? QByteArrayLiteral("true") : QByteArrayLiteral("false");
}

QByteArray JsonText::dateTime(const QDateTime& value)
{
    if (!value.isValid())
        return null();
    return string(value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")));
}

QByteArray JsonText::date(const QDate& value)
{
    if (!value.isValid())
        return null();
    return string(value.toString(QStringLiteral("yyyy-MM-dd")));
}

QByteArray JsonText::bytes(const QByteArray& data)
{
    QByteArray out;
    out.reserve(data.size() * 4 + 2);
    out.append('[');
    char digits[4];
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (i)
            out.append(',');
        unsigned v = static_cast<unsigned char>(data[i]);
        int n = 0;
        if (v >= 100)
            digits[n++] = char('0' + v / 100);
        if (v >= 10)
            digits[n++] = char('0' + (v / 10) % 10);
        digits[n++] = char('0' + v % 10);
        out.append(digits, n);
    }
    out.append(']');
    return out;
}
