#include "model/TProgFBClass.h"

#include <algorithm>
#include <cstring>

#include "model/Bytes.h"
#include "model/Real24.h"

namespace lur {

namespace {

// b0: type and subtype.
constexpr int kB0 = 0;
// Comparator fields.
constexpr int kCompInputByte = 7;
constexpr int kLimitByte = 2;
// Arithmetic constants.
constexpr int kC1Byte = 2;
constexpr int kC2Byte = 6;
// Signalling byte of a function block.
constexpr int kSignalByte = 9;

}  // namespace

TProgFBClass::TProgFBClass() {
  PosFB.fill(-1);
  algHead_.fill(kNoEntry);
  for (auto& row : algFB_) row.fill(kNoEntry);
}

// ---- sizes and counters --------------------------------------------------------

int TProgFBClass::Capacity() const { return std::clamp(CapFB, 0, MaxFB); }

int TProgFBClass::FreeFB() const {
  const int cap = Capacity();
  int free = 0;
  if (NMat > 0 && NIntegr > 0) {
    free = cap - NMat - 2;
  } else if (NMat == 0) {
    free = cap - NIntegr;
  } else {
    free = cap - NMat;
  }
  return std::clamp(free, 0, cap);
}

void TProgFBClass::CountCalc() {
  NIntegr = 0;
  NMat = 0;
  const long long first = std::max(NFB, 0);
  const long long last = std::min<long long>(first + 25, MaxFB - 1);
  for (long long i = first; i <= last; ++i) {
    const auto idx = static_cast<int>(i);
    if (GetTipFB(idx) != kCalcType) continue;
    if (GetSubTip(idx) == 0) {
      ++NIntegr;
    } else {
      ++NMat;
    }
  }
}

void TProgFBClass::FindNFB() {
  const int cap = Capacity();
  int n = 0;
  while (n < cap) {
    const int type = GetTipFB(n);
    if (type == 0 || type > 11) break;
    ++n;
  }
  NFB = n;
}

// ---- whole records and bit fields ------------------------------------------------

std::uint8_t* TProgFBClass::At(int i) { return i >= 0 && i < kSlots ? records_[i].data() : nullptr; }

const std::uint8_t* TProgFBClass::At(int i) const {
  return i >= 0 && i < kSlots ? records_[i].data() : nullptr;
}

int TProgFBClass::Bits(int i, int byte, int shift, int mask) const {
  const std::uint8_t* r = At(i);
  return r ? (r[byte] >> shift) & mask : 0;
}

void TProgFBClass::SetBits(int i, int byte, int shift, int mask, int v) {
  std::uint8_t* r = At(i);
  if (!r) return;
  const int keep = r[byte] & ~(mask << shift);
  r[byte] = static_cast<std::uint8_t>(keep | ((v & mask) << shift));
}

TProgFBClass::Record TProgFBClass::GetRecord(int i) const {
  const std::uint8_t* r = At(i);
  Record out{};
  if (r) std::memcpy(out.data(), r, kRecordSize);
  return out;
}

void TProgFBClass::SetRecord(int i, const Record& record) {
  if (std::uint8_t* r = At(i)) std::memcpy(r, record.data(), kRecordSize);
}

void TProgFBClass::ClearRecord(int i) { SetRecord(i, Record{}); }

int TProgFBClass::GetTipFB(int i) const { return Bits(i, kB0, 0, 0x0F); }
void TProgFBClass::SetTipFB(int i, int v) {
  if (std::uint8_t* r = At(i)) r[kB0] = static_cast<std::uint8_t>(v & 0x0F);
}
int TProgFBClass::GetSubTip(int i) const { return Bits(i, kB0, 4, 0x0F); }
void TProgFBClass::SetSubTip(int i, int v) { SetBits(i, kB0, 4, 0x0F, v); }

int TProgFBClass::InputCount(int i) const {
  switch (GetTipFB(i)) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 7:
    case 9:
      return 4;
    case 5:
      return 2;
    case kTimerType:
      return GetSubTip(i) == kAlarmClock ? 1 : 2;
    case kComparatorType:
      return 1;
    default:
      return 0;
  }
}

