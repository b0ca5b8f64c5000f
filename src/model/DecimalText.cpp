#include "model/DecimalText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace lur {

namespace {

// Enough places to hold every float exactly (the smallest is 2^-149), so the
// rounding below sees the true digits, not a pre-rounded text.
constexpr int kExactPlaces = 160;
constexpr int kSignificant = 7;

// Adds one unit in the last place of a digit string; returns true when the
// carry ran off the front (all nines).
bool IncrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return false;
    }
    *it = '0';
  }
  return true;
}

}  // namespace

std::string FixedText(double value, int decimals, char separator) {
  if (!std::isfinite(value)) return {};
  decimals = std::clamp(decimals, 0, 18);

  char buf[512];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, kExactPlaces);
  if (res.ec != std::errc()) return {};
  const std::string exact(buf, res.ptr);
  const std::size_t point = exact.find('.');
  std::string digits = exact.substr(0, point) + exact.substr(point + 1);
  int intLen = static_cast<int>(point);

  const std::size_t firstNonZero = digits.find_first_not_of('0');
  const int sigLimit =
      firstNonZero == std::string::npos ? intLen + decimals : static_cast<int>(firstNonZero) + kSignificant;
  const int keep = std::min(intLen + decimals, sigLimit);

  const bool roundUp = keep < static_cast<int>(digits.size()) && digits[keep] >= '5';
  std::string kept = digits.substr(0, keep);
  if (roundUp && IncrementDigits(kept)) {
    kept.insert(kept.begin(), '1');
    ++intLen;
  }
  kept.resize(intLen + decimals, '0');  // digits past the seventh significant one read as zeros

  std::string intPart = kept.substr(0, intLen);
  const std::size_t lead = intPart.find_first_not_of('0');
  intPart = lead == std::string::npos ? "0" : intPart.substr(lead);
  const std::string fracPart = kept.substr(intLen);

  std::string text;
  if (value < 0 && kept.find_first_not_of('0') != std::string::npos) text += '-';
  text += intPart;
  if (decimals > 0) {
    text += separator;
    text += fracPart;
  }
  return text;
}

int DecimalsByMagnitude(double v) {
  if (v > -10 && v <= 10) return 4;
  if ((v > 10 && v <= 100) || (v > -100 && v <= -10)) return 3;
  if ((v > 100 && v <= 1000) || (v > -1000 && v <= -100)) return 2;
  if ((v > 1000 && v <= 10000) || (v > -10000 && v <= -1000)) return 1;
  return 0;
}

std::optional<double> ParseDecimalText(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);

  std::string s(text);
  if (s.front() == '+') s.erase(0, 1);
  const std::size_t sep = s.find_first_of(".,");
  if (sep != std::string::npos) {
    if (s.find_first_of(".,", sep + 1) != std::string::npos) return std::nullopt;
    s[sep] = '.';
  }
  // from_chars takes neither a leading '+' nor blanks; an empty mantissa or a
  // stray sign fails there.
  if (s.empty() || s.front() == '+' || s.front() == ' ') return std::nullopt;

  double value = 0;
  const auto res = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
  if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<Real24> ParseReal24Text(std::string_view text) {
  const auto value = ParseDecimalText(text);
  if (!value) return std::nullopt;
  // Checked before the narrowing: a double beyond the float range must not be cast.
  if (std::fabs(*value) >= std::ldexp(1.0, 127)) return std::nullopt;
  const auto single = static_cast<float>(*value);
  if (std::fabs(single) >= std::ldexp(1.0f, 127)) return std::nullopt;  // rounded up to 2^127
  return FloatToReal24(single);
}

}  // namespace lur
