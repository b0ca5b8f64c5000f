#pragma once
// The copy buffer: the clipboard of the editors' group operations (blocks,
// handlers, texts, loops) and the place that holds module data while a
// configuration is re-created. A plain store, read and written directly by
// its owners; areas have the shapes of the live tables. It survives closing
// an editor and loading another configuration.
#include <array>
#include <cstdint>
#include <string>

namespace lur {

class TCopyBlocksClass {
 public:
  static constexpr int kModulePages = 8;
  static constexpr std::size_t kModulePageSize = 169;
  static constexpr int kInputSignals = 192;
  static constexpr int kOutputs = 40;
  static constexpr std::size_t kTextSize = 14;
  static constexpr int kInputIdSlots = 11;
  static constexpr int kOutputIdSlots = 8;
  static constexpr int kBlocks = 120;
  static constexpr std::size_t kFBRecordSize = 16;

  using ModulePage = std::array<std::uint8_t, kModulePageSize>;
  using Text = std::array<std::uint8_t, kTextSize>;  // Windows-1251, blank padded, not terminated
  using InputId = std::array<std::string, kInputIdSlots>;
  using OutputId = std::array<std::string, kOutputIdSlots>;
  using FBRecord = std::array<std::uint8_t, kFBRecordSize>;

  // Areas, in this order.
  std::array<ModulePage, kModulePages> CopyMBA{};  // analog module pages
  std::array<std::uint8_t, 121> CopyMR{};          // relay module table: 24 bytes per module at its place
  std::array<ModulePage, kModulePages> CopyMBM{};  // network analog groups
  std::array<std::array<std::uint8_t, 8>, kInputSignals> CopyDiskr{};  // discrete processing records
  std::array<Text, kInputSignals> CopyInputTexts{};                    // by signal entry
  std::array<Text, kOutputs> CopyOutputTexts{};
  std::array<InputId, kInputSignals> CopyInputIds{};  // empty texts until filled
  std::array<OutputId, kOutputs> CopyOutputIds{};
  std::array<FBRecord, kBlocks> CopyFB{};  // each at the record index it was copied from

  // Group state: first, last and count of the copied discrete handlers, input
  // texts and output texts (0-based entries).
  int CopyDiskrFirst = 0;
  int CopyDiskrLast = 0;
  int CopyDiskrCount = 0;  // valid slots of CopyDiskr
  int CopyInFirst = 0;
  int CopyInLast = 0;
  int CopyInCount = 0;
  int CopyOutFirst = 0;
  int CopyOutLast = 0;
  int CopyOutCount = 0;

  std::array<int, kBlocks + 1> CopyFBMark{};  // 1: the record at that index is copied
  int CopyFBCount = 0;                        // non-zero enables the group insertion
  std::array<std::uint8_t, 336> CopyReg{};    // loop records 0..167, setter records 168..335
};

}  // namespace lur
