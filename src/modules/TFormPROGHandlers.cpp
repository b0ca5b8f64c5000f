// The field handlers of the analog module editor: lists store at once,
// typed fields when they are left and only if the user changed their text.
#include <algorithm>

#include "model/Cp1251.h"
#include "modules/AnalogScales.h"
#include "modules/TFormPROGController.h"
#include "session/TSession.h"
#include "ui/FieldChecks.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

using Real = TProgMBAClass::ChannelReal;

constexpr std::size_t Index(TProgEdit e) { return static_cast<std::size_t>(e); }
constexpr std::size_t Index(TProgList l) { return static_cast<std::size_t>(l); }

// The numeric text check's bounds of scale limits and set-points.
constexpr double kNumericLo = -32767;
constexpr double kNumericHi = 32767;

bool InList(const TProgListState& list, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < list.items.size();
}

Real RealOf(TProgEdit e) {
  switch (e) {
    case TProgEdit::NSK: return Real::MinSk;
    case TProgEdit::VSK: return Real::MaxSk;
    case TProgEdit::UstLL: return Real::UstLL;
    case TProgEdit::UstL: return Real::UstL;
    case TProgEdit::UstH: return Real::UstH;
    default: return Real::UstHH;
  }
}

bool IsNumeric(TProgEdit e) { return e != TProgEdit::Poz; }

}  // namespace

void TFormPROGController::RazmChange(int c, int index) {
  if (!ValidChannel(c) || !InList(Channel(c).List(TProgList::Razm), index)) return;
  Row(c).lists[Index(TProgList::Razm)].index = index;
  Change([&](TProgMBAClass& mba) { mba.SetUnit(A(), c, index); });
}

void TFormPROGController::TInpChange(int c, int index) {
  if (!ValidChannel(c) || !InputTypeShown() || !InList(Channel(c).List(TProgList::TInp), index)) return;
  Row(c).lists[Index(TProgList::TInp)].index = index;
  Change([&](TProgMBAClass& mba) { mba.SetInputType(A(), c, index); });
}

void TFormPROGController::SkChange(int c, int index) {
  if (!ValidChannel(c) || !InList(Channel(c).List(TProgList::Sk), index)) return;
  Row(c).lists[Index(TProgList::Sk)].index = index;
  TProgMBAClass& mba = session_.config.MBA;
  if (index == mba.GetScaleType(A(), c)) return;
  Change([&](TProgMBAClass& m) {
    m.SetScaleType(A(), c, index);
    if (type_ != kAnalogThermoType) return;
    m.SetRangeIndex(A(), c, 0);
    if (TProgMBAClass::HasTypedLimits(index, NewVersion())) {
      m.SetReal(A(), c, Real::MinSk, TProgMBAClass::kTypedLimitMin);
      m.SetReal(A(), c, Real::MaxSk, TProgMBAClass::kTypedLimitMax);
    } else if (const auto first = m.GetRange(index, A(), 0)) {
      m.SetReal(A(), c, Real::MinSk, static_cast<float>(first->min));
      m.SetReal(A(), c, Real::MaxSk, static_cast<float>(first->max));
    }
  });
  if (type_ != kAnalogThermoType) return;
  Row(c).rangeLists = !TProgMBAClass::HasTypedLimits(index, NewVersion());
  SetEditText(c, TProgEdit::NSK, StoredText(c, TProgEdit::NSK));
  SetEditText(c, TProgEdit::VSK, StoredText(c, TProgEdit::VSK));
  FillRangeLists(c);
}

void TFormPROGController::MinSkChange(int c, int index) {
  if (!ValidChannel(c) || !Channel(c).rangeLists || !InList(Channel(c).List(TProgList::MinSk), index)) return;
  TProgMBAClass& mba = session_.config.MBA;
  const int sensor = mba.GetScaleType(A(), c);
  const int min = mba.GetRangeMinima(sensor, A())[static_cast<std::size_t>(index)];
  Row(c).lists[Index(TProgList::MinSk)].index = index;
  FillMaxima(c, min);
  const auto maxima = mba.GetRangeMaxima(sensor, A(), min);
  if (maxima.empty()) return;
  Row(c).lists[Index(TProgList::MaxSk)].index = 0;
  const auto range = mba.FindRangeIndex(sensor, A(), min, maxima.front());
  Change([&](TProgMBAClass& m) {
    if (range) m.SetRangeIndex(A(), c, *range);
    m.SetReal(A(), c, Real::MinSk, static_cast<float>(min));
    m.SetReal(A(), c, Real::MaxSk, static_cast<float>(maxima.front()));
  });
  SetEditText(c, TProgEdit::NSK, StoredText(c, TProgEdit::NSK));
  SetEditText(c, TProgEdit::VSK, StoredText(c, TProgEdit::VSK));
}

