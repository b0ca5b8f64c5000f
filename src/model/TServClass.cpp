#include "model/TServClass.h"

#include <algorithm>

#include "model/Bytes.h"
#include "model/Cp1251.h"
#include "model/Protocol.h"

namespace lur {
namespace {

constexpr int kMaxDeviceIndex = 30;  // device numbers 1..31
constexpr std::uint8_t kBlank = ' ';

bool ValidEntry(int entry, int size) { return entry >= 0 && entry < size; }

// The two letters of a limit: LL, L, H, HH.
constexpr std::array<std::array<const char*, 2>, kLimitsPerAnalogInput> kLimitLetters = {{
    {"L", "L"},
    {"L", " "},
    {"H", " "},
    {"H", "H"},
}};

template <std::size_t N>
std::string JoinSlots(const std::array<std::string, N>& slots, std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < count && i < N; ++i) out += slots[i];
  return out;
}

// Bytes up to the first zero: a text never written reads as empty.
std::string TextOf(const TServClass::Text& text) {
  const auto end = std::find(text.begin(), text.end(), 0);
  return std::string(text.begin(), end);
}

void PutText(TServClass::Text& text, std::string_view value) {
  text.fill(kBlank);
  std::copy_n(value.begin(), std::min(value.size(), text.size()), text.begin());
}

template <std::size_t N>
void BlankTexts(std::array<TServClass::Text, N>& texts, int from, int count) {
  if (from < 0 || count <= 0) return;
  const long long end = std::min<long long>(static_cast<long long>(from) + count, N);
  for (long long i = from; i < end; ++i) texts[i].fill(kBlank);
}

// Copies a page of `perPage` texts between a transfer buffer and the table.
template <std::size_t N, std::size_t PageSize>
void PageToTexts(const std::array<std::uint8_t, PageSize>& page, std::array<TServClass::Text, N>& texts,
                 int first, int perPage) {
  for (int i = 0; i < perPage; ++i) {
    std::copy_n(page.begin() + i * TServClass::kTextSize, TServClass::kTextSize, texts[first + i].begin());
  }
}
template <std::size_t N, std::size_t PageSize>
void TextsToPage(const std::array<TServClass::Text, N>& texts, std::array<std::uint8_t, PageSize>& page,
                 int first, int perPage) {
  page.fill(0);
  for (int i = 0; i < perPage; ++i) {
    std::copy(texts[first + i].begin(), texts[first + i].end(), page.begin() + i * TServClass::kTextSize);
  }
}

}  // namespace

TServClass::TServClass() = default;

// ---- identity ----------------------------------------------------------------

bool TServClass::IsUsableIdentity(std::span<const std::uint8_t, kIdentitySize> bytes) {
  int outputModules = 0;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int code = bytes[kIdFirstSlot + slot];
    if (code > kMaxModuleCode) return false;
    if (GroupOfModule(code) == ModuleGroup::Output) ++outputModules;
  }
  return outputModules <= kMaxOutputModules && bytes[kIdDisplayType] <= kMaxDisplayType &&
         bytes[kIdProcessedDiscrete] <= kMaxInputSignals && bytes[kIdProcessedAnalog] <= kMaxInputSignals;
}

bool TServClass::SetIdentityFromAnswer(std::uint8_t function, std::span<const std::uint8_t> answer) {
  constexpr std::size_t kHeader = 3;
  if (function != kIdentityFunction) return false;
  if (answer.size() < kHeader + kIdentitySize || answer[2] < kIdentitySize) return false;
  const auto bytes = answer.subspan(kHeader).first<kIdentitySize>();
  if (!IsUsableIdentity(bytes)) return false;
  TakeIdentity(bytes);
  return true;
}

bool TServClass::SetIdentityFromBytes(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kIdentitySize) return false;
  const auto identity = bytes.first<kIdentitySize>();
  if (!IsUsableIdentity(identity)) return false;
  TakeIdentity(identity);
  return true;
}

void TServClass::TakeIdentity(std::span<const std::uint8_t, kIdentitySize> bytes) {
  std::copy(bytes.begin(), bytes.end(), identity_.begin());
  diModuleCount_ = aiModuleCount_ = doModuleCount_ = type5ModuleCount_ = 0;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int code = identity_[kIdFirstSlot + slot];
    moduleTypes_[slot] = code;
    switch (GroupOfModule(code)) {
      case ModuleGroup::DiscreteInput:
        ++diModuleCount_;
        break;
      case ModuleGroup::AnalogInput:
        ++aiModuleCount_;
        break;
      case ModuleGroup::Output:
        ++doModuleCount_;
        if (code == kModuleRelayType5) ++type5ModuleCount_;
        break;
      case ModuleGroup::None:
        break;
    }
  }
  firstAnalogSlot_ = diModuleCount_ + 1;
  firstOutputSlot_ = diModuleCount_ + aiModuleCount_ + 1;
  processedDiscreteCount_ = identity_[kIdProcessedDiscrete];
  processedAnalogCount_ = identity_[kIdProcessedAnalog];
  RecomputeCounts();
  displayType_ = identity_[kIdDisplayType];
}

