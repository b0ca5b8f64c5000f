#pragma once
// A configuration file (".lur") as the simulated controller sees it: the
// pages it serves and the identity that made them. The layout is a fixed
// concatenation known by the file's size (35,437 bytes for 120 function
// blocks, 17,955 for 60):
//   device index (1), identity (15), eight 169-byte module blocks (page number
//   first; bit 7 marks a new-version thermo module), relay table (121),
//   exchange table (194), function-15 table (81), discrete pages 12..19
//   (8 x 192), function block pages (F/10 x 160), for 60 blocks 338 zero
//   bytes, units (96), input text pages 40..51 (12 x 224), the blocks only
//   files hold (output texts, function block texts, layout: 4 x 140 +
//   F/10 x 1000 + F + F x F + 1), loop pages 32, 33 (2 x 168), page 98 (16).
// The file-only blocks are kept as they are and never served.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "sim/ModuleSet.h"
#include "sim/PageStore.h"

namespace lur::sim {

struct ConfigFileImage {
  static constexpr std::size_t kSize120 = 35437;
  static constexpr std::size_t kSize60 = 17955;

  std::uint8_t deviceIndex = 0;
  std::array<std::uint8_t, 15> identity{};
  int functionBlocks = 120;
  PageStore pages;
  std::vector<std::uint8_t> fileOnly;  // empty: zeros when written

  std::array<std::uint8_t, ModuleSet::kSlotCount> ModuleTypes() const;
  std::uint8_t DisplayType() const { return identity[14]; }
};

// nullopt, with the reason in error, for a file of neither size or with an
// identity no controller could have (a module code above 15, more than five
// output modules, a display type above 4).
std::optional<ConfigFileImage> ParseConfigFile(std::span<const std::uint8_t> bytes, std::string& error);

// The file of what a controller holds. Pages it lacks are written as zeros;
// the analog blocks of thermo modules carry the new-version mark, as the
// controller answers their probe.
std::vector<std::uint8_t> BuildConfigFile(const ConfigFileImage& image, const ModuleSet& modules);

}  // namespace lur::sim
