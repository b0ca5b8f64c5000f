#include "model/TProgMBMClass.h"

#include <algorithm>
#include <cmath>

#include "model/AnalogStateRecords.h"
#include "model/Bytes.h"
#include "model/Cp1251.h"
#include "model/DecimalText.h"
#include "model/Protocol.h"
#include "model/Real24.h"
#include "model/ScaleText.h"

namespace lur {

namespace {

const TProgMBMClass::Group kNoGroup{};

}  // namespace

TProgMBMClass::TProgMBMClass() { table_[0] = kTablePage; }

// ---- exchange blocks --------------------------------------------------------------

void TProgMBMClass::SetTipDate(int b, int type) {
  Block(b).Set(kTipDate, type);
  Block(b).Set(kTypeTopBits, 0);
}

int TProgMBMClass::GetDiscreteSpan(int b) const {
  const int kodF = GetKodF(b);
  if (ReadsDiscreteValues(kodF)) return GetKolVh(b);
  if (ReadsAnalogValues(kodF)) return 4 * GetKolVh(b);
  return 0;
}

int TProgMBMClass::GetAnalogSpan(int b) const { return ReadsAnalogValues(GetKodF(b)) ? GetKolVh(b) : 0; }

void TProgMBMClass::ClearBlock(int b) { Block(b).Fill(0); }

bool TProgMBMClass::DeleteBlock(int b) {
  if (!Block(b) || GetKodF(b) == 0) return false;
  const int discreteSpan = GetDiscreteSpan(b);
  const int analogSpan = GetAnalogSpan(b);
  for (int next = b + 1; next < kBlockCount; ++next) {
    Block(next - 1).Assign(Block(next));
    // A start entry is one byte: one that would fall below the first entry is
    // stored as 0, never wrapped round to the top of the byte.
    SetStAddr_Beg1(next - 1, std::max(0, GetStAddr_Beg1(next - 1) - discreteSpan));
    SetStAddr_Beg2(next - 1, std::max(0, GetStAddr_Beg2(next - 1) - analogSpan));
  }
  ClearBlock(kBlockCount - 1);
  return true;
}

// ---- exchange settings ------------------------------------------------------------

int TProgMBMClass::GetSpeed() const { return ViewOf(table_).Get(kSpeed); }
void TProgMBMClass::SetSpeed(int speed) { ViewOf(table_).Set(kSpeed, speed); }
int TProgMBMClass::GetFrame() const { return ViewOf(table_).Get(kFrame); }
void TProgMBMClass::SetFrame(int frame) { ViewOf(table_).Set(kFrame, frame); }

// ---- raw images ---------------------------------------------------------------------

std::uint8_t TProgMBMClass::GetTableByte(int i) const {
  return i >= 0 && i < static_cast<int>(kTableSize) ? table_[static_cast<std::size_t>(i)] : 0;
}

void TProgMBMClass::SetTableByte(int i, std::uint8_t value) {
  if (i >= 0 && i < static_cast<int>(kTableSize)) table_[static_cast<std::size_t>(i)] = value;
}

std::uint8_t TProgMBMClass::GetGroupByte(int g, int i) const {
  if (!ValidGroup(g) || i < 0 || i >= static_cast<int>(kGroupSize)) return 0;
  return groups_[static_cast<std::size_t>(g)][static_cast<std::size_t>(i)];
}

void TProgMBMClass::SetGroupByte(int g, int i, std::uint8_t value) {
  if (!ValidGroup(g) || i < 0 || i >= static_cast<int>(kGroupSize)) return;
  groups_[static_cast<std::size_t>(g)][static_cast<std::size_t>(i)] = value;
}

const TProgMBMClass::Group& TProgMBMClass::GetGroup(int g) const {
  return ValidGroup(g) ? groups_[static_cast<std::size_t>(g)] : kNoGroup;
}

void TProgMBMClass::SetGroup(int g, const Group& group) {
  if (ValidGroup(g)) groups_[static_cast<std::size_t>(g)] = group;
}

// ---- page transfer ----------------------------------------------------------------

bool TProgMBMClass::PutTableFromAnswer(std::span<const std::uint8_t> answer) {
  if (answer.size() < 2 || answer[1] != fn::kReadPage) return false;
  const auto page = PageFromAnswer(answer, kTablePage, kTableSize - 1);
  if (!page) return false;
  table_[0] = kTablePage;
  std::copy(page->begin(), page->end(), table_.begin() + 1);
  return true;
}

bool TProgMBMClass::PutGroupFromAnswer(int g, std::span<const std::uint8_t> answer, int page) {
  if (!ValidGroup(g) || page < page::kFirstModule || page >= page::kFirstModule + kGroupCount) return false;
  if (answer.size() < 2 || answer[1] != fn::kReadPage) return false;
  const auto bytes = PageFromAnswer(answer, static_cast<std::uint8_t>(page), kGroupSize - 1);
  if (!bytes) return false;
  Group& group = groups_[static_cast<std::size_t>(g)];
  group[0] = static_cast<std::uint8_t>(page);
  std::copy(bytes->begin(), bytes->end(), group.begin() + 1);
  return true;
}

bool TProgMBMClass::PutTableFromFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kTableSize) return false;
  std::copy_n(bytes.begin(), kTableSize, table_.begin());
  return true;
}

