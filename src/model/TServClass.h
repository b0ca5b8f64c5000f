#pragma once
// The service record of the configuration: who the controller is (device
// number, display type, the module in each of its eight slots), the counts
// derived from that, the identifiers and texts of all input signals and
// discrete outputs, and the flags of the current editing state.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/ModuleTypes.h"
#include "model/PageCatalogue.h"
#include "model/Protocol.h"

namespace lur {

class TServClass {
 public:
  static constexpr std::size_t kIdentitySize = 15;
  static constexpr std::uint8_t kIdentityFunction = fn::kIdentity;
  static constexpr std::size_t kTextSize = 14;
  static constexpr int kInputIdSlots = 11;
  static constexpr int kOutputIdSlots = 8;
  static constexpr int kNetBlockCount = 16;
  static constexpr int kStateFlagCount = 11;

  static constexpr int kInputTextsPerPage = 16;
  static constexpr int kInputTextPageCount = kMaxInputSignals / kInputTextsPerPage;  // 12
  static constexpr std::size_t kInputTextPageSize = kInputTextsPerPage * kTextSize;  // 224
  static constexpr std::uint8_t kFirstInputTextPage = page::kFirstInputText;         // pages 40..51
  static constexpr int kOutputTextsPerPage = 10;
  static constexpr int kOutputTextPageCount = kMaxOutputs / kOutputTextsPerPage;       // 4
  static constexpr std::size_t kOutputTextPageSize = kOutputTextsPerPage * kTextSize;  // 140

  // Identity record bytes.
  static constexpr int kIdModuleCount = 0;
  static constexpr int kIdFirstSlot = 1;  // bytes 1..8: slot 0..7
  static constexpr int kIdOutputCount = 11;
  static constexpr int kIdProcessedDiscrete = 12;
  static constexpr int kIdProcessedAnalog = 13;
  static constexpr int kIdDisplayType = 14;

  using Identity = std::array<std::uint8_t, kIdentitySize>;
  using Text = std::array<std::uint8_t, kTextSize>;  // Windows-1251, blank padded, not terminated
  using InputIdSlots = std::array<std::string, kInputIdSlots>;
  using OutputIdSlots = std::array<std::string, kOutputIdSlots>;
  using InputIdTable = std::array<InputIdSlots, kMaxInputSignals>;
  using OutputIdTable = std::array<OutputIdSlots, kMaxOutputs>;
  using InputTextTable = std::array<Text, kMaxInputSignals>;
  using OutputTextTable = std::array<Text, kMaxOutputs>;

  // What the network identifiers need of one exchange block: its function code
  // and its register count, as the exchange table holds them.
  struct NetBlock {
    std::uint8_t kodF = 0;
    std::uint8_t kolVh = 0;
  };

  TServClass();

  // ---- identity --------------------------------------------------------------
  // An identity whose module codes, display type, output module count or
  // processed-signal counts would index past a table is refused: the set
  // operations then return false and leave the whole record as it was.
  static bool IsUsableIdentity(std::span<const std::uint8_t, kIdentitySize> bytes);
  // The function-17 answer frame: address, 17, count, 15 identity bytes, CRC.
  bool SetIdentityFromAnswer(std::uint8_t function, std::span<const std::uint8_t> answer);
  // The 15 bytes as a configuration file holds them (the first 15 are taken).
  bool SetIdentityFromBytes(std::span<const std::uint8_t> bytes);
  const Identity& GetIdentityRecord() const { return identity_; }
  // Before a configuration is saved the processed counts go back into bytes 12 and 13.
  void RefreshIdentityCounts();
  void RecomputeCounts();

  // Slot 0..7; an invalid slot reads as empty.
  int GetModuleType(int slot) const;
  // Position of the module in `slot` among the modules of its own group
  // (0 = the group's first module), or -1 for an empty slot, a module of no
  // group, or an invalid slot. The analog block, the relay module and the page
  // 60 + n probe of a slot all follow from it.
  int GroupIndexOfSlot(int slot) const;

  std::uint8_t GetDeviceIndex() const { return deviceIndex_; }
  bool SetDeviceIndex(int index);  // 0..30
  int GetAddressIndex() const { return addressIndex_; }
  bool SetAddressIndex(int index);  // 0..30
  int GetCurrentSlot() const { return currentSlot_; }
  void SetCurrentSlot(int slot) { currentSlot_ = slot; }

