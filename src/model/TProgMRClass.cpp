#include "model/TProgMRClass.h"

#include <algorithm>
#include <charconv>

#include "model/Bytes.h"

namespace lur {
namespace {

bool ValidIndex(int i, int size) { return i >= 0 && i < size; }

}  // namespace

TProgMRClass::TProgMRClass() { mrSent_.fill(1); }

// ---- output records -------------------------------------------------------------

void TProgMRClass::SetDefaultOutput(int o, int m) {
  const auto output = Output(o, m);
  output.Set(kFlags, kDefaultOutputByte);
  output.Set(kVxKvit, 0);
  output.Set(kVhSbr, 0);
}

void TProgMRClass::SetDefaultModule(int m) {
  for (int o = 0; o < kOutputsPerDoModule; ++o) SetDefaultOutput(o, m);
}

TProgMRClass::ModuleRecords TProgMRClass::GetModuleRecords(int m) const {
  ModuleRecords records{};
  ViewOf(records).Assign(Module(m));
  return records;
}

bool TProgMRClass::SetModuleRecords(int m, std::span<const std::uint8_t, kModuleSize> records) {
  const auto module = Module(m);
  module.Assign(RecordView<kModuleSize, const std::uint8_t>(records));
  return static_cast<bool>(module);
}

void TProgMRClass::ClearInputsAbove(int m, int diCount) {
  for (int o = 0; o < kOutputsPerDoModule; ++o) {
    if (GetVxKvit(o, m) > diCount) SetVxKvit(0, o, m);
    if (GetVhSbr(o, m) > diCount) SetVhSbr(0, o, m);
  }
}

// ---- block image ------------------------------------------------------------------

std::uint8_t TProgMRClass::GetMRByte(int i) const {
  return ValidIndex(i, static_cast<int>(kBlockSize)) ? block_[i] : 0;
}

void TProgMRClass::SetMRByte(int i, std::uint8_t v) {
  if (ValidIndex(i, static_cast<int>(kBlockSize))) block_[i] = v;
}

bool TProgMRClass::PutMRFromAnswer(std::uint8_t function, std::span<const std::uint8_t> answer) {
  if (function != kFunctionReadPage) return false;
  // The block keeps the echoed page number in its byte 0, so it starts one
  // byte before the page data.
  if (!PageFromAnswer(answer, kPage, kBlockSize - 1)) return false;
  return PutMRFromFile(answer.subspan(3));
}

bool TProgMRClass::PutMRFromFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kBlockSize) return false;
  std::copy_n(bytes.begin(), kBlockSize, block_.begin());
  return true;
}

TProgMRClass::Block TProgMRClass::GetBlockForTransfer() const {
  Block out = block_;
  out[0] = kPage;
  return out;
}

// ---- editor state -----------------------------------------------------------------

int TProgMRClass::GetMrSent(int position) const {
  return ValidIndex(position - 1, kSlotCount) ? mrSent_[position - 1] : 1;
}

void TProgMRClass::SetMrSent(int position, int sent) {
  if (ValidIndex(position - 1, kSlotCount)) mrSent_[position - 1] = sent;
}

void TProgMRClass::ResetModuleState() {
  mrSent_.fill(1);
  mrSlot2_ = 0;
}

bool TProgMRClass::CheckMRField(std::string_view text) {
  constexpr long kLimit = 32767;
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return true;
  return value > kLimit || value < -kLimit;
}

}  // namespace lur
