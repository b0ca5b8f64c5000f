#pragma once
// The control loop configuration of the regulator module: six regulator
// records and six program setter records, each a 28-byte image exactly as the
// controller's pages 0x20 and 0x21 hold it, so that reading, writing and
// saving move the images unchanged. Beside them: the transfer buffer, the live
// values of the on-line view, the defaults of a new regulator and the working
// state of the regulator editor.
//
// Which records form a loop is not stored: it follows from the role code
// (TReg) and output code (AdOUT) of the regulator records and the regulator
// number (AReg) of the setters. Those codes come from the controller or a
// file, so the lookups that turn them into record indices check them first
// and give nullopt for a code that names no record.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/DecimalText.h"
#include "model/PageCatalogue.h"
#include "model/RecordView.h"

namespace lur {

class TProgRegClass {
 public:
  static constexpr int kRecords = 6;
  static constexpr std::size_t kRecordSize = 28;
  static constexpr std::size_t kPageSize = kRecords * kRecordSize;     // 168
  static constexpr std::size_t kFileBlockSize = 2 * kPageSize;         // 336
  static constexpr int kPageLength = static_cast<int>(kPageSize) + 1;  // count byte of a page answer
  static constexpr std::uint8_t RegPage = page::kRegulators;
  static constexpr std::uint8_t PZPage = page::kSetters;
  static constexpr int kPoints = 6;             // reference points of a setter
  static constexpr int kSetPointScale = 16383;  // set values in (H - L) / 16383

  // Role codes (TReg) and output codes (AdOUT).
  static constexpr int kCascadeInnerBase = 8;  // TReg 8 + k: inner regulator of outer record k
  static constexpr int kSetterBase = 16;       // TReg 16 + s: set point from setter s
  static constexpr int kCascadeOutBase = 8;    // AdOUT 8 + k: drives inner record k

  // Loop kinds (items of the loop-type list).
  static constexpr int kKindRepeater = 0;
  static constexpr int kKindSingle = 1;
  static constexpr int kKindCascade = 2;
  static constexpr int kKindSetter = 3;

  enum class Param { Kp, Ti, Td, OL, OH, OSF };

  using RegRecord = std::array<std::uint8_t, kRecordSize>;
  using PZRecord = std::array<std::uint8_t, kRecordSize>;
  using PageImage = std::array<std::uint8_t, kPageSize>;
  using FileBlock = std::array<std::uint8_t, kFileBlockSize>;

  TProgRegClass();

  // ---- regulator records, index 0..5 (an index outside reads 0, writes nothing)
  int GetAnVh(int i) const;
  void SetAnVh(int i, int b);
  int GetTReg(int i) const;
  void SetTReg(int i, int b);
  int GetAdOUT(int i) const;
  void SetAdOUT(int i, int b);
  int GetTOut(int i) const;      // bit 0 of byte 3: 0 direct, 1 reverse
  void SetTOut(int i, int bit);  // keeps bits 1-7

  // Kind derived from TReg and AdOUT: TReg 1 with AdOUT >= 8 and TReg 8..13
  // are cascades (2), TReg 16..21 a setter loop (3); any other TReg is its
  // own kind (0 repeater, 1 single loop, others passed through).
  int LoopKind(int i) const;

  // Lookups of the records a regulator names; nullopt when the code names none.
  std::optional<int> CascadeInnerOf(int i) const;  // outer: TReg 1, AdOUT 8..13
  std::optional<int> CascadeOuterOf(int i) const;  // inner: TReg 8..13
  std::optional<int> SetterOf(int i) const;        // TReg 16..21
  std::optional<int> DacOutputOf(int i) const;     // AdOUT 0..5
  // Regulator records in use: those before the first with AnVh = 0.
  int UsedRegs() const;

  // Kp .. OSF: the Real24 shown fixed-point with 7 significant digits and 4
  // decimals; set from a typed number (false, bytes kept, when it is none).
  float GetParam(int i, Param p) const;
  bool SetParam(int i, Param p, float value);  // false for a value Real24 cannot hold
  std::string GetParamText(int i, Param p, char separator = kDecimalComma) const;
  bool SetParamText(int i, Param p, std::string_view text);
  std::string GetKp(int i) const { return GetParamText(i, Param::Kp); }
  std::string GetTi(int i) const { return GetParamText(i, Param::Ti); }
  std::string GetTd(int i) const { return GetParamText(i, Param::Td); }
  std::string GetOL(int i) const { return GetParamText(i, Param::OL); }
  std::string GetOH(int i) const { return GetParamText(i, Param::OH); }
  std::string GetOSF(int i) const { return GetParamText(i, Param::OSF); }
  bool SetKp(int i, std::string_view text) { return SetParamText(i, Param::Kp, text); }
  bool SetTi(int i, std::string_view text) { return SetParamText(i, Param::Ti, text); }
  bool SetTd(int i, std::string_view text) { return SetParamText(i, Param::Td, text); }
  bool SetOL(int i, std::string_view text) { return SetParamText(i, Param::OL, text); }
  bool SetOH(int i, std::string_view text) { return SetParamText(i, Param::OH, text); }
  bool SetOSF(int i, std::string_view text) { return SetParamText(i, Param::OSF, text); }