  int GetDiModuleCount() const { return diModuleCount_; }
  int GetAiModuleCount() const { return aiModuleCount_; }
  int GetDoModuleCount() const { return doModuleCount_; }
  // Setters for a configuration built by hand; counts that would index past
  // the signal or output tables are refused.
  bool SetDiModuleCount(int count);     // 0..8
  bool SetAiModuleCount(int count);     // 0..8
  bool SetDoModuleCount(int count);     // 0..5
  bool SetType5ModuleCount(int count);  // 0..5
  int GetProcessedDiscreteCount() const { return processedDiscreteCount_; }
  int GetProcessedAnalogCount() const { return processedAnalogCount_; }
  bool SetProcessedDiscreteCount(int count);  // 0..192
  bool SetProcessedAnalogCount(int count);    // 0..192
  int GetFirstAnalogSlot() const { return firstAnalogSlot_; }
  int GetFirstOutputSlot() const { return firstOutputSlot_; }
  void SetFirstAnalogSlot(int slot) { firstAnalogSlot_ = slot; }
  void SetFirstOutputSlot(int slot) { firstOutputSlot_ = slot; }
  int GetDisplayType() const { return displayType_; }
  bool SetDisplayType(int type);  // 0..4; also identity byte 14
  int GetDiCount() const { return diCount_; }
  int GetAiCount() const { return aiCount_; }
  int GetDoCount() const { return doCount_; }
  int GetSlotCount() const { return kSlotCount; }
  // Light-board cells of the display type; an unknown type keeps the last value.
  int GetDisplayTypeCount();

  // Page lengths of the writes: page number + 96 bytes, page number + 224 bytes.
  // Always the fixed values, whatever a controller once answered.
  static constexpr int GetShortPageRequestLength() { return 97; }
  static constexpr int GetTextPageRequestLength() { return 1 + static_cast<int>(kInputTextPageSize); }

  // ---- network input bookkeeping ---------------------------------------------
  // Counts per exchange block: registers of blocks of functions 1, 2 are
  // discrete inputs, of functions 3, 4 analog inputs. Blocks past 16 are ignored.
  void RecomputeNetCounts(std::span<const NetBlock> blocks);
  void ClearNetCounts();
  // Counts as above, then the identifiers of the network inputs from entry
  // DiCount + 4 x AiCount on, in block order; entries past 191 are not built.
  // Returns the entry after the last one built.
  int BuildNetInputIds(std::span<const NetBlock> blocks);
  int GetNetAnalogCount(int block) const;
  int GetNetDiscreteCount(int block) const;
  int GetNetAnalogTotal() const { return netAnalogTotal_; }
  int GetNetDiscreteTotal() const { return netDiscreteTotal_; }
  int GetNetBlockTotal() const { return netBlockTotal_; }

  // ---- identifiers ---------------------------------------------------------
  void ClearInputIds();
  void ClearOutputIds();
  void MakeDefaultInputIds();
  void MakeDefaultOutputIds();
  // block and register are 0-based and shown 1-based; threshold 0..3 = LL, L, H, HH.
  // Return false (nothing written) for an entry outside 0..191 or a bad threshold.
  bool MakeNetDiscreteId(int block, int reg, int entry);
  bool MakeNetAnalogId(int block, int reg, int threshold, int entry);
  // Displayed forms: the first 10 slots, or the first 8; "" for an invalid entry.
  std::string GetInputId(int entry) const;
  std::string GetInputIdShort(int entry) const;
  std::string GetOutputId(int entry) const;
  std::string GetInputIdSlot(int entry, int slot) const;
  void SetInputIdSlot(int entry, int slot, std::string_view text);
  std::string GetOutputIdSlot(int entry, int slot) const;
  void SetOutputIdSlot(int entry, int slot, std::string_view text);
  const InputIdTable& GetInputIds() const { return inputIds_; }
  void SetInputIds(const InputIdTable& ids) { inputIds_ = ids; }
  const OutputIdTable& GetOutputIds() const { return outputIds_; }
  void SetOutputIds(const OutputIdTable& ids) { outputIds_ = ids; }

