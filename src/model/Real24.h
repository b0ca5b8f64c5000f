#pragma once
// The controller's 3-byte real number: a 16-bit two's-complement mantissa m
// (little-endian) and a signed 8-bit exponent e; value = m * 2^(e - 15).
// Non-zero values keep 0x4000 <= |m| <= 0x7FFF; zero is three zero bytes.
#include <array>
#include <cstdint>

namespace lur {

using Real24 = std::array<std::uint8_t, 3>;

// Truncates the IEEE fraction to the 14 bits the controller keeps (no rounding).
Real24 FloatToReal24(float value);
float Real24ToFloat(const Real24& r);

// Convenience forms over a byte image (3 bytes at p).
void PutReal24(std::uint8_t* p, float value);
float GetReal24(const std::uint8_t* p);

}  // namespace lur
