#include "ui/RangeMessages.h"

#include <array>
#include <charconv>

namespace lur {

std::string GText(double value) {
  // to_chars with a precision formats as printf does in the "C" locale; the
  // program's locale may have a decimal comma, %g's text must not.
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 6);
  return std::string(buffer.data(), result.ptr);
}

std::string RangeMessage(double lo, double hi) {
  return "Величина вне диапазона " + GText(lo) + " - " + GText(hi);
}

std::string ShortRangeMessage(double lo, double hi) { return "Вне диапазона " + GText(lo) + " - " + GText(hi); }

}  // namespace lur
