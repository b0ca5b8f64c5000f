#include "model/TProgMBAClass.h"

#include <algorithm>

#include "model/Bytes.h"
#include "model/Cp1251.h"
#include "model/DecimalText.h"
#include "model/Protocol.h"
#include "model/Real24.h"
#include "model/ScaleText.h"

namespace lur {

namespace {

// Fields of a 28-byte channel record.
constexpr std::size_t kChannel = TProgMBAClass::kChannelSize;
constexpr BitField<kChannel> kUnit{0, 4, 4};
constexpr BitField<kChannel> kScaleType{0, 0, 4};
constexpr BitField<kChannel> kDeadZone{1, 4, 2};
constexpr BitField<kChannel> kInputType{1, 0, 3};
constexpr BitField<kChannel> kRangeIndex{1, 0, 6};
constexpr Real24Field<3> kReal{0};
constexpr TextField<kChannel> kPoz{20, TProgMBAClass::kPozSize};

// The units list: sixteen texts of six bytes.
constexpr RecordRow<TProgMBAClass::kUnitSize, TProgMBAClass::kUnitsSize> kUnitRow{0, TProgMBAClass::kUnitSize,
                                                                                  TProgMBAClass::kUnitCount};
constexpr TextField<TProgMBAClass::kUnitSize> kUnitText{0, TProgMBAClass::kUnitSize};

// The converter codes page: per row r the codes at the beginning and the end
// of the scale from byte 1 + 4r, the present codes from byte 29 + 2r.
constexpr std::size_t kCodes = TProgMBAClass::kCodesSize;
constexpr RecordRow<4, kCodes> kScaleCodes{1, 4, TProgMBAClass::kCalibrRows};
constexpr WordField<4> kCodeBegin{0, WordSign::Signed};
constexpr WordField<4> kCodeEnd{2, WordSign::Signed};
constexpr RecordRow<2, kCodes> kPresentCodes{29, 2, TProgMBAClass::kCalibrRows};
constexpr WordField<2> kCodeNow{0, WordSign::Signed};

using Range = TProgMBAClass::ScaleRange;

// Measuring ranges by sensor type (type-8 modules).
constexpr Range kThermocoupleLEJ[] = {{-120, 30}, {-50, 100}, {-50, 150}, {-50, 200}, {0, 100},
                                      {0, 150},   {0, 200},   {0, 300},   {0, 400},   {0, 600},
                                      {0, 800},   {50, 200},  {150, 400}};
constexpr Range kThermocoupleK[] = {{-50, 200}, {0, 200},  {0, 300},   {0, 400},   {0, 600},   {0, 800},
                                    {0, 900},   {0, 1100}, {200, 600}, {200, 800}, {400, 900}, {600, 1100}};
constexpr Range kThermocoupleT[] = {{-120, 30}, {-50, 100}, {0, 100}, {0, 150}, {0, 200}, {0, 300}};
constexpr Range kThermocoupleSR[] = {{0, 1300}, {500, 1300}};
constexpr Range kThermocoupleA[] = {{100, 1800}, {1000, 1800}};
constexpr Range kReserved[] = {{0, 0}, {0, 0}};
constexpr Range kResistancePt[] = {
    {-200, -150}, {-200, -100}, {-200, -70}, {-200, 0},  {-200, 40},  {-200, 50}, {-200, 70}, {-200, 100},
    {-200, 150},  {-150, 0},    {-120, 30},  {-100, 50}, {-100, 200}, {-90, 50},  {-70, 180}, {-50, 0},
    {-50, 50},    {-50, 100},   {-50, 150},  {-50, 200}, {-50, 250},  {-50, 400}, {-50, 500}, {-30, 50},
    {-100, 500},  {-30, 20},    {-25, 25},   {-20, 50},  {-20, 30},   {0, 50},    {0, 100},   {0, 150},
    {0, 200},     {0, 300},     {0, 400},    {0, 500},   {100, 500},  {50, 200},  {100, 200}, {100, 300},
    {200, 300},   {200, 500},   {-200, 500}, {-50, 120}, {-10, 100},  {0, 120}};
constexpr Range kResistanceNi[] = {{-50, 0}, {-50, 50}, {-50, 100}, {-50, 150}, {-50, 180}, {-25, 25},
                                   {0, 50},  {0, 100},  {0, 150},   {0, 180},   {50, 100}};

// The controller's default units of measure ("кг/cм2" carries a Latin c).
constexpr std::string_view kDefaultUnits[TProgMBAClass::kUnitCount] = {
    "град.С", "%",    "МПа",   "КПа",  "кг/cм2", "атм", "об/мин", "1/с",
    "мм/с2",  "м3/ч", "нм3/ч", "кг/ч", "т/ч",    "м",   "резерв", "резерв"};

const TProgMBAClass::Block kNoBlock{};

}  // namespace

TProgMBAClass::TProgMBAClass() { ResetModuleState(); }

// ---- module blocks ------------------------------------------------------------------

bool TProgMBAClass::LoadBlockFromAnswer(std::span<const std::uint8_t> answer, int page) {
  if (page < page::kFirstModule || page >= page::kFirstModule + kModuleCount) return false;
  if (answer.size() < 2 || answer[1] != fn::kReadPage) return false;
  const auto bytes = PageFromAnswer(answer, static_cast<std::uint8_t>(page), kBlockSize - 1);
  if (!bytes) return false;
  Block& block = blocks_[static_cast<std::size_t>(page - page::kFirstModule)];
  block[0] = static_cast<std::uint8_t>(page);
  std::copy(bytes->begin(), bytes->end(), block.begin() + 1);
  return true;
}

bool TProgMBAClass::LoadBlock(std::span<const std::uint8_t> bytes, int a) {
  if (!ValidModule(a) || bytes.size() < kBlockSize) return false;
  std::copy_n(bytes.begin(), kBlockSize, blocks_[static_cast<std::size_t>(a)].begin());
  return true;
}

bool TProgMBAClass::LoadBlockFromFile(std::span<const std::uint8_t> bytes, int a) {
  if (!LoadBlock(bytes, a)) return false;
  std::uint8_t& page = blocks_[static_cast<std::size_t>(a)][0];
  SetNewVersion(a, (page & kNewVersionBit) != 0);
  page = static_cast<std::uint8_t>(page & ~kNewVersionBit);
  return true;
}

TProgMBAClass::Block TProgMBAClass::GetBlockForFile(int a) const {
  Block data = GetBlockPageData(a);
  if (GetNewVersion(a)) data[0] |= kNewVersionBit;
  return data;
}

TProgMBAClass::Block TProgMBAClass::GetBlockPageData(int a) const {
  Block data = GetBlock(a);
  data[0] = static_cast<std::uint8_t>(page::kFirstModule + a);
  return data;
}

std::uint8_t TProgMBAClass::GetBlockByte(int a, int k) const {
  if (!ValidModule(a) || k < 0 || k >= static_cast<int>(kBlockSize)) return 0;
  return blocks_[static_cast<std::size_t>(a)][static_cast<std::size_t>(k)];
}

void TProgMBAClass::SetBlockByte(int a, int k, std::uint8_t value) {
  if (!ValidModule(a) || k < 0 || k >= static_cast<int>(kBlockSize)) return;
  blocks_[static_cast<std::size_t>(a)][static_cast<std::size_t>(k)] = value;
}

const TProgMBAClass::Block& TProgMBAClass::GetBlock(int a) const {
  return ValidModule(a) ? blocks_[static_cast<std::size_t>(a)] : kNoBlock;
}

void TProgMBAClass::SetBlock(int a, const Block& block) {
  if (ValidModule(a)) blocks_[static_cast<std::size_t>(a)] = block;
}

// ---- units of measure --------------------------------------------------------------------

bool TProgMBAClass::LoadUnitsFromAnswer(std::span<const std::uint8_t> answer) {
  if (answer.size() < 2 || answer[1] != fn::kReadPage) return false;
  const auto bytes = PageFromAnswer(answer, kUnitsPage, kUnitsSize);
  if (!bytes) return false;
  std::copy(bytes->begin(), bytes->end(), units_.begin());
  return true;
}

bool TProgMBAClass::LoadUnits(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kUnitsSize) return false;
  std::copy_n(bytes.begin(), kUnitsSize, units_.begin());
  return true;
}