bool TProgMBMClass::PutGroupFromFile(int g, std::span<const std::uint8_t> bytes) {
  if (!ValidGroup(g) || bytes.size() < kGroupSize) return false;
  std::copy_n(bytes.begin(), kGroupSize, groups_[static_cast<std::size_t>(g)].begin());
  return true;
}

TProgMBMClass::Table TProgMBMClass::GetTablePageData() const {
  Table data = table_;
  data[0] = kTablePage;
  return data;
}

TProgMBMClass::Group TProgMBMClass::GetGroupPageData(int g, int page) const {
  Group data = GetGroup(g);
  data[0] = static_cast<std::uint8_t>(page);
  return data;
}

// ---- network analog channels ----------------------------------------------------------

RecordView<TProgMBMClass::kChannelSize> TProgMBMClass::Channel(int e) {
  if (!ValidChannel(e)) return {};
  return ViewOf(groups_[static_cast<std::size_t>(e / kChannelsPerGroup)])
      .At(kChannels, e % kChannelsPerGroup);
}

RecordView<TProgMBMClass::kChannelSize, const std::uint8_t> TProgMBMClass::Channel(int e) const {
  if (!ValidChannel(e)) return {};
  return ViewOf(groups_[static_cast<std::size_t>(e / kChannelsPerGroup)])
      .At(kChannels, e % kChannelsPerGroup);
}

std::string TProgMBMClass::ChannelRealText(float value) {
  // The push goes away from zero on both sides: added as a plain +0.000045 it
  // would pull negative values toward zero and show -0,12349 as -0,1234.
  const double shown = value + std::copysign(0.000045, static_cast<double>(value));
  return ScaleValueText(shown);
}

float TProgMBMClass::GetReal(int e, ChannelReal which) const { return Real(e, which).Get(kReal); }

bool TProgMBMClass::SetReal(int e, ChannelReal which, float value) {
  return Real(e, which).Set(kReal, value);
}

std::string TProgMBMClass::GetRealText(int e, ChannelReal which) const {
  return ValidChannel(e) ? ChannelRealText(GetReal(e, which)) : std::string{};
}

bool TProgMBMClass::SetRealText(int e, ChannelReal which, std::string_view text) {
  const auto value = ParseReal24Text(text);
  return value && Real(e, which).Set(kReal, *value);
}

int TProgMBMClass::GetRazm(int e) const { return Channel(e).Get(kRazm); }
void TProgMBMClass::SetRazm(int e, int unit) { Channel(e).Set(kRazm, unit); }
std::string TProgMBMClass::GetPoz(int e) const { return Channel(e).Get(kPoz); }
void TProgMBMClass::SetPoz(int e, std::string_view text) { Channel(e).Set(kPoz, text); }

