#include "model/TProgFBClass.h"

#include <algorithm>
#include <cstring>

#include "model/Bytes.h"
#include "model/Real24.h"

namespace lur {

namespace {

constexpr std::size_t kSize = TProgFBClass::kRecordSize;

// b0: type and subtype.
constexpr BitField<kSize> kTypeByte{0};
constexpr BitField<kSize> kTipFB{0, 0, 4};
constexpr BitField<kSize> kSubTip{0, 4, 4};
// Inputs j = 0..3 at b(1 + 2j), b(2 + 2j); the comparator's single one at b7, b8.
constexpr RecordRow<2, kSize> kInputs{1, 2, 4};
constexpr RecordRow<2, kSize> kCompInput{7, 2, 1};
constexpr BitField<2> kKindVh{0, 0, 3};
constexpr BitField<2> kDirVh{0, 3, 1};
constexpr BitField<2> kNVh{1};
// Counter: the count set-point's bits 0-3 in b1 bits 4-7, its bit 4 in b3 bit 4.
constexpr BitField<kSize> kLimitCountLow{1, 4, 4};
constexpr BitField<kSize> kLimitCountHigh{3, 4, 1};
constexpr BitField<kSize> kLimitCountRest{3, 5, 3};  // written as 0 with the set-point
// Timer and alarm clock.
constexpr BitField<kSize> kTimerD{5, 0, 2};
constexpr BitField<kSize> kTimerTime{6};
constexpr BitField<kSize> kTimerAdrUst{7, 0, 4};
constexpr BitField<kSize> kTimerTUstT{7, 4, 1};
constexpr BitField<kSize> kTimeHour{5, 2, 6};
constexpr BitField<kSize> kTimeMin{4};
constexpr BitField<kSize> kTimeSec{3};
// Comparator.
constexpr BitField<kSize> kAnVh{1, 0, 7};
constexpr BitField<kSize> kKindAn{1, 7, 1};
constexpr Real24Field<kSize> kLimit{2};
constexpr BitField<kSize> kGisterezis{5, 2, 5};
constexpr BitField<kSize> kCompCond{5, 7, 1};
// Signalling of a function block, and its relay outputs: module m = 1..5 at b(9 + m).
constexpr BitField<kSize> kNTabS{9, 0, 5};
constexpr BitField<kSize> kArh{9, 5, 1};
constexpr BitField<kSize> kTipS{9, 6, 2};
constexpr RecordRow<1, kSize> kRelayModules{10, 1, 5};
// Integrator: channels k = 0..11 at b(1 + k).
constexpr RecordRow<1, kSize> kIntChannels{1, 1, 12};
constexpr BitField<kSize> kIntBase{13};
constexpr BitField<kSize> kHourBeginDay{14};
// Arithmetic.
constexpr BitField<kSize> kNX1{1, 0, 7};
constexpr BitField<kSize> kKindX1{1, 7, 1};
constexpr BitField<kSize> kNX2{5, 0, 7};
constexpr BitField<kSize> kKindX2{5, 7, 1};
constexpr Real24Field<kSize> kC1{2};
constexpr Real24Field<kSize> kC2{6};
constexpr BitField<kSize> kAdrYSum{9};    // k = 1: sum, difference
constexpr BitField<kSize> kAdrYOther{6};  // k = 2: the others
// A one-byte sub-record.
constexpr BitField<1> kByte{0};

// Constant C1 (k = 1) or C2 (k = 2), or none.
const Real24Field<kSize>* ConstField(int k) { return k == 1 ? &kC1 : k == 2 ? &kC2 : nullptr; }
const BitField<kSize>* AdrYField(int k) { return k == 1 ? &kAdrYSum : k == 2 ? &kAdrYOther : nullptr; }

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

// ---- whole records and fields ------------------------------------------------------

TProgFBClass::Record TProgFBClass::GetRecord(int i) const {
  Record out{};
  ViewOf(out).Assign(View(i));
  return out;
}

void TProgFBClass::SetRecord(int i, const Record& record) { View(i).Assign(ViewOf(record)); }

void TProgFBClass::ClearRecord(int i) { View(i).Fill(0); }

int TProgFBClass::GetTipFB(int i) const { return View(i).Get(kTipFB); }
void TProgFBClass::SetTipFB(int i, int v) { View(i).Set(kTypeByte, v & kTipFB.Max()); }
int TProgFBClass::GetSubTip(int i) const { return View(i).Get(kSubTip); }
void TProgFBClass::SetSubTip(int i, int v) { View(i).Set(kSubTip, v); }

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

RecordView<2> TProgFBClass::Input(int i, int j) { return View(i).At(kInputs, j); }
RecordView<2, const std::uint8_t> TProgFBClass::Input(int i, int j) const { return View(i).At(kInputs, j); }

RecordView<2> TProgFBClass::SourceInput(int i, int j) {
  return GetTipFB(i) == kComparatorType ? View(i).At(kCompInput, j) : Input(i, j);
}

int TProgFBClass::GetKindVh(int i, int j) const { return Input(i, j).Get(kKindVh); }
void TProgFBClass::SetKindVh(int i, int j, int v) { Input(i, j).Set(kKindVh, v); }
int TProgFBClass::GetDirVh(int i, int j) const { return Input(i, j).Get(kDirVh); }
void TProgFBClass::SetDirVh(int i, int j, int v) { Input(i, j).Set(kDirVh, v); }
int TProgFBClass::GetNVh(int i, int j) const { return Input(i, j).Get(kNVh); }
void TProgFBClass::SetNVh(int i, int j, int v) { Input(i, j).Set(kNVh, v); }

int TProgFBClass::GetKindVhComp(int i) const { return View(i).At(kCompInput, 0).Get(kKindVh); }
void TProgFBClass::SetKindVhComp(int i, int v) { View(i).At(kCompInput, 0).Set(kKindVh, v); }
int TProgFBClass::GetDirVhComp(int i) const { return View(i).At(kCompInput, 0).Get(kDirVh); }
void TProgFBClass::SetDirVhComp(int i, int v) { View(i).At(kCompInput, 0).Set(kDirVh, v); }
int TProgFBClass::GetNVhComp(int i) const { return View(i).At(kCompInput, 0).Get(kNVh); }
void TProgFBClass::SetNVhComp(int i, int v) { View(i).At(kCompInput, 0).Set(kNVh, v); }

// ---- counter, timer, alarm clock ---------------------------------------------

int TProgFBClass::GetLimitCount(int i) const {
  return View(i).Get(kLimitCountLow) + 16 * View(i).Get(kLimitCountHigh);
}
void TProgFBClass::SetLimitCount(int i, int v) {
  const auto record = View(i);
  record.Set(kLimitCountLow, v);
  record.Set(kLimitCountHigh, v >> 4);
  record.Set(kLimitCountRest, 0);
}
int TProgFBClass::GetTimerD(int i) const { return View(i).Get(kTimerD); }
void TProgFBClass::SetTimerD(int i, int v) { View(i).Set(kTimerD, v); }
int TProgFBClass::GetTimerTime(int i) const { return View(i).Get(kTimerTime); }
void TProgFBClass::SetTimerTime(int i, int v) { View(i).Set(kTimerTime, v); }
int TProgFBClass::GetTimerAdrUst(int i) const { return View(i).Get(kTimerAdrUst); }
void TProgFBClass::SetTimerAdrUst(int i, int v) { View(i).Set(kTimerAdrUst, v); }
int TProgFBClass::GetTimerTUstT(int i) const { return View(i).Get(kTimerTUstT); }
void TProgFBClass::SetTimerTUstT(int i, int v) { View(i).Set(kTimerTUstT, v); }
int TProgFBClass::GetTimeHour(int i) const { return View(i).Get(kTimeHour); }
void TProgFBClass::SetTimeHour(int i, int v) { View(i).Set(kTimeHour, v); }
int TProgFBClass::GetTimeMin(int i) const { return View(i).Get(kTimeMin); }
void TProgFBClass::SetTimeMin(int i, int v) { View(i).Set(kTimeMin, v); }
int TProgFBClass::GetTimeSec(int i) const { return View(i).Get(kTimeSec); }
void TProgFBClass::SetTimeSec(int i, int v) { View(i).Set(kTimeSec, v); }

// ---- comparator ----------------------------------------------------------------

int TProgFBClass::GetAnVh(int i) const { return View(i).Get(kAnVh); }
void TProgFBClass::SetAnVh(int i, int v) { View(i).Set(kAnVh, v); }
int TProgFBClass::GetKindAn(int i) const { return View(i).Get(kKindAn); }
void TProgFBClass::SetKindAn(int i, int v) { View(i).Set(kKindAn, v); }
int TProgFBClass::GetGisterezis(int i) const { return View(i).Get(kGisterezis); }
void TProgFBClass::SetGisterezis(int i, int v) { View(i).Set(kGisterezis, v); }
int TProgFBClass::GetCompCond(int i) const { return View(i).Get(kCompCond); }
void TProgFBClass::SetCompCond(int i, int v) { View(i).Set(kCompCond, v); }

std::string TProgFBClass::RealText(int i, const Real24Field<kRecordSize>& field, char separator) const {
  const auto record = View(i);
  if (!record) return {};
  const double v = record.Get(field);
  return FixedText(v, DecimalsByMagnitude(v), separator);
}

bool TProgFBClass::SetRealText(int i, const Real24Field<kRecordSize>& field, std::string_view text) {
  const auto value = ParseReal24Text(text);
  return value && View(i).Set(field, *value);
}

std::string TProgFBClass::GetLimitText(int i, char separator) const { return RealText(i, kLimit, separator); }
bool TProgFBClass::SetLimitText(int i, std::string_view text) { return SetRealText(i, kLimit, text); }

// ---- signalling and relay outputs ------------------------------------------------

int TProgFBClass::GetNTabS(int i) const { return View(i).Get(kNTabS); }
void TProgFBClass::SetNTabS(int i, int v) { View(i).Set(kNTabS, v); }
int TProgFBClass::GetArh(int i) const { return View(i).Get(kArh); }
void TProgFBClass::SetArh(int i, int v) { View(i).Set(kArh, v); }
int TProgFBClass::GetTipS(int i) const { return View(i).Get(kTipS); }
void TProgFBClass::SetTipS(int i, int v) { View(i).Set(kTipS, v); }

int TProgFBClass::GetMR(int i, int m) const { return View(i).At(kRelayModules, m - 1).Get(kByte); }
void TProgFBClass::SetMR(int i, int m, int v) { View(i).At(kRelayModules, m - 1).Set(kByte, v); }

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

int TProgFBClass::GetIntVh(int i, int k) const { return View(i).At(kIntChannels, k).Get(kByte); }
void TProgFBClass::SetIntVh(int i, int k, int v) { View(i).At(kIntChannels, k).Set(kByte, v); }
int TProgFBClass::GetIntBase(int i) const { return View(i).Get(kIntBase); }
void TProgFBClass::SetIntBase(int i, int v) { View(i).Set(kIntBase, v); }
int TProgFBClass::GetHourBeginDay(int i) const { return View(i).Get(kHourBeginDay); }
void TProgFBClass::SetHourBeginDay(int i, int v) { View(i).Set(kHourBeginDay, v); }

int TProgFBClass::GetNX1(int i) const { return View(i).Get(kNX1); }
void TProgFBClass::SetNX1(int i, int v) { View(i).Set(kNX1, v); }
int TProgFBClass::GetKindX1(int i) const { return View(i).Get(kKindX1); }
void TProgFBClass::SetKindX1(int i, int v) { View(i).Set(kKindX1, v); }
int TProgFBClass::GetNX2(int i) const { return View(i).Get(kNX2); }
void TProgFBClass::SetNX2(int i, int v) { View(i).Set(kNX2, v); }
int TProgFBClass::GetKindX2(int i) const { return View(i).Get(kKindX2); }
void TProgFBClass::SetKindX2(int i, int v) { View(i).Set(kKindX2, v); }

std::string TProgFBClass::GetConstText(int i, int k, char separator) const {
  const auto* field = ConstField(k);
  return field ? RealText(i, *field, separator) : std::string();
}

bool TProgFBClass::SetConstText(int i, std::string_view text, int k) {
  const auto* field = ConstField(k);
  return field && SetRealText(i, *field, text);
}

int TProgFBClass::GetAdrY(int i, int k) const {
  const auto* field = AdrYField(k);
  return field ? View(i).Get(*field) : 0;
}

void TProgFBClass::SetAdrY(int i, int k, int v) {
  if (const auto* field = AdrYField(k)) View(i).Set(*field, v);
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
  return PutAlgFromFile(bytes, Capacity());
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
    const int inputs = InputCount(i);
    for (int j = 0; j < inputs; ++j) {
      const auto input = SourceInput(i, j);
      const int kind = input.Get(kKindVh);
      const bool ours =
          analog ? kind == kKindAnalogFlag : (kind == kKindDiscrete || kind == kKindDiscreteFlag);
      if (ours) input.Set(kNVh, renumber(input.Get(kNVh), inputRule));
    }
    if (analog && GetTipFB(i) == kComparatorType) SetAnVh(i, renumber(GetAnVh(i), anVhRule));
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
    if (GetTipFB(i) == kCalcType) break;
    const int inputs = InputCount(i);
    for (int j = 0; j < inputs; ++j) {
      const auto input = SourceInput(i, j);
      if (input.Get(kKindVh) != kKindBlockOutput) continue;
      const int n = input.Get(kNVh);
      if (n < 1 || n > M || n <= at) continue;
      const int moved = n + L;
      input.Set(kNVh, moved > M ? 0 : moved);
    }
  }
}

bool TProgFBClass::HoldsRecordsFrom(int first) const {
  for (int i = std::max(first, 0); i < Capacity(); ++i) {
    for (const std::uint8_t b : records_[static_cast<std::size_t>(i)]) {
      if (b != 0) return true;
    }
  }
  return false;
}

// ---- algorithms of another configuration file --------------------------------------

std::size_t TProgFBClass::AlgFileSize(int c) {
  const auto n = static_cast<std::size_t>(c < 0 ? 0 : c);
  return n / kRecordsPerPage * kNamePageSize + n + n * n + 1;
}

bool TProgFBClass::PutAlgFromFile(std::span<const std::uint8_t> bytes, int c) {
  if (c < 1 || c > MaxFB || bytes.size() < AlgFileSize(c)) return false;
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

}  // namespace lur
