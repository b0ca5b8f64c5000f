#include "live/ClockFields.h"

#include <cstdio>

namespace lur {
namespace {

std::string TwoDigits(int a, char sep, int b, int c) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d%c%02d%c%02d", a, sep, b, sep, c);
  return text;
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

}  // namespace

std::array<std::uint8_t, 7> TClockValues::Bytes() const {
  std::array<std::uint8_t, 7> bytes{};
  const std::array<int, 7> v = InOrder();
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(v[i]);
  return bytes;
}

std::string ClockTimeText(const TClockValues& v) { return TwoDigits(v.hour, ':', v.minute, v.second); }

std::string ClockDateText(const TClockValues& v) { return TwoDigits(v.day, '.', v.month, v.year); }

std::string DayOfWeekText(int weekday) {
  static const char* const kDays[7] = {"пн", "вт", "ср", "чт", "пт", "сб", "вс"};
  if (weekday < 1 || weekday > 7) return {};
  return kDays[weekday - 1];
}

int DaysInMonth(int fullYear, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeap(fullYear) ? 29 : kDays[month - 1];
}

int DayOfWeek(int fullYear, int month, int day) {
  // Sakamoto's method gives Sunday = 0.
  static const int kOffsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  const int y = month < 3 ? fullYear - 1 : fullYear;
  const int sundayFirst = (y + y / 4 - y / 100 + y / 400 + kOffsets[month - 1] + day) % 7;
  return sundayFirst == 0 ? 7 : sundayFirst;
}

TClockValues ClockValuesOf(const std::tm& local) {
  TClockValues v;
  v.second = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second is not a field value
  v.minute = local.tm_min;
  v.hour = local.tm_hour;
  v.day = local.tm_mday;
  v.month = local.tm_mon + 1;
  v.year = local.tm_year + 1900 - 2000;
  v.weekday = local.tm_wday == 0 ? 7 : local.tm_wday;
  return v;
}

TClockValues ComputerLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return ClockValuesOf(local);
}

}  // namespace lur