// ---- inputs ------------------------------------------------------------------

namespace {
bool ValidInput(int j) { return j >= 0 && j < 4; }
}  // namespace

int TProgFBClass::GetKindVh(int i, int j) const { return ValidInput(j) ? Bits(i, 1 + 2 * j, 0, 0x07) : 0; }
void TProgFBClass::SetKindVh(int i, int j, int v) {
  if (ValidInput(j)) SetBits(i, 1 + 2 * j, 0, 0x07, v);
}
int TProgFBClass::GetDirVh(int i, int j) const { return ValidInput(j) ? Bits(i, 1 + 2 * j, 3, 0x01) : 0; }
void TProgFBClass::SetDirVh(int i, int j, int v) {
  if (ValidInput(j)) SetBits(i, 1 + 2 * j, 3, 0x01, v);
}
int TProgFBClass::GetNVh(int i, int j) const { return ValidInput(j) ? Bits(i, 2 + 2 * j, 0, 0xFF) : 0; }
void TProgFBClass::SetNVh(int i, int j, int v) {
  if (ValidInput(j)) SetBits(i, 2 + 2 * j, 0, 0xFF, v);
}

int TProgFBClass::GetKindVhComp(int i) const { return Bits(i, kCompInputByte, 0, 0x07); }
void TProgFBClass::SetKindVhComp(int i, int v) { SetBits(i, kCompInputByte, 0, 0x07, v); }
int TProgFBClass::GetDirVhComp(int i) const { return Bits(i, kCompInputByte, 3, 0x01); }
void TProgFBClass::SetDirVhComp(int i, int v) { SetBits(i, kCompInputByte, 3, 0x01, v); }
int TProgFBClass::GetNVhComp(int i) const { return Bits(i, kCompInputByte + 1, 0, 0xFF); }
void TProgFBClass::SetNVhComp(int i, int v) { SetBits(i, kCompInputByte + 1, 0, 0xFF, v); }

// ---- counter, timer, alarm clock ---------------------------------------------

int TProgFBClass::GetLimitCount(int i) const { return Bits(i, 1, 4, 0x0F) + 16 * Bits(i, 3, 4, 0x01); }
void TProgFBClass::SetLimitCount(int i, int v) {
  std::uint8_t* r = At(i);
  if (!r) return;
  SetBits(i, 1, 4, 0x0F, v);
  // Bit 4 of the set-point goes to b3 bit 4; b3 bits 5-7 are written as 0 with it.
  r[3] = static_cast<std::uint8_t>((r[3] & 0x0F) | (v & 0x10));
}
int TProgFBClass::GetTimerD(int i) const { return Bits(i, 5, 0, 0x03); }
void TProgFBClass::SetTimerD(int i, int v) { SetBits(i, 5, 0, 0x03, v); }
int TProgFBClass::GetTimerTime(int i) const { return Bits(i, 6, 0, 0xFF); }
void TProgFBClass::SetTimerTime(int i, int v) { SetBits(i, 6, 0, 0xFF, v); }
int TProgFBClass::GetTimerAdrUst(int i) const { return Bits(i, 7, 0, 0x0F); }
void TProgFBClass::SetTimerAdrUst(int i, int v) { SetBits(i, 7, 0, 0x0F, v); }
int TProgFBClass::GetTimerTUstT(int i) const { return Bits(i, 7, 4, 0x01); }
void TProgFBClass::SetTimerTUstT(int i, int v) { SetBits(i, 7, 4, 0x01, v); }
int TProgFBClass::GetTimeHour(int i) const { return Bits(i, 5, 2, 0x3F); }
void TProgFBClass::SetTimeHour(int i, int v) { SetBits(i, 5, 2, 0x3F, v); }
int TProgFBClass::GetTimeMin(int i) const { return Bits(i, 4, 0, 0xFF); }
void TProgFBClass::SetTimeMin(int i, int v) { SetBits(i, 4, 0, 0xFF, v); }
int TProgFBClass::GetTimeSec(int i) const { return Bits(i, 3, 0, 0xFF); }
void TProgFBClass::SetTimeSec(int i, int v) { SetBits(i, 3, 0, 0xFF, v); }

