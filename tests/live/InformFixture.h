#pragma once
// The input information window over the simulated controller on virtual
// time, with scripted text, number and detail dialogs. The configuration:
// two discrete input modules, one analog input module (slot 2) and two relay
// modules, so entries 0..23 are own inputs, 24..47 the analog limits and
// the network inputs begin at entry 48.
#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "DetailConfig.h"
#include "live/TInformController.h"
#include "model/Cp1251.h"
#include "session/EditorFixture.h"

namespace lur::test {

inline void ShapeInformConfig(TConfiguration& config, int processed = 192, int analogType = 6) {
  TServClass::Identity id{};
  id[0] = 5;
  const std::array<std::uint8_t, 8> codes = {1, 1, static_cast<std::uint8_t>(analogType), 3, 4, 0, 0, 0};
  for (int s = 0; s < 8; ++s) id[1 + s] = codes[s];
  id[11] = 16;
  id[12] = static_cast<std::uint8_t>(processed);
  id[13] = 6;
  config.Serv.SetIdentityFromBytes(id);
  config.Serv.MakeDefaultInputIds();
  config.MBA.SetDefaultUnits();
  for (int n = 0; n < kMaxInputSignals; ++n) config.Serv.SetDefaultInputText(n);
}

struct InformFixture {
  explicit InformFixture(int processed = 192) { ShapeInformConfig(f.config, processed); }

  EditorFixture f;
  TFormTextController text{f.config.Serv};
  TFormVhController vh{f.session};
  TDetailForms details;

  // The text dialog: the text typed (nullopt: shown and closed untouched).
  std::optional<std::string> typed;
  int textShown = 0;
  TModalFunction<TFormTextController> textWindow{[this](TFormTextController& form) {
    ++textShown;
    form.FormShow();
    if (typed) form.EditTextChange(*typed);
    return form.FormClose();
  }};
  // The number dialog: the fields typed and the button pressed.
  std::string first, last, start;
  int vhResult = kModalOk;
  std::vector<std::string> vhCaptions;
  TModalFunction<TFormVhController> vhWindow{[this](TFormVhController& form) {
    vhCaptions.push_back(form.caption + " #" + std::to_string(form.group));
    form.edit1 = first;
    form.edit2 = last;
    form.edit3 = start;
    return vhResult;
  }};
  std::vector<std::string> detailShown;
  TModalFunction<TFormInfAnController> infAn{[this](TFormInfAnController& form) {
    detailShown.push_back("an " + form.labNMod + " " + form.label1 + " " + form.labUstLL);
    return kModalOk;
  }};
  TModalFunction<TFormInfNetAnController> infNetAn{[this](TFormInfNetAnController& form) {
    detailShown.push_back("net " + form.label2);
    return kModalOk;
  }};
  TModalFunction<TFormInfVyhController> infVyh{[](TFormInfVyhController&) { return kModalOk; }};

  TInformController form{f.session, TInformDialogs{text, textWindow, vh, vhWindow, details, {infAn, infNetAn, infVyh}}};

  std::string Text(int entry) const { return Cp1251ToUtf8(f.config.Serv.GetInputText(entry)); }
  void SetText(int entry, const std::string& utf8) { f.config.Serv.SetInputText(Utf8ToCp1251(utf8), entry); }
  std::vector<int> PagesWritten() const {
    std::vector<int> pages;
    for (const Frame& r : f.line.RequestsOf(0x45)) pages.push_back(r[2]);
    return pages;
  }
};

}  // namespace lur::test
