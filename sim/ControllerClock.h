#pragma once
// The controller's calendar clock: set by the broadcast 0x46, read as input
// registers 1000..1006, running on from the time it was set.
#include <cstdint>
#include <functional>

namespace lur::sim {

struct ClockTime {
  int second = 0;
  int minute = 0;
  int hour = 0;
  int day = 1;      // 1..31
  int month = 1;    // 1..12
  int year = 0;     // 0..99, within the century 2000
  int weekday = 1;  // 1..7, Monday = 1

  bool operator==(const ClockTime&) const = default;
};

// True when every field is in range and the day exists in that month.
bool IsValidClockTime(const ClockTime& time);

// The computer's local time of day.
ClockTime HostLocalTime();

// Milliseconds of the system's monotonic clock.
std::int64_t SteadyMilliseconds();

class ControllerClock {
 public:
  // Milliseconds of a monotonic time source.
  using MsSource = std::function<std::int64_t()>;

  ControllerClock(ClockTime start, MsSource now);

  // Sets the clock; an invalid time is refused (false) and changes nothing.
  bool Set(const ClockTime& time);
  ClockTime Now() const;
  // A stopped clock shows the time last set (or its start) until set again.
  void SetStopped(bool stopped) { stopped_ = stopped; }

 private:
  ClockTime base_;
  std::int64_t baseMs_ = 0;
  MsSource now_;
  bool stopped_ = false;
};

}  // namespace lur::sim
