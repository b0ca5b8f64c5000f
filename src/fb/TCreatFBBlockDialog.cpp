#include "fb/TCreatFBBlockDialog.h"

#include <charconv>

namespace lur {

int TCreatFBBlockDialog::Number() const {
  const std::string& text = form_.editNFB;
  std::size_t first = text.find_first_not_of(' ');
  std::size_t last = text.find_last_not_of(' ');
  if (first == std::string::npos) return 0;
  int value = 0;
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  return ec == std::errc() && ptr == end ? value : 0;
}

}  // namespace lur
