#pragma once
// The reserve: byte images of the configuration as the controller (or the
// file) last held it, beside the live tables. Editors return to it when the
// user discards changes or a write fails, and compare against it. A plain
// store: its owners read and write the areas directly; every area has the
// shape of the live table it mirrors, so that a copy either way is a straight
// assignment.
#include <array>
#include <cstdint>
#include <string>

namespace lur {

class TProgFBClass;
class TProgLurClass;
struct TConfiguration;

class TReservBlocksClass {
 public:
  static constexpr int kModulePages = 8;
  static constexpr std::size_t kModulePageSize = 169;
  static constexpr int kInputSignals = 192;
  static constexpr int kOutputs = 40;
  static constexpr std::size_t kTextSize = 14;
  static constexpr int kInputIdSlots = 11;
  static constexpr int kOutputIdSlots = 8;
  static constexpr int kBlocks = 120;  // function block records and algorithms
  static constexpr std::size_t kFBRecordSize = 16;
  static constexpr std::size_t kAlgNameSize = 100;
  static constexpr int kNoAlgEntry = 255;

  using ModulePage = std::array<std::uint8_t, kModulePageSize>;
  using Text = std::array<std::uint8_t, kTextSize>;  // Windows-1251, blank padded, not terminated
  using InputId = std::array<std::string, kInputIdSlots>;
  using OutputId = std::array<std::string, kOutputIdSlots>;
  using FBRecord = std::array<std::uint8_t, kFBRecordSize>;
  using AlgName = std::array<std::uint8_t, kAlgNameSize>;

  // Areas, in the order of the configuration they mirror.
  int ResDiscreteCount = 0;                       // ProcessedDiscreteCount at the time of the image
  int ResAnalogCount = 0;                         // ProcessedAnalogCount
  std::array<ModulePage, kModulePages> ResMBA{};  // analog input module pages
  std::array<std::uint8_t, 121> ResMR{};          // relay output module table
  std::array<std::uint8_t, 194> ResMBMHead{};     // exchange table, page 0x0A
  std::array<ModulePage, kModulePages> ResMBM{};  // network analog groups
  std::array<std::uint8_t, 81> ResF15{};          // function-15 table
  std::array<std::array<std::uint8_t, 8>, kInputSignals> ResDiskr{};  // discrete processing records
  std::array<Text, kInputSignals> ResInputTexts{};
  std::array<Text, kOutputs> ResOutputTexts{};
  std::array<std::uint8_t, 96> ResUnits{};           // units of measure
  std::array<InputId, kInputSignals> ResInputIds{};  // empty texts until filled
  std::array<OutputId, kOutputs> ResOutputIds{};
  std::array<FBRecord, kBlocks> ResFB{};  // function block records 0..119
  std::array<AlgName, kBlocks> ResAlgName{};
  std::array<int, kBlocks> ResAlgHead{};
  std::array<std::array<int, kBlocks>, kBlocks> ResAlgFB{};
  int ResNAlg = 0;
  std::array<std::uint8_t, 336> ResReg{};    // loop records 0..167, setter records 168..335
  std::array<std::uint8_t, 16> ResTipDat{};  // sensor-type block (page 98)

  // Every area from the configuration's tables: the image of the
  // configuration as it now stands, taken once it was read from the
  // controller or loaded from a file. Function block records up to the
  // active capacity, as SaveFB.
  void SaveAll(const TConfiguration& config);

  // The sensor-type block, every module's word.
  void SaveTipDat(const TProgLurClass& lur);

  // Function block records 0 .. count - 1 (count cut to 0..120) to and from
  // the live table.
  void SaveFB(const TProgFBClass& fb, int count);
  void RestoreFB(TProgFBClass& fb, int count) const;
  // The algorithm data, entry by entry within the 120 x 120 the reserve
  // holds (the live table has a spare entry in each dimension).
  void SaveAlgorithms(const TProgFBClass& fb);
  void RestoreAlgorithms(TProgFBClass& fb) const;
  // After a function block read from the controller, which holds no
  // algorithms: names of 100 spaces, every entry 255, no algorithms.
  void ClearAlgorithms();
};

}  // namespace lur
