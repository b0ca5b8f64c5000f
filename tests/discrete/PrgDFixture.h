#pragma once
// The discrete processing editor over a small configuration, the simulated
// controller behind its link, dialogs answered by scripts that set their
// fields, and information windows that only record how they were opened.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "discrete/TDiscreteDialogs.h"
#include "discrete/TFormPrgDController.h"
#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "model/Cp1251.h"
#include "model/TConfiguration.h"
#include "session/TServAddressing.h"
#include "support/ScriptedDialog.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {

struct PrgDFixture {
  // Two discrete input modules (signals 0..23), one analog module (24..47),
  // two relay modules, a display of 12 cells; the exchange blocks given add
  // network signals from 48 on.
  explicit PrgDFixture(std::array<std::uint8_t, 8> modules = {1, 1, 7, 3, 3, 0, 0, 0}, int display = 0,
                       std::vector<TServClass::NetBlock> net = {}) {
    Configure(modules, display, net);
    config.Lur.FullAccess = 1;
    link.PortName = "COM1";
    ui.answers.clear();
  }

  void Configure(std::array<std::uint8_t, 8> modules, int display, const std::vector<TServClass::NetBlock>& net) {
    std::array<std::uint8_t, 15> id{};
    int signals = 0;
    for (int s = 0; s < 8; ++s) {
      id[1 + s] = modules[static_cast<std::size_t>(s)];
      const ModuleGroup g = GroupOfModule(modules[static_cast<std::size_t>(s)]);
      if (g == ModuleGroup::DiscreteInput) signals += 12;
      if (g == ModuleGroup::AnalogInput) signals += 24;
    }
    for (const auto& b : net) signals += (b.kodF <= 2 ? 1 : 4) * b.kolVh;
    id[12] = static_cast<std::uint8_t>(std::min(signals, 192));
    id[14] = static_cast<std::uint8_t>(display);
    ASSERT_TRUE(config.Serv.SetIdentityFromBytes(id));
    config.Serv.MakeDefaultInputIds();
    config.Serv.BuildNetInputIds(net);
    config.Lur.ClearRecs(0, 192);
  }

  // The records of a few signals set the way the tests say.
  void Record(int n, std::array<std::uint8_t, 8> bytes) {
    for (int k = 0; k < 8; ++k) config.Lur.SetRecByte(n, k, bytes[static_cast<std::size_t>(k)]);
  }
  TProgLurClass::Record RecordOf(int n) const { return config.Lur.GetRecords()[static_cast<std::size_t>(n)]; }
  std::string Text(int n) const { return Cp1251ToUtf8(config.Serv.GetInputText(n)); }

  // The schema's signals, top to bottom.
  std::vector<int> Rows() const {
    std::vector<int> rows;
    for (const TSchemaRow& r : prgd.Layout().rows) rows.push_back(r.signal);
    return rows;
  }
  const TSchemaRow& Row(int p) const { return prgd.Layout().rows.at(static_cast<std::size_t>(p)); }
  int CurPos() const { return config.Lur.CurPos; }
  int CurSignal() const { return config.Lur.CurSignal; }
  std::vector<int> Marked() const {
    std::vector<int> marked;
    for (int p = 0; p < 192; ++p)
      if (config.Lur.PosMark[static_cast<std::size_t>(p)] == 1) marked.push_back(p);
    return marked;
  }

  // The identifier dialog answered with an own or a network signal.
  void ChooseOwn(int kind, int module, int input, int limit = 0) {
    creatVh.user = [=](TFormCreatVhController& f) {
      f.page = TFormCreatVhController::kOwnPage;
      f.kind = kind;
      f.module = module;
      f.input = input;
      f.limit = limit;
    };
  }
  void ChooseNet(int kind, int block, int reg, int limit = 0) {
    creatVh.user = [=](TFormCreatVhController& f) {
      f.page = TFormCreatVhController::kNetPage;
      f.netKind = kind;
      f.block = block;
      f.reg = reg;
      f.netLimit = limit;
    };
  }
  // Creates handlers for the own discrete signals given (module 1 inputs
  // n + 1) and gives each a delay so that a rebuild keeps it.
  void Handlers(std::initializer_list<int> signals) {
    for (const int n : signals) Record(n, {0x20, 0, 0, 0, 0, 0, 5, 0});
    prgd.RebuildSchema();
  }

  VirtualClock clock;
  SimPort line{clock};
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};

  ScriptedDialog<TFormCreatVhController> creatVh;
  ScriptedDialog<TFormSigController> sig;
  ScriptedDialog<TFormZaController> za;
  ScriptedDialog<TFormVyhController> vyh;
  ScriptedDialog<TFormVklController> vkl;
  ScriptedDialog<TFormTextController> text;
  ScriptedDialog<TFormVhController> vh;
  TDiscreteDialogForms forms{session};
  TDiscreteDialogWindows windows{creatVh.window, sig.window, za.window, vyh.window,
                                 vkl.window,     text.window, vh.window};

  std::vector<TEditorRequest> opened;
  TEditorRegistry editors = [this] {
    TEditorRegistry r;
    for (const TEditor e : {TEditor::InputDetail, TEditor::OutputInform, TEditor::OutputDetail,
                            TEditor::FunctionBlocks}) {
      r.Register(e, [this](const TEditorRequest& request) {
        opened.push_back(request);
        return kModalOk;
      });
    }
    return r;
  }();
  TFormPrgDController prgd{session, forms, windows, editors};
};

}  // namespace lur::test
