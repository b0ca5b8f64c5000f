#pragma once
// The controller's clock as the time and date window and `lurctl clock` see
// it: the seven values of registers 1000..1006 (and of the 0x46 broadcast),
// their texts, and the calendar rules a time must keep before it is sent.
#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>

namespace lur {

// In register and broadcast order: seconds, minutes, hours, day of month,
// month, year within the century (2000 + year), day of week 1..7
// (Monday = 1).
struct TClockValues {
  int second = 0;
  int minute = 0;
  int hour = 0;
  int day = 1;
  int month = 1;
  int year = 0;
  int weekday = 1;

  std::array<int, 7> InOrder() const { return {second, minute, hour, day, month, year, weekday}; }
  static TClockValues FromOrder(const std::array<int, 7>& v) { return {v[0], v[1], v[2], v[3], v[4], v[5], v[6]}; }
  // The seven data bytes of the broadcast.
  std::array<std::uint8_t, 7> Bytes() const;
  bool operator==(const TClockValues&) const = default;
};

// "HH:MM:SS" and "DD.MM.YY", each part two digits with a leading zero.
std::string ClockTimeText(const TClockValues& v);
std::string ClockDateText(const TClockValues& v);
// "пн" .. "вс" for 1..7; empty for any other number (a controller's register
// holds a byte, not always a day).
std::string DayOfWeekText(int weekday);

// Days of a month 1..12 in a full year (Gregorian leap years); 0 for
// another month.
int DaysInMonth(int fullYear, int month);
// The day of week, Monday = 1 .. Sunday = 7, of a valid date.
int DayOfWeek(int fullYear, int month, int day);

// The computer's clock as the window copies it: year - 2000, Sunday = 7.
TClockValues ClockValuesOf(const std::tm& local);
// Where the window reads the computer's clock; tests inject one of their own.
using TComputerClock = std::function<TClockValues()>;
TClockValues ComputerLocalTime();

}  // namespace lur
