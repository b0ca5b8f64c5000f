#include "ui/NumericText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace lur {
namespace {

std::string_view TrimBlanks(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(' ');
  return s.substr(first, last - first + 1);
}

int DigitValue(char c, int base) {
  int d = -1;
  if (c >= '0' && c <= '9') d = c - '0';
  if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
  if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
  return d < base ? d : -1;
}

constexpr std::string_view kCyrillicBe = "\xD0\xB1";       // б
constexpr std::string_view kCyrillicBeUpper = "\xD0\x91";  // Б

}  // namespace

std::optional<TNumericRange> NumericKindRange(int kind) {
  if (kind >= 0 && kind <= 2) return TNumericRange{-32767, 32767};
  if (kind == 5) return TNumericRange{0, 3};
  return std::nullopt;
}

TNumericText CheckNumericText(std::string_view utf8, int kind) {
  const std::string_view text = TrimBlanks(utf8);
  if (text.empty()) return {TFieldTextError::Empty, 0};
  const auto bad = TNumericText{TFieldTextError::BadForm, 0};
  if (text.find('?') != std::string_view::npos) return bad;
  if (text.find(kCyrillicBe) != std::string_view::npos) return bad;
  if (text.find(kCyrillicBeUpper) != std::string_view::npos) return bad;
  const auto commas = std::count(text.begin(), text.end(), ',');
  if (commas > 1 || text.back() == ',') return bad;
  const auto minus = std::count(text.begin(), text.end(), '-');
  if (minus > 1 || (minus == 1 && text.front() != '-')) return bad;
  const std::string_view number = minus == 1 ? text.substr(1) : text;
  if (number.empty()) return bad;  // a minus alone
  std::string plain;  // the number with a point, as from_chars reads it
  for (char c : number) {
    if (c == ',') {
      plain.push_back('.');
    } else if (c >= '0' && c <= '9') {
      plain.push_back(c);
    } else {
      return bad;
    }
  }
  if (plain == ".") return bad;
  double magnitude = 0;
  const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), magnitude);
  if (ec == std::errc::result_out_of_range) {
    magnitude = HUGE_VAL;  // more digits than a double holds: out of any range
  } else if (ec != std::errc() || end != plain.data() + plain.size()) {
    return bad;
  }
  const double value = minus == 1 ? -magnitude : magnitude;
  if (!std::isfinite(value)) return {TFieldTextError::OutOfRange, value};
  if (const auto range = NumericKindRange(kind); range && (value < range->lo || value > range->hi)) {
    return {TFieldTextError::OutOfRange, value};
  }
  return {TFieldTextError::None, value};
}

TIntText ParseIntText(std::string_view text, int lo, int hi, int base) {
  text = TrimBlanks(text);
  if (text.empty()) return {TFieldTextError::Empty, 0};
  const bool negative = text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty()) return {TFieldTextError::BadForm, 0};
  // Accumulate in 64 bits and stop growing once past any int: the digits
  // are still read to tell a long number from a malformed one.
  constexpr std::int64_t kCap = std::int64_t{1} << 40;
  std::int64_t magnitude = 0;
  for (char c : text) {
    const int d = DigitValue(c, base);
    if (d < 0) return {TFieldTextError::BadForm, 0};
    if (magnitude < kCap) magnitude = magnitude * base + d;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < lo || value > hi) return {TFieldTextError::OutOfRange, 0};
  return {TFieldTextError::None, static_cast<int>(value)};
}

}  // namespace lur