void TProgMBMClass::DefaultChannel(int e) {
  SetRazm(e, 1);
  SetReal(e, ChannelReal::Min, 0.0f);
  SetReal(e, ChannelReal::Max, 100.0f);
  SetReal(e, ChannelReal::UstLL, 0.0f);
  SetReal(e, ChannelReal::UstL, 0.0f);
  SetReal(e, ChannelReal::UstH, 100.0f);
  SetReal(e, ChannelReal::UstHH, 100.0f);
  SetPoz(e, "");
}

void TProgMBMClass::DeleteChannels(int at, int n) {
  if (!ValidChannel(at) || n <= 0) return;
  n = std::min(n, kChannelCount - at);
  // Whole records move, the preserved bits with them: nothing passes through
  // the rounded text form.
  for (int e = at; e + n < kChannelCount; ++e) Channel(e).Assign(Channel(e + n));
  DefaultChannels(kChannelCount - n, n);
}

void TProgMBMClass::InsertChannels(int at, int n) {
  if (!ValidChannel(at) || n <= 0) return;
  for (int e = kChannelCount - 1 - n; e >= at; --e) Channel(e + n).Assign(Channel(e));
}

void TProgMBMClass::DefaultChannels(int at, int n) {
  if (!ValidChannel(at) || n <= 0) return;
  n = std::min(n, kChannelCount - at);
  for (int e = at; e < at + n; ++e) DefaultChannel(e);
}

void TProgMBMClass::NewChannel(int e) {
  if (!ValidChannel(e)) return;
  DefaultChannel(e);
  const int number = e + 1;
  std::string tag = Utf8ToCp1251("поз.51");
  tag += static_cast<char>('0' + number / 10);
  tag += static_cast<char>('0' + number % 10);
  SetPoz(e, tag);
}

// ---- analog signal lookup ---------------------------------------------------------------

std::optional<TProgMBMClass::AnalogSignalPlace> TProgMBMClass::FindAnalogSignal(int n, int aiModuleCount,
                                                                                int /*netBlockTotal*/) const {
  if (n < 1 || aiModuleCount < 0 || aiModuleCount > kGroupCount) return std::nullopt;
  const int aiCount = kChannelsPerGroup * aiModuleCount;
  AnalogSignalPlace place;
  if (n <= aiCount) {
    place.local = true;
    place.module = (n - 1) / kChannelsPerGroup;
    place.channel = (n - 1) % kChannelsPerGroup;
    return place;
  }
  const int k = n - aiCount;
  int sum = 0;
  // The walk passes over empty places and covers all sixteen blocks: a block
  // configured after an empty place serves its values whatever block count
  // the caller holds.
  for (int b = 0; b < kBlockCount; ++b) {
    if (!ReadsAnalogValues(GetKodF(b))) continue;
    const int before = sum;
    sum += GetKolVh(b);
    if (sum < k) continue;
    const int j = k - before - 1;
    const int e = GetStAddr_Beg2(b) - aiCount + j;
    if (!ValidChannel(e)) return std::nullopt;
    place.block = b;
    place.value = j;
    place.netChannel = e;
    return place;
  }
  return std::nullopt;
}

// ---- live analog buffer -------------------------------------------------------------------

bool TProgMBMClass::PutLiveFromAnswer(int first, int count, std::span<const std::uint8_t> answer) {
  return TakeAnalogStates(answer, first, count, live_);
}

std::string TProgMBMClass::LiveText(int i) const {
  return ValidChannel(i) ? AnalogStateText(live_[static_cast<std::size_t>(i)]) : std::string{};
}

int TProgMBMClass::LiveStatus(int i) const {
  return ValidChannel(i) ? AnalogStateStatus(live_[static_cast<std::size_t>(i)]) : 0;
}

}  // namespace lur