void TServClass::RefreshIdentityCounts() {
  identity_[kIdProcessedDiscrete] = static_cast<std::uint8_t>(processedDiscreteCount_);
  identity_[kIdProcessedAnalog] = static_cast<std::uint8_t>(processedAnalogCount_);
}

void TServClass::RecomputeCounts() {
  diCount_ = kInputsPerDiModule * diModuleCount_;
  aiCount_ = kInputsPerAiModule * aiModuleCount_;
  doCount_ = kOutputsPerDoModule * doModuleCount_;
}

int TServClass::GetModuleType(int slot) const {
  return ValidEntry(slot, kSlotCount) ? moduleTypes_[slot] : kModuleEmpty;
}

int TServClass::GroupIndexOfSlot(int slot) const {
  if (!ValidEntry(slot, kSlotCount)) return -1;
  const ModuleGroup group = GroupOfModule(moduleTypes_[slot]);
  if (group == ModuleGroup::None) return -1;
  int index = 0;
  for (int s = 0; s < slot; ++s) {
    if (GroupOfModule(moduleTypes_[s]) == group) ++index;
  }
  return index;
}

bool TServClass::SetDeviceIndex(int index) {
  if (index < 0 || index > kMaxDeviceIndex) return false;
  deviceIndex_ = static_cast<std::uint8_t>(index);
  return true;
}

bool TServClass::SetAddressIndex(int index) {
  if (index < 0 || index > kMaxDeviceIndex) return false;
  addressIndex_ = index;
  return true;
}

bool TServClass::SetDiModuleCount(int count) {
  if (count < 0 || count > kSlotCount) return false;
  diModuleCount_ = count;
  return true;
}

bool TServClass::SetAiModuleCount(int count) {
  if (count < 0 || count > kSlotCount) return false;
  aiModuleCount_ = count;
  return true;
}

bool TServClass::SetDoModuleCount(int count) {
  if (count < 0 || count > kMaxOutputModules) return false;
  doModuleCount_ = count;
  return true;
}

bool TServClass::SetType5ModuleCount(int count) {
  if (count < 0 || count > kMaxOutputModules) return false;
  type5ModuleCount_ = count;
  return true;
}

bool TServClass::SetProcessedDiscreteCount(int count) {
  if (count < 0 || count > kMaxInputSignals) return false;
  processedDiscreteCount_ = count;
  return true;
}

bool TServClass::SetProcessedAnalogCount(int count) {
  if (count < 0 || count > kMaxInputSignals) return false;
  processedAnalogCount_ = count;
  return true;
}

bool TServClass::SetDisplayType(int type) {
  if (type < 0 || type > kMaxDisplayType) return false;
  displayType_ = type;
  identity_[kIdDisplayType] = static_cast<std::uint8_t>(type);
  return true;
}

int TServClass::GetDisplayTypeCount() {
  if (displayType_ >= 0 && displayType_ <= kMaxDisplayType)
    displayTypeCount_ = kDisplayTypeCounts[displayType_];
  return displayTypeCount_;
}

// ---- network inputs -----------------------------------------------------------

void TServClass::ClearNetCounts() {
  netAnalogCount_.fill(0);
  netDiscreteCount_.fill(0);
  netAnalogTotal_ = netDiscreteTotal_ = netBlockTotal_ = 0;
}

void TServClass::RecomputeNetCounts(std::span<const NetBlock> blocks) {
  ClearNetCounts();
  const std::size_t n = std::min<std::size_t>(blocks.size(), kNetBlockCount);
  for (std::size_t b = 0; b < n; ++b) {
    const NetBlock& block = blocks[b];
    if (ReadsDiscreteValues(block.kodF)) {
      netDiscreteCount_[b] = block.kolVh;
    } else if (ReadsAnalogValues(block.kodF)) {
      netAnalogCount_[b] = block.kolVh;
    } else {
      continue;
    }
    ++netBlockTotal_;
    netDiscreteTotal_ += netDiscreteCount_[b];
    netAnalogTotal_ += netAnalogCount_[b];
  }
}

