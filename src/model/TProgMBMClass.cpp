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

// Offsets inside a 12-byte exchange block.
constexpr std::size_t kKodF = 0;
constexpr std::size_t kKolVh = 1;
constexpr std::size_t kUstr = 2;
constexpr std::size_t kAdBegDat = 3;
constexpr std::size_t kKolDat = 5;
constexpr std::size_t kTypeByte = 7;
constexpr std::size_t kStAddrBeg1 = 8;
constexpr std::size_t kStAddrBeg2 = 9;
constexpr std::size_t kXMax = 10;

// Offsets inside a 28-byte network analog channel.
constexpr std::size_t kRazm = 0;
constexpr std::size_t kFirstReal = 2;  // Min, Max, UstLL, UstL, UstH, UstHH, 3 bytes each
constexpr std::size_t kPoz = 20;

constexpr std::size_t RealOffset(TProgMBMClass::ChannelReal which) {
  return kFirstReal + 3 * static_cast<std::size_t>(which);
}

const TProgMBMClass::Group kNoGroup{};

}  // namespace

TProgMBMClass::TProgMBMClass() { table_[0] = kTablePage; }

// ---- exchange blocks --------------------------------------------------------------

std::uint8_t* TProgMBMClass::BlockField(int b, std::size_t offset) {
  return &table_[1 + kBlockSize * static_cast<std::size_t>(b) + offset];
}

const std::uint8_t* TProgMBMClass::BlockField(int b, std::size_t offset) const {
  return &table_[1 + kBlockSize * static_cast<std::size_t>(b) + offset];
}

void TProgMBMClass::SetBlockByte(int b, std::size_t offset, int value) {
  if (ValidBlock(b)) *BlockField(b, offset) = static_cast<std::uint8_t>(value);
}

int TProgMBMClass::GetKodF(int b) const { return ValidBlock(b) ? *BlockField(b, kKodF) : 0; }
void TProgMBMClass::SetKodF(int b, int value) { SetBlockByte(b, kKodF, value); }
int TProgMBMClass::GetKolVh(int b) const { return ValidBlock(b) ? *BlockField(b, kKolVh) : 0; }
void TProgMBMClass::SetKolVh(int b, int value) { SetBlockByte(b, kKolVh, value); }
int TProgMBMClass::GetUstr(int b) const { return ValidBlock(b) ? *BlockField(b, kUstr) : 0; }
void TProgMBMClass::SetUstr(int b, int value) { SetBlockByte(b, kUstr, value); }
int TProgMBMClass::GetStAddr_Beg1(int b) const { return ValidBlock(b) ? *BlockField(b, kStAddrBeg1) : 0; }
void TProgMBMClass::SetStAddr_Beg1(int b, int value) { SetBlockByte(b, kStAddrBeg1, value); }
int TProgMBMClass::GetStAddr_Beg2(int b) const { return ValidBlock(b) ? *BlockField(b, kStAddrBeg2) : 0; }
void TProgMBMClass::SetStAddr_Beg2(int b, int value) { SetBlockByte(b, kStAddrBeg2, value); }

int TProgMBMClass::GetAdBegDat(int b) const { return ValidBlock(b) ? GetU16(BlockField(b, kAdBegDat)) : 0; }
void TProgMBMClass::SetAdBegDat(int b, int value) {
  if (ValidBlock(b)) PutU16(BlockField(b, kAdBegDat), static_cast<std::uint16_t>(value));
}
int TProgMBMClass::GetKolDat(int b) const { return ValidBlock(b) ? GetU16(BlockField(b, kKolDat)) : 0; }
void TProgMBMClass::SetKolDat(int b, int value) {
  if (ValidBlock(b)) PutU16(BlockField(b, kKolDat), static_cast<std::uint16_t>(value));
}
int TProgMBMClass::GetXMax(int b) const { return ValidBlock(b) ? GetS16(BlockField(b, kXMax)) : 0; }
void TProgMBMClass::SetXMax(int b, int value) {
  if (ValidBlock(b)) PutU16(BlockField(b, kXMax), static_cast<std::uint16_t>(value));
}

int TProgMBMClass::GetTipUstr(int b) const { return ValidBlock(b) ? *BlockField(b, kTypeByte) & 0x0F : 0; }
void TProgMBMClass::SetTipUstr(int b, int type) {
  if (!ValidBlock(b)) return;
  std::uint8_t& byte = *BlockField(b, kTypeByte);
  byte = static_cast<std::uint8_t>((byte & 0xF0) | (type & 0x0F));
}

int TProgMBMClass::GetTipDate(int b) const {
  return ValidBlock(b) ? (*BlockField(b, kTypeByte) >> 4) & 1 : 0;
}
void TProgMBMClass::SetTipDate(int b, int type) {
  if (!ValidBlock(b)) return;
  std::uint8_t& byte = *BlockField(b, kTypeByte);
  byte = static_cast<std::uint8_t>((byte & 0x2F) | ((type & 1) << 4));
}

int TProgMBMClass::GetByte_Order(int b) const {
  return ValidBlock(b) ? (*BlockField(b, kTypeByte) >> 5) & 1 : 0;
}
void TProgMBMClass::SetByte_Order(int b, int order) {
  if (!ValidBlock(b)) return;
  std::uint8_t& byte = *BlockField(b, kTypeByte);
  byte = static_cast<std::uint8_t>((byte & ~0x20) | ((order & 1) << 5));
}

int TProgMBMClass::GetDiscreteSpan(int b) const {
  const int kodF = GetKodF(b);
  if (ReadsDiscreteValues(kodF)) return GetKolVh(b);
  if (ReadsAnalogValues(kodF)) return 4 * GetKolVh(b);
  return 0;
}

