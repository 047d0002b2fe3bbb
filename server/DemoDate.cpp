#include "DemoDate.h"

#include <cmath>

namespace {
const QString kFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");
const QDate kEpoch(1899, 12, 30);
}

QString DemoDate::now()
{
    return text(QDateTime::currentDateTime());
}

QString DemoDate::text(const QDateTime& dt)
{
    return dt.toString(kFormat);
}

QDateTime DemoDate::parse(const QString& t)
{
    QDateTime dt = QDateTime::fromString(t, kFormat);
    if (!dt.isValid())
        dt = QDateTime::fromString(t, Qt::ISODate);
    return dt;
}

QDateTime DemoDate::fromDays(double days)
{
    if (!std::isfinite(days) || days < -600000 || days > 3000000)
        return {};
    const double whole = std::floor(days);
    const qint64 ms = qint64(std::llround((days - whole) * 86400000.0));
    return QDateTime(kEpoch.addDays(qint64(whole)), QTime(0, 0)).addMSecs(ms);
}

double DemoDate::toDays(const QDateTime& dt)
{
    return double(kEpoch.daysTo(dt.date())) + dt.time().msecsSinceStartOfDay() / 86400000.0;
}