int TServClass::BuildNetInputIds(std::span<const NetBlock> blocks) {
  RecomputeNetCounts(blocks);
  // A register count read from the controller or a file may exceed what the
  // signal base holds: the identifiers simply end at entry 191.
  int entry = diCount_ + kLimitsPerAnalogInput * aiCount_;
  for (int b = 0; b < kNetBlockCount && entry < kMaxInputSignals; ++b) {
    for (int r = 0; r < netDiscreteCount_[b] && entry < kMaxInputSignals; ++r)
      MakeNetDiscreteId(b, r, entry++);
    for (int r = 0; r < netAnalogCount_[b] && entry < kMaxInputSignals; ++r) {
      for (int t = 0; t < kLimitsPerAnalogInput && entry < kMaxInputSignals; ++t)
        MakeNetAnalogId(b, r, t, entry++);
    }
  }
  return std::min(entry, kMaxInputSignals);
}

int TServClass::GetNetAnalogCount(int block) const {
  return ValidEntry(block, kNetBlockCount) ? netAnalogCount_[block] : 0;
}

int TServClass::GetNetDiscreteCount(int block) const {
  return ValidEntry(block, kNetBlockCount) ? netDiscreteCount_[block] : 0;
}

// ---- identifiers ------------------------------------------------------------

void TServClass::ClearInputIds() {
  for (auto& id : inputIds_) id.fill({});
}

void TServClass::ClearOutputIds() {
  for (auto& id : outputIds_) id.fill({});
}

void TServClass::MakeDefaultInputIds() {
  for (int m = 0; m < diModuleCount_; ++m) {
    for (int n = 0; n < kInputsPerDiModule; ++n) {
      const int entry = m * kInputsPerDiModule + n;
      if (entry >= kMaxInputSignals) return;
      inputIds_[entry] = {"D", "I", "_", std::to_string(m + 1), "_", std::to_string(n + 1), " ", " ",
                          " ", " ", ""};
    }
  }
  for (int m = 0; m < aiModuleCount_; ++m) {
    for (int n = 0; n < kInputsPerAiModule; ++n) {
      for (int t = 0; t < kLimitsPerAnalogInput; ++t) {
        const int entry = diCount_ + (m * kInputsPerAiModule + n) * kLimitsPerAnalogInput + t;
        if (entry >= kMaxInputSignals) return;
        inputIds_[entry] = {"A",
                            "I",
                            std::to_string(m + 1),
                            "_",
                            std::to_string(n + 1),
                            "_",
                            kLimitLetters[t][0],
                            kLimitLetters[t][1],
                            " ",
                            " ",
                            ""};
      }
    }
  }
}

void TServClass::MakeDefaultOutputIds() {
  const int modules = std::min(doModuleCount_, kMaxOutputModules);
  for (int m = 0; m < modules; ++m) {
    for (int n = 0; n < kOutputsPerDoModule; ++n) {
      outputIds_[m * kOutputsPerDoModule + n] = {
          "D", "O", "_", std::to_string(m + 1), "_", std::to_string(n + 1), " ", " "};
    }
  }
}

bool TServClass::MakeNetDiscreteId(int block, int reg, int entry) {
  if (!ValidEntry(entry, kMaxInputSignals)) return false;
  inputIds_[entry] = {"D", "L", "D", "I", "_", std::to_string(block + 1), "_", std::to_string(reg + 1),
                      " ", " ", ""};
  return true;
}

bool TServClass::MakeNetAnalogId(int block, int reg, int threshold, int entry) {
  if (!ValidEntry(entry, kMaxInputSignals) || !ValidEntry(threshold, kLimitsPerAnalogInput)) return false;
  inputIds_[entry] = {"D",
                      "L",
                      "A",
                      "I",
                      std::to_string(block + 1),
                      "_",
                      std::to_string(reg + 1),
                      "_",
                      kLimitLetters[threshold][0],
                      kLimitLetters[threshold][1],
                      ""};
  return true;
}

std::string TServClass::GetInputId(int entry) const {
  return ValidEntry(entry, kMaxInputSignals) ? JoinSlots(inputIds_[entry], 10) : std::string{};
}

std::string TServClass::GetInputIdShort(int entry) const {
  return ValidEntry(entry, kMaxInputSignals) ? JoinSlots(inputIds_[entry], 8) : std::string{};
}

std::string TServClass::GetOutputId(int entry) const {
  return ValidEntry(entry, kMaxOutputs) ? JoinSlots(outputIds_[entry], 8) : std::string{};
}

std::string TServClass::GetInputIdSlot(int entry, int slot) const {
  if (!ValidEntry(entry, kMaxInputSignals) || !ValidEntry(slot, kInputIdSlots)) return {};
  return inputIds_[entry][slot];
}

