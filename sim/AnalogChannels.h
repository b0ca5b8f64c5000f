#pragma once
// Live states of the controller's analog signals as function 0x47 reports
// them. The values are steady and derived from each channel's scale, so
// that a reader sees plausible numbers that agree with the configuration it
// read. The converter codes and the calibration commands are
// AnalogCalibration's.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "sim/ModuleSet.h"
#include "sim/PageStore.h"

namespace lur::sim {

class AnalogChannels {
 public:
  static constexpr int kSignalCount = 48;         // local channels, then network channels
  static constexpr int kFirstColdJunction = 128;  // 0x47 index n + 127 for analog module n (1-based)

  // Holds references: both must outlive this object.
  AnalogChannels(const ModuleSet& modules, const PageStore& pages) : modules_(modules), pages_(pages) {}

  float Value(int signal) const;
  // Limit violation code: 0 none, 3 L, 4 LL, 5 H, 6 HH.
  int Violation(int signal) const;

  // 8 bytes: the value as 7 text characters, then the status byte.
  std::array<std::uint8_t, 8> State(int signal) const;
  // The cold-junction state of analog module n (1-based); only thermo modules have one.
  std::optional<std::array<std::uint8_t, 8>> ColdJunction(int module) const;

 private:
  struct Scale {
    float min = 0, max = 0, ll = 0, l = 0, h = 0, hh = 0;
  };
  Scale ChannelScale(int signal) const;

  const ModuleSet& modules_;
  const PageStore& pages_;
};

// The controller's 7-character value text, right-aligned.
std::array<std::uint8_t, 7> FormatValue(float value);

}  // namespace lur::sim
