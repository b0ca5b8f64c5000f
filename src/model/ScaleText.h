#pragma once
// Text form of the scale limits and set-points of analog channels (local
// module channels and network analog channels alike): fixed notation with at
// most 7 significant digits, 4 decimals below 1000 (every negative value
// included), 3 below 10000, 2 from 10000 on; and which values such a field
// can hold at all.
#include <cmath>
#include <string>

#include "model/DecimalText.h"

namespace lur {

constexpr int ScaleDecimals(double value) { return value < 1000 ? 4 : value < 10000 ? 3 : 2; }

inline std::string ScaleValueText(double value) { return FixedText(value, ScaleDecimals(value)); }

// Whether a value has a Real24 form: finite and below 2^127 in magnitude (the
// exponent byte holds at most 127).
inline bool FitsReal24(float value) {
  return std::isfinite(value) && std::fabs(value) < std::ldexp(1.0f, 127);
}

}  // namespace lur