  // ---- setter records, index s = 0..5, point k = 0..5 --------------------------
  int GetAReg(int s) const;
  void SetAReg(int s, int b);
  std::optional<int> RegulatorOfSetter(int s) const;  // AReg 1..6 -> record 0..5
  std::uint16_t GetTimePZ(int s, int k) const;
  void SetTimePZ(int s, int k, std::uint16_t v);
  std::int16_t GetValPZ(int s, int k) const;
  void SetValPZ(int s, int k, std::int16_t v);

  // Set-point conversion with the scale L..H of the controlled variable:
  // code = value * 16383 / (H - L), truncated toward zero. nullopt for H = L
  // and for a code that does not fit the signed 16 bits of ValPZ; the caller
  // then shows the range message.
  static std::optional<std::int16_t> SetPointCode(double value, double low, double high);
  static double SetPointValue(std::int16_t code, double low, double high);
  // The same with ScaleLow and ScaleHigh; false (point kept) when refused.
  bool SetValPZValue(int s, int k, double value);
  double GetValPZValue(int s, int k) const;

  // ---- raw bytes (reserve and copy buffers) --------------------------------------
  int GetRegByte(int i, int j) const;
  void SetRegByte(int i, int j, int b);
  int GetPZByte(int s, int j) const;
  void SetPZByte(int s, int j, int b);
  RegRecord GetRegRecord(int i) const;
  PZRecord GetPZRecord(int s) const;

  // ---- record moves ----------------------------------------------------------------
  // Delete: records at.. take the content of the record n further on, zeros
  // past the end. Insert: records at.. move n places on (the last n are lost);
  // records at .. at + n - 1 keep their content until overwritten.
  void DeleteRegs(int at, int n);
  void InsertRegs(int at, int n);
  void DeletePZ(int at, int n);
  void InsertPZ(int at, int n);

  // ---- live status (on-line mode), regulator r = 0..5 ---------------------------
  std::array<std::uint8_t, kRecords> RegStatus{};
  std::array<float, 3 * kRecords> RegValues{};  // per regulator: SP, OUT, PV
  bool IsAutomatic(int r) const { return StatusBit(r, 0); }
  bool IsSwitchAP(int r) const { return StatusBit(r, 1); }
  bool OutputIndicator(int r) const { return StatusBit(r, 6); }
  bool InputIndicator(int r) const { return StatusBit(r, 7); }

  // ---- pages -----------------------------------------------------------------------
  // A page-read answer (address, 0x44, count, page, 168 bytes, CRC) is taken
  // into RegBuf only when its count is 169 and it echoes `page`; otherwise
  // RegBuf is kept and false is returned (the caller reports 128).
  bool PutPageFromAnswer(std::span<const std::uint8_t> answer, std::uint8_t page);
  bool PutPageFromFile(std::span<const std::uint8_t> bytes);  // the first 168 bytes
  // RegBuf -> the image of page 0x20 or 0x21; false for any other page.
  bool LoadPage(int page);
  // The image of page 0x20 or 0x21 -> RegBuf (cleared first).
  bool StorePage(int page);
  const PageImage& PageBuffer() const { return RegBuf; }  // RegBuf, the transfer buffer

  // The 336-byte block of a configuration file: regulator image, setter image.
  bool PutFileBlock(std::span<const std::uint8_t> bytes);  // false when short
  FileBlock GetFileBlock() const;

  // Count byte of the last page answer taken. Only the fixed length is taken,
  // so it always holds 169; writes and files use the fixed length.
  int LenReg = kPageLength;

  // ---- flags and editor state (the regulator editor reads and writes them) --
  int InfoSilent = 0;
  int RegModified = 0;
  int RegModifiedSave = 0;
  std::array<int, kRecords> PanelLoop;
  std::array<int, kRecords> PZPanelLoop;
  std::array<int, kRecords> PanelReg;
  std::array<int, kRecords> PZPanelRec;
  int RegModulePos = 0;  // position of the regulator module in the module list
  int HasRegModule = 0;
  int NLoops = 0;
  int DelLoop = 0;
  int CurLoop = -1;
  int NRegs = 0;
  int ActPanel = -1;
  int NPZ = 0;
  int CurReg = -1;
  int CurPanel = -1;
  float DefKp = 1.0f;
  float DefTi = 3000.0f;
  float DefTd = 0.0f;
  float DefOL = 0.0f;
  float DefOH = 100.0f;
  float DefOSF = 25.0f;
  double ScaleLow = 0.0;  // scale of the controlled variable of the loop being edited
  double ScaleHigh = 0.0;
  int kReg = kRecords;            // most regulators and loops
  int RegRecordCount = kRecords;  // regulator records
  int RegRecordWork = kRecords;   // working copy used by the loops over records
  int EditMode = 0;               // 1 = the loop dialog programs an existing loop
  std::array<int, kRecords> Reg_Choose{};
  int N_Ctrl = 0;

 private:
  using Record = RecordView<kRecordSize>;
  using ConstRecord = RecordView<kRecordSize, const std::uint8_t>;
  static constexpr RecordRow<kRecordSize, kPageSize> kRecordRow{0, kRecordSize, kRecords};

  Record Reg(int i) { return ViewOf(regImage_).At(kRecordRow, i); }
  ConstRecord Reg(int i) const { return ViewOf(regImage_).At(kRecordRow, i); }
  Record PZ(int s) { return ViewOf(pzImage_).At(kRecordRow, s); }
  ConstRecord PZ(int s) const { return ViewOf(pzImage_).At(kRecordRow, s); }
  bool StatusBit(int r, int bit) const;

  PageImage regImage_{};
  PageImage pzImage_{};
  PageImage RegBuf{};
};

}  // namespace lur
