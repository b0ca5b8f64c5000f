#pragma once
// The controller's function block program: up to 120 sixteen-byte records in
// execution order (function blocks, then the flow integrator records, then the
// arithmetic blocks), the user's grouping of blocks into named algorithms
// (files only, the controller holds none), and the working state of the
// function block editor, kept here so that it survives closing the editor.
//
// Record accessors take the record index i (0..120); getters return a field
// shifted down to bit 0, setters keep the other bits of the byte and cut the
// value to the field's width. An index outside the table reads 0 and writes
// nothing.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/DecimalText.h"
#include "model/PageCatalogue.h"
#include "model/RecordView.h"

namespace lur {

class TProgFBClass {
 public:
  static constexpr int MaxFB = 120;
  static constexpr int kSlots = MaxFB + 1;  // every per-block table has one spare entry
  static constexpr std::size_t kRecordSize = 16;
  static constexpr int kRecordsPerPage = 10;
  static constexpr std::size_t kPageSize = kRecordsPerPage * kRecordSize;  // 160
  static constexpr int kPageCount = MaxFB / kRecordsPerPage;               // 12
  // Record page p is controller page 20 + p.
  static constexpr std::uint8_t kFirstPageCode = page::kFirstFunctionBlock;
  static constexpr int kPageLength = static_cast<int>(kPageSize) + 1;  // count byte of a page answer
  static constexpr std::size_t kNameSize = 100;
  static constexpr std::size_t kNamePageSize = kRecordsPerPage * kNameSize;  // 1000
  static constexpr int kNoEntry = 255;  // end of an algorithm list, "no head"

  static constexpr int kCalcType = 12;  // TipFB of integrator and arithmetic records
  static constexpr int kTimerType = 6;
  static constexpr int kAlarmClock = 5;  // timer SubTip with a single input
  static constexpr int kComparatorType = 8;
  static constexpr int kSignallingBlocks = 62;    // NTabS, TipS, Arh exist for records 0..61 only
  static constexpr int kMaxDiscreteSignal = 192;  // discrete references 1..192
  static constexpr int kMaxAnalogSignal = 48;     // analog references 1..48

  // Input source kinds (KindVh).
  static constexpr int kKindDiscrete = 0;
  static constexpr int kKindBlockOutput = 1;
  static constexpr int kKindAnalogFlag = 2;
  static constexpr int kKindDiscreteFlag = 4;

  using Record = std::array<std::uint8_t, kRecordSize>;
  using Page = std::array<std::uint8_t, kPageSize>;
  using NamePage = std::array<std::uint8_t, kNamePageSize>;
  using Name = std::array<std::uint8_t, kNameSize>;

  // Where the editor draws a block: its record, pixel place, grid cell, and
  // for each of the 4 inputs the number of the block that feeds it (0 = none).
  struct Placement {
    int record = 0;
    int left = 0;
    int top = 0;
    int row = 0;
    int column = 0;
    std::array<int, 4> source{};
  };

  TProgFBClass();

  // ---- sizes and counters (the editors read and write them directly) --------
  int CapFB = MaxFB;  // 120, or 60 for a controller (or file) made for 60 blocks
  int NFB = 0;        // function blocks, records 0 .. NFB - 1
  int NIntegr = 0;    // integrator records in use, 0..2
  int NMat = 0;       // arithmetic blocks, 0..24
  // Count byte of a record page answer. Only answers of the fixed length are
  // taken, so it always holds 161; writes and files use the fixed length.
  int LenPageFB = kPageLength;

  // CapFB kept within the records held, as every loop over records uses it.
  int Capacity() const;
  // Slots left for function blocks once the calculation records are placed.
  int FreeFB() const;
  // NIntegr and NMat from the records NFB .. NFB + 25 (not past record 119).
  void CountCalc();
  // NFB = records before the first empty (or unknown, > 11) type, at most CapFB.
  void FindNFB();

  // ---- whole records ---------------------------------------------------------
  Record GetRecord(int i) const;
  void SetRecord(int i, const Record& record);
  void ClearRecord(int i);

