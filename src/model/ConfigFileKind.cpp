#include "model/ConfigFileKind.h"

namespace lur {
namespace {

// The blocks before the algorithm section that do not depend on the block
// count: device index, identity, module blocks, relay, exchange and
// function-15 tables, discrete pages (3300 bytes); units, input texts and
// output texts after the function block pages (96 + 2688 + 560 bytes).
constexpr std::size_t kBeforeRecords = 3300;
constexpr std::size_t kRecordBytesPerBlock = 16;
constexpr std::size_t kUnitsAndTexts = 96 + 12 * 224 + 4 * 140;

}  // namespace

TConfigFileKind RecogniseConfigFile(std::size_t size) {
  const std::size_t k = size / 1024;
  if (k < 12) return TConfigFileKind::Unknown;
  if (k == 12) return TConfigFileKind::Blocks40;
  if (size == kConfigFileSize60) return TConfigFileKind::Blocks60;
  if (size == kConfigFileSize120) return TConfigFileKind::Blocks120;
  return TConfigFileKind::Unknown;
}

std::size_t ConfigFileSize(int blockCount) { return blockCount == 60 ? kConfigFileSize60 : kConfigFileSize120; }

int ConfigFileBlocks(TConfigFileKind kind) {
  switch (kind) {
    case TConfigFileKind::Blocks60:
      return 60;
    case TConfigFileKind::Blocks120:
      return 120;
    default:
      return 0;
  }
}

std::size_t ConfigFileAlgOffset(int blockCount) {
  const bool sixty = blockCount == 60;
  const std::size_t f = sixty ? 60 : 120;
  return kBeforeRecords + f * kRecordBytesPerBlock + (sixty ? kConfigFileGap60 : 0) + kUnitsAndTexts;
}

std::size_t ConfigFileOutputTextsOffset(int blockCount) {
  constexpr std::size_t kOutputTextBytes = 4 * 140;
  return ConfigFileAlgOffset(blockCount) - kOutputTextBytes;
}

}  // namespace lur
