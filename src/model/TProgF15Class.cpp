#include "model/TProgF15Class.h"

#include <algorithm>

#include "model/Bytes.h"
#include "model/Protocol.h"

namespace lur {

namespace {

// Offsets inside a 40-byte block.
constexpr std::size_t kKodF = 0;
constexpr std::size_t kKolVh = 1;
constexpr std::size_t kUstr = 2;
constexpr std::size_t kAdBegDat = 3;
constexpr std::size_t kKolDat = 5;
constexpr std::size_t kControl = 7;
constexpr std::size_t kSignals = 8;
constexpr int kKvitBit = 4;
constexpr int kSbrosBit = 5;

}  // namespace

TProgF15Class::TProgF15Class() { table_[0] = kPage; }

std::uint8_t TProgF15Class::GetField(int b, std::size_t offset) const {
  return ValidBlock(b) ? table_[BlockOffset(b) + offset] : 0;
}

void TProgF15Class::SetField(int b, std::size_t offset, int value) {
  if (ValidBlock(b)) table_[BlockOffset(b) + offset] = static_cast<std::uint8_t>(value);
}

int TProgF15Class::GetKodF(int b) const { return GetField(b, kKodF); }
void TProgF15Class::SetKodF(int b, int value) { SetField(b, kKodF, value); }
int TProgF15Class::GetKolVh(int b) const { return GetField(b, kKolVh); }
void TProgF15Class::SetKolVh(int b, int value) { SetField(b, kKolVh, value); }
int TProgF15Class::GetUstr(int b) const { return GetField(b, kUstr); }
void TProgF15Class::SetUstr(int b, int value) { SetField(b, kUstr, value); }

int TProgF15Class::GetAdBegDat(int b) const {
  return ValidBlock(b) ? GetU16(&table_[BlockOffset(b) + kAdBegDat]) : 0;
}
void TProgF15Class::SetAdBegDat(int b, int value) {
  if (ValidBlock(b)) PutU16(&table_[BlockOffset(b) + kAdBegDat], static_cast<std::uint16_t>(value));
}
int TProgF15Class::GetKolDat(int b) const {
  return ValidBlock(b) ? GetU16(&table_[BlockOffset(b) + kKolDat]) : 0;
}
void TProgF15Class::SetKolDat(int b, int value) {
  if (ValidBlock(b)) PutU16(&table_[BlockOffset(b) + kKolDat], static_cast<std::uint16_t>(value));
}

void TProgF15Class::SetControlBit(int b, int bit, int on) {
  if (!ValidBlock(b)) return;
  std::uint8_t& control = table_[BlockOffset(b) + kControl];
  const auto mask = static_cast<std::uint8_t>(1u << bit);
  control = static_cast<std::uint8_t>(on ? (control | mask) : (control & ~mask));
}

int TProgF15Class::GetKvit(int b) const { return (GetField(b, kControl) >> kKvitBit) & 1; }
void TProgF15Class::SetKvit(int b, int on) { SetControlBit(b, kKvitBit, on); }
int TProgF15Class::GetSbros(int b) const { return (GetField(b, kControl) >> kSbrosBit) & 1; }
void TProgF15Class::SetSbros(int b, int on) { SetControlBit(b, kSbrosBit, on); }

int TProgF15Class::GetSignal(int b, int k) const {
  if (k < 0 || k >= kSignalsPerBlock) return 0;
  return GetField(b, kSignals + static_cast<std::size_t>(k));
}

void TProgF15Class::SetSignal(int b, int k, int number) {
  if (k < 0 || k >= kSignalsPerBlock) return;
  SetField(b, kSignals + static_cast<std::size_t>(k), number);
}

int TProgF15Class::GetUsedSignalCount(int b) const { return std::min(GetKolVh(b), kSignalsPerBlock); }

TProgF15Class::SignalSource TProgF15Class::DecodeSignal(int b, int k) const {
  const int n = GetSignal(b, k);
  if (n == 0) return {};
  if (n <= kMaxDiscreteSignal) return {SignalSource::Kind::DiscreteInput, n - 1};
  if (n <= kMaxSignalNumber) return {SignalSource::Kind::BlockOutput, n - kMaxDiscreteSignal - 1};
  return {SignalSource::Kind::Invalid, -1};
}

std::uint8_t TProgF15Class::GetF15Byte(int i) const {
  return i >= 0 && i < static_cast<int>(kTableSize) ? table_[static_cast<std::size_t>(i)] : 0;
}

void TProgF15Class::SetF15Byte(int i, std::uint8_t value) {
  if (i >= 0 && i < static_cast<int>(kTableSize)) table_[static_cast<std::size_t>(i)] = value;
}

bool TProgF15Class::PutF15FromAnswer(std::span<const std::uint8_t> answer) {
  if (answer.size() < 2 || answer[1] != fn::kReadPage) return false;
  const auto page = PageFromAnswer(answer, kPage, kTableSize - 1);
  if (!page) return false;
  table_[0] = kPage;
  std::copy(page->begin(), page->end(), table_.begin() + 1);
  return true;
}

bool TProgF15Class::PutF15FromFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kTableSize) return false;
  std::copy_n(bytes.begin(), kTableSize, table_.begin());
  return true;
}

TProgF15Class::Table TProgF15Class::GetPageData() const {
  Table data = table_;
  data[0] = kPage;
  return data;
}

}  // namespace lur
