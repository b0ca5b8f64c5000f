#include "sim/ControllerClock.h"

#include <chrono>
#include <ctime>
#include <utility>

namespace lur::sim {

namespace {

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = static_cast<unsigned>((153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1);
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  y = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y += m <= 2;
}

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

bool IsValidClockTime(const ClockTime& t) {
  if (t.second < 0 || t.second > 59 || t.minute < 0 || t.minute > 59 || t.hour < 0 || t.hour > 23)
    return false;
  if (t.month < 1 || t.month > 12 || t.year < 0 || t.year > 99 || t.weekday < 1 || t.weekday > 7)
    return false;
  return t.day >= 1 && t.day <= DaysInMonth(2000 + t.year, t.month);
}

ClockTime HostLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  ClockTime t;
  t.second = local.tm_sec > 59 ? 59 : local.tm_sec;
  t.minute = local.tm_min;
  t.hour = local.tm_hour;
  t.day = local.tm_mday;
  t.month = local.tm_mon + 1;
  t.year = (local.tm_year + 1900) % 100;
  t.weekday = local.tm_wday == 0 ? 7 : local.tm_wday;
  return t;
}

std::int64_t SteadyMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

ControllerClock::ControllerClock(ClockTime start, MsSource now) : base_(start), now_(std::move(now)) {
  baseMs_ = now_();
}

bool ControllerClock::Set(const ClockTime& time) {
  if (!IsValidClockTime(time)) return false;
  base_ = time;
  baseMs_ = now_();
  return true;
}

ClockTime ControllerClock::Now() const {
  const std::int64_t elapsedSeconds = stopped_ ? 0 : (now_() - baseMs_) / 1000;
  const std::int64_t baseDays = DaysFromCivil(2000 + base_.year, base_.month, base_.day);
  const std::int64_t total =
      baseDays * 86400 + base_.hour * 3600 + base_.minute * 60 + base_.second + elapsedSeconds;
  const std::int64_t days = total / 86400;
  std::int64_t secondOfDay = total % 86400;
  ClockTime t;
  t.hour = static_cast<int>(secondOfDay / 3600);
  secondOfDay %= 3600;
  t.minute = static_cast<int>(secondOfDay / 60);
  t.second = static_cast<int>(secondOfDay % 60);
  std::int64_t year = 0;
  CivilFromDays(days, year, t.month, t.day);
  t.year = static_cast<int>(year % 100);  // the controller keeps the year within its century
  // The day of week runs on from the one that was set, whatever the date says.
  t.weekday = static_cast<int>((base_.weekday - 1 + (days - baseDays)) % 7) + 1;
  return t;
}

}  // namespace lur::sim
