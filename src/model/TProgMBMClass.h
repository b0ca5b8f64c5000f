#pragma once
// The controller's Modbus master exchange on its local RS-485 network: the
// sixteen exchange blocks with the network's exchange settings (page 0x0A),
// and the scaling records of the analog values the blocks receive (network
// analog groups, sharing pages 1..8 with the local analog modules).
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/AnalogStateRecords.h"
#include "model/ExchangeHead.h"
#include "model/PageCatalogue.h"
#include "model/RecordView.h"
#include "model/TProgF15Class.h"

namespace lur {

class TProgMBMClass : public TExchangeHeadFields<TProgMBMClass> {
 public:
  static constexpr std::uint8_t kTablePage = page::kExchange;
  static constexpr std::size_t kTableSize = 194;  // page number, 16 blocks, settings byte
  static constexpr int kBlockCount = 16;
  static constexpr std::size_t kBlockSize = 12;
  static constexpr std::size_t kSettingsOffset = 193;

  static constexpr int kGroupCount = 8;
  static constexpr std::size_t kGroupSize = 169;  // page number + 6 channels
  static constexpr int kChannelsPerGroup = 6;
  static constexpr int kChannelCount = kGroupCount * kChannelsPerGroup;  // 48
  static constexpr std::size_t kChannelSize = 28;
  static constexpr std::size_t kPozSize = 8;

  using Table = std::array<std::uint8_t, kTableSize>;
  using Group = std::array<std::uint8_t, kGroupSize>;

  // The reals of a network analog channel, in record order.
  enum class ChannelReal { Min, Max, UstLL, UstL, UstH, UstHH };

  // Where analog signal n of the controller's list lives.
  struct AnalogSignalPlace {
    bool local = false;
    int module = -1;      // local: analog module 0..7
    int channel = -1;     // local: channel 0..5 of the module
    int block = -1;       // network: exchange block 0..15
    int value = -1;       // network: index of the value inside the block
    int netChannel = -1;  // network: channel record 0..47
  };

  TProgMBMClass();

  // ---- exchange blocks (b = 0..15; an invalid b reads 0 and writes nothing) ----
  // The head's fields (GetKodF .. SetKolDat) come from TExchangeHeadFields; a
  // value is cut to its field's width.
  int GetStAddr_Beg1(int b) const { return Block(b).Get(kStAddrBeg1); }
  void SetStAddr_Beg1(int b, int value) { Block(b).Set(kStAddrBeg1, value); }
  int GetStAddr_Beg2(int b) const { return Block(b).Get(kStAddrBeg2); }
  void SetStAddr_Beg2(int b, int value) { Block(b).Set(kStAddrBeg2, value); }
  int GetXMax(int b) const { return Block(b).Get(kXMax); }  // signed 16-bit
  void SetXMax(int b, int value) { Block(b).Set(kXMax, value); }
  // Low nibble of byte 7; the high nibble kept.
  int GetTipUstr(int b) const { return Block(b).Get(kTipUstr); }
  void SetTipUstr(int b, int type) { Block(b).Set(kTipUstr, type); }
  int GetTipDate(int b) const { return Block(b).Get(kTipDate); }
  void SetTipDate(int b, int type);  // bit 4 of byte 7; clears bits 6, 7, keeps the rest
  // Bit 5 of byte 7.
  int GetByte_Order(int b) const { return Block(b).Get(kByteOrder); }
  void SetByte_Order(int b, int order) { Block(b).Set(kByteOrder, order); }

  // Places a block takes in the controller's lists: every discrete value one
  // discrete entry, every analog value four (its LL, L, H, HH alarms) and one
  // analog entry.
  int GetDiscreteSpan(int b) const;
  int GetAnalogSpan(int b) const;
  // All twelve bytes of block b become 0.
  void ClearBlock(int b);
  // Removes a configured block: blocks b + 1..15 move down one place, their
  // start entries reduced by the removed block's spans (0 where that would go
  // below the first entry); block 15 is cleared. An empty block is left alone:
  // false.
  bool DeleteBlock(int b);

  // ---- exchange settings (byte 193) ------------------------------------------
  int GetSpeed() const;  // 0 9600, 1 19200, 2 57600, 3 115200 bit/s
  void SetSpeed(int speed);
  int GetFrame() const;  // frame format index 0..3
  void SetFrame(int frame);

