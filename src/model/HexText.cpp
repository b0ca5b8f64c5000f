#include "model/HexText.h"

#include <cstdio>

namespace lur {

std::string HexBytes(const std::uint8_t* bytes, std::size_t count) {
  std::string text;
  char b[4];
  for (std::size_t i = 0; i < count; ++i) {
    std::snprintf(b, sizeof b, i ? " %02X" : "%02X", bytes[i]);
    text += b;
  }
  return text;
}

bool ParseHexByte(const std::string& text, std::uint8_t& value) {
  if (text.empty() || text.size() > 2) return false;
  unsigned v = 0;
  for (char c : text) {
    v <<= 4;
    if (c >= '0' && c <= '9') {
      v |= static_cast<unsigned>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      v |= static_cast<unsigned>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
      v |= static_cast<unsigned>(c - 'A' + 10);
    } else {
      return false;
    }
  }
  value = static_cast<std::uint8_t>(v);
  return true;
}

}  // namespace lur