// ---- comparator ----------------------------------------------------------------

int TProgFBClass::GetAnVh(int i) const { return Bits(i, 1, 0, 0x7F); }
void TProgFBClass::SetAnVh(int i, int v) { SetBits(i, 1, 0, 0x7F, v); }
int TProgFBClass::GetKindAn(int i) const { return Bits(i, 1, 7, 0x01); }
void TProgFBClass::SetKindAn(int i, int v) { SetBits(i, 1, 7, 0x01, v); }
int TProgFBClass::GetGisterezis(int i) const { return Bits(i, 5, 2, 0x1F); }
void TProgFBClass::SetGisterezis(int i, int v) { SetBits(i, 5, 2, 0x1F, v); }
int TProgFBClass::GetCompCond(int i) const { return Bits(i, 5, 7, 0x01); }
void TProgFBClass::SetCompCond(int i, int v) { SetBits(i, 5, 7, 0x01, v); }

std::string TProgFBClass::RealText(int i, int byte, char separator) const {
  const std::uint8_t* r = At(i);
  if (!r) return {};
  const double v = GetReal24(r + byte);
  return FixedText(v, DecimalsByMagnitude(v), separator);
}

bool TProgFBClass::SetRealText(int i, int byte, std::string_view text) {
  std::uint8_t* r = At(i);
  if (!r) return false;
  const auto value = ParseReal24Text(text);
  if (!value) return false;
  std::memcpy(r + byte, value->data(), value->size());
  return true;
}

std::string TProgFBClass::GetLimitText(int i, char separator) const {
  return RealText(i, kLimitByte, separator);
}
bool TProgFBClass::SetLimitText(int i, std::string_view text) { return SetRealText(i, kLimitByte, text); }

// ---- signalling and relay outputs ------------------------------------------------

int TProgFBClass::GetNTabS(int i) const { return Bits(i, kSignalByte, 0, 0x1F); }
void TProgFBClass::SetNTabS(int i, int v) { SetBits(i, kSignalByte, 0, 0x1F, v); }
int TProgFBClass::GetArh(int i) const { return Bits(i, kSignalByte, 5, 0x01); }
void TProgFBClass::SetArh(int i, int v) { SetBits(i, kSignalByte, 5, 0x01, v); }
int TProgFBClass::GetTipS(int i) const { return Bits(i, kSignalByte, 6, 0x03); }
void TProgFBClass::SetTipS(int i, int v) { SetBits(i, kSignalByte, 6, 0x03, v); }

namespace {
bool ValidRelayModule(int m) { return m >= 1 && m <= 5; }
}  // namespace

int TProgFBClass::GetMR(int i, int m) const { return ValidRelayModule(m) ? Bits(i, 9 + m, 0, 0xFF) : 0; }
void TProgFBClass::SetMR(int i, int m, int v) {
  if (ValidRelayModule(m)) SetBits(i, 9 + m, 0, 0xFF, v);
}

void TProgFBClass::ClearSignallingBeyondLimit() {
  for (int i = kSignallingBlocks; i < kSlots; ++i) {
    const int type = GetTipFB(i);
    // b9 of a calculation record is not signalling (AdrY of an arithmetic block).
    if (type < 1 || type > 9) continue;
    SetNTabS(i, 0);
    SetTipS(i, 0);
    SetArh(i, 0);
  }
}

// ---- integrator and arithmetic records ----------------------------------------------

