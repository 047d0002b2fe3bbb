#pragma once
#include <QLocale>
#include <QString>

// The platform's FormatFloat for the formats this program uses ("#,###,##0.00", "0.00", "#,##0",
// "0", …; see TFloatFormat for the exact subset), with the separators of the given locale.
// Under Turkish settings FormatFloat("#,###,##0.00", 1500000) is "1.500.000,00".
QString FormatFloat(const QString& format, double value, const QLocale& locale = QLocale());

// The platform's FloatToStr: up to 15 significant digits, the locale's decimal point, no grouping.
QString FloatToStr(double value, const QLocale& locale = QLocale());
