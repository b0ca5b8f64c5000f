#pragma once
// The controller's analog input modules (types 6, 7, 8, 9, 13): one 169-byte
// block of six channel records per module (pages 1..8), the list of sixteen
// units of measure (page 35), the measuring ranges offered for thermocouples
// and resistance thermometers, and the editors' per-module bookkeeping.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/AnalogStateRecords.h"
#include "model/PageCatalogue.h"
#include "model/RecordView.h"

namespace lur {

class TProgMBAClass {
 public:
  static constexpr int kModuleCount = 8;
  static constexpr std::size_t kBlockSize = 169;  // page number + 6 channels
  static constexpr int kChannelsPerModule = 6;
  static constexpr std::size_t kChannelSize = 28;
  static constexpr std::size_t kPozSize = 8;
  // In configuration files bit 7 of a block's page number byte carries the
  // module's new-version flag.
  static constexpr std::uint8_t kNewVersionBit = 0x80;

  static constexpr std::uint8_t kUnitsPage = page::kUnits;
  static constexpr int kUnitCount = 16;
  static constexpr std::size_t kUnitSize = 6;
  static constexpr std::size_t kUnitsSize = kUnitCount * kUnitSize;  // 96

  // Converter codes of analog module a: page 60 + a, 43 bytes with the page
  // number; seven rows (six inputs and the cold junction).
  static constexpr std::uint8_t kFirstCodesPage = page::kFirstProbe;
  static constexpr std::size_t kCodesSize = 43;
  static constexpr int kCalibrRows = 7;

  static constexpr int kSensorTypeCount = 16;

  using Block = std::array<std::uint8_t, kBlockSize>;
  using Units = std::array<std::uint8_t, kUnitsSize>;
  using Codes = std::array<std::uint8_t, kCodesSize>;

  struct ScaleRange {
    int min;
    int max;
    bool operator==(const ScaleRange&) const = default;
  };

  // The reals of a channel record, in record order.
  enum class ChannelReal { MinSk, MaxSk, UstLL, UstL, UstH, UstHH };

  TProgMBAClass();

  // ---- module blocks (a = 0..7; an invalid a reads 0 and writes nothing) ------
  // The read answer to page `page` (1..8, the page asked for) goes into block
  // page - 1, the page number included. A wrong function, count or echoed page
  // changes nothing: false.
  bool LoadBlockFromAnswer(std::span<const std::uint8_t> answer, int page);
  // 169 bytes as block a, as they are.
  bool LoadBlock(std::span<const std::uint8_t> bytes, int a);
  // A block of a configuration file: bit 7 of its byte 0 becomes the module's
  // new-version flag and is cleared in the block.
  bool LoadBlockFromFile(std::span<const std::uint8_t> bytes, int a);
  // Block a for a configuration file: byte 0 = a + 1, with bit 7 set for a
  // module of the new version.
  Block GetBlockForFile(int a) const;
  // Data of the page write of block a: page number a + 1, then bytes 1..168.
  Block GetBlockPageData(int a) const;
  std::uint8_t GetBlockByte(int a, int k) const;  // k 0..168
  void SetBlockByte(int a, int k, std::uint8_t value);
  const Block& GetBlock(int a) const;
  void SetBlock(int a, const Block& block);
  // Data length of every analog page write and the block size in files.
  static constexpr int GetLenBlock() { return static_cast<int>(kBlockSize); }

  // ---- units of measure ---------------------------------------------------------
  // The read answer to page 35 (count 97): the 96 bytes from answer byte 4.
  bool LoadUnitsFromAnswer(std::span<const std::uint8_t> answer);
  bool LoadUnits(std::span<const std::uint8_t> bytes);  // 96 bytes of a file
  std::uint8_t GetUnitsByte(int k) const;               // k 0..95
  void SetUnitsByte(int k, std::uint8_t value);
  const Units& GetUnits() const { return units_; }
  void SetUnits(const Units& units) { units_ = units; }
  // Data of the page write: 35, then the 96 bytes.
  std::array<std::uint8_t, 1 + kUnitsSize> GetUnitsPageData() const;
  // Entry i up to its first blank (or zero byte).
  std::string GetUnitText(int i) const;
  // At most 6 characters (up to a zero byte), the rest blanks.
  void SetUnitText(std::string_view text, int i);
  // Entry i of the list into unit i; nothing when the list has no entry i.
  void SetUnitFromList(std::span<const std::string> list, int i);
  // The 16 unit texts, in order, for a list control.
  void FillUnitList(std::vector<std::string>& list) const;
  // The controller's default list: "град.С", "%", "МПа", ... "резерв".
  void SetDefaultUnits();

