#include "model/Real24.h"

#include <bit>
#include <cstring>

namespace lur {

Real24 FloatToReal24(float value) {
  const std::uint32_t bits = std::bit_cast<std::uint32_t>(value);
  const int biased = static_cast<int>((bits >> 23) & 0xFF);
  if (biased == 0) return {0, 0, 0};  // zero (and denormals, far below the controller's range)
  if (value != value) return {0, 0, 0};  // NaN has no controller form
  if (biased - 126 > 127) {
    // Past the exponent byte (2^127 and above, infinities): the largest
    // magnitude of that sign, never a wrapped exponent.
    return (bits & 0x80000000u) ? Real24{0x01, 0x80, 0x7F} : Real24{0xFF, 0x7F, 0x7F};
  }
  const std::uint32_t fraction = bits & 0x7FFFFF;
  std::int32_t m = static_cast<std::int32_t>(0x4000 | (fraction >> 9));
  if (bits & 0x80000000u) m = -m;
  const int e = biased - 126;
  const auto um = static_cast<std::uint16_t>(m);
  return {static_cast<std::uint8_t>(um & 0xFF), static_cast<std::uint8_t>(um >> 8),
          static_cast<std::uint8_t>(static_cast<std::int8_t>(e))};
}

float Real24ToFloat(const Real24& r) {
  const auto m = static_cast<std::int16_t>(static_cast<std::uint16_t>(r[0] | (r[1] << 8)));
  const auto e = static_cast<std::int8_t>(r[2]);
  if (m == 0) return 0.0f;
  const bool negative = m < 0;
  std::uint32_t mag = negative ? static_cast<std::uint32_t>(-static_cast<std::int32_t>(m))
                               : static_cast<std::uint32_t>(m);
  // Only normalised mantissas come from the controller; scale others so the
  // leading one sits at bit 14 before the inverse of the forward conversion.
  int exponent = e;
  while (mag < 0x4000) {
    mag <<= 1;
    --exponent;
  }
  while (mag > 0x7FFF) {
    mag >>= 1;
    ++exponent;
  }
  int biased = exponent + 126;
  if (biased <= 0) return negative ? -0.0f : 0.0f;
  if (biased >= 255) biased = 254;  // unreachable for an 8-bit exponent; keeps the bits valid
  const std::uint32_t bits = (negative ? 0x80000000u : 0u) | (static_cast<std::uint32_t>(biased) << 23) |
                             ((mag & 0x3FFF) << 9);
  return std::bit_cast<float>(bits);
}

void PutReal24(std::uint8_t* p, float value) {
  const Real24 r = FloatToReal24(value);
  std::memcpy(p, r.data(), 3);
}

float GetReal24(const std::uint8_t* p) { return Real24ToFloat({p[0], p[1], p[2]}); }

}  // namespace lur