  // ---- raw images ------------------------------------------------------------
  std::uint8_t GetTableByte(int i) const;  // 0..193
  void SetTableByte(int i, std::uint8_t value);
  std::uint8_t GetGroupByte(int g, int i) const;  // g 0..7, i 0..168
  void SetGroupByte(int g, int i, std::uint8_t value);
  const Table& GetTable() const { return table_; }
  void SetTable(const Table& table) { table_ = table; }
  // An invalid g reads an all-zero group and writes nothing.
  const Group& GetGroup(int g) const;
  void SetGroup(int g, const Group& group);

  // ---- page transfer -----------------------------------------------------------
  // The read answer to page 0x0A (function 0x44, count 194): the table's bytes
  // from answer byte 3 on. A wrong function, count or echo changes nothing.
  bool PutTableFromAnswer(std::span<const std::uint8_t> answer);
  // Network group g from the read answer to `page` (1..8, the page asked for).
  bool PutGroupFromAnswer(int g, std::span<const std::uint8_t> answer, int page);
  // Blocks of a configuration file, page number byte included.
  bool PutTableFromFile(std::span<const std::uint8_t> bytes);
  bool PutGroupFromFile(int g, std::span<const std::uint8_t> bytes);
  // Data of a page write (and of a file block): the page number, then the
  // image from its byte 1 on.
  Table GetTablePageData() const;
  Group GetGroupPageData(int g, int page) const;
  // Data lengths of the page writes: exchange table, function-15 table,
  // network group. Fixed: an answer of another length is never taken.
  static constexpr int GetTableLength() { return static_cast<int>(kTableSize); }
  static constexpr int GetF15Length() { return TProgF15Class::GetF15Length(); }
  static constexpr int GetGroupLength() { return static_cast<int>(kGroupSize); }

  // ---- network analog channels (e = 0..47; group e / 6, channel e % 6) ---------
  // Reals as text (comma decimal separator); the setters take a decimal text
  // and return false, storing nothing, when it is not a number the controller
  // can hold.
  std::string GetMin(int e) const { return GetRealText(e, ChannelReal::Min); }
  std::string GetMax(int e) const { return GetRealText(e, ChannelReal::Max); }
  std::string GetUstLL(int e) const { return GetRealText(e, ChannelReal::UstLL); }
  std::string GetUstL(int e) const { return GetRealText(e, ChannelReal::UstL); }
  std::string GetUstH(int e) const { return GetRealText(e, ChannelReal::UstH); }
  std::string GetUstHH(int e) const { return GetRealText(e, ChannelReal::UstHH); }
  bool SetMin(int e, std::string_view text) { return SetRealText(e, ChannelReal::Min, text); }
  bool SetMax(int e, std::string_view text) { return SetRealText(e, ChannelReal::Max, text); }
  bool SetUstLL(int e, std::string_view text) { return SetRealText(e, ChannelReal::UstLL, text); }
  bool SetUstL(int e, std::string_view text) { return SetRealText(e, ChannelReal::UstL, text); }
  bool SetUstH(int e, std::string_view text) { return SetRealText(e, ChannelReal::UstH, text); }
  bool SetUstHH(int e, std::string_view text) { return SetRealText(e, ChannelReal::UstHH, text); }
  std::string GetRealText(int e, ChannelReal which) const;
  bool SetRealText(int e, ChannelReal which, std::string_view text);
  float GetReal(int e, ChannelReal which) const;
  // False, storing nothing, for a value the Real24 exponent cannot hold.
  bool SetReal(int e, ChannelReal which, float value);
  // The text form of a channel real: fixed notation, 7 significant digits,
  // 4 decimals below 1000, 3 below 10000, 2 from 10000. The value is first
  // moved 0.000045 away from zero: the controller truncates its mantissa
  // toward zero (0,12349 is kept as 0,123489...), and the push rounds such a
  // value the same way on both sides of zero (0,1235 and -0,1235).
  static std::string ChannelRealText(float value);

  int GetRazm(int e) const;  // unit index, bits 4-7 of byte 0
  void SetRazm(int e, int unit);
  // The 8 tag bytes as stored (Windows-1251).
  std::string GetPoz(int e) const;
  // Up to 8 characters, stopping at the end of the text (or a zero byte); the
  // rest blanks.
  void SetPoz(int e, std::string_view text);

