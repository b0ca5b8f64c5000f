#include "modules/TFormPROGController.h"

#include <algorithm>
#include <cstdio>

#include "model/Cp1251.h"
#include "modules/AnalogScales.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

using Real = TProgMBAClass::ChannelReal;

constexpr std::size_t Index(TProgEdit e) { return static_cast<std::size_t>(e); }
constexpr std::size_t Index(TProgList l) { return static_cast<std::size_t>(l); }

std::vector<std::string> Texts(std::span<const char* const> list) { return {list.begin(), list.end()}; }

// A tag as the field shows it: up to a zero byte, without the trailing blanks
// that pad it in the block.
std::string TagText(const std::string& stored) {
  std::string text = stored.substr(0, stored.find('\0'));
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return Cp1251ToUtf8(text);
}

}  // namespace

std::string TProgListState::Text() const {
  return index >= 0 && static_cast<std::size_t>(index) < items.size() ? items[static_cast<std::size_t>(index)]
                                                                      : std::string{};
}

std::string TFormPROGController::EditName(TProgEdit e, int c) {
  const std::string n = std::to_string(c + 1);
  switch (e) {
    case TProgEdit::Poz: return "Poz" + n;
    case TProgEdit::NSK: return "NSK" + n;
    case TProgEdit::VSK: return "VSK" + n;
    case TProgEdit::UstLL: return "Ust" + n + "LL";
    case TProgEdit::UstL: return "Ust" + n + "L";
    case TProgEdit::UstH: return "Ust" + n + "H";
    case TProgEdit::UstHH: return "Ust" + n + "HH";
    case TProgEdit::ZonaIns: return "ZonaIns" + n;
    case TProgEdit::Count: break;
  }
  return {};
}

std::string TFormPROGController::ListName(TProgList l, int c) {
  const std::string n = std::to_string(c + 1);
  switch (l) {
    case TProgList::Razm: return "Razm" + n;
    case TProgList::Sk: return "Sk" + n;
    case TProgList::MinSk: return "MinSk" + n;
    case TProgList::MaxSk: return "MaxSk" + n;
    case TProgList::TInp: return "TInp" + n;
    case TProgList::Count: break;
  }
  return {};
}

TFormPROGController::TFormPROGController(TSession& session, const TEditorRegistry& editors, TReportPrinter* printer)
    : session_(session), editors_(editors), printer_(printer) {}

bool TFormPROGController::Open(const TEditorRequest& request) {
  if (request.slot < 1 || request.slot > TProgMBAClass::kModuleCount) return false;
  if (request.module < 1 || request.module > TProgMBAClass::kModuleCount) return false;
  if (!IsAnalogModuleType(request.type)) return false;
  slot_ = request.slot;
  module_ = request.module;
  type_ = request.type;
  typeName_ = request.typeName;
  inputs_ = request.inputs;
  modalResult_ = 0;
  session_.config.MBA.EditSlot = slot_;
  // BlockSaved stays as it is: a change a failed or refused write did not
  // deliver is still asked about at the next closing.
  Fill();
  return true;
}

bool TFormPROGController::NewVersion() const { return module_ > 0 && session_.config.MBA.GetNewVersion(A()) != 0; }

void TFormPROGController::Fill() {
  for (int c = 0; c < kChannels; ++c) FillChannel(c);
  ++revision_;
}

std::string TFormPROGController::StoredText(int c, TProgEdit e) const {
  const TProgMBAClass& mba = session_.config.MBA;
  switch (e) {
    case TProgEdit::Poz: return TagText(mba.GetPozText(A(), c));
    case TProgEdit::NSK: return mba.GetMinSkText(A(), c);
    case TProgEdit::VSK: return mba.GetMaxSkText(A(), c);
    case TProgEdit::UstLL: return mba.GetUstLLText(A(), c);
    case TProgEdit::UstL: return mba.GetUstLText(A(), c);
    case TProgEdit::UstH: return mba.GetUstHText(A(), c);
    case TProgEdit::UstHH: return mba.GetUstHHText(A(), c);
    case TProgEdit::ZonaIns: return std::to_string(mba.GetDeadZone(A(), c));
    case TProgEdit::Count: break;
  }
  return {};
}