  // ---- byte b0 ---------------------------------------------------------------
  int GetTipFB(int i) const;
  void SetTipFB(int i, int v);  // writes the whole byte: SubTip becomes 0
  int GetSubTip(int i) const;
  void SetSubTip(int i, int v);

  // Number of inputs the block's type has: 4 for types 1..4, 7, 9; 2 for 5
  // and 6; 1 for the alarm-clock timer and the comparator; 0 otherwise.
  int InputCount(int i) const;

  // ---- inputs j = 0..3 at b(1 + 2j), b(2 + 2j) --------------------------------
  int GetKindVh(int i, int j) const;
  void SetKindVh(int i, int j, int v);
  int GetDirVh(int i, int j) const;
  void SetDirVh(int i, int j, int v);
  int GetNVh(int i, int j) const;
  void SetNVh(int i, int j, int v);
  // The comparator's single input at b7, b8.
  int GetKindVhComp(int i) const;
  void SetKindVhComp(int i, int v);
  int GetDirVhComp(int i) const;
  void SetDirVhComp(int i, int v);
  int GetNVhComp(int i) const;
  void SetNVhComp(int i, int v);

  // ---- counter, timer, alarm clock -------------------------------------------
  // Count set-point 0..31: bits 0-3 in b1 bits 4-7, bit 4 in b3 bit 4.
  int GetLimitCount(int i) const;
  void SetLimitCount(int i, int v);
  int GetTimerD(int i) const;
  void SetTimerD(int i, int v);
  int GetTimerTime(int i) const;
  void SetTimerTime(int i, int v);
  int GetTimerAdrUst(int i) const;
  void SetTimerAdrUst(int i, int v);
  int GetTimerTUstT(int i) const;
  void SetTimerTUstT(int i, int v);
  int GetTimeHour(int i) const;
  void SetTimeHour(int i, int v);
  int GetTimeMin(int i) const;
  void SetTimeMin(int i, int v);
  int GetTimeSec(int i) const;
  void SetTimeSec(int i, int v);

  // ---- comparator ------------------------------------------------------------
  int GetAnVh(int i) const;
  void SetAnVh(int i, int v);
  int GetKindAn(int i) const;
  void SetKindAn(int i, int v);
  // The fixed set-point (b2..b4) as text, decimals by magnitude.
  std::string GetLimitText(int i, char separator = kDecimalComma) const;
  // False, and the bytes kept, when the text is no number the Real24 can hold.
  bool SetLimitText(int i, std::string_view text);
  int GetGisterezis(int i) const;
  void SetGisterezis(int i, int v);
  int GetCompCond(int i) const;
  void SetCompCond(int i, int v);

  // ---- signalling and relay outputs of a function block ----------------------
  int GetNTabS(int i) const;
  void SetNTabS(int i, int v);
  int GetArh(int i) const;
  void SetArh(int i, int v);
  int GetTipS(int i) const;
  void SetTipS(int i, int v);
  // Relay module m = 1..5: byte b(9 + m), bit k = output k + 1.
  int GetMR(int i, int m) const;
  void SetMR(int i, int m, int v);
  // NTabS, TipS and Arh of every function block at record 62 or beyond are
  // cleared: the controller keeps signalling for blocks 1..62 only.
  void ClearSignallingBeyondLimit();

  // ---- integrator records ----------------------------------------------------
  int GetIntVh(int i, int k) const;  // channel k = 0..11, byte b(1 + k)
  void SetIntVh(int i, int k, int v);
  int GetIntBase(int i) const;
  void SetIntBase(int i, int v);
  int GetHourBeginDay(int i) const;
  void SetHourBeginDay(int i, int v);

  // ---- arithmetic records ----------------------------------------------------
  int GetNX1(int i) const;
  void SetNX1(int i, int v);
  int GetKindX1(int i) const;
  void SetKindX1(int i, int v);
  int GetNX2(int i) const;
  void SetNX2(int i, int v);
  int GetKindX2(int i) const;
  void SetKindX2(int i, int v);
  // C1 (k = 1, b2..b4) or C2 (k = 2, b6..b8); any other k reads empty and
  // writes nothing (false).
  std::string GetConstText(int i, int k, char separator = kDecimalComma) const;
  bool SetConstText(int i, std::string_view text, int k);
  // k = 1: b9; k = 2: b6; any other k reads 0 and writes nothing.
  int GetAdrY(int i, int k) const;
  void SetAdrY(int i, int k, int v);

