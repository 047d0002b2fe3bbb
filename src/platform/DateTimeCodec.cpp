#include "DateTimeCodec.h"

#include <cmath>

namespace DateTimeCodec {
namespace {

// Day count of the civil calendar relative to 1970-01-01 (H. Hinnant's algorithm).
constexpr std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) noexcept
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr std::int64_t kEpoch = DaysFromCivil(1899, 12, 30);
constexpr std::int64_t kFirstDay = DaysFromCivil(1, 1, 1) - kEpoch;
constexpr std::int64_t kLastDay = DaysFromCivil(9999, 12, 31) - kEpoch;

bool Digits(std::string_view s, std::size_t pos, std::size_t n, int& out) noexcept
{
    if (pos + n > s.size())
        return false;
    int v = 0;
    for (std::size_t i = pos; i < pos + n; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return false;
        v = v * 10 + (s[i] - '0');
    }
    out = v;
    return true;
}

void Put2(char16_t*& p, int v) noexcept
{
    *p++ = char16_t(u'0' + v / 10);
    *p++ = char16_t(u'0' + v % 10);
}

QString Text(double value, bool withTime, bool withSeconds)
{
    std::int64_t days = 0, ms = 0;
    if (!Decode(value, days, ms))
        return {};
    int y = 0, m = 0, d = 0;
    CivilDate(days, y, m, d);
    char16_t buf[20];
    char16_t* p = buf;
    Put2(p, d);
    *p++ = u'.';
    Put2(p, m);
    *p++ = u'.';
    Put2(p, y / 100);
    Put2(p, y % 100);
    if (withTime) {
        const auto secs = static_cast<int>(ms / 1000);
        *p++ = u' ';
        Put2(p, secs / 3600);
        *p++ = u':';
        Put2(p, secs / 60 % 60);
        if (withSeconds) {
            *p++ = u':';
            Put2(p, secs % 60);
        }
    }
    return QString(reinterpret_cast<const QChar*>(buf), p - buf);
}

} // namespace

std::int64_t DayNumber(int year, int month, int day) noexcept
{
    return DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpoch;
}

bool ValidDate(int year, int month, int day) noexcept
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

void CivilDate(std::int64_t dayNumber, int& year, int& month, int& day) noexcept
{
    const std::int64_t z = dayNumber + kEpoch + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

double Encode(std::int64_t dayNumber, std::int64_t msOfDay) noexcept
{
    const double frac = static_cast<double>(msOfDay) / static_cast<double>(kMsPerDay);
    return dayNumber >= 0 ? static_cast<double>(dayNumber) + frac : static_cast<double>(dayNumber) - frac;
}

bool Decode(double value, std::int64_t& dayNumber, std::int64_t& msOfDay) noexcept
{
    if (!std::isfinite(value) || value < double(kFirstDay) - 1 || value > double(kLastDay) + 1)
        return false;
    const double whole = std::trunc(value);
    std::int64_t days = static_cast<std::int64_t>(whole);
    std::int64_t ms = std::llround(std::fabs(value - whole) * double(kMsPerDay));
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        ++days;
    }
    if (days < kFirstDay || days > kLastDay)
        return false;
    dayNumber = days;
    msOfDay = ms;
    return true;
}

double FromQDate(const QDate& date)
{
    return date.isValid() ? Encode(DayNumber(date.year(), date.month(), date.day()), 0) : 0.0;
}

double FromQDateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return 0.0;
    const QDate d = dateTime.date();
    return Encode(DayNumber(d.year(), d.month(), d.day()), dateTime.time().msecsSinceStartOfDay());
}

QDate ToQDate(double value)
{
    std::int64_t days = 0, ms = 0;
    if (!Decode(value, days, ms))
        return {};
    int y = 0, m = 0, d = 0;
    CivilDate(days, y, m, d);
    return QDate(y, m, d);
}

QDateTime ToQDateTime(double value)
{
    std::int64_t days = 0, ms = 0;
    if (!Decode(value, days, ms))
        return {};
    int y = 0, m = 0, d = 0;
    CivilDate(days, y, m, d);
    return QDateTime(QDate(y, m, d), QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

bool ParseIso(std::string_view s, double& value) noexcept
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0, ms = 0;
    if (!Digits(s, 0, 4, y) || s.size() < 10 || s[4] != '-' || !Digits(s, 5, 2, mo) || s[7] != '-'
        || !Digits(s, 8, 2, d) || !ValidDate(y, mo, d))
        return false;
    std::size_t pos = 10;
    if (pos < s.size()) {
        if ((s[pos] != ' ' && s[pos] != 'T') || !Digits(s, pos + 1, 2, h) || pos + 3 >= s.size()
            || s[pos + 3] != ':' || !Digits(s, pos + 4, 2, mi) || h > 23 || mi > 59)
            return false;
        pos += 6;
        if (pos < s.size()) {
            if (s[pos] != ':' || !Digits(s, pos + 1, 2, sec) || sec > 59)
                return false;
            pos += 3;
            if (pos < s.size()) {
                if (s[pos] != '.' || s.size() - pos - 1 < 1 || s.size() - pos - 1 > 9)
                    return false;
                int scale = 100;
                for (std::size_t i = pos + 1; i < s.size(); ++i, scale /= 10) {
                    if (s[i] < '0' || s[i] > '9')
                        return false;
                    ms += (s[i] - '0') * scale;
                }
            }
        }
    }
    value = Encode(DayNumber(y, mo, d), ((h * 60 + mi) * 60 + sec) * 1000LL + ms);
    return true;
}

QString DisplayText(double value, bool withTime)
{
    return Text(value, withTime, false);
}

QString FieldText(double value)
{
    std::int64_t days = 0, ms = 0;
    if (!Decode(value, days, ms))
        return {};
    return Text(value, ms != 0, true);
}

bool ParseText(QStringView text, double& value)
{
    const QString t = text.trimmed().toString();
    for (const char* f : {"dd.MM.yyyy HH:mm:ss", "dd.MM.yyyy HH:mm", "dd.MM.yyyy"}) {
        const QDateTime dt = QDateTime::fromString(t, QLatin1String(f));
        if (dt.isValid()) {
            value = FromQDateTime(dt);
            return true;
        }
    }
    const QByteArray utf8 = t.toUtf8();
    return ParseIso(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), value);
}

} // namespace DateTimeCodec
