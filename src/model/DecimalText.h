#pragma once
// Decimal texts of the real numbers the windows show and take back: block
// set-points and constants, regulator parameters. The model keeps Real24 bytes;
// these are the two ends of the text form.
#include <optional>
#include <string>
#include <string_view>

#include "model/Real24.h"

namespace lur {

// The decimal separator of the Russian user interface.
inline constexpr char kDecimalComma = ',';

// Fixed-point text with exactly `decimals` places (0..18) and at most 7
// significant digits: the value is rounded once, half away from zero, at
// whichever position is coarser; digits beyond the seventh significant one
// read as zeros (123456789 -> "123456800"). A result that rounds to zero
// carries no minus sign. Not-a-number and infinities give an empty text.
std::string FixedText(double value, int decimals, char separator = kDecimalComma);

// Places a block set-point or constant is shown with, by magnitude:
// 4 for -10 < v <= 10, 3 up to 100, 2 up to 1000, 1 up to 10000, 0 beyond
// (each band open at -10, -100, ... and closed at their negatives).
int DecimalsByMagnitude(double value);

// A decimal number as the user types it: optional blanks around it, an
// optional sign, digits with at most one separator ('.' or ','), an optional
// exponent. Anything else, and values that are not finite, give nullopt.
std::optional<double> ParseDecimalText(std::string_view text);

// A typed number in the controller's Real24 form: parsed as above, taken to
// single precision, then truncated to the 14 fraction bits kept. Values whose
// exponent the Real24 byte cannot hold (magnitude 2^127 and above) give
// nullopt rather than a wrapped exponent.
std::optional<Real24> ParseReal24Text(std::string_view text);

}  // namespace lur