std::uint8_t TProgMBAClass::GetUnitsByte(int k) const {
  return k >= 0 && k < static_cast<int>(kUnitsSize) ? units_[static_cast<std::size_t>(k)] : 0;
}

void TProgMBAClass::SetUnitsByte(int k, std::uint8_t value) {
  if (k >= 0 && k < static_cast<int>(kUnitsSize)) units_[static_cast<std::size_t>(k)] = value;
}

std::array<std::uint8_t, 1 + TProgMBAClass::kUnitsSize> TProgMBAClass::GetUnitsPageData() const {
  std::array<std::uint8_t, 1 + kUnitsSize> data{};
  data[0] = kUnitsPage;
  std::copy(units_.begin(), units_.end(), data.begin() + 1);
  return data;
}

std::string TProgMBAClass::GetUnitText(int i) const {
  std::string text = ViewOf(units_).At(kUnitRow, i).Get(kUnitText);
  const auto end = text.find_first_of(std::string_view(" \0", 2));  // a blank ends the text
  if (end != std::string::npos) text.resize(end);
  return text;
}

void TProgMBAClass::SetUnitText(std::string_view text, int i) {
  ViewOf(units_).At(kUnitRow, i).Set(kUnitText, text);
}

void TProgMBAClass::SetUnitFromList(std::span<const std::string> list, int i) {
  if (i >= 0 && static_cast<std::size_t>(i) < list.size()) SetUnitText(list[static_cast<std::size_t>(i)], i);
}

