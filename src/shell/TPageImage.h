#pragma once
// One configuration page as it travels: its number and the bytes after it.
#include <cstdint>
#include <vector>

namespace lur {

struct TPageImage {
  std::uint8_t page = 0;
  std::vector<std::uint8_t> bytes;
};

}  // namespace lur
