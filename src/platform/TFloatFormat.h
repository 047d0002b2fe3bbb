#pragma once
#include <QLocale>
#include <QString>

// A number display format of the platform, parsed once and bound to one locale's symbols, so that a
// grid can format many cells without re-reading the format or the locale.
//
// Supported: digit placeholders '0' (always shown) and '#' (shown when significant), ',' anywhere
// before the point for thousands grouping, '.' for the decimal point, and literal text before and
// after the number ('…' or "…" quoted, or plain). Only the first ';' section is used; exponent
// formats are not. An empty format gives the general form of FloatToStr: up to 15 significant digits,
// no grouping, an exponent ("1E20") for very large or small values.
//
// Rounding is half away from zero, applied to the value's 15-significant-digit decimal expansion (the
// platform's practice), so 1.005 shows as 1.01 although its binary value lies a hair below.
class TFloatFormat {
public:
    TFloatFormat();  // general form, C locale
    TFloatFormat(const QString& format, const QLocale& locale);

    bool IsGeneral() const noexcept { return general_; }
    QString Format(double value) const;

private:
    QString FormatGeneral(double value) const;

    bool general_ = true;
    bool grouping_ = false;
    int minInt_ = 0;
    int minDec_ = 0;
    int maxDec_ = 0;
    QString prefix_;
    QString suffix_;
    QString decimal_;
    QString group_;
    QString minus_;
};
