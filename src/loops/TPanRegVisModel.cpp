#include "loops/TPanRegVisModel.h"

#include <cmath>

#include "model/DecimalText.h"

namespace lur {

int MarkDecimals(double value) {
  const double a = std::fabs(value);
  if (a <= 10) return 3;
  if (a <= 100) return 2;
  if (a <= 10000) return 1;
  return 0;
}

int ValueDecimals(double value) {
  const double a = std::fabs(value);
  if (a <= 100) return 2;
  if (a <= 1000) return 1;
  return 0;
}

TScaleMarks CalcSk(double high, double low) {
  TScaleMarks marks;
  const double step = (high - low) / 10;
  for (int k = 0; k <= 10; ++k) {
    const double mark = low + k * step;
    marks[static_cast<std::size_t>(k)] = FixedText(mark, MarkDecimals(mark));
  }
  return marks;
}

std::string ValueText(double value) {
  if (!std::isfinite(value)) return {};
  return FixedText(value, ValueDecimals(value));
}

std::optional<int> BarHeight(double value, double low, double high, int scaleHeight) {
  if (!std::isfinite(value) || !std::isfinite(low) || !std::isfinite(high) || !(high > low) ||
      scaleHeight <= 0) {
    return std::nullopt;
  }
  // Computed in double and clamped before the conversion, so a huge value
  // (or an infinite product) never reaches an integer out of range.
  const double height = (value - low) * scaleHeight / (high - low);
  if (std::isnan(height)) return std::nullopt;
  if (height >= scaleHeight) return scaleHeight;
  if (height <= 0) return 0;
  return static_cast<int>(std::trunc(height));
}

}  // namespace lur