  // ---- channel fields (a = module 0..7, c = channel 0..5) ------------------------
  int GetUnit(int a, int c) const;  // byte 0 bits 4-7
  void SetUnit(int a, int c, int unit);
  // Byte 0 bits 0-3: the scale type, or the sensor type of a type-8 module.
  int GetScaleType(int a, int c) const;
  void SetScaleType(int a, int c, int type);
  int GetDeadZone(int a, int c) const;  // byte 1 bits 4-5
  void SetDeadZone(int a, int c, int zone);
  int GetInputType(int a, int c) const;  // byte 1 bits 0-2
  void SetInputType(int a, int c, int type);
  int GetRangeIndex(int a, int c) const;  // byte 1 bits 0-5 (type-8 modules)
  void SetRangeIndex(int a, int c, int index);

  // Reals as text (comma decimal separator). The setters take a decimal text
  // and return false, storing nothing, when it is not a number the controller
  // can hold.
  std::string GetMinSkText(int a, int c) const { return GetRealText(a, c, ChannelReal::MinSk); }
  std::string GetMaxSkText(int a, int c) const { return GetRealText(a, c, ChannelReal::MaxSk); }
  std::string GetUstLLText(int a, int c) const { return GetRealText(a, c, ChannelReal::UstLL); }
  std::string GetUstLText(int a, int c) const { return GetRealText(a, c, ChannelReal::UstL); }
  std::string GetUstHText(int a, int c) const { return GetRealText(a, c, ChannelReal::UstH); }
  std::string GetUstHHText(int a, int c) const { return GetRealText(a, c, ChannelReal::UstHH); }
  bool SetMinSkText(std::string_view text, int a, int c) {
    return SetRealText(text, a, c, ChannelReal::MinSk);
  }
  bool SetMaxSkText(std::string_view text, int a, int c) {
    return SetRealText(text, a, c, ChannelReal::MaxSk);
  }
  bool SetUstLLText(std::string_view text, int a, int c) {
    return SetRealText(text, a, c, ChannelReal::UstLL);
  }
  bool SetUstLText(std::string_view text, int a, int c) { return SetRealText(text, a, c, ChannelReal::UstL); }
  bool SetUstHText(std::string_view text, int a, int c) { return SetRealText(text, a, c, ChannelReal::UstH); }
  bool SetUstHHText(std::string_view text, int a, int c) {
    return SetRealText(text, a, c, ChannelReal::UstHH);
  }
  std::string GetRealText(int a, int c, ChannelReal which) const;
  bool SetRealText(std::string_view text, int a, int c, ChannelReal which);
  float GetReal(int a, int c, ChannelReal which) const;
  // False, storing nothing, for a value the Real24 exponent cannot hold.
  bool SetReal(int a, int c, ChannelReal which, float value);

  // The 8 tag bytes as stored (Windows-1251).
  std::string GetPozText(int a, int c) const;
  // Up to 8 characters, stopping at the end of the text (or a zero byte); the
  // rest blanks.
  void SetPozText(std::string_view text, int a, int c);

  // ---- measuring ranges of type-8 modules -----------------------------------------
  // The range table of a sensor type, by the module's new-version flag; empty
  // for the sensors whose limits are typed in (14, 15, and 9 of the new
  // version) and for unknown sensor codes.
  static std::span<const ScaleRange> RangeTable(int sensor, bool newVersion);
  std::span<const ScaleRange> GetRanges(int sensor, int a) const {
    return RangeTable(sensor, GetNewVersion(a) != 0);
  }
  // Sensors without a range list, whose minimum and maximum are typed in.
  static bool HasTypedLimits(int sensor, bool newVersion);
  static constexpr int kTypedLimitMin = -200;
  static constexpr int kTypedLimitMax = 200;
  // Entry `index` of the table; nullopt when the index lies outside it (a
  // stored range index is six bits wide, a table far shorter).
  std::optional<ScaleRange> GetRange(int sensor, int a, int index) const;
  // The editor's lists: each distinct minimum once, in table order; the
  // maxima of the ranges with a given minimum, in table order.
  std::vector<int> GetRangeMinima(int sensor, int a) const;
  std::vector<int> GetRangeMaxima(int sensor, int a, int min) const;
  // Index of the (min, max) pair in the table, nullopt when it is not there.
  std::optional<int> FindRangeIndex(int sensor, int a, int min, int max) const;

