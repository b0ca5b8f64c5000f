#pragma once
// The settings of the controller's discrete outputs: for each of the 8 outputs
// of each relay output module (at most 5, in the order the output modules
// appear among the configuration's modules) a 3-byte record telling whether it
// is a signalling or a control output and how it is acknowledged, reset or
// blocked. The table travels as configuration page 9.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/ModuleTypes.h"
#include "model/PageCatalogue.h"
#include "model/Protocol.h"
#include "model/RecordView.h"

namespace lur {

class TProgMRClass {
 public:
  static constexpr std::uint8_t kPage = page::kRelay;
  static constexpr std::size_t kOutputRecordSize = 3;
  static constexpr std::size_t kModuleSize = kOutputsPerDoModule * kOutputRecordSize;  // 24
  static constexpr std::size_t kBlockSize = 1 + kMaxOutputModules * kModuleSize;       // 121
  static constexpr std::uint8_t kFunctionReadPage = fn::kReadPage;

  // Byte 0 of an output record.
  static constexpr int kBitTipVyh = 0;       // 0 signalling, 1 control output
  static constexpr int kBitKvitBlock = 1;    // signalling: 1 sound silenced; control: 1 blocked
  static constexpr int kBitSbrTopLevel = 2;  // reset from the upper level
  static constexpr int kBitKvitTopLevel = 3;
  static constexpr int kBitSbrMind = 4;  // reset from the display's central panel
  static constexpr int kBitKvitMind = 5;
  // Control output, blocked, reset from the upper level and the central panel.
  static constexpr std::uint8_t kDefaultOutputByte = 0x17;

  using Block = std::array<std::uint8_t, kBlockSize>;
  using ModuleRecords = std::array<std::uint8_t, kModuleSize>;

  TProgMRClass();

  // ---- output records ----------------------------------------------------------
  // Output o = 0..7 of output module m = 0..4 lies at 1 + 24 m + 3 o. Outside
  // those ranges getters read 0 and setters write nothing. Bit setters take 0 or
  // 1 (any non-zero value sets) and keep the other bits.
  int GetTipVyh(int o, int m) const { return Output(o, m).Get(kTipVyh); }
  void SetTipVyh(int v, int o, int m) { Output(o, m).Set(kTipVyh, v != 0); }
  int GetKvitBlock(int o, int m) const { return Output(o, m).Get(kKvitBlock); }
  void SetKvitBlock(int v, int o, int m) { Output(o, m).Set(kKvitBlock, v != 0); }
  int GetSbrTopLevel(int o, int m) const { return Output(o, m).Get(kSbrTopLevel); }
  void SetSbrTopLevel(int v, int o, int m) { Output(o, m).Set(kSbrTopLevel, v != 0); }
  int GetKvitTopLevel(int o, int m) const { return Output(o, m).Get(kKvitTopLevel); }
  void SetKvitTopLevel(int v, int o, int m) { Output(o, m).Set(kKvitTopLevel, v != 0); }
  int GetSbrMind(int o, int m) const { return Output(o, m).Get(kSbrMind); }
  void SetSbrMind(int v, int o, int m) { Output(o, m).Set(kSbrMind, v != 0); }
  int GetKvitMind(int o, int m) const { return Output(o, m).Get(kKvitMind); }
  void SetKvitMind(int v, int o, int m) { Output(o, m).Set(kKvitMind, v != 0); }
  // Discrete input (1..DiCount) that acknowledges / resets the output from outside; 0 none.
  std::uint8_t GetVxKvit(int o, int m) const { return static_cast<std::uint8_t>(Output(o, m).Get(kVxKvit)); }
  void SetVxKvit(std::uint8_t v, int o, int m) { Output(o, m).Set(kVxKvit, v); }
  std::uint8_t GetVhSbr(int o, int m) const { return static_cast<std::uint8_t>(Output(o, m).Get(kVhSbr)); }
  void SetVhSbr(std::uint8_t v, int o, int m) { Output(o, m).Set(kVhSbr, v); }
  void SetDefaultOutput(int o, int m);
  void SetDefaultModule(int m);  // all 8 outputs

