#include "network/TFormVhLocController.h"

#include <algorithm>
#include <cctype>

#include "ui/RangeMessages.h"
#include "ui/TUserInterface.h"

namespace lur {

void TFormVhLocController::Open(int s1, int n) {
  s1_ = s1;
  n_ = n;
  first_ = s1;
  count_ = std::min(n, 12);
  edit1 = std::to_string(first_);
  edit2 = std::to_string(count_);
}

bool TFormVhLocController::Parse(const std::string& text, std::int64_t& value) {
  std::size_t from = text.find_first_not_of(' ');
  std::size_t to = text.find_last_not_of(' ');
  if (from == std::string::npos) return false;
  const bool negative = text[from] == '-';
  if (negative) ++from;
  const std::size_t digits = to + 1 - from;
  // The field takes ten digits; more are not the field's text.
  if (digits == 0 || digits > static_cast<std::size_t>(kMaxDigits)) return false;
  std::int64_t v = 0;
  for (std::size_t i = from; i <= to; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    v = v * 10 + (text[i] - '0');
  }
  value = negative ? -v : v;
  return true;
}

bool TFormVhLocController::Edit1Exit() {
  std::int64_t v = 0;
  if (!Parse(edit1, v)) {
    if (edit1.find_first_not_of(' ') == std::string::npos) ui_.InlineError("Edit1");
    return false;
  }
  first_ = v;
  return true;
}

bool TFormVhLocController::Edit2Exit() {
  std::int64_t v = 0;
  if (!Parse(edit2, v)) {
    if (edit2.find_first_not_of(' ') == std::string::npos) ui_.InlineError("Edit2");
    return false;
  }
  count_ = v;
  return true;
}

bool TFormVhLocController::OKClick() {
  std::int64_t f = 0;
  if (!Parse(edit1, f) || f < 0) {
    ui_.InlineError("Edit1");
    return false;
  }
  const std::int64_t last = static_cast<std::int64_t>(s1_) + n_ - 1;
  if (f < s1_ || f > last) {
    ui_.InlineError("Edit1", RangeMessage(s1_, static_cast<double>(last)));
    return false;
  }
  std::int64_t c = 0;
  if (!Parse(edit2, c) || c <= 0) {
    ui_.InlineError("Edit2");
    return false;
  }
  // A block whose remainder after the count is small may show up to its
  // end; any other count is a window's worth.
  const std::int64_t high = (n_ > 12 && n_ - c < 13) ? s1_ + n_ - f : 12;
  if (c > high) {
    ui_.InlineError("Edit2", RangeMessage(1, static_cast<double>(high)));
    return false;
  }
  first_ = f;
  count_ = c;
  return true;
}

}  // namespace lur
