#pragma once
// The controller's 3-byte real number as the simulated controller keeps it:
// a 16-bit little-endian mantissa m and a signed exponent e, value m * 2^(e - 15),
// normalised to 0x4000 <= |m| <= 0x7FFF. The simulator carries its own codec so
// that it stays an independent counterpart of the configuration tool.
#include <array>
#include <cstdint>

namespace lur::sim {

std::array<std::uint8_t, 3> EncodeReal24(float value);
float DecodeReal24(const std::uint8_t* bytes);
void PutReal24At(std::uint8_t* destination, float value);

}  // namespace lur::sim