int TProgFBClass::GetIntVh(int i, int k) const { return k >= 0 && k < 12 ? Bits(i, 1 + k, 0, 0xFF) : 0; }
void TProgFBClass::SetIntVh(int i, int k, int v) {
  if (k >= 0 && k < 12) SetBits(i, 1 + k, 0, 0xFF, v);
}
int TProgFBClass::GetIntBase(int i) const { return Bits(i, 13, 0, 0xFF); }
void TProgFBClass::SetIntBase(int i, int v) { SetBits(i, 13, 0, 0xFF, v); }
int TProgFBClass::GetHourBeginDay(int i) const { return Bits(i, 14, 0, 0xFF); }
void TProgFBClass::SetHourBeginDay(int i, int v) { SetBits(i, 14, 0, 0xFF, v); }

int TProgFBClass::GetNX1(int i) const { return Bits(i, 1, 0, 0x7F); }
void TProgFBClass::SetNX1(int i, int v) { SetBits(i, 1, 0, 0x7F, v); }
int TProgFBClass::GetKindX1(int i) const { return Bits(i, 1, 7, 0x01); }
void TProgFBClass::SetKindX1(int i, int v) { SetBits(i, 1, 7, 0x01, v); }
int TProgFBClass::GetNX2(int i) const { return Bits(i, 5, 0, 0x7F); }
void TProgFBClass::SetNX2(int i, int v) { SetBits(i, 5, 0, 0x7F, v); }
int TProgFBClass::GetKindX2(int i) const { return Bits(i, 5, 7, 0x01); }
void TProgFBClass::SetKindX2(int i, int v) { SetBits(i, 5, 7, 0x01, v); }

namespace {
// Byte of constant C1 or C2, or -1 for any other k.
int ConstByte(int k) { return k == 1 ? kC1Byte : k == 2 ? kC2Byte : -1; }
// Byte of the result address: k = 1 (sum, difference) b9, k = 2 (others) b6.
int AdrYByte(int k) { return k == 1 ? 9 : k == 2 ? 6 : -1; }
}  // namespace

std::string TProgFBClass::GetConstText(int i, int k, char separator) const {
  const int byte = ConstByte(k);
  return byte < 0 ? std::string() : RealText(i, byte, separator);
}

bool TProgFBClass::SetConstText(int i, std::string_view text, int k) {
  const int byte = ConstByte(k);
  return byte >= 0 && SetRealText(i, byte, text);
}

int TProgFBClass::GetAdrY(int i, int k) const {
  const int byte = AdrYByte(k);
  return byte < 0 ? 0 : Bits(i, byte, 0, 0xFF);
}

void TProgFBClass::SetAdrY(int i, int k, int v) {
  const int byte = AdrYByte(k);
  if (byte >= 0) SetBits(i, byte, 0, 0xFF, v);
}

// ---- pages -------------------------------------------------------------------

bool TProgFBClass::PutPageFromAnswer(std::span<const std::uint8_t> answer, int p) {
  if (p < 0 || p >= kPageCount) return false;
  const auto bytes = PageFromAnswer(answer, static_cast<std::uint8_t>(kFirstPageCode + p), kPageSize);
  if (!bytes) return false;
  std::copy(bytes->begin(), bytes->end(), page_.begin());
  LenPageFB = kPageLength;
  return true;
}

bool TProgFBClass::PutPageFromFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kPageSize) return false;
  std::copy_n(bytes.begin(), kPageSize, page_.begin());
  return true;
}

bool TProgFBClass::StorePage(int p) {
  if (p < 0 || p >= kPageCount) return false;
  for (int k = 0; k < kRecordsPerPage; ++k) {
    std::memcpy(records_[p * kRecordsPerPage + k].data(), page_.data() + k * kRecordSize, kRecordSize);
  }
  return true;
}

bool TProgFBClass::LoadPage(int p) {
  if (p < 0 || p >= kPageCount) return false;
  page_.fill(0);
  for (int k = 0; k < kRecordsPerPage; ++k) {
    std::memcpy(page_.data() + k * kRecordSize, records_[p * kRecordsPerPage + k].data(), kRecordSize);
  }
  return true;
}

std::size_t TProgFBClass::RecordFileSize() const {
  return static_cast<std::size_t>(Capacity() / kRecordsPerPage) * kPageSize;
}

