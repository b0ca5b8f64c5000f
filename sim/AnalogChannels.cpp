#include "sim/AnalogChannels.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "sim/PageCatalogue.h"
#include "sim/SimReal24.h"

namespace lur::sim {

std::array<std::uint8_t, 7> FormatValue(float value) {
  char text[32];
  const float magnitude = std::fabs(value);
  const int decimals = magnitude < 1000.0f ? 2 : (magnitude < 100000.0f ? 1 : 0);
  std::snprintf(text, sizeof text, "%7.*f", decimals, static_cast<double>(value));
  std::array<std::uint8_t, 7> out{};
  std::memcpy(out.data(), text, out.size());  // a wider number keeps its leading digits
  return out;
}

AnalogChannels::Scale AnalogChannels::ChannelScale(int signal) const {
  // Local channel 6m + c lives on page m + 1; network channel e after the
  // local ones on page (analog modules) + 1 + e / 6: both are page signal / 6 + 1.
  Scale s;
  const std::vector<std::uint8_t>* page =
      pages_.Find(static_cast<std::uint8_t>(kFirstModulePage + signal / 6));
  if (page == nullptr || page->size() < 168) return s;
  const std::uint8_t* record = page->data() + 28 * (signal % 6);
  s.min = DecodeReal24(record + 2);
  s.max = DecodeReal24(record + 5);
  s.ll = DecodeReal24(record + 8);
  s.l = DecodeReal24(record + 11);
  s.h = DecodeReal24(record + 14);
  s.hh = DecodeReal24(record + 17);
  return s;
}

float AnalogChannels::Value(int signal) const {
  const Scale s = ChannelScale(signal);
  return s.min + (s.max - s.min) * (0.40f + 0.03f * static_cast<float>(signal % 6));
}

int AnalogChannels::Violation(int signal) const {
  const Scale s = ChannelScale(signal);
  if (!(s.min < s.max)) return 0;  // an unconfigured channel reports nothing
  const float v = Value(signal);
  if (v <= s.ll) return 4;
  if (v <= s.l) return 3;
  if (v >= s.hh) return 6;
  if (v >= s.h) return 5;
  return 0;
}

std::array<std::uint8_t, 8> AnalogChannels::State(int signal) const {
  std::array<std::uint8_t, 8> state{};
  const auto text = FormatValue(Value(signal));
  std::memcpy(state.data(), text.data(), text.size());
  state[7] = static_cast<std::uint8_t>(Violation(signal));
  return state;
}

std::optional<std::array<std::uint8_t, 8>> AnalogChannels::ColdJunction(int module) const {
  if (modules_.AnalogModuleType(module - 1) != ModuleSet::kThermoModuleType) return std::nullopt;
  std::array<std::uint8_t, 8> state{};
  const auto text = FormatValue(23.5f + 0.1f * static_cast<float>(module));
  std::memcpy(state.data(), text.data(), text.size());
  return state;
}

}  // namespace lur::sim