void TFormPROGController::SetEditText(int c, TProgEdit e, const std::string& text) {
  Row(c).text[Index(e)] = text;
  Row(c).filled[Index(e)] = text;
}

void TFormPROGController::FillChannel(int c) {
  const TProgMBAClass& mba = session_.config.MBA;
  TProgChannel& row = Row(c);
  for (std::size_t e = 0; e < Index(TProgEdit::Count); ++e) {
    SetEditText(c, static_cast<TProgEdit>(e), StoredText(c, static_cast<TProgEdit>(e)));
  }
  TProgListState& razm = row.lists[Index(TProgList::Razm)];
  mba.FillUnitList(razm.items);
  for (std::string& unit : razm.items) unit = Cp1251ToUtf8(unit);
  razm.index = mba.GetUnit(A(), c);

  const auto scales = ScaleListTexts(type_, NewVersion());
  TProgListState& sk = row.lists[Index(TProgList::Sk)];
  sk.items = Texts(scales);
  sk.index = ListIndex(scales, mba.GetScaleType(A(), c));

  TProgListState& tinp = row.lists[Index(TProgList::TInp)];
  tinp.items = Texts(InputTypeTexts(type_));
  tinp.index = ListIndex(InputTypeTexts(type_), mba.GetInputType(A(), c));

  row.rangeLists = type_ == kAnalogThermoType && !TProgMBAClass::HasTypedLimits(mba.GetScaleType(A(), c), NewVersion());
  FillRangeLists(c);
}

void TFormPROGController::FillRangeLists(int c) {
  TProgChannel& row = Row(c);
  TProgListState& minList = row.lists[Index(TProgList::MinSk)];
  TProgListState& maxList = row.lists[Index(TProgList::MaxSk)];
  minList = {};
  maxList = {};
  if (!row.rangeLists) return;
  const TProgMBAClass& mba = session_.config.MBA;
  const int sensor = mba.GetScaleType(A(), c);
  for (int min : mba.GetRangeMinima(sensor, A())) minList.items.push_back(std::to_string(min));
  // A stored index past the table selects nothing in either list.
  const auto range = mba.GetRange(sensor, A(), mba.GetRangeIndex(A(), c));
  if (!range) return;
  const auto minima = mba.GetRangeMinima(sensor, A());
  minList.index = static_cast<int>(std::find(minima.begin(), minima.end(), range->min) - minima.begin());
  FillMaxima(c, range->min);
  const auto maxima = mba.GetRangeMaxima(sensor, A(), range->min);
  maxList.index = static_cast<int>(std::find(maxima.begin(), maxima.end(), range->max) - maxima.begin());
}

void TFormPROGController::FillMaxima(int c, int min) {
  TProgListState& maxList = Row(c).lists[Index(TProgList::MaxSk)];
  maxList = {};
  const TProgMBAClass& mba = session_.config.MBA;
  for (int max : mba.GetRangeMaxima(mba.GetScaleType(A(), c), A(), min)) maxList.items.push_back(std::to_string(max));
}

std::string TFormPROGController::LabelHint(int c) const {
  const int n = kChannels * (module_ - 1) + c + 1;
  char address[8];
  std::snprintf(address, sizeof address, "%02X", (n - 1) & 0xFF);
  return "номер аналогового сигнала в базе " + std::to_string(n) + " (адрес 0x" + address + ")";
}

bool TFormPROGController::InputTypeShown() const { return HasInputType(type_); }

bool TFormPROGController::ChangeEnabled() const {
  const TProgMBAClass& mba = session_.config.MBA;
  if (module_ == 0 || mba.CopySource < 0 || mba.CopyType != type_) return false;
  return type_ != kAnalogThermoType || (mba.CopyNewVersion != 0) == NewVersion();
}

bool TFormPROGController::KalibrEnabled() const {
  return session_.config.Serv.FileMode == 0 && editors_.Available(TEditor::AnalogCalibration);
}

void TFormPROGController::Flash(const std::string& field) {
  if (flash) flash(field);
}

void TFormPROGController::Change(const std::function<void(TProgMBAClass&)>& change) {
  TProgMBAClass& mba = session_.config.MBA;
  const TProgMBAClass::Block before = mba.GetBlock(A());
  change(mba);
  if (mba.GetBlock(A()) != before) mba.SetBlockSaved(slot_, 0);
  ++revision_;
}

}  // namespace lur