bool TProgFBClass::PutRecordsFromFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < RecordFileSize()) return false;
  const int pages = Capacity() / kRecordsPerPage;
  for (int p = 0; p < pages; ++p) {
    PutPageFromFile(bytes.subspan(p * kPageSize, kPageSize));
    StorePage(p);
  }
  // The file is the whole table: records a smaller layout does not hold are
  // empty, not left over from the previous configuration.
  for (int i = pages * kRecordsPerPage; i < kSlots; ++i) ClearRecord(i);
  return true;
}

std::vector<std::uint8_t> TProgFBClass::RecordsToFile() const {
  std::vector<std::uint8_t> out;
  out.reserve(RecordFileSize());
  const int count = Capacity() / kRecordsPerPage * kRecordsPerPage;
  for (int i = 0; i < count; ++i) out.insert(out.end(), records_[i].begin(), records_[i].end());
  return out;
}

// ---- algorithms ------------------------------------------------------------------

namespace {
bool InTable(int i) { return i >= 0 && i < TProgFBClass::kSlots; }
}  // namespace

int TProgFBClass::GetAlgHead(int i) const { return InTable(i) ? algHead_[i] : kNoEntry; }
void TProgFBClass::SetAlgHead(int i, int v) {
  if (InTable(i)) algHead_[i] = v;
}
int TProgFBClass::GetAlgFB(int a, int k) const { return InTable(a) && InTable(k) ? algFB_[a][k] : kNoEntry; }
void TProgFBClass::SetAlgFB(int a, int k, int v) {
  if (InTable(a) && InTable(k)) algFB_[a][k] = v;
}

int TProgFBClass::AlgCount() const { return NAlg >= 0 && NAlg <= Capacity() ? NAlg : 0; }

bool TProgFBClass::IsAlgHead(int i) const { return InTable(i) && algHead_[i] == i + 1; }

std::vector<int> TProgFBClass::AlgMembers(int a) const {
  std::vector<int> members;
  if (!InTable(a)) return members;
  const int cap = Capacity();
  for (int k = 0; k < cap; ++k) {
    const int n = algFB_[a][k];
    if (n < 1 || n > cap) break;
    members.push_back(n);
  }
  return members;
}

std::optional<int> TProgFBClass::FindAlgOfBlock(int n) const {
  const int count = AlgCount();
  for (int a = 0; a < count; ++a) {
    const auto members = AlgMembers(a);
    if (std::find(members.begin(), members.end(), n) != members.end()) return a;
  }
  return std::nullopt;
}

void TProgFBClass::RebuildAlgHead() {
  algHead_.fill(kNoEntry);
  const int count = AlgCount();
  for (int a = 0; a < count; ++a) {
    const auto members = AlgMembers(a);
    if (!members.empty()) algHead_[members.front() - 1] = members.front();
  }
}

void TProgFBClass::ResetAlgorithms() {
  NAlg = 0;
  algHead_.fill(kNoEntry);
  for (auto& row : algFB_) row.fill(kNoEntry);
  for (auto& name : names_) name.fill(' ');
}

std::string TProgFBClass::GetAlgName(int a) const {
  if (!InTable(a)) return {};
  const auto& name = names_[a];
  std::size_t len = kNameSize;
  while (len > 0 && (name[len - 1] == ' ' || name[len - 1] == 0)) --len;
  return std::string(reinterpret_cast<const char*>(name.data()), len);
}

void TProgFBClass::SetAlgName(int a, std::string_view text) {
  if (!InTable(a)) return;
  auto& name = names_[a];
  name.fill(' ');
  std::memcpy(name.data(), text.data(), std::min(text.size(), kNameSize));
}

TProgFBClass::Name TProgFBClass::GetAlgNameBytes(int a) const { return InTable(a) ? names_[a] : Name{}; }
void TProgFBClass::SetAlgNameBytes(int a, const Name& name) {
  if (InTable(a)) names_[a] = name;
}

