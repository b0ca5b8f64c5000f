#include "shell/TUnitsList.h"

#include "link/TComPortClass.h"
#include "session/LinkReports.h"
#include "model/Cp1251.h"
#include "session/AccessGate.h"
#include "shell/TShellContext.h"
#include "ui/TUserInterface.h"

namespace lur {


void TUnitsList::Refresh() {
  TProgMBAClass& mba = context_.config.MBA;
  context_.state.units.clear();
  for (int i = 0; i < TProgMBAClass::kUnitCount; ++i) {
    context_.state.units.push_back(Cp1251ToUtf8(mba.GetUnitText(i)));
  }
  context_.state.unitIndex = 0;
  mba.UnitIndex = 0;
  mba.UnitsChanged = 0;
}

void TUnitsList::CBoxRazmChangeClick(int index) {
  if (index < 0 || index >= TProgMBAClass::kUnitCount) return;
  context_.config.MBA.UnitIndex = index;
  context_.state.unitIndex = index;
}

void TUnitsList::ButRazmClick(const std::string& text, bool typed) {
  if (text.empty()) {
    ShowError(context_.ui, "Ошибочно введена размерность");
    return;
  }
  TProgMBAClass& mba = context_.config.MBA;
  if (typed) {
    // The list holds six Windows-1251 bytes an entry: one byte a character.
    mba.SetUnitText(Utf8ToCp1251(text).substr(0, TProgMBAClass::kUnitSize), mba.UnitIndex);
    mba.UnitsChanged = 1;
  }
  Apply();
}

void TUnitsList::ButDefaultClick() {
  context_.config.MBA.SetDefaultUnits();
  Apply();
}

void TUnitsList::Apply() {
  TConfiguration& config = context_.config;
  if (config.Serv.FileMode == 1) {
    config.Serv.Modified = 1;
    Refresh();
    return;
  }
  // At the limited level the entry stays changed in memory; only the
  // controller is spared.
  if (!OutputAllowed(context_)) return;
  const auto page = config.MBA.GetUnitsPageData();
  if (WritePage(context_.ui, context_.link, context_.addressing, page) != kResultOk) return;
  config.Reserv.ResUnits = config.MBA.GetUnits();
  Refresh();
}

}  // namespace lur
