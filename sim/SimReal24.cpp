#include "sim/SimReal24.h"

#include <cmath>

namespace lur::sim {

std::array<std::uint8_t, 3> EncodeReal24(float value) {
  if (value == 0.0f || !std::isfinite(value)) return {0, 0, 0};
  int exponent = 0;
  const float fraction = std::frexp(std::fabs(value), &exponent);  // 0.5 <= fraction < 1
  if (exponent > 127 || exponent < -128) return {0, 0, 0};
  // Truncation, as the controller does: the bits below the 15th are dropped.
  int mantissa = static_cast<int>(fraction * 32768.0f);
  if (mantissa > 0x7FFF) mantissa = 0x7FFF;
  if (value < 0) mantissa = -mantissa;
  const auto m = static_cast<std::uint16_t>(static_cast<std::int16_t>(mantissa));
  return {static_cast<std::uint8_t>(m & 0xFF), static_cast<std::uint8_t>(m >> 8),
          static_cast<std::uint8_t>(static_cast<std::int8_t>(exponent))};
}

float DecodeReal24(const std::uint8_t* bytes) {
  const auto mantissa = static_cast<std::int16_t>(bytes[0] | (bytes[1] << 8));
  const auto exponent = static_cast<std::int8_t>(bytes[2]);
  return std::ldexp(static_cast<float>(mantissa), exponent - 15);
}

void PutReal24At(std::uint8_t* destination, float value) {
  const auto bytes = EncodeReal24(value);
  destination[0] = bytes[0];
  destination[1] = bytes[1];
  destination[2] = bytes[2];
}

}  // namespace lur::sim
