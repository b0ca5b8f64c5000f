#include "sim/SimText.h"

namespace lur::sim {

namespace {

char FromCodePoint(char32_t c) {
  if (c < 0x80) return static_cast<char>(c);
  if (c >= 0x0410 && c <= 0x044F) return static_cast<char>(0xC0 + (c - 0x0410));
  if (c == 0x0401) return static_cast<char>(0xA8);  // Ё
  if (c == 0x0451) return static_cast<char>(0xB8);  // ё
  if (c == 0x2116) return static_cast<char>(0xB9);  // №
  return '?';
}

}  // namespace

std::string ToCp1251(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    char32_t c = lead;
    std::size_t extra = 0;
    if (lead >= 0xF0) {
      c = lead & 0x07;
      extra = 3;
    } else if (lead >= 0xE0) {
      c = lead & 0x0F;
      extra = 2;
    } else if (lead >= 0xC0) {
      c = lead & 0x1F;
      extra = 1;
    }
    ++i;
    for (std::size_t k = 0; k < extra && i < utf8.size(); ++k, ++i) {
      c = (c << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
    }
    out.push_back(FromCodePoint(c));
  }
  return out;
}

void PutText(std::uint8_t* destination, std::size_t width, std::string_view utf8) {
  const std::string bytes = ToCp1251(utf8);
  for (std::size_t i = 0; i < width; ++i) {
    destination[i] = i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : ' ';
  }
}

}  // namespace lur::sim