  // The 24 bytes of module m, for the copy and replace of a whole module.
  ModuleRecords GetModuleRecords(int m) const;
  bool SetModuleRecords(int m, std::span<const std::uint8_t, kModuleSize> records);
  // External acknowledgment and reset inputs above diCount (left by a module
  // copied from another configuration) become 0.
  void ClearInputsAbove(int m, int diCount);

  // ---- block image ---------------------------------------------------------------
  std::uint8_t GetMRByte(int i) const;  // i = 0..120
  void SetMRByte(int i, std::uint8_t v);
  // Only an answer to 0x44 holding exactly page 9 (count 121, echo 9) is taken:
  // the echoed page number and the 120 data bytes. Otherwise nothing changes.
  bool PutMRFromAnswer(std::uint8_t function, std::span<const std::uint8_t> answer);
  // The 121-byte block of a configuration file, page number byte included.
  bool PutMRFromFile(std::span<const std::uint8_t> bytes);
  // The block as it is written or saved: page number 9, then bytes 1..120.
  Block GetBlockForTransfer() const;
  const Block& GetBlock() const { return block_; }
  // Data length of the page write and the block's size in a file: always 121.
  static constexpr int GetLenMR() { return static_cast<int>(kBlockSize); }

  // ---- editor state ------------------------------------------------------------------
  int GetMrSlot() const { return mrSlot_; }
  void SetMrSlot(int position) { mrSlot_ = position; }
  int GetMrSlot2() const { return mrSlot2_; }
  void SetMrSlot2(int position) { mrSlot2_ = position; }
  // By module position 1..8; a position outside reads 1 (unchanged) and is not
  // written, so a cleared MrSlot2 (0) can be passed safely.
  int GetMrSent(int position) const;
  void SetMrSent(int position, int sent);
  // A configuration was opened: every module unchanged, no module open.
  void ResetModuleState();

  int CopiedModule = -1;  // output module (0..4) last copied, -1 none
  int CopiedType = 0;     // its module type code
  int ReportSaveOk = 0;   // a report's file dialog confirmed a name

  // True ("bad") for an empty text, a text that is no integer, or a number
  // outside -32767..32767. The window reports the input error.
  static bool CheckMRField(std::string_view text);

 private:
  static constexpr RecordRow<kModuleSize, kBlockSize> kModules{1, kModuleSize, kMaxOutputModules};
  static constexpr RecordRow<kOutputRecordSize, kModuleSize> kOutputs{0, kOutputRecordSize,
                                                                      kOutputsPerDoModule};
  static constexpr BitField<kOutputRecordSize> kFlags{0};
  static constexpr BitField<kOutputRecordSize> kTipVyh{0, kBitTipVyh, 1};
  static constexpr BitField<kOutputRecordSize> kKvitBlock{0, kBitKvitBlock, 1};
  static constexpr BitField<kOutputRecordSize> kSbrTopLevel{0, kBitSbrTopLevel, 1};
  static constexpr BitField<kOutputRecordSize> kKvitTopLevel{0, kBitKvitTopLevel, 1};
  static constexpr BitField<kOutputRecordSize> kSbrMind{0, kBitSbrMind, 1};
  static constexpr BitField<kOutputRecordSize> kKvitMind{0, kBitKvitMind, 1};
  static constexpr BitField<kOutputRecordSize> kVxKvit{1};
  static constexpr BitField<kOutputRecordSize> kVhSbr{2};

  RecordView<kModuleSize> Module(int m) { return ViewOf(block_).At(kModules, m); }
  RecordView<kModuleSize, const std::uint8_t> Module(int m) const { return ViewOf(block_).At(kModules, m); }
  RecordView<kOutputRecordSize> Output(int o, int m) { return Module(m).At(kOutputs, o); }
  RecordView<kOutputRecordSize, const std::uint8_t> Output(int o, int m) const {
    return Module(m).At(kOutputs, o);
  }

  Block block_{};
  int mrSlot_ = 0;
  int mrSlot2_ = 0;
  std::array<int, kSlotCount> mrSent_;
};

}  // namespace lur