int TProgMBMClass::GetAnalogSpan(int b) const { return ReadsAnalogValues(GetKodF(b)) ? GetKolVh(b) : 0; }

void TProgMBMClass::ClearBlock(int b) {
  if (ValidBlock(b)) std::fill_n(BlockField(b, 0), kBlockSize, 0);
}

bool TProgMBMClass::DeleteBlock(int b) {
  if (!ValidBlock(b) || GetKodF(b) == 0) return false;
  const int discreteSpan = GetDiscreteSpan(b);
  const int analogSpan = GetAnalogSpan(b);
  for (int next = b + 1; next < kBlockCount; ++next) {
    std::copy_n(BlockField(next, 0), kBlockSize, BlockField(next - 1, 0));
    // A start entry is one byte: one that would fall below the first entry is
    // stored as 0, never wrapped round to the top of the byte.
    SetStAddr_Beg1(next - 1, std::max(0, GetStAddr_Beg1(next - 1) - discreteSpan));
    SetStAddr_Beg2(next - 1, std::max(0, GetStAddr_Beg2(next - 1) - analogSpan));
  }
  ClearBlock(kBlockCount - 1);
  return true;
}

// ---- exchange settings ------------------------------------------------------------

int TProgMBMClass::GetSpeed() const { return (table_[kSettingsOffset] >> 2) & 3; }
void TProgMBMClass::SetSpeed(int speed) {
  std::uint8_t& byte = table_[kSettingsOffset];
  byte = static_cast<std::uint8_t>((byte & ~0x0C) | ((speed & 3) << 2));
}

int TProgMBMClass::GetFrame() const { return table_[kSettingsOffset] & 3; }
void TProgMBMClass::SetFrame(int frame) {
  std::uint8_t& byte = table_[kSettingsOffset];
  byte = static_cast<std::uint8_t>((byte & ~0x03) | (frame & 3));
}

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

std::uint8_t* TProgMBMClass::Channel(int e) {
  return &groups_[static_cast<std::size_t>(e / kChannelsPerGroup)]
                 [1 + kChannelSize * static_cast<std::size_t>(e % kChannelsPerGroup)];
}

const std::uint8_t* TProgMBMClass::Channel(int e) const {
  return &groups_[static_cast<std::size_t>(e / kChannelsPerGroup)]
                 [1 + kChannelSize * static_cast<std::size_t>(e % kChannelsPerGroup)];
}

std::string TProgMBMClass::ChannelRealText(float value) {
  // The push goes away from zero on both sides: added as a plain +0.000045 it
  // would pull negative values toward zero and show -0,12349 as -0,1234.
  const double shown = value + std::copysign(0.000045, static_cast<double>(value));
  return ScaleValueText(shown);
}

float TProgMBMClass::GetReal(int e, ChannelReal which) const {
  return ValidChannel(e) ? GetReal24(Channel(e) + RealOffset(which)) : 0.0f;
}

bool TProgMBMClass::SetReal(int e, ChannelReal which, float value) {
  if (!ValidChannel(e) || !FitsReal24(value)) return false;
  PutReal24(Channel(e) + RealOffset(which), value);
  return true;
}

std::string TProgMBMClass::GetRealText(int e, ChannelReal which) const {
  return ValidChannel(e) ? ChannelRealText(GetReal(e, which)) : std::string{};
}

bool TProgMBMClass::SetRealText(int e, ChannelReal which, std::string_view text) {
  if (!ValidChannel(e)) return false;
  const auto value = ParseReal24Text(text);
  if (!value) return false;
  std::copy(value->begin(), value->end(), Channel(e) + RealOffset(which));
  return true;
}

int TProgMBMClass::GetRazm(int e) const { return ValidChannel(e) ? Channel(e)[kRazm] >> 4 : 0; }

void TProgMBMClass::SetRazm(int e, int unit) {
  if (!ValidChannel(e)) return;
  std::uint8_t& byte = Channel(e)[kRazm];
  byte = static_cast<std::uint8_t>((byte & 0x0F) | ((unit & 0x0F) << 4));
}

std::string TProgMBMClass::GetPoz(int e) const {
  if (!ValidChannel(e)) return {};
  const std::uint8_t* poz = Channel(e) + kPoz;
  return std::string(poz, poz + kPozSize);
}

void TProgMBMClass::SetPoz(int e, std::string_view text) {
  if (!ValidChannel(e)) return;
  std::uint8_t* poz = Channel(e) + kPoz;
  std::size_t i = 0;
  for (; i < kPozSize && i < text.size() && text[i] != '\0'; ++i) poz[i] = static_cast<std::uint8_t>(text[i]);
  std::fill(poz + i, poz + kPozSize, ' ');
}

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
  for (int e = at; e + n < kChannelCount; ++e) std::copy_n(Channel(e + n), kChannelSize, Channel(e));
  DefaultChannels(kChannelCount - n, n);
}

void TProgMBMClass::InsertChannels(int at, int n) {
  if (!ValidChannel(at) || n <= 0) return;
  for (int e = kChannelCount - 1 - n; e >= at; --e) std::copy_n(Channel(e), kChannelSize, Channel(e + n));
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
                                                                                int netBlockTotal) const {
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
  // The walk goes up to and including block NetBlockTotal, but never past the
  // sixteen blocks there are, whatever count the caller holds.
  const int lastBlock = std::min(netBlockTotal, kBlockCount - 1);
  for (int b = 0; b <= lastBlock; ++b) {
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
