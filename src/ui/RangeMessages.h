#pragma once
// The texts of a value outside its bounds, filled as C's %g fills them
// (always with a decimal point, whatever the locale of the process).
#include <string>

namespace lur {

// "Величина вне диапазона %g - %g", the editors' and dialogs' text.
std::string RangeMessage(double lo, double hi);
// "Вне диапазона %g - %g", the function block dialog's text.
std::string ShortRangeMessage(double lo, double hi);
// One number as %g writes it: six significant digits, no trailing zeros,
// an exponent below 1e-4 and from 1e6 on ("0.1", "32767", "1e+06").
std::string GText(double value);

}  // namespace lur