void TServClass::SetInputIdSlot(int entry, int slot, std::string_view text) {
  if (ValidEntry(entry, kMaxInputSignals) && ValidEntry(slot, kInputIdSlots)) inputIds_[entry][slot] = text;
}

std::string TServClass::GetOutputIdSlot(int entry, int slot) const {
  if (!ValidEntry(entry, kMaxOutputs) || !ValidEntry(slot, kOutputIdSlots)) return {};
  return outputIds_[entry][slot];
}

void TServClass::SetOutputIdSlot(int entry, int slot, std::string_view text) {
  if (ValidEntry(entry, kMaxOutputs) && ValidEntry(slot, kOutputIdSlots)) outputIds_[entry][slot] = text;
}

// ---- texts --------------------------------------------------------------------

std::string TServClass::GetInputText(int entry) const {
  return ValidEntry(entry, kMaxInputSignals) ? TextOf(inputTexts_[entry]) : std::string{};
}

std::string TServClass::GetOutputText(int entry) const {
  return ValidEntry(entry, kMaxOutputs) ? TextOf(outputTexts_[entry]) : std::string{};
}

void TServClass::SetInputText(std::string_view text, int entry) {
  if (ValidEntry(entry, kMaxInputSignals)) PutText(inputTexts_[entry], text);
}

void TServClass::SetOutputText(std::string_view text, int entry) {
  if (ValidEntry(entry, kMaxOutputs)) PutText(outputTexts_[entry], text);
}

void TServClass::SetDefaultInputText(int entry) {
  static const std::string prefix = Utf8ToCp1251("Дискр.сигн.");
  if (!ValidEntry(entry, kMaxInputSignals)) return;
  const int n = entry + 1;  // 1..192, three digits
  const char number[] = {static_cast<char>('0' + n / 100), static_cast<char>('0' + n / 10 % 10),
                         static_cast<char>('0' + n % 10)};
  PutText(inputTexts_[entry], prefix + std::string(number, 3));
}

void TServClass::ClearInputTexts() {
  for (auto& text : inputTexts_) text.fill(0);
}

void TServClass::DeleteInputTexts(int from, int count) {
  if (from < 0 || count <= 0) return;
  for (long long a = from; a + count < kMaxInputSignals; ++a) inputTexts_[a] = inputTexts_[a + count];
}

void TServClass::InsertInputTexts(int at, int count) {
  if (at < 0 || count <= 0) return;
  for (long long v = static_cast<long long>(kMaxInputSignals) - 1 - count; v >= at; --v) {
    inputTexts_[v + count] = inputTexts_[v];
  }
}

void TServClass::BlankInputTexts(int from, int count) { BlankTexts(inputTexts_, from, count); }

void TServClass::BlankOutputTexts(int from, int count) { BlankTexts(outputTexts_, from, count); }

// ---- text pages ----------------------------------------------------------------

bool TServClass::LoadInputTextPage(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kInputTextPageSize) return false;
  std::copy_n(bytes.begin(), kInputTextPageSize, inputTextPage_.begin());
  return true;
}

bool TServClass::LoadInputTextPageFromAnswer(std::span<const std::uint8_t> answer, int page) {
  if (!ValidEntry(page, kInputTextPageCount)) return false;
  const auto bytes =
      PageFromAnswer(answer, static_cast<std::uint8_t>(kFirstInputTextPage + page), kInputTextPageSize);
  return bytes && LoadInputTextPage(*bytes);
}

bool TServClass::StoreInputTextPage(int page) {
  if (!ValidEntry(page, kInputTextPageCount)) return false;
  PageToTexts(inputTextPage_, inputTexts_, page * kInputTextsPerPage, kInputTextsPerPage);
  return true;
}

bool TServClass::FetchInputTextPage(int page) {
  if (!ValidEntry(page, kInputTextPageCount)) return false;
  TextsToPage(inputTexts_, inputTextPage_, page * kInputTextsPerPage, kInputTextsPerPage);
  return true;
}

bool TServClass::LoadOutputTextPage(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kOutputTextPageSize) return false;
  std::copy_n(bytes.begin(), kOutputTextPageSize, outputTextPage_.begin());
  return true;
}

bool TServClass::StoreOutputTextPage(int page) {
  if (!ValidEntry(page, kOutputTextPageCount)) return false;
  PageToTexts(outputTextPage_, outputTexts_, page * kOutputTextsPerPage, kOutputTextsPerPage);
  return true;
}

bool TServClass::FetchOutputTextPage(int page) {
  if (!ValidEntry(page, kOutputTextPageCount)) return false;
  TextsToPage(outputTexts_, outputTextPage_, page * kOutputTextsPerPage, kOutputTextsPerPage);
  return true;
}

}  // namespace lur