  // ---- pages -----------------------------------------------------------------
  // Every record page goes through one 160-byte buffer; page p (0..11) holds
  // records 10p .. 10p + 9 and is controller page 20 + p.
  //
  // A page-read answer (address, 0x44, count, page code, 160 bytes, CRC) is
  // taken only when its count is 161 and it echoes page 20 + p; otherwise the
  // buffer is left as it was and false is returned (the caller reports 128).
  bool PutPageFromAnswer(std::span<const std::uint8_t> answer, int p);
  // The first 160 bytes; false (buffer kept) when fewer are given.
  bool PutPageFromFile(std::span<const std::uint8_t> bytes);
  bool StorePage(int p);  // records of page p <- buffer; false for p outside 0..11
  bool LoadPage(int p);   // buffer <- records of page p (cleared first)
  const Page& PageBuffer() const { return page_; }

  // The record pages of a configuration file: Capacity()/10 pages of 160 bytes.
  // Loading replaces the whole table (records past the file's pages become
  // empty); false, and nothing changed, when fewer bytes are given.
  std::size_t RecordFileSize() const;
  bool PutRecordsFromFile(std::span<const std::uint8_t> bytes);
  std::vector<std::uint8_t> RecordsToFile() const;

  // ---- algorithms ------------------------------------------------------------
  // Raw values as files hold them; NAlg, AlgHead and AlgFB entries from a file
  // are kept byte for byte and checked by the lookups below before any use
  // as an index.
  int NAlg = 0;
  int GetAlgHead(int i) const;  // kNoEntry for i outside the table
  void SetAlgHead(int i, int v);
  int GetAlgFB(int a, int k) const;
  void SetAlgFB(int a, int k, int v);

  // NAlg when it is a possible count (0 .. Capacity()), else 0.
  int AlgCount() const;
  // True when record i is the first block of an algorithm.
  bool IsAlgHead(int i) const;
  // Block numbers (1-based) of algorithm a: entries of its row up to the first
  // that is not a block number 1 .. Capacity() (255 ends a list; anything
  // else is damage and ends it too), at most Capacity() entries.
  std::vector<int> AlgMembers(int a) const;
  // The algorithm (among AlgCount()) whose list holds block number n.
  std::optional<int> FindAlgOfBlock(int n) const;
  // AlgHead = 255 everywhere, then AlgHead(first - 1) = first for every
  // algorithm with members.
  void RebuildAlgHead();
  // After a read from the controller: no algorithms, names of 100 spaces.
  void ResetAlgorithms();

  // Name a without its trailing blanks (spaces, and the zeros of a name never
  // written); empty for a outside the table.
  std::string GetAlgName(int a) const;
  // The first 100 bytes of the text, padded with spaces.
  void SetAlgName(int a, std::string_view text);
  Name GetAlgNameBytes(int a) const;
  void SetAlgNameBytes(int a, const Name& name);

  bool PutNamePageFromFile(std::span<const std::uint8_t> bytes);  // first 1000 bytes
  bool StoreNamePage(int p);                                      // names 10p .. 10p + 9 <- name buffer
  bool LoadNamePage(int p);
  const NamePage& NamePageBuffer() const { return namePage_; }

  // The algorithm section of a configuration file for Capacity() = c: c/10
  // name pages, c bytes of AlgHead, c rows of c bytes of AlgFB, one byte NAlg.
  std::size_t AlgFileSize() const;
  // False (nothing changed) when short. Entries beyond the file's c x c
  // square are reset to their empty values.
  bool PutAlgFromFile(std::span<const std::uint8_t> bytes);
  std::vector<std::uint8_t> AlgToFile() const;