void TFormPROGController::MaxSkChange(int c, int index) {
  if (!ValidChannel(c) || !Channel(c).rangeLists) return;
  const TProgListState& minList = Channel(c).List(TProgList::MinSk);
  if (!InList(minList, minList.index) || !InList(Channel(c).List(TProgList::MaxSk), index)) return;
  TProgMBAClass& mba = session_.config.MBA;
  const int sensor = mba.GetScaleType(A(), c);
  const int min = mba.GetRangeMinima(sensor, A())[static_cast<std::size_t>(minList.index)];
  const int max = mba.GetRangeMaxima(sensor, A(), min)[static_cast<std::size_t>(index)];
  const auto range = mba.FindRangeIndex(sensor, A(), min, max);
  if (!range) return;
  Row(c).lists[Index(TProgList::MaxSk)].index = index;
  Change([&](TProgMBAClass& m) {
    m.SetRangeIndex(A(), c, *range);
    m.SetReal(A(), c, Real::MaxSk, static_cast<float>(max));
  });
  SetEditText(c, TProgEdit::VSK, StoredText(c, TProgEdit::VSK));
}

void TFormPROGController::ListExit(int c, TProgList list) {
  if (!ValidChannel(c)) return;
  const TProgChannel& row = Channel(c);
  bool shown = false;
  switch (list) {
    case TProgList::Sk: shown = true; break;
    case TProgList::MinSk:
    case TProgList::MaxSk: shown = row.rangeLists; break;
    case TProgList::TInp: shown = InputTypeShown(); break;
    default: break;
  }
  if (shown && row.List(list).index < 0) Flash(ListName(list, c));
}

void TFormPROGController::EditChange(int c, TProgEdit e, const std::string& text) {
  if (!ValidChannel(c) || e == TProgEdit::Count) return;
  std::string shown = text;
  // A point typed in a real field is the decimal comma.
  if (IsNumeric(e)) std::replace(shown.begin(), shown.end(), '.', ',');
  Row(c).text[Index(e)] = shown;
}

void TFormPROGController::EditExit(int c, TProgEdit e) {
  if (!ValidChannel(c) || e == TProgEdit::Count) return;
  // A field the user did not change since the fill stores nothing: its text
  // may be the rounded form of a value the block holds more exactly.
  if (Channel(c).text[Index(e)] == Channel(c).filled[Index(e)]) return;
  if (!StoreEdit(c, e)) SetEditText(c, e, StoredText(c, e));
  ++revision_;
}

bool TFormPROGController::StoreEdit(int c, TProgEdit e) {
  const std::string text = Channel(c).text[Index(e)];
  const std::string name = EditName(e, c);
  TUserInterface& ui = session_.ui;
  const TFieldCheck check{TRangeWording::Long, TFieldReport::Box};
  if (e == TProgEdit::Poz) {
    Change([&](TProgMBAClass& mba) { mba.SetPozText(Utf8ToCp1251(text), A(), c); });
  } else if (e == TProgEdit::ZonaIns) {
    const auto zone = ReadIntField(ui, name, text, 0, 3, check);
    if (!zone) return false;
    Change([&](TProgMBAClass& mba) { mba.SetDeadZone(A(), c, *zone); });
  } else {
    const auto value = ReadRealField(ui, name, text, kNumericLo, kNumericHi, check);
    if (!value) return false;
    const bool limit = e == TProgEdit::NSK || e == TProgEdit::VSK;
    const TProgMBAClass& mba = session_.config.MBA;
    if (limit && type_ == kAnalogThermoType &&
        TProgMBAClass::HasTypedLimits(mba.GetScaleType(A(), c), NewVersion()) &&
        (*value < TProgMBAClass::kTypedLimitMin || *value > TProgMBAClass::kTypedLimitMax)) {
      ui.InputError(name);
      return false;
    }
    bool stored = false;
    Change([&](TProgMBAClass& m) { stored = m.SetRealText(text, A(), c, RealOf(e)); });
    if (!stored) return false;
  }
  Row(c).filled[Index(e)] = text;
  return true;
}

}  // namespace lur