  // ---- per-module bookkeeping ---------------------------------------------------------
  // BlockSaved and BlockError by 1-based slot 1..8; NewVersion by analog
  // module 0..7. Invalid indices read 0 and write nothing.
  int GetBlockSaved(int slot) const;
  void SetBlockSaved(int slot, int saved);
  int GetBlockError(int slot) const;
  void SetBlockError(int slot, int error);
  int GetNewVersion(int a) const;
  void SetNewVersion(int a, int flag);
  // Every module present and unchanged: BlockSaved 1, BlockError 0.
  void ResetModuleState();

  // ---- calibration (live data of the calibration window) ----------------------------
  // Converter codes of analog module a from the read answer to page 60 + a.
  bool PutCodesFromAnswer(int a, std::span<const std::uint8_t> answer);
  // Row r = 0..6: code at the beginning and at the end of the scale, present code.
  int GetCodeBegin(int a, int r) const;
  int GetCodeEnd(int a, int r) const;
  int GetCodeNow(int a, int r) const;
  // Channel states (function 0x47): rows 0..5 the inputs, row 6 the cold junction.
  bool PutCalibrStatesFromAnswer(int first, int count, std::span<const std::uint8_t> answer);
  std::string GetCalibrText(int r) const;
  int GetCalibrStatus(int r) const;

  // ---- editor state (read and written directly by the windows) ------------------------
  int EditSlot = 0;       // 1-based slot whose analog editor is open
  int UnitsChanged = 0;   // 1: the units list was edited and not yet applied
  int UnitIndex = 0;      // unit selected in the main window's list
  int CopySource = -1;    // analog module copied by the editor, -1 none
  int CopyType = 0;       // its module type
  int CopyNewVersion = 0;  // its new-version flag (a thermo module's sensor list)
  int CalibrType = 0;     // module type being calibrated
  int CalibrModule = 0;   // analog module being calibrated, 0-based
  int CalibrRunning = 0;  // 1 while the periodic reading runs
  int CalibrInput = 0;    // input 1..7 selected for calibration, 0 none

 private:
  static constexpr RecordRow<kChannelSize, kBlockSize> kChannels{1, kChannelSize, kChannelsPerModule};
  static constexpr RecordRow<3, kChannelSize> kReals{2, 3, 6};  // MinSk, MaxSk, UstLL, UstL, UstH, UstHH

  static bool ValidModule(int a) { return a >= 0 && a < kModuleCount; }
  static bool ValidSlot(int slot) { return slot >= 1 && slot <= kModuleCount; }
  RecordView<kChannelSize> Channel(int a, int c) { return ViewOf(blocks_, a).At(kChannels, c); }
  RecordView<kChannelSize, const std::uint8_t> Channel(int a, int c) const {
    return ViewOf(blocks_, a).At(kChannels, c);
  }
  RecordView<3> Real(int a, int c, ChannelReal which) {
    return Channel(a, c).At(kReals, static_cast<int>(which));
  }
  RecordView<3, const std::uint8_t> Real(int a, int c, ChannelReal which) const {
    return Channel(a, c).At(kReals, static_cast<int>(which));
  }

  std::array<Block, kModuleCount> blocks_{};
  Units units_{};
  std::array<int, kModuleCount> blockSaved_{};
  std::array<int, kModuleCount> blockError_{};
  std::array<int, kModuleCount> newVersion_{};
  std::array<Codes, kModuleCount> codes_{};
  std::array<AnalogStateRecord, kCalibrRows> calibrStates_{};
};

}  // namespace lur