  // ---- renumbering of signal references ----------------------------------------
  // Keep the inputs pointing at the same signals when signals are removed or
  // inserted after position a. They scan the function block area (records
  // 0 .. CapFB - NMat - (2 with integrators) - 1). Discrete references are
  // inputs of kind 0 and 4, analog ones inputs of kind 2 and the comparator's
  // AnVh. A result outside the signal range (1..192, 1..48) becomes 0, never
  // a wrapped byte. RefsChanged is set when a reference changes.
  void DelDiskrRefs(int a, int c);
  void ShiftDownDiskrRefs(int a, int c);
  void ClearDiskrRef(int a);
  void ReplaceDiskrRefs(int a, int c, int d);
  void ShiftUpDiskrRefs(int a, int c);
  void DelAnRefs(int a, int c);
  void ClearAnRef(int a);
  void ShiftDownAnRefs(int a, int c);
  void ReplaceAnRefs(int a, int c, int d);
  void ShiftUpAnRefs(int a, int c);

  // Opens a gap of last - first + 1 records at record `at` for a copied group:
  // records move up (those pushed past CapFB - 1 are lost) and block-output
  // references of records 0 .. nfb + L - 1 (up to the first calculation
  // record) follow the moved blocks; one that would pass the function block
  // area becomes 0.
  void OpenGapFB(int at, int first, int last, int nfb);

  // ---- state flags -------------------------------------------------------------
  int FBModified = 0;
  int FBModifiedSave = 0;
  int HasFB = 0;
  int InformSilent = 0;
  int RefsChanged = 0;
  // 1: signal moves of the local network changed function block inputs; the
  // network editor writes the function block pages with its own.
  int FBToWrite = 0;

  // ---- function block editor working state ----------------------------------
  int CreatMode = 0;  // 0 new at end, 1 program chosen, 2 insert before, 3 add after
  int CalcMode = -1;  // -1 none, 0/1 create integrators/arithmetic, 2/3 program them
  int CurMat = -1;
  int MatPopup = 0;
  int CurPosFB = -1;
  int CurFB = -1;
  int PopupPos = -1;
  int NSelectedFB = 0;
  int GroupInsert = 0;
  int Relayout = 0;
  int DeleteShift = 0;
  std::array<int, kSlots> PosFB;
  std::array<int, kSlots> Selected{};
  std::array<int, kSlots> HasSignPanel{};
  std::array<int, kSlots> HasMRPanel{};
  std::array<Placement, kSlots> PlaceFB{};

  // ---- fitting a controller ----------------------------------------------------
  // True when a record from `first` to Capacity() - 1 holds anything: a
  // controller of `first` blocks could not take the table.
  bool HoldsRecordsFrom(int first) const;

  // ---- algorithms of another configuration file ------------------------------
  // The algorithm section of a file made for c blocks (60 or 120): c/10 name
  // pages, c bytes of AlgHead, c rows of c bytes of AlgFB, one byte NAlg.
  static std::size_t AlgFileSize(int c);
  // Loads such a section whatever this table's capacity: names, heads and
  // rows 0 .. c - 1 from the file, every other entry empty. False, and
  // nothing changed, for c outside 1..120 or a short section.
  bool PutAlgFromFile(std::span<const std::uint8_t> bytes, int c);

 private:
  // Record i, or no record outside the table.
  RecordView<kRecordSize> View(int i) { return ViewOf(records_, i); }
  RecordView<kRecordSize, const std::uint8_t> View(int i) const { return ViewOf(records_, i); }
  // Input j = 0..3 of record i at b(1 + 2j), b(2 + 2j).
  RecordView<2> Input(int i, int j);
  RecordView<2, const std::uint8_t> Input(int i, int j) const;
  // The same as the record's type lays its inputs out: a comparator's single
  // input lies apart from the others.
  RecordView<2> SourceInput(int i, int j);
  std::string RealText(int i, const Real24Field<kRecordSize>& field, char separator) const;
  bool SetRealText(int i, const Real24Field<kRecordSize>& field, std::string_view text);
  // Records the signal renumbering scans: the function block area.
  int RefScanEnd() const;
  template <typename InputRule, typename AnVhRule>
  void RenumberRefs(bool analog, InputRule inputRule, AnVhRule anVhRule);

  std::array<Record, kSlots> records_{};
  Page page_{};
  std::array<Name, kSlots> names_{};
  NamePage namePage_{};
  std::array<int, kSlots> algHead_;
  std::array<std::array<int, kSlots>, kSlots> algFB_;
};

}  // namespace lur