void TProgMBAClass::FillUnitList(std::vector<std::string>& list) const {
  list.clear();
  for (int i = 0; i < kUnitCount; ++i) list.push_back(GetUnitText(i));
}

void TProgMBAClass::SetDefaultUnits() {
  for (int i = 0; i < kUnitCount; ++i) SetUnitText(Utf8ToCp1251(kDefaultUnits[i]), i);
}

// ---- channel fields ------------------------------------------------------------------------

int TProgMBAClass::GetUnit(int a, int c) const { return Channel(a, c).Get(kUnit); }
void TProgMBAClass::SetUnit(int a, int c, int unit) { Channel(a, c).Set(kUnit, unit); }
int TProgMBAClass::GetScaleType(int a, int c) const { return Channel(a, c).Get(kScaleType); }
void TProgMBAClass::SetScaleType(int a, int c, int type) { Channel(a, c).Set(kScaleType, type); }
int TProgMBAClass::GetDeadZone(int a, int c) const { return Channel(a, c).Get(kDeadZone); }
void TProgMBAClass::SetDeadZone(int a, int c, int zone) { Channel(a, c).Set(kDeadZone, zone); }
int TProgMBAClass::GetInputType(int a, int c) const { return Channel(a, c).Get(kInputType); }
void TProgMBAClass::SetInputType(int a, int c, int type) { Channel(a, c).Set(kInputType, type); }
int TProgMBAClass::GetRangeIndex(int a, int c) const { return Channel(a, c).Get(kRangeIndex); }
void TProgMBAClass::SetRangeIndex(int a, int c, int index) { Channel(a, c).Set(kRangeIndex, index); }

float TProgMBAClass::GetReal(int a, int c, ChannelReal which) const { return Real(a, c, which).Get(kReal); }

bool TProgMBAClass::SetReal(int a, int c, ChannelReal which, float value) {
  return Real(a, c, which).Set(kReal, value);
}

std::string TProgMBAClass::GetRealText(int a, int c, ChannelReal which) const {
  return Channel(a, c) ? ScaleValueText(GetReal(a, c, which)) : std::string{};
}

bool TProgMBAClass::SetRealText(std::string_view text, int a, int c, ChannelReal which) {
  const auto value = ParseReal24Text(text);
  return value && Real(a, c, which).Set(kReal, *value);
}

std::string TProgMBAClass::GetPozText(int a, int c) const { return Channel(a, c).Get(kPoz); }

void TProgMBAClass::SetPozText(std::string_view text, int a, int c) { Channel(a, c).Set(kPoz, text); }

// ---- measuring ranges ------------------------------------------------------------------------

std::span<const TProgMBAClass::ScaleRange> TProgMBAClass::RangeTable(int sensor, bool newVersion) {
  switch (sensor) {
    case 0:
    case 1:
    case 3:
      return kThermocoupleLEJ;
    case 2:
      return kThermocoupleK;
    case 4:
      return kThermocoupleT;
    case 5:
    case 6:
      return kThermocoupleSR;
    case 7:
      return newVersion ? std::span<const ScaleRange>(kReserved) : kThermocoupleA;
    case 8:
      return newVersion ? std::span<const ScaleRange>(kResistancePt) : kThermocoupleA;
    case 9:
      return newVersion ? std::span<const ScaleRange>() : kThermocoupleA;
    case 10:
    case 11:
    case 12:
      return kResistancePt;
    case 13:
      return kResistanceNi;
    default:  // 14, 15: typed limits; anything else is no sensor
      return {};
  }
}

bool TProgMBAClass::HasTypedLimits(int sensor, bool newVersion) {
  return sensor == 14 || sensor == 15 || (sensor == 9 && newVersion);
}

