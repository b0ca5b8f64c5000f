#pragma once
// The discrete signal base: one 8-byte processing record per input signal
// (contact type, light-board signalling, delay, relay outputs driven,
// archiving), the sensor-type block of the discrete-signal modules, and the
// flags and editor state that the discrete processing windows share.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "model/ModuleTypes.h"
#include "model/PageCatalogue.h"
#include "model/RecordView.h"

namespace lur {

class TProgLurClass {
 public:
  static constexpr int kRecordSize = 8;
  static constexpr int kRecordCount = kMaxInputSignals;  // 192
  static constexpr int kRecordsPerPage = 24;
  static constexpr int kPageCount = kRecordCount / kRecordsPerPage;        // 8
  static constexpr std::size_t kPageSize = kRecordsPerPage * kRecordSize;  // 192
  static constexpr std::uint8_t kFirstPage = page::kFirstDiscrete;         // controller pages 12..19
  static constexpr int kTipDatWords = 8;
  static constexpr int kTipDatBits = 16;
  static constexpr std::size_t kTipDatSize = 2 * kTipDatWords;  // 16
  static constexpr std::uint8_t kTipDatPage = page::kSensorTypes;

  // Record byte 0: light-board cell, contact type, signalling type.
  static constexpr std::uint8_t kMaskNTabS = 0x1F;
  static constexpr std::uint8_t kMaskTipK = 0x20;
  static constexpr std::uint8_t kMaskTipS = 0xC0;
  // Record byte 6: delay, its discreteness, archiving.
  static constexpr std::uint8_t kMaskTimeZ = 0x3F;
  static constexpr std::uint8_t kMaskDiskrZ = 0x40;
  static constexpr std::uint8_t kMaskArh = 0x80;
  static constexpr int kFirstMRByte = 1;  // bytes 1..5: relay outputs of output modules 1..5
  static constexpr int kDelayByte = 6;

  // An empty record is a normally open contact with nothing else: never all zeros.
  static constexpr std::array<std::uint8_t, kRecordSize> kEmptyRecord = {0x20, 0, 0, 0, 0, 0, 0, 0};

  using Record = std::array<std::uint8_t, kRecordSize>;
  using Records = std::array<Record, kRecordCount>;
  using Page = std::array<std::uint8_t, kPageSize>;
  using TipDat = std::array<std::uint8_t, kTipDatSize>;

  TProgLurClass();

  // ---- record fields ----------------------------------------------------------
  // Signal n = 0..191. Getters return the masked bits in place; setters take the
  // value in place, replace only the field's bits and keep the rest of the byte.
  // An n outside the base reads 0 and writes nothing.
  std::uint8_t GetTipS(int n) const { return View(n).GetInPlace(kTipS); }
  void SetTipS(int n, std::uint8_t v) { View(n).SetInPlace(kTipS, v); }
  std::uint8_t GetNTabS(int n) const { return View(n).GetInPlace(kNTabS); }
  void SetNTabS(int n, std::uint8_t v) { View(n).SetInPlace(kNTabS, v); }
  std::uint8_t GetTipK(int n) const { return View(n).GetInPlace(kTipK); }
  void SetTipK(int n, std::uint8_t v) { View(n).SetInPlace(kTipK, v); }
  std::uint8_t GetTimeZ(int n) const { return View(n).GetInPlace(kTimeZ); }
  void SetTimeZ(int n, std::uint8_t v) { View(n).SetInPlace(kTimeZ, v); }
  std::uint8_t GetDiskrZ(int n) const { return View(n).GetInPlace(kDiskrZ); }
  void SetDiskrZ(int n, std::uint8_t v) { View(n).SetInPlace(kDiskrZ, v); }
  std::uint8_t GetArh(int n) const { return View(n).GetInPlace(kArh); }
  void SetArh(int n, std::uint8_t v) { View(n).SetInPlace(kArh, v); }
  // Whole byte k (0..7); k = 1..5 are the relay outputs of output modules 1..5.
  std::uint8_t GetRecByte(int n, int k) const { return View(n).At(kBytes, k).GetInPlace(kByte); }
  void SetRecByte(int n, int k, std::uint8_t v) { View(n).At(kBytes, k).Set(kByte, v); }
  // A signal is on the editor's schema when it signals, is delayed or drives an output.
  bool HasHandler(int n) const;

  // ---- pages ------------------------------------------------------------------
  // Page k = 0..7 holds records 24k..24k + 23 and travels as controller page 12 + k.
  // The answer must be exactly that page (count 193, echo 12 + k); otherwise
  // nothing changes and false is returned.
  bool PutPageFromAnswer(std::span<const std::uint8_t> answer, int k);
  bool PutPageFromFile(std::span<const std::uint8_t> bytes);  // the first 192 bytes
  bool StorePage(int k);                                      // records <- page buffer
  bool LoadPage(int k);                                       // page buffer <- records
  const Page& GetPage() const { return page_; }
  // Data length of a page write and 1 + the page's size in a file: always 193.
  static constexpr int GetLenPage() { return 1 + static_cast<int>(kPageSize); }
  const Records& GetRecords() const { return records_; }
  void SetRecords(const Records& records) { records_ = records; }

