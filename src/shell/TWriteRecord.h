#pragma once
// What a whole write sent, kept for the check that reads it back: the pages
// the controller confirmed, in the order written, the configuration they
// came from and the controller's identity (which says how pages 1..8 are
// laid out).
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/TConfiguration.h"
#include "shell/TPageImage.h"

namespace lur {

struct TWriteRecord {
  std::vector<TPageImage> pages;
  std::shared_ptr<const TConfiguration> sent;  // the outgoing configuration; null before a write
  std::array<std::uint8_t, 15> identity{};     // the controller's identity record
  int deviceIndex = 0;                         // where the pages went
};

}  // namespace lur
