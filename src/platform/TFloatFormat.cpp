#include "TFloatFormat.h"

#include <QVarLengthArray>

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr int kDigits = 15;

using Buffer = QVarLengthArray<char16_t, 128>;

void Append(Buffer& out, const QString& s)
{
    out.append(reinterpret_cast<const char16_t*>(s.utf16()), s.size());
}

bool IsPlaceholder(QChar c)
{
    return c == u'0' || c == u'#' || c == u'.' || c == u',';
}

// Literal text of a format with its quotes removed.
QString Literal(QStringView text)
{
    QString out;
    QChar quote;
    for (QChar c : text) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                out += c;
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

TFloatFormat::TFloatFormat() : TFloatFormat(QString(), QLocale::c()) {}

TFloatFormat::TFloatFormat(const QString& format, const QLocale& locale)
    : decimal_(locale.decimalPoint()), group_(locale.groupSeparator()), minus_(locale.negativeSign())
{
    QStringView section(format);
    // The first ';' outside quotes ends the section that is used.
    QChar quote;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u';') {
            section = section.left(i);
            break;
        }
    }
    if (section.isEmpty())
        return;
    general_ = false;

    qsizetype begin = 0;
    quote = QChar();
    while (begin < section.size()) {
        const QChar c = section[begin];
        if (!quote.isNull())
            quote = c == quote ? QChar() : quote;
        else if (c == u'\'' || c == u'"')
            quote = c;
        else if (IsPlaceholder(c))
            break;
        ++begin;
    }
    qsizetype end = begin;
    while (end < section.size() && IsPlaceholder(section[end]))
        ++end;
    prefix_ = Literal(section.left(begin));
    suffix_ = Literal(section.mid(end));

    bool afterPoint = false;
    for (QChar c : section.mid(begin, end - begin)) {
        if (c == u'.') {
            afterPoint = true;
        } else if (c == u',') {
            grouping_ = grouping_ || !afterPoint;
        } else if (afterPoint) {
            ++maxDec_;
            if (c == u'0')
                minDec_ = maxDec_;
        } else if (c == u'0') {
            ++minInt_;
        }
    }
}

QString TFloatFormat::Format(double value) const
{
    if (general_ || !std::isfinite(value))
        return FormatGeneral(value);

    // 15 significant digits: d.dddddddddddddde±x
    char sci[40];
    const auto res = std::to_chars(sci, sci + sizeof sci, std::fabs(value), std::chars_format::scientific,
                                   kDigits - 1);
    char digits[kDigits + 1];
    int nd = 0;
    const char* p = sci;
    for (; p < res.ptr && *p != 'e'; ++p)
        if (*p != '.')
            digits[nd++] = *p;
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), res.ptr, exponent);

    // Round at the last shown decimal, half away from zero on the decimal digits.
    const int keep = exponent + 1 + maxDec_;
    if (keep < 0) {
        nd = 0;
    } else if (keep < nd) {
        const bool up = digits[keep] >= '5';
        nd = keep;
        if (up) {
            int i = nd - 1;
            while (i >= 0 && digits[i] == '9')
                digits[i--] = '0';
            if (i >= 0) {
                ++digits[i];
            } else {
                std::memmove(digits + 1, digits, static_cast<std::size_t>(nd));
                digits[0] = '1';
                ++nd;
                ++exponent;
            }
        }
    }
    const auto digitAt = [&](int pos) { return pos >= 0 && pos < nd ? digits[pos] : '0'; };

    bool nonZero = false;
    for (int i = 0; i < nd; ++i)
        nonZero = nonZero || digits[i] != '0';

    const int intDigits = exponent + 1;
    // Integer digits without leading zeros, padded to the required minimum.
    char intPart[400];
    int ni = 0;
    for (int i = 0; i < intDigits; ++i) {
        const char c = digitAt(i);
        if (ni > 0 || c != '0')
            intPart[ni++] = c;
    }
    int fracLen = maxDec_;
    while (fracLen > minDec_ && digitAt(intDigits + fracLen - 1) == '0')
        --fracLen;

    Buffer out;
    if (value < 0 && nonZero)
        Append(out, minus_);
    Append(out, prefix_);
    const int shownInt = ni > minInt_ ? ni : minInt_;
    for (int i = 0; i < shownInt; ++i) {
        const int fromRight = shownInt - i;
        const int src = i - (shownInt - ni);
        out.append(char16_t(src >= 0 ? intPart[src] : '0'));
        if (grouping_ && fromRight > 1 && fromRight % 3 == 1)
            Append(out, group_);
    }
    if (fracLen > 0) {
        Append(out, decimal_);
        for (int j = 0; j < fracLen; ++j)
            out.append(char16_t(digitAt(intDigits + j)));
    }
    Append(out, suffix_);
    return QString(reinterpret_cast<const QChar*>(out.constData()), out.size());
}

QString TFloatFormat::FormatGeneral(double value) const
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? minus_ + QStringLiteral("INF") : QStringLiteral("INF");
    char text[40];
    const auto res = std::to_chars(text, text + sizeof text, value, std::chars_format::general, kDigits);
    Buffer out;
    for (const char* p = text; p < res.ptr; ++p) {
        if (*p == '-') {
            Append(out, minus_);
        } else if (*p == '.') {
            Append(out, decimal_);
        } else if (*p == 'e') {
            // "1e+20" -> "1E20", "1.5e-07" -> "1,5E-7"
            out.append(u'E');
            ++p;
            if (*p == '-')
                Append(out, minus_);
            ++p;
            while (p < res.ptr - 1 && *p == '0')
                ++p;
            for (; p < res.ptr; ++p)
                out.append(char16_t(*p));
            break;
        } else {
            out.append(char16_t(*p));
        }
    }
    return QString(reinterpret_cast<const QChar*>(out.constData()), out.size());
}
