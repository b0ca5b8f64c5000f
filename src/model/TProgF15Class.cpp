#include "model/TProgF15Class.h"

#include <algorithm>

#include "model/Bytes.h"
#include "model/Protocol.h"

namespace lur {

TProgF15Class::TProgF15Class() { table_[0] = kPage; }

int TProgF15Class::GetSignal(int b, int k) const { return Block(b).At(kSignals, k).Get(kSignal); }
void TProgF15Class::SetSignal(int b, int k, int number) { Block(b).At(kSignals, k).Set(kSignal, number); }

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
