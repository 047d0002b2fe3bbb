#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <string_view>

// TDateTime, the platform's date-time value: days since 1899-12-30, the fraction being the time of
// day. Before that day the fraction still counts forward from midnight (-1.25 is 29.12.1899 06:00),
// as the platform does. The client table keeps every date and date-time cell in this form.
namespace DateTimeCodec {

inline constexpr std::int64_t kMsPerDay = 86'400'000;

// Days of a proleptic Gregorian date relative to 1899-12-30.
std::int64_t DayNumber(int year, int month, int day) noexcept;
bool ValidDate(int year, int month, int day) noexcept;
void CivilDate(std::int64_t dayNumber, int& year, int& month, int& day) noexcept;

double Encode(std::int64_t dayNumber, std::int64_t msOfDay) noexcept;
// False for a value outside the years 1..9999 (or not finite).
bool Decode(double value, std::int64_t& dayNumber, std::int64_t& msOfDay) noexcept;

double FromQDate(const QDate& date);
double FromQDateTime(const QDateTime& dateTime);
QDate ToQDate(double value);
QDateTime ToQDateTime(double value);

// Wire form: "yyyy-MM-dd", optionally followed by ' ' or 'T' and "HH:mm", ":ss", ".z…" (1-9 digits).
bool ParseIso(std::string_view text, double& value) noexcept;
// Display forms of the Turkish settings: "dd.MM.yyyy" and "dd.MM.yyyy HH:mm".
QString DisplayText(double value, bool withTime);
// The text a field reads as: the date, and " HH:mm:ss" unless the time is midnight.
QString FieldText(double value);
// Accepts the display forms (with or without seconds) and the wire form.
bool ParseText(QStringView text, double& value);

} // namespace DateTimeCodec