  // Channels at..47 - n take the records of at + n..47 (raw copies); the last
  // n channels get the defaults. n is cut to the channels there are.
  void DeleteChannels(int at, int n);
  // Channels at..47 - n move to at + n..47, from the end; the gap keeps its
  // old records until the caller fills it.
  void InsertChannels(int at, int n);
  void DefaultChannels(int at, int n);
  // Defaults and the tag "поз.51" followed by e + 1 in two digits.
  void NewChannel(int e);

  // ---- analog signal lookup ------------------------------------------------------
  // Analog signal n (from 1) of the controller's list: n = 1..6M a channel of
  // the M local modules, beyond that a value of an exchange block of function
  // 3 or 4 and its channel record. nullopt when no block serves n or the
  // block's start entry points outside the 48 channel records.
  std::optional<AnalogSignalPlace> FindAnalogSignal(int n, int aiModuleCount, int netBlockTotal) const;

  // ---- live analog buffer (i = 0..47) -------------------------------------------
  // The answer to function 0x47 for `count` values from signal index `first`:
  // count records of 8 bytes from answer byte 3. A wrong function or count, or
  // records past index 47, change nothing.
  bool PutLiveFromAnswer(int first, int count, std::span<const std::uint8_t> answer);
  std::string LiveText(int i) const;  // 7 characters as the controller formatted them
  int LiveStatus(int i) const;

  // ---- editor state of the local network windows ------------------------------------
  int SettingsChanged = 0;  // exchange settings edited
  int TableClean = 1;       // 1: exchange table unchanged
  int GroupsClean = 1;      // 1: network groups unchanged
  int BaseRewrite = 0;      // 1: the discrete signal base must be rewritten

 private:
  friend class TExchangeHeadFields<TProgMBMClass>;

  // Exchange block fields after the common head.
  static constexpr RecordRow<kBlockSize, kTableSize> kBlocks{1, kBlockSize, kBlockCount};
  static constexpr BitField<kBlockSize> kTipUstr{7, 0, 4};
  static constexpr BitField<kBlockSize> kTipDate{7, 4, 1};
  static constexpr BitField<kBlockSize> kByteOrder{7, 5, 1};
  static constexpr BitField<kBlockSize> kTypeTopBits{7, 6, 2};  // cleared with every data type set
  static constexpr BitField<kBlockSize> kStAddrBeg1{8};
  static constexpr BitField<kBlockSize> kStAddrBeg2{9};
  static constexpr WordField<kBlockSize> kXMax{10, WordSign::Signed};
  // The exchange settings byte of the table.
  static constexpr BitField<kTableSize> kSpeed{kSettingsOffset, 2, 2};
  static constexpr BitField<kTableSize> kFrame{kSettingsOffset, 0, 2};
  // Network analog channel records.
  static constexpr RecordRow<kChannelSize, kGroupSize> kChannels{1, kChannelSize, kChannelsPerGroup};
  static constexpr BitField<kChannelSize> kRazm{0, 4, 4};
  static constexpr RecordRow<3, kChannelSize> kReals{2, 3, 6};  // Min, Max, UstLL, UstL, UstH, UstHH
  static constexpr Real24Field<3> kReal{0};
  static constexpr TextField<kChannelSize> kPoz{20, kPozSize};

  static bool ValidGroup(int g) { return g >= 0 && g < kGroupCount; }
  static bool ValidChannel(int e) { return e >= 0 && e < kChannelCount; }
  RecordView<kBlockSize> Block(int b) { return ViewOf(table_).At(kBlocks, b); }
  RecordView<kBlockSize, const std::uint8_t> Block(int b) const { return ViewOf(table_).At(kBlocks, b); }
  RecordView<kChannelSize> Channel(int e);
  RecordView<kChannelSize, const std::uint8_t> Channel(int e) const;
  RecordView<3> Real(int e, ChannelReal which) { return Channel(e).At(kReals, static_cast<int>(which)); }
  RecordView<3, const std::uint8_t> Real(int e, ChannelReal which) const {
    return Channel(e).At(kReals, static_cast<int>(which));
  }
  void DefaultChannel(int e);

  Table table_{};
  std::array<Group, kGroupCount> groups_{};
  std::array<AnalogStateRecord, kChannelCount> live_{};
};

}  // namespace lur