  // ---- texts ---------------------------------------------------------------
  // The bytes of the text up to its first zero byte (a text never written reads
  // empty); "" for an invalid entry.
  std::string GetInputText(int entry) const;
  std::string GetOutputText(int entry) const;
  // At most 14 bytes are taken; the rest of the 14 become blanks.
  void SetInputText(std::string_view text, int entry);
  void SetOutputText(std::string_view text, int entry);
  void SetDefaultInputText(int entry);  // "Дискр.сигн.NNN", NNN = entry + 1
  void ClearInputTexts();               // all bytes 0
  // Entries from..191 take the texts of from + count..191; entries with no
  // source keep their texts.
  void DeleteInputTexts(int from, int count);
  // Opens a gap of count entries at `at`; texts pushed past 191 are lost and
  // the gap keeps its old texts until it is written.
  void InsertInputTexts(int at, int count);
  void BlankInputTexts(int from, int count);
  void BlankOutputTexts(int from, int count);
  const InputTextTable& GetInputTexts() const { return inputTexts_; }
  void SetInputTexts(const InputTextTable& texts) { inputTexts_ = texts; }
  const OutputTextTable& GetOutputTexts() const { return outputTexts_; }
  void SetOutputTexts(const OutputTextTable& texts) { outputTexts_ = texts; }

  // ---- text pages ------------------------------------------------------------
  // A 224-byte block of a configuration file (the first 224 bytes are taken).
  bool LoadInputTextPage(std::span<const std::uint8_t> bytes);
  // The answer to the read of text page `page` (0..11, controller page 40 + page).
  bool LoadInputTextPageFromAnswer(std::span<const std::uint8_t> answer, int page);
  bool StoreInputTextPage(int page);  // entries page x 16 .. + 15 <- transfer page
  bool FetchInputTextPage(int page);  // transfer page <- those entries
  std::span<const std::uint8_t, kInputTextPageSize> GetInputTextPage() const { return inputTextPage_; }
  // Output texts live only in configuration files: 140-byte blocks, pages 0..3.
  bool LoadOutputTextPage(std::span<const std::uint8_t> bytes);
  bool StoreOutputTextPage(int page);
  bool FetchOutputTextPage(int page);
  std::span<const std::uint8_t, kOutputTextPageSize> GetOutputTextPage() const { return outputTextPage_; }

  // ---- editing state (read and written directly by the windows) ---------------
  int InputTextsEdited = 0;
  int OutputTextsEdited = 0;
  int FileMode = 0;  // 1: configuration from a file or newly created
  int Modified = 0;  // 1: changes not yet saved or written
  // Bit q: input text page q (controller page 40 + q) holds a text the
  // controller has not confirmed (a refused or failed write, or the limited
  // access level); the next text write sends it along.
  int UnsentInputTextPages = 0;
  // 0: a configuration was created or opened; 1..8: keep that slot's module data
  // when a configuration is re-created; 9, 10: flags of the analog module editors.
  std::array<int, kStateFlagCount> StateFlags{};

 private:
  void TakeIdentity(std::span<const std::uint8_t, kIdentitySize> bytes);

  std::uint8_t deviceIndex_ = 0;
  int currentSlot_ = 0;
  int firstAnalogSlot_ = 0;
  int firstOutputSlot_ = 0;
  int processedDiscreteCount_ = 0;
  int processedAnalogCount_ = 0;
  int diModuleCount_ = 0;
  int aiModuleCount_ = 0;
  int doModuleCount_ = 0;
  int type5ModuleCount_ = 0;
  int diCount_ = 0;
  int aiCount_ = 0;
  int displayTypeCount_ = 24;
  int doCount_ = 0;
  int displayType_ = 0;
  int addressIndex_ = 0;

  std::array<int, kNetBlockCount> netAnalogCount_{};
  std::array<int, kNetBlockCount> netDiscreteCount_{};
  int netAnalogTotal_ = 0;
  int netDiscreteTotal_ = 0;
  int netBlockTotal_ = 0;

  Identity identity_{};
  std::array<int, kSlotCount> moduleTypes_{};
  InputIdTable inputIds_{};
  OutputIdTable outputIds_{};
  InputTextTable inputTexts_{};
  std::array<std::uint8_t, kInputTextPageSize> inputTextPage_{};
  OutputTextTable outputTexts_{};
  std::array<std::uint8_t, kOutputTextPageSize> outputTextPage_{};
};

}  // namespace lur
