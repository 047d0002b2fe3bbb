#pragma once
#include <QDateTime>
#include <QString>

// Dates as the tables store them ("yyyy-MM-dd HH:mm:ss.zzz") and as the protocol sends them
// (days since 1899-12-30, the fraction being the time of day).
class DemoDate {
public:
    static QString now();
    static QString text(const QDateTime& dt);
    static QDateTime parse(const QString& text);
    // Out-of-range or non-finite day numbers give an invalid date.
    static QDateTime fromDays(double days);
    static double toDays(const QDateTime& dt);
};
