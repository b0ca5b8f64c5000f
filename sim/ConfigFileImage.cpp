#include "sim/ConfigFileImage.h"

#include <algorithm>

#include "sim/PageCatalogue.h"

namespace lur::sim {

namespace {

constexpr std::size_t kModuleBlockSize = 169;
constexpr std::uint8_t kNewVersionMark = 0x80;
constexpr std::size_t kZeroGap60 = 338;

std::size_t FileOnlySize(int functionBlocks) {
  const auto f = static_cast<std::size_t>(functionBlocks);
  return 4 * 140 + f / 10 * 1000 + f + f * f + 1;
}

// The blocks of the layout in file order: the page each holds (0 for the
// parts that are no page) and whether the page number byte is part of it.
struct Block {
  enum class Kind { DeviceIndex, Identity, Page, Gap, FileOnly };
  Kind kind;
  std::uint8_t page = 0;
  bool withNumber = false;
  std::size_t size = 0;
};

std::vector<Block> Layout(int functionBlocks) {
  std::vector<Block> blocks;
  blocks.push_back({Block::Kind::DeviceIndex, 0, false, 1});
  blocks.push_back({Block::Kind::Identity, 0, false, 15});
  for (int slot = 0; slot < ModuleSet::kSlotCount; ++slot) {
    blocks.push_back(
        {Block::Kind::Page, static_cast<std::uint8_t>(kFirstModulePage + slot), true, kModuleBlockSize});
  }
  for (const std::uint8_t page : {kRelayPage, kExchangePage, kFunction15Page}) {
    blocks.push_back({Block::Kind::Page, page, true, 1 + *ConfigPageLength(page)});
  }
  auto pages = [&](std::uint8_t first, int count) {
    for (int p = 0; p < count; ++p) {
      const auto page = static_cast<std::uint8_t>(first + p);
      blocks.push_back({Block::Kind::Page, page, false, *ConfigPageLength(page)});
    }
  };
  pages(kFirstDiscretePage, 8);
  pages(kFirstFunctionBlockPage, functionBlocks / 10);
  if (functionBlocks == 60) blocks.push_back({Block::Kind::Gap, 0, false, kZeroGap60});
  pages(kUnitsPage, 1);
  pages(kFirstTextPage, 12);
  blocks.push_back({Block::Kind::FileOnly, 0, false, FileOnlySize(functionBlocks)});
  pages(kRegulatorPage, 2);
  pages(kSensorTypePage, 1);
  return blocks;
}

bool UsableIdentity(const std::array<std::uint8_t, 15>& identity) {
  int outputs = 0;
  for (int slot = 0; slot < ModuleSet::kSlotCount; ++slot) {
    const std::uint8_t type = identity[static_cast<std::size_t>(1 + slot)];
    if (type > 15) return false;
    outputs += ModuleSet::IsOutputType(type);
  }
  return outputs <= ModuleSet::kMaxOutputModules && identity[14] <= 4;
}

}  // namespace

std::array<std::uint8_t, ModuleSet::kSlotCount> ConfigFileImage::ModuleTypes() const {
  std::array<std::uint8_t, ModuleSet::kSlotCount> types{};
  std::copy_n(identity.begin() + 1, types.size(), types.begin());
  return types;
}

std::optional<ConfigFileImage> ParseConfigFile(std::span<const std::uint8_t> bytes, std::string& error) {
  ConfigFileImage image;
  if (bytes.size() == ConfigFileImage::kSize120) {
    image.functionBlocks = 120;
  } else if (bytes.size() == ConfigFileImage::kSize60) {
    image.functionBlocks = 60;
  } else {
    error = "a configuration file has 35437 bytes (120 function blocks) or 17955 (60), not " +
            std::to_string(bytes.size());
    return std::nullopt;
  }
  std::size_t at = 0;
  for (const Block& block : Layout(image.functionBlocks)) {
    const auto part = bytes.subspan(at, block.size);
    at += block.size;
    switch (block.kind) {
      case Block::Kind::DeviceIndex:
        image.deviceIndex = part[0];
        break;
      case Block::Kind::Identity:
        std::copy(part.begin(), part.end(), image.identity.begin());
        break;
      case Block::Kind::Page: {
        const auto content = block.withNumber ? part.subspan(1) : part;
        image.pages.Put(block.page, std::vector<std::uint8_t>(content.begin(), content.end()));
        break;
      }
      case Block::Kind::FileOnly:
        image.fileOnly.assign(part.begin(), part.end());
        break;
      case Block::Kind::Gap:
        break;
    }
  }
  if (!UsableIdentity(image.identity)) {
    error = "the file's identity names no possible controller";
    return std::nullopt;
  }
  return image;
}

std::vector<std::uint8_t> BuildConfigFile(const ConfigFileImage& image, const ModuleSet& modules) {
  std::vector<std::uint8_t> file;
  file.reserve(image.functionBlocks == 60 ? ConfigFileImage::kSize60 : ConfigFileImage::kSize120);
  for (const Block& block : Layout(image.functionBlocks)) {
    const std::size_t start = file.size();
    file.resize(start + block.size, 0);
    std::uint8_t* out = file.data() + start;
    switch (block.kind) {
      case Block::Kind::DeviceIndex:
        out[0] = image.deviceIndex;
        break;
      case Block::Kind::Identity:
        std::copy(image.identity.begin(), image.identity.end(), out);
        break;
      case Block::Kind::Page: {
        std::uint8_t* content = out;
        if (block.withNumber) {
          out[0] = block.page;
          const int slot = block.page - kFirstModulePage;
          const bool moduleBlock = block.page >= kFirstModulePage && slot < ModuleSet::kSlotCount;
          if (moduleBlock && slot < modules.AnalogModules() &&
              modules.AnalogModuleType(slot) == ModuleSet::kThermoModuleType) {
            out[0] |= kNewVersionMark;
          }
          ++content;
        }
        if (const auto* bytes = image.pages.Find(block.page)) {
          std::copy_n(bytes->begin(), std::min(bytes->size(), block.size - (block.withNumber ? 1 : 0)),
                      content);
        }
        break;
      }
      case Block::Kind::FileOnly:
        std::copy_n(image.fileOnly.begin(), std::min(image.fileOnly.size(), block.size), out);
        break;
      case Block::Kind::Gap:
        break;
    }
  }
  return file;
}

}  // namespace lur::sim
