#pragma once
// The numbers of a regulator panel, apart from its widget: the eleven marks
// of a scale, the height of a bar against its scale, and the texts of the
// values. The on-line view and its widget share them, and lurctl prints the
// same texts.
#include <array>
#include <optional>
#include <string>

namespace lur {

// Marks k = 0..10 of a scale from low (mark 0, at the bottom) to high (mark
// 10, at the top), each low + k * (high - low) / 10: 3 decimals up to 10 in
// magnitude, 2 up to 100, 1 up to 10000, none above.
using TScaleMarks = std::array<std::string, 11>;
TScaleMarks CalcSk(double high, double low);

// Decimals of a mark and of a value text by magnitude.
int MarkDecimals(double value);
int ValueDecimals(double value);  // 2 up to 100, 1 up to 1000, none above

// A value as the panel shows it, with its decimals; empty for a value that is
// not finite.
std::string ValueText(double value);

// The pixel height of a bar standing on the scale's bottom:
// (value - low) * scaleHeight / (high - low), truncated toward zero and kept
// within 0..scaleHeight. No bar (nullopt) on a scale with high <= low or a
// value or limit that is not finite.
std::optional<int> BarHeight(double value, double low, double high, int scaleHeight);

}  // namespace lur