std::optional<TProgMBAClass::ScaleRange> TProgMBAClass::GetRange(int sensor, int a, int index) const {
  const auto ranges = GetRanges(sensor, a);
  if (index < 0 || static_cast<std::size_t>(index) >= ranges.size()) return std::nullopt;
  return ranges[static_cast<std::size_t>(index)];
}

std::vector<int> TProgMBAClass::GetRangeMinima(int sensor, int a) const {
  std::vector<int> minima;
  for (const ScaleRange& range : GetRanges(sensor, a)) {
    if (std::find(minima.begin(), minima.end(), range.min) == minima.end()) minima.push_back(range.min);
  }
  return minima;
}

std::vector<int> TProgMBAClass::GetRangeMaxima(int sensor, int a, int min) const {
  std::vector<int> maxima;
  for (const ScaleRange& range : GetRanges(sensor, a)) {
    if (range.min == min) maxima.push_back(range.max);
  }
  return maxima;
}

std::optional<int> TProgMBAClass::FindRangeIndex(int sensor, int a, int min, int max) const {
  const auto ranges = GetRanges(sensor, a);
  const auto it = std::find(ranges.begin(), ranges.end(), ScaleRange{min, max});
  if (it == ranges.end()) return std::nullopt;
  return static_cast<int>(it - ranges.begin());
}

// ---- per-module bookkeeping ------------------------------------------------------------------

int TProgMBAClass::GetBlockSaved(int slot) const {
  return ValidSlot(slot) ? blockSaved_[static_cast<std::size_t>(slot - 1)] : 0;
}
void TProgMBAClass::SetBlockSaved(int slot, int saved) {
  if (ValidSlot(slot)) blockSaved_[static_cast<std::size_t>(slot - 1)] = saved;
}
int TProgMBAClass::GetBlockError(int slot) const {
  return ValidSlot(slot) ? blockError_[static_cast<std::size_t>(slot - 1)] : 0;
}
void TProgMBAClass::SetBlockError(int slot, int error) {
  if (ValidSlot(slot)) blockError_[static_cast<std::size_t>(slot - 1)] = error;
}
int TProgMBAClass::GetNewVersion(int a) const {
  return ValidModule(a) ? newVersion_[static_cast<std::size_t>(a)] : 0;
}
void TProgMBAClass::SetNewVersion(int a, int flag) {
  if (ValidModule(a)) newVersion_[static_cast<std::size_t>(a)] = flag ? 1 : 0;
}

void TProgMBAClass::ResetModuleState() {
  blockSaved_.fill(1);
  blockError_.fill(0);
}

// ---- calibration -------------------------------------------------------------------------------

bool TProgMBAClass::PutCodesFromAnswer(int a, std::span<const std::uint8_t> answer) {
  if (!ValidModule(a) || answer.size() < 2 || answer[1] != fn::kReadPage) return false;
  const auto page = static_cast<std::uint8_t>(kFirstCodesPage + a);
  const auto bytes = PageFromAnswer(answer, page, kCodesSize - 1);
  if (!bytes) return false;
  Codes& codes = codes_[static_cast<std::size_t>(a)];
  codes[0] = page;
  std::copy(bytes->begin(), bytes->end(), codes.begin() + 1);
  return true;
}

int TProgMBAClass::GetCodeBegin(int a, int r) const {
  return ViewOf(codes_, a).At(kScaleCodes, r).Get(kCodeBegin);
}
int TProgMBAClass::GetCodeEnd(int a, int r) const {
  return ViewOf(codes_, a).At(kScaleCodes, r).Get(kCodeEnd);
}
int TProgMBAClass::GetCodeNow(int a, int r) const {
  return ViewOf(codes_, a).At(kPresentCodes, r).Get(kCodeNow);
}

bool TProgMBAClass::PutCalibrStatesFromAnswer(int first, int count, std::span<const std::uint8_t> answer) {
  return TakeAnalogStates(answer, first, count, calibrStates_);
}

std::string TProgMBAClass::GetCalibrText(int r) const {
  return r >= 0 && r < kCalibrRows ? AnalogStateText(calibrStates_[static_cast<std::size_t>(r)])
                                   : std::string{};
}

int TProgMBAClass::GetCalibrStatus(int r) const {
  return r >= 0 && r < kCalibrRows ? AnalogStateStatus(calibrStates_[static_cast<std::size_t>(r)]) : 0;
}

}  // namespace lur