bool TProgFBClass::PutNamePageFromFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kNamePageSize) return false;
  std::copy_n(bytes.begin(), kNamePageSize, namePage_.begin());
  return true;
}

bool TProgFBClass::StoreNamePage(int p) {
  if (p < 0 || p >= kPageCount) return false;
  for (int k = 0; k < kRecordsPerPage; ++k) {
    std::memcpy(names_[p * kRecordsPerPage + k].data(), namePage_.data() + k * kNameSize, kNameSize);
  }
  return true;
}

bool TProgFBClass::LoadNamePage(int p) {
  if (p < 0 || p >= kPageCount) return false;
  namePage_.fill(0);
  for (int k = 0; k < kRecordsPerPage; ++k) {
    std::memcpy(namePage_.data() + k * kNameSize, names_[p * kRecordsPerPage + k].data(), kNameSize);
  }
  return true;
}

std::size_t TProgFBClass::AlgFileSize() const {
  const auto c = static_cast<std::size_t>(Capacity());
  return c / kRecordsPerPage * kNamePageSize + c + c * c + 1;
}

bool TProgFBClass::PutAlgFromFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < AlgFileSize()) return false;
  const int c = Capacity();
  ResetAlgorithms();
  std::size_t pos = 0;
  for (int p = 0; p < c / kRecordsPerPage; ++p, pos += kNamePageSize) {
    PutNamePageFromFile(bytes.subspan(pos, kNamePageSize));
    StoreNamePage(p);
  }
  for (int i = 0; i < c; ++i) algHead_[i] = bytes[pos++];
  for (int a = 0; a < c; ++a) {
    for (int k = 0; k < c; ++k) algFB_[a][k] = bytes[pos++];
  }
  NAlg = bytes[pos];
  return true;
}

std::vector<std::uint8_t> TProgFBClass::AlgToFile() const {
  const int c = Capacity();
  std::vector<std::uint8_t> out;
  out.reserve(AlgFileSize());
  for (int a = 0; a < c / kRecordsPerPage * kRecordsPerPage; ++a) {
    out.insert(out.end(), names_[a].begin(), names_[a].end());
  }
  for (int i = 0; i < c; ++i) out.push_back(static_cast<std::uint8_t>(algHead_[i] & 0xFF));
  for (int a = 0; a < c; ++a) {
    for (int k = 0; k < c; ++k) out.push_back(static_cast<std::uint8_t>(algFB_[a][k] & 0xFF));
  }
  out.push_back(static_cast<std::uint8_t>(NAlg & 0xFF));
  return out;
}

// ---- renumbering -----------------------------------------------------------------

int TProgFBClass::RefScanEnd() const {
  return std::clamp(Capacity() - NMat - (NIntegr > 0 ? 2 : 0), 0, Capacity());
}

template <typename InputRule, typename AnVhRule>
void TProgFBClass::RenumberRefs(bool analog, InputRule inputRule, AnVhRule anVhRule) {
  const long long limit = analog ? kMaxAnalogSignal : kMaxDiscreteSignal;
  // Applies a rule to a connected reference; a result outside the signal
  // range is stored as "not connected".
  auto renumber = [&](int n, auto rule) -> int {
    if (n < 1) return n;
    long long m = rule(static_cast<long long>(n));
    if (m == n) return n;
    if (m < 1 || m > limit) m = 0;
    RefsChanged = 1;
    return static_cast<int>(m);
  };

  const int end = RefScanEnd();
  for (int i = 0; i < end; ++i) {
    std::uint8_t* r = records_[i].data();
    const int type = GetTipFB(i);
    const int inputs = InputCount(i);
    for (int j = 0; j < inputs; ++j) {
      const int kindByte = type == kComparatorType ? kCompInputByte : 1 + 2 * j;
      const int kind = r[kindByte] & 0x07;
      const bool ours =
          analog ? kind == kKindAnalogFlag : (kind == kKindDiscrete || kind == kKindDiscreteFlag);
      if (ours) r[kindByte + 1] = static_cast<std::uint8_t>(renumber(r[kindByte + 1], inputRule));
    }
    if (analog && type == kComparatorType) SetAnVh(i, renumber(GetAnVh(i), anVhRule));
  }
}

