#include "model/TProgRegClass.h"

#include <algorithm>
#include <cmath>

#include "model/Bytes.h"

namespace lur {

namespace {

using Rec = TProgRegClass;
constexpr std::size_t kSize = TProgRegClass::kRecordSize;

// Regulator record fields.
constexpr BitField<kSize> kAnVh{0};
constexpr BitField<kSize> kTReg{1};
constexpr BitField<kSize> kAdOUT{2};
constexpr BitField<kSize> kTOut{3, 0, 1};
constexpr RecordRow<3, kSize> kParams{6, 3, 6};  // Kp, Ti, Td, OL, OH, OSF
constexpr Real24Field<3> kParam{0};
// Setter record fields: AReg, then six points of time and value.
constexpr BitField<kSize> kAReg{0};
constexpr RecordRow<4, kSize> kSetterPoints{1, 4, Rec::kPoints};
constexpr WordField<4> kTimePZ{0};
constexpr WordField<4> kValPZ{2, WordSign::Signed};
// Any byte of a record.
constexpr RecordRow<1, kSize> kBytes{0, 1, static_cast<int>(kSize)};
constexpr BitField<1> kByte{0};

constexpr int kLastCode = TProgRegClass::kRecords - 1;

int ParamIndex(TProgRegClass::Param p) { return static_cast<int>(p); }

// Code base + k naming record k (0..5), or nullopt.
std::optional<int> RecordFromCode(int code, int base) {
  const int k = code - base;
  return k >= 0 && k <= kLastCode ? std::optional<int>(k) : std::nullopt;
}

}  // namespace

TProgRegClass::TProgRegClass() {
  PanelLoop.fill(-1);
  PZPanelLoop.fill(-1);
  PanelReg.fill(-1);
  PZPanelRec.fill(-1);
}

// ---- regulator records ---------------------------------------------------------

int TProgRegClass::GetRegByte(int i, int j) const { return Reg(i).At(kBytes, j).Get(kByte); }
void TProgRegClass::SetRegByte(int i, int j, int b) { Reg(i).At(kBytes, j).Set(kByte, b); }
int TProgRegClass::GetPZByte(int s, int j) const { return PZ(s).At(kBytes, j).Get(kByte); }
void TProgRegClass::SetPZByte(int s, int j, int b) { PZ(s).At(kBytes, j).Set(kByte, b); }

TProgRegClass::RegRecord TProgRegClass::GetRegRecord(int i) const {
  RegRecord out{};
  ViewOf(out).Assign(Reg(i));
  return out;
}
TProgRegClass::PZRecord TProgRegClass::GetPZRecord(int s) const {
  PZRecord out{};
  ViewOf(out).Assign(PZ(s));
  return out;
}

int TProgRegClass::GetAnVh(int i) const { return Reg(i).Get(kAnVh); }
void TProgRegClass::SetAnVh(int i, int b) { Reg(i).Set(kAnVh, b); }
int TProgRegClass::GetTReg(int i) const { return Reg(i).Get(kTReg); }
void TProgRegClass::SetTReg(int i, int b) { Reg(i).Set(kTReg, b); }
int TProgRegClass::GetAdOUT(int i) const { return Reg(i).Get(kAdOUT); }
void TProgRegClass::SetAdOUT(int i, int b) { Reg(i).Set(kAdOUT, b); }
int TProgRegClass::GetTOut(int i) const { return Reg(i).Get(kTOut); }
void TProgRegClass::SetTOut(int i, int bit) { Reg(i).Set(kTOut, bit); }

int TProgRegClass::LoopKind(int i) const {
  const int tReg = GetTReg(i);
  if (tReg == 1 && GetAdOUT(i) >= kCascadeOutBase) return kKindCascade;
  if (tReg >= kCascadeInnerBase && tReg <= kCascadeInnerBase + kLastCode) return kKindCascade;
  if (tReg >= kSetterBase && tReg <= kSetterBase + kLastCode) return kKindSetter;
  return tReg;
}

std::optional<int> TProgRegClass::CascadeInnerOf(int i) const {
  if (!Reg(i) || GetTReg(i) != 1) return std::nullopt;
  return RecordFromCode(GetAdOUT(i), kCascadeOutBase);
}

std::optional<int> TProgRegClass::CascadeOuterOf(int i) const {
  if (!Reg(i)) return std::nullopt;
  return RecordFromCode(GetTReg(i), kCascadeInnerBase);
}

std::optional<int> TProgRegClass::SetterOf(int i) const {
  if (!Reg(i)) return std::nullopt;
  return RecordFromCode(GetTReg(i), kSetterBase);
}

std::optional<int> TProgRegClass::DacOutputOf(int i) const {
  if (!Reg(i)) return std::nullopt;
  return RecordFromCode(GetAdOUT(i), 0);
}

int TProgRegClass::UsedRegs() const {
  int n = 0;
  while (n < kRecords && GetAnVh(n) != 0) ++n;
  return n;
}

// ---- parameters ----------------------------------------------------------------

float TProgRegClass::GetParam(int i, Param p) const { return Reg(i).At(kParams, ParamIndex(p)).Get(kParam); }

// The exponent byte holds -128..127: 2^127 and above would wrap, and are refused.
bool TProgRegClass::SetParam(int i, Param p, float value) {
  return Reg(i).At(kParams, ParamIndex(p)).Set(kParam, value);
}

std::string TProgRegClass::GetParamText(int i, Param p, char separator) const {
  if (!Reg(i)) return {};
  return FixedText(GetParam(i, p), 4, separator);
}

bool TProgRegClass::SetParamText(int i, Param p, std::string_view text) {
  const auto value = ParseReal24Text(text);
  return value && Reg(i).At(kParams, ParamIndex(p)).Set(kParam, *value);
}

// ---- setter records ----------------------------------------------------------------

int TProgRegClass::GetAReg(int s) const { return PZ(s).Get(kAReg); }
void TProgRegClass::SetAReg(int s, int b) { PZ(s).Set(kAReg, b); }

std::optional<int> TProgRegClass::RegulatorOfSetter(int s) const {
  if (!PZ(s)) return std::nullopt;
  return RecordFromCode(GetAReg(s), 1);
}

std::uint16_t TProgRegClass::GetTimePZ(int s, int k) const {
  return static_cast<std::uint16_t>(PZ(s).At(kSetterPoints, k).Get(kTimePZ));
}
void TProgRegClass::SetTimePZ(int s, int k, std::uint16_t v) { PZ(s).At(kSetterPoints, k).Set(kTimePZ, v); }
std::int16_t TProgRegClass::GetValPZ(int s, int k) const {
  return static_cast<std::int16_t>(PZ(s).At(kSetterPoints, k).Get(kValPZ));
}
void TProgRegClass::SetValPZ(int s, int k, std::int16_t v) { PZ(s).At(kSetterPoints, k).Set(kValPZ, v); }

std::optional<std::int16_t> TProgRegClass::SetPointCode(double value, double low, double high) {
  const double span = high - low;
  if (span == 0 || !std::isfinite(span) || !std::isfinite(value)) return std::nullopt;
  const double code = std::trunc(value * kSetPointScale / span);
  if (!(code >= -32768.0 && code <= 32767.0)) return std::nullopt;
  return static_cast<std::int16_t>(code);
}

double TProgRegClass::SetPointValue(std::int16_t code, double low, double high) {
  return code * (high - low) / kSetPointScale;
}

bool TProgRegClass::SetValPZValue(int s, int k, double value) {
  if (!PZ(s).At(kSetterPoints, k)) return false;
  const auto code = SetPointCode(value, ScaleLow, ScaleHigh);
  if (!code) return false;
  SetValPZ(s, k, *code);
  return true;
}

double TProgRegClass::GetValPZValue(int s, int k) const {
  return SetPointValue(GetValPZ(s, k), ScaleLow, ScaleHigh);
}

bool TProgRegClass::StatusBit(int r, int bit) const {
  return r >= 0 && r < kRecords && ((RegStatus[r] >> bit) & 1);
}

// ---- record moves -------------------------------------------------------------------

namespace {

constexpr RecordRow<kSize, TProgRegClass::kPageSize> kImageRecords{0, kSize, Rec::kRecords};

void DeleteRecords(TProgRegClass::PageImage& image, int at, int n) {
  if (at < 0 || at >= Rec::kRecords || n <= 0) return;
  const auto records = ViewOf(image);
  for (int i = at; i < Rec::kRecords; ++i) {
    const auto to = records.At(kImageRecords, i);
    if (n < Rec::kRecords - i) {
      to.Assign(records.At(kImageRecords, i + n));
    } else {
      to.Fill(0);
    }
  }
}

void InsertRecords(TProgRegClass::PageImage& image, int at, int n) {
  if (at < 0 || at >= Rec::kRecords || n <= 0) return;
  const auto records = ViewOf(image);
  for (int i = Rec::kRecords - 1 - n; i >= at; --i)
    records.At(kImageRecords, i + n).Assign(records.At(kImageRecords, i));
}

}  // namespace

void TProgRegClass::DeleteRegs(int at, int n) { DeleteRecords(regImage_, at, n); }
void TProgRegClass::InsertRegs(int at, int n) { InsertRecords(regImage_, at, n); }
void TProgRegClass::DeletePZ(int at, int n) { DeleteRecords(pzImage_, at, n); }
void TProgRegClass::InsertPZ(int at, int n) { InsertRecords(pzImage_, at, n); }

// ---- pages ----------------------------------------------------------------------------

bool TProgRegClass::PutPageFromAnswer(std::span<const std::uint8_t> answer, std::uint8_t page) {
  if (page != RegPage && page != PZPage) return false;
  const auto bytes = PageFromAnswer(answer, page, kPageSize);
  if (!bytes) return false;
  std::copy(bytes->begin(), bytes->end(), RegBuf.begin());
  LenReg = kPageLength;
  return true;
}

bool TProgRegClass::PutPageFromFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kPageSize) return false;
  std::copy_n(bytes.begin(), kPageSize, RegBuf.begin());
  return true;
}

bool TProgRegClass::LoadPage(int page) {
  if (page == RegPage) {
    regImage_ = RegBuf;
  } else if (page == PZPage) {
    pzImage_ = RegBuf;
  } else {
    return false;
  }
  return true;
}

bool TProgRegClass::StorePage(int page) {
  RegBuf.fill(0);
  if (page == RegPage) {
    RegBuf = regImage_;
  } else if (page == PZPage) {
    RegBuf = pzImage_;
  } else {
    return false;
  }
  return true;
}

bool TProgRegClass::PutFileBlock(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kFileBlockSize) return false;
  PutPageFromFile(bytes.first(kPageSize));
  LoadPage(RegPage);
  PutPageFromFile(bytes.subspan(kPageSize, kPageSize));
  LoadPage(PZPage);
  return true;
}

TProgRegClass::FileBlock TProgRegClass::GetFileBlock() const {
  FileBlock out{};
  std::copy(regImage_.begin(), regImage_.end(), out.begin());
  std::copy(pzImage_.begin(), pzImage_.end(), out.begin() + kPageSize);
  return out;
}

}  // namespace lur
