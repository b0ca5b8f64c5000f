#include "model/TProgRegClass.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "model/Bytes.h"
#include "model/Real24.h"

namespace lur {

namespace {

// Regulator record bytes.
constexpr int kAnVhByte = 0;
constexpr int kTRegByte = 1;
constexpr int kAdOUTByte = 2;
constexpr int kTOutByte = 3;
// Setter record bytes.
constexpr int kARegByte = 0;
constexpr int kTimeByte = 1;  // + 4k
constexpr int kValByte = 3;   // + 4k

constexpr int kLastCode = TProgRegClass::kRecords - 1;

int ParamByte(TProgRegClass::Param p) { return 6 + 3 * static_cast<int>(p); }

bool ValidPoint(int k) { return k >= 0 && k < TProgRegClass::kPoints; }

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

std::uint8_t* TProgRegClass::Reg(int i) {
  return i >= 0 && i < kRecords ? regImage_.data() + i * kRecordSize : nullptr;
}
const std::uint8_t* TProgRegClass::Reg(int i) const {
  return i >= 0 && i < kRecords ? regImage_.data() + i * kRecordSize : nullptr;
}
std::uint8_t* TProgRegClass::PZ(int s) {
  return s >= 0 && s < kRecords ? pzImage_.data() + s * kRecordSize : nullptr;
}
const std::uint8_t* TProgRegClass::PZ(int s) const {
  return s >= 0 && s < kRecords ? pzImage_.data() + s * kRecordSize : nullptr;
}

// ---- regulator records ---------------------------------------------------------

int TProgRegClass::GetRegByte(int i, int j) const {
  const std::uint8_t* r = Reg(i);
  return r && j >= 0 && j < static_cast<int>(kRecordSize) ? r[j] : 0;
}
void TProgRegClass::SetRegByte(int i, int j, int b) {
  std::uint8_t* r = Reg(i);
  if (r && j >= 0 && j < static_cast<int>(kRecordSize)) r[j] = static_cast<std::uint8_t>(b);
}
int TProgRegClass::GetPZByte(int s, int j) const {
  const std::uint8_t* r = PZ(s);
  return r && j >= 0 && j < static_cast<int>(kRecordSize) ? r[j] : 0;
}
void TProgRegClass::SetPZByte(int s, int j, int b) {
  std::uint8_t* r = PZ(s);
  if (r && j >= 0 && j < static_cast<int>(kRecordSize)) r[j] = static_cast<std::uint8_t>(b);
}

TProgRegClass::RegRecord TProgRegClass::GetRegRecord(int i) const {
  RegRecord out{};
  if (const std::uint8_t* r = Reg(i)) std::memcpy(out.data(), r, kRecordSize);
  return out;
}
TProgRegClass::PZRecord TProgRegClass::GetPZRecord(int s) const {
  PZRecord out{};
  if (const std::uint8_t* r = PZ(s)) std::memcpy(out.data(), r, kRecordSize);
  return out;
}

int TProgRegClass::GetAnVh(int i) const { return GetRegByte(i, kAnVhByte); }
void TProgRegClass::SetAnVh(int i, int b) { SetRegByte(i, kAnVhByte, b); }
int TProgRegClass::GetTReg(int i) const { return GetRegByte(i, kTRegByte); }
void TProgRegClass::SetTReg(int i, int b) { SetRegByte(i, kTRegByte, b); }
int TProgRegClass::GetAdOUT(int i) const { return GetRegByte(i, kAdOUTByte); }
void TProgRegClass::SetAdOUT(int i, int b) { SetRegByte(i, kAdOUTByte, b); }
int TProgRegClass::GetTOut(int i) const { return GetRegByte(i, kTOutByte) & 0x01; }
void TProgRegClass::SetTOut(int i, int bit) {
  SetRegByte(i, kTOutByte, (GetRegByte(i, kTOutByte) & 0xFE) | (bit & 0x01));
}

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

float TProgRegClass::GetParam(int i, Param p) const {
  const std::uint8_t* r = Reg(i);
  return r ? GetReal24(r + ParamByte(p)) : 0.0f;
}

bool TProgRegClass::SetParam(int i, Param p, float value) {
  std::uint8_t* r = Reg(i);
  // The exponent byte holds -128..127: 2^127 and above would wrap.
  if (!r || !std::isfinite(value) || std::fabs(value) >= std::ldexp(1.0f, 127)) return false;
  PutReal24(r + ParamByte(p), value);
  return true;
}

std::string TProgRegClass::GetParamText(int i, Param p, char separator) const {
  if (!Reg(i)) return {};
  return FixedText(GetParam(i, p), 4, separator);
}

bool TProgRegClass::SetParamText(int i, Param p, std::string_view text) {
  std::uint8_t* r = Reg(i);
  if (!r) return false;
  const auto value = ParseReal24Text(text);
  if (!value) return false;
  std::memcpy(r + ParamByte(p), value->data(), value->size());
  return true;
}

// ---- setter records ----------------------------------------------------------------

int TProgRegClass::GetAReg(int s) const { return GetPZByte(s, kARegByte); }
void TProgRegClass::SetAReg(int s, int b) { SetPZByte(s, kARegByte, b); }

std::optional<int> TProgRegClass::RegulatorOfSetter(int s) const {
  if (!PZ(s)) return std::nullopt;
  return RecordFromCode(GetAReg(s), 1);
}

std::uint16_t TProgRegClass::GetTimePZ(int s, int k) const {
  const std::uint8_t* r = PZ(s);
  return r && ValidPoint(k) ? GetU16(r + kTimeByte + 4 * k) : 0;
}
void TProgRegClass::SetTimePZ(int s, int k, std::uint16_t v) {
  std::uint8_t* r = PZ(s);
  if (r && ValidPoint(k)) PutU16(r + kTimeByte + 4 * k, v);
}
std::int16_t TProgRegClass::GetValPZ(int s, int k) const {
  const std::uint8_t* r = PZ(s);
  return r && ValidPoint(k) ? GetS16(r + kValByte + 4 * k) : 0;
}
void TProgRegClass::SetValPZ(int s, int k, std::int16_t v) {
  std::uint8_t* r = PZ(s);
  if (r && ValidPoint(k)) PutU16(r + kValByte + 4 * k, static_cast<std::uint16_t>(v));
}

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
  if (!PZ(s) || !ValidPoint(k)) return false;
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

void DeleteRecords(TProgRegClass::PageImage& image, int at, int n) {
  if (at < 0 || at >= TProgRegClass::kRecords || n <= 0) return;
  constexpr auto size = TProgRegClass::kRecordSize;
  for (int i = at; i < TProgRegClass::kRecords; ++i) {
    std::uint8_t* dst = image.data() + i * size;
    if (i + n < TProgRegClass::kRecords) {
      std::memcpy(dst, image.data() + (i + n) * size, size);
    } else {
      std::memset(dst, 0, size);
    }
  }
}

void InsertRecords(TProgRegClass::PageImage& image, int at, int n) {
  if (at < 0 || at >= TProgRegClass::kRecords || n <= 0) return;
  constexpr auto size = TProgRegClass::kRecordSize;
  for (int i = TProgRegClass::kRecords - 1 - n; i >= at; --i) {
    std::memcpy(image.data() + (i + n) * size, image.data() + i * size, size);
  }
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
