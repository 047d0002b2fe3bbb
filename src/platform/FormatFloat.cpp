#include "FormatFloat.h"

#include "TFloatFormat.h"

QString FormatFloat(const QString& format, double value, const QLocale& locale)
{
    return TFloatFormat(format, locale).Format(value);
}

QString FloatToStr(double value, const QLocale& locale)
{
    return TFloatFormat(QString(), locale).Format(value);
}