namespace {
// c signals removed after position a.
auto DelRule(long long a, long long c) {
  return [=](long long n) { return n > a + c ? n - c : n >= a + 1 ? 0 : n; };
}
auto ShiftDownRule(long long a, long long c) {
  return [=](long long n) { return n >= a + 1 ? n - c : n; };
}
auto ClearRule(long long a) {
  return [=](long long n) { return n == a + 1 ? 0 : n; };
}
// c signals at a replaced by c + d signals.
auto ReplaceRule(long long a, long long c, long long d) {
  return [=](long long n) { return n >= a + c + 1 ? n + d : n >= a + 1 ? 0 : n; };
}
auto ShiftUpRule(long long a, long long c) {
  return [=](long long n) { return n >= a + 1 ? n + c : n; };
}
}  // namespace

void TProgFBClass::DelDiskrRefs(int a, int c) { RenumberRefs(false, DelRule(a, c), DelRule(a, c)); }
void TProgFBClass::ShiftDownDiskrRefs(int a, int c) {
  RenumberRefs(false, ShiftDownRule(a, c), ShiftDownRule(a, c));
}
void TProgFBClass::ClearDiskrRef(int a) { RenumberRefs(false, ClearRule(a), ClearRule(a)); }
void TProgFBClass::ReplaceDiskrRefs(int a, int c, int d) {
  RenumberRefs(false, ReplaceRule(a, c, d), ReplaceRule(a, c, d));
}
void TProgFBClass::ShiftUpDiskrRefs(int a, int c) {
  RenumberRefs(false, ShiftUpRule(a, c), ShiftUpRule(a, c));
}

void TProgFBClass::DelAnRefs(int a, int c) { RenumberRefs(true, DelRule(a, c), DelRule(a, c)); }
void TProgFBClass::ClearAnRef(int a) { RenumberRefs(true, ClearRule(a), ClearRule(a)); }
void TProgFBClass::ShiftDownAnRefs(int a, int c) {
  // A comparator's AnVh moves only when it lies beyond the first shifted signal.
  const long long first = static_cast<long long>(a) + 1;
  RenumberRefs(true, ShiftDownRule(a, c), [=](long long n) { return n > first ? n - c : n; });
}
void TProgFBClass::ReplaceAnRefs(int a, int c, int d) {
  RenumberRefs(true, ReplaceRule(a, c, d), ReplaceRule(a, c, d));
}
void TProgFBClass::ShiftUpAnRefs(int a, int c) { RenumberRefs(true, ShiftUpRule(a, c), ShiftUpRule(a, c)); }

void TProgFBClass::OpenGapFB(int at, int first, int last, int nfb) {
  const long long gap = static_cast<long long>(last) - first + 1;
  const int cap = Capacity();
  if (gap < 1 || gap > cap || at < 0) return;
  const int L = static_cast<int>(gap);

  for (int i = cap - L - 1; i >= at; --i) records_[i + L] = records_[i];

  const int M = cap - NMat - (NIntegr > 0 ? 2 : 0);
  const int end = static_cast<int>(std::clamp<long long>(static_cast<long long>(nfb) + L, 0, kSlots));
  for (int i = 0; i < end; ++i) {
    const int type = GetTipFB(i);
    if (type == kCalcType) break;
    const int inputs = InputCount(i);
    std::uint8_t* r = records_[i].data();
    for (int j = 0; j < inputs; ++j) {
      const int kindByte = type == kComparatorType ? kCompInputByte : 1 + 2 * j;
      if ((r[kindByte] & 0x07) != kKindBlockOutput) continue;
      const int n = r[kindByte + 1];
      if (n < 1 || n > M || n <= at) continue;
      const int moved = n + L;
      r[kindByte + 1] = static_cast<std::uint8_t>(moved > M ? 0 : moved);
    }
  }
}

}  // namespace lur
