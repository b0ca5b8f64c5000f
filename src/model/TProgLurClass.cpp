#include "model/TProgLurClass.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "model/Bytes.h"

namespace lur {
namespace {

bool ValidIndex(int i, int size) { return i >= 0 && i < size; }

std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Records that get a factory default: 16 for 16, 24 for anything above 12, else 12.
int DefaultedRecords(int count) { return count == 16 ? 16 : count > 12 ? 24 : 12; }

}  // namespace

TProgLurClass::TProgLurClass() {
  PosSignal.fill(-1);
  TipDatSent.fill(1);
}

// ---- record fields ------------------------------------------------------------

bool TProgLurClass::HasHandler(int n) const {
  if (!ValidIndex(n, kRecordCount)) return false;
  const Record& r = records_[n];
  const bool drivesOutput =
      std::any_of(r.begin() + kFirstMRByte, r.begin() + kDelayByte, [](auto b) { return b; });
  return GetTipS(n) != 0 || GetTimeZ(n) != 0 || drivesOutput;
}

// ---- pages --------------------------------------------------------------------

bool TProgLurClass::PutPageFromAnswer(std::span<const std::uint8_t> answer, int k) {
  if (!ValidIndex(k, kPageCount)) return false;
  const auto bytes = PageFromAnswer(answer, static_cast<std::uint8_t>(kFirstPage + k), kPageSize);
  return bytes && PutPageFromFile(*bytes);
}

bool TProgLurClass::PutPageFromFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kPageSize) return false;
  std::copy_n(bytes.begin(), kPageSize, page_.begin());
  return true;
}

bool TProgLurClass::StorePage(int k) {
  if (!ValidIndex(k, kPageCount)) return false;
  for (int i = 0; i < kRecordsPerPage; ++i) {
    std::copy_n(page_.begin() + i * kRecordSize, kRecordSize, records_[k * kRecordsPerPage + i].begin());
  }
  return true;
}

bool TProgLurClass::LoadPage(int k) {
  if (!ValidIndex(k, kPageCount)) return false;
  for (int i = 0; i < kRecordsPerPage; ++i) {
    const Record& r = records_[k * kRecordsPerPage + i];
    std::copy(r.begin(), r.end(), page_.begin() + i * kRecordSize);
  }
  return true;
}

// ---- record moves -----------------------------------------------------------------

void TProgLurClass::DeleteRecs(int from, int count) {
  if (from < 0 || count <= 0) return;
  for (long long a = from; a < kRecordCount; ++a) {
    records_[a] = a + count < kRecordCount ? records_[a + count] : kEmptyRecord;
  }
}

void TProgLurClass::InsertRecs(int at, int count) {
  if (at < 0 || count <= 0) return;
  for (long long i = static_cast<long long>(kRecordCount) - 1 - count; i >= at; --i)
    records_[i + count] = records_[i];
}

void TProgLurClass::ClearRecs(int from, int count) {
  if (from < 0 || count <= 0) return;
  const long long end = std::min<long long>(static_cast<long long>(from) + count, kRecordCount);
  for (long long i = from; i < end; ++i) records_[i] = kEmptyRecord;
}

void TProgLurClass::CopyRec(int src, int dst) {
  if (ValidIndex(src, kRecordCount) && ValidIndex(dst, kRecordCount)) records_[dst] = records_[src];
}

void TProgLurClass::SetFactoryDefaults(int displayTypeCount, int processedDiscreteCount, int doCount) {
  constexpr std::uint8_t kAlarm = 2 << 6;
  constexpr std::uint8_t kNormallyOpen = 0x20;
  constexpr std::uint8_t kFiveSeconds = 5;
  constexpr std::uint8_t kFirstOutput = 0x01;
  ClearRecs(0, kRecordCount);
  const int cells = DefaultedRecords(displayTypeCount);
  for (int n = 0; n < cells; ++n) {
    SetTipS(n, kAlarm);
    SetNTabS(n, static_cast<std::uint8_t>(n + 1));
  }
  const int signals = DefaultedRecords(processedDiscreteCount);
  for (int n = 0; n < signals; ++n) {
    SetTipK(n, kNormallyOpen);
    SetArh(n, kMaskArh);
    if (doCount != 0) {
      SetTimeZ(n, kFiveSeconds);
      SetDiskrZ(n, 0);
      SetRecByte(n, kFirstMRByte, kFirstOutput);
    }
  }
}

// ---- sensor-type block -----------------------------------------------------------

bool TProgLurClass::PutTipDatFromAnswer(std::span<const std::uint8_t> answer) {
  const auto bytes = PageFromAnswer(answer, kTipDatPage, kTipDatSize);
  return bytes && PutTipDatFromFile(*bytes);
}

bool TProgLurClass::PutTipDatFromFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kTipDatSize) return false;
  std::copy_n(bytes.begin(), kTipDatSize, tipDat_.begin());
  return true;
}

std::uint8_t TProgLurClass::GetTipDatByte(int i) const {
  return ValidIndex(i, static_cast<int>(kTipDatSize)) ? tipDat_[i] : 0;
}

void TProgLurClass::SetTipDatByte(int i, std::uint8_t v) {
  if (ValidIndex(i, static_cast<int>(kTipDatSize))) tipDat_[i] = v;
}

void TProgLurClass::UnpackTipDat() {
  for (int m = 0; m < kTipDatWords; ++m) {
    const int word = ViewOf(tipDat_).At(kTipDatModules, m).Get(kTipDatWord);
    for (int j = 0; j < kTipDatBits; ++j) tipDatBits_[m][j] = (word >> j) & 1;
  }
}

int TProgLurClass::GetTipDatBit(int bit, int module) const {
  if (!ValidIndex(bit, kTipDatBits) || !ValidIndex(module, kTipDatWords)) return 0;
  return tipDatBits_[module][bit];
}

void TProgLurClass::SetTipDatBit(int bit, int module, int value) {
  if (!ValidIndex(bit, kTipDatBits) || !ValidIndex(module, kTipDatWords)) return;
  tipDatBits_[module][bit] = value;
  int word = 0;
  for (int j = 0; j < kTipDatBits; ++j) {
    if (tipDatBits_[module][j] == 1) word |= 1 << j;
  }
  ViewOf(tipDat_).At(kTipDatModules, module).Set(kTipDatWord, word);
}

// ---- services of the windows ------------------------------------------------------

bool TProgLurClass::AskCreateConfig(const std::function<bool(std::string_view)>& askYesNo,
                                    const std::function<void(std::string_view)>& inform) const {
  if (!askYesNo(kAskCreateText)) return true;
  if (FullAccess != 1) inform(kNoAccessText);
  return false;
}

bool TProgLurClass::CheckDelayField(std::string_view text, int kind) {
  if (text.empty()) return true;
  if (kind != 6 && kind != 7) return false;
  const auto value = ParseInt(text);
  if (!value) return true;
  return kind == 6 ? (*value < 0 || *value > 60) : (*value != 1 && *value != 10);
}

}  // namespace lur