  // ---- record moves -------------------------------------------------------------
  // Removes count records at `from`; the last count records become empty.
  void DeleteRecs(int from, int count);
  // Opens a gap of count records at `at`; records pushed past 191 are lost and
  // the gap keeps its contents until cleared or overwritten.
  void InsertRecs(int at, int count);
  // Empties records from..from + count - 1, stopping after record 191.
  void ClearRecs(int from, int count);
  void CopyRec(int src, int dst);

  // Factory defaults of a new configuration: the whole base cleared, the first
  // records alarm on consecutive light-board cells, the first signals of the
  // base normally open and archived, with a 5-second delay on output 1 of
  // relay module 1 when the configuration has outputs.
  void SetFactoryDefaults(int displayTypeCount, int processedDiscreteCount, int doCount);

  // ---- sensor-type block (page 98) -------------------------------------------------
  // Word m (little-endian) belongs to the module at position m + 1; bit i is the
  // sensor of input i + 1: 0 dry contact, 1 NAMUR.
  bool PutTipDatFromAnswer(std::span<const std::uint8_t> answer);  // count 17, echo 98
  bool PutTipDatFromFile(std::span<const std::uint8_t> bytes);     // the first 16 bytes
  std::uint8_t GetTipDatByte(int i) const;
  void SetTipDatByte(int i, std::uint8_t v);
  static constexpr int GetLenTipDat() { return 1 + static_cast<int>(kTipDatSize); }
  void UnpackTipDat();
  int GetTipDatBit(int bit, int module) const;
  void SetTipDatBit(int bit, int module, int value);
  int GetTipDatModule() const { return tipDatModule_; }
  void SetTipDatModule(int position) { tipDatModule_ = position; }

  // ---- services of the windows ------------------------------------------------------
  static constexpr std::string_view kAskCreateText = "Конфигурация не задана. Будете создавать?";
  static constexpr std::string_view kNoAccessText = "Ваш уровень доступа не позволяет создавать схему";
  // Asked when no configuration is present. askYesNo shows the question and
  // returns true for Yes; inform shows an information box. Returns true when
  // the caller should close its window (the user answered No).
  bool AskCreateConfig(const std::function<bool(std::string_view)>& askYesNo,
                       const std::function<void(std::string_view)>& inform) const;
  // True ("bad") for an empty text, for kind 6 a value outside 0..60, for kind 7
  // a value other than 1 or 10; a text that is no integer is bad for those kinds.
  // The window reports the input error.
  static bool CheckDelayField(std::string_view text, int kind);

  // ---- shared flags (read and written directly by the windows) ---------------------
  int HasTipDatMod = 0;       // the configuration has a module of type 10
  int DiskrModified = 0;      // the discrete processing changed since it was written or saved
  int DiskrModifiedSave = 0;  // scratch copy kept while a dialog is being filled
  int PrgDShown = 0;          // the discrete editor has been shown since it was opened
  int SchemaSet = 0;          // a schema has been built for the current configuration
  int PswChange = 0;          // the password dialog takes a new password
  int FullAccess = 0;         // the access level allows programming

  // ---- state of the discrete processing editor --------------------------------------
  int NHandlers = 0;
  int CurSignal = -1;
  int CurPos = -1;
  int CopyPos = -1;  // 0 while the copy buffer holds exactly one record from the schema
  int EditIdMode = 0;
  int NSelected = 0;
  int InfMR = 0;
  int InfOut = 0;
  int CutMode = 0;
  std::array<int, kRecordCount> PosMark{};  // 1 = the row at that position is marked
  std::array<int, kRecordCount> PosSignal;  // signal shown at each schema position, -1 none
  std::array<int, kSlotCount> TipDatSent;   // 1 = sensor types of that position unchanged

 private:
  static constexpr BitField<kRecordSize> kNTabS{0, 0, 5};
  static constexpr BitField<kRecordSize> kTipK{0, 5, 1};
  static constexpr BitField<kRecordSize> kTipS{0, 6, 2};
  static constexpr BitField<kRecordSize> kTimeZ{kDelayByte, 0, 6};
  static constexpr BitField<kRecordSize> kDiskrZ{kDelayByte, 6, 1};
  static constexpr BitField<kRecordSize> kArh{kDelayByte, 7, 1};
  static_assert(kNTabS.Mask() == kMaskNTabS && kTipK.Mask() == kMaskTipK && kTipS.Mask() == kMaskTipS);
  static_assert(kTimeZ.Mask() == kMaskTimeZ && kDiskrZ.Mask() == kMaskDiskrZ && kArh.Mask() == kMaskArh);
  static constexpr RecordRow<1, kRecordSize> kBytes{0, 1, kRecordSize};
  static constexpr BitField<1> kByte{0};
  // Word m of the sensor-type block belongs to the module at position m + 1.
  static constexpr RecordRow<2, kTipDatSize> kTipDatModules{0, 2, kTipDatWords};
  static constexpr WordField<2> kTipDatWord{0};

  RecordView<kRecordSize> View(int n) { return ViewOf(records_, n); }
  RecordView<kRecordSize, const std::uint8_t> View(int n) const { return ViewOf(records_, n); }

  Records records_{};
  Page page_{};
  TipDat tipDat_{};
  std::array<std::array<int, kTipDatBits>, kTipDatWords> tipDatBits_{};
  int tipDatModule_ = 0;
};

}  // namespace lur
