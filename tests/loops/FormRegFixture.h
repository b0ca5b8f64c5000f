#pragma once
// The regulator editor's controller over the simulated controller on virtual
// time, for its GoogleTest and its offscreen window test: a controller with
// a regulator module in slot 4 (modules 1, 7, 3, 14) holding three loops,
// the loop dialog answered by a script and an on-line window that records
// what it was asked to show.
#include <array>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

#include "link/TComPortClass.h"
#include "loops/TFormRegController.h"
#include "model/TConfiguration.h"
#include "session/TEditorRegistry.h"
#include "session/TServAddressing.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {

constexpr std::uint8_t kLoopPageRead = 0x44;
constexpr std::uint8_t kLoopPageWrite = 0x45;

class ScriptedLoopDialog : public TLoopDialog {
 public:
  // What the user does and answers; nothing set is a cancelled dialog.
  std::function<std::optional<TLoopValues>(const TLoopDialogRequest&)> user;
  std::vector<TLoopDialogRequest> requests;
  std::optional<TLoopValues> Program(const TLoopDialogRequest& request) override {
    requests.push_back(request);
    return user ? user(request) : std::nullopt;
  }
};

class RecordingOnLine : public TLoopOnLineWindow {
 public:
  std::vector<int> shown;
  void Show(int loop) override { shown.push_back(loop); }
};

// Record 0 a single loop on signal 1 driving DAC 1; 1 a cascade's outer
// regulator on signal 2 driving record 2, which is its inner regulator on
// signal 3 driving DAC 2; 3 a loop on signal 4 with setter 0, DAC 3.
inline TProgRegClass ThreeLoops() {
  TProgRegClass reg;
  const std::array<std::array<int, 3>, 4> records = {{{1, 1, 0}, {2, 1, 10}, {3, 9, 1}, {4, 16, 2}}};
  for (int r = 0; r < 4; ++r) {
    reg.SetAnVh(r, records[static_cast<std::size_t>(r)][0]);
    reg.SetTReg(r, records[static_cast<std::size_t>(r)][1]);
    reg.SetAdOUT(r, records[static_cast<std::size_t>(r)][2]);
    reg.SetKp(r, std::to_string(r + 1));
    reg.SetTi(r, "3000");
    reg.SetOH(r, "100");
  }
  reg.SetAReg(0, 4);
  for (int k = 0; k < TProgRegClass::kPoints; ++k) {
    reg.SetTimePZ(0, k, static_cast<std::uint16_t>(60 * (k + 1)));
    reg.SetValPZ(0, k, static_cast<std::int16_t>(1000 * k));
  }
  return reg;
}

inline std::vector<std::uint8_t> RegulatorPage(const TProgRegClass& reg) {
  const auto block = reg.GetFileBlock();
  return {block.begin(), block.begin() + TProgRegClass::kPageSize};
}
inline std::vector<std::uint8_t> SetterPage(const TProgRegClass& reg) {
  const auto block = reg.GetFileBlock();
  return {block.begin() + TProgRegClass::kPageSize, block.end()};
}

inline sim::SimOptions RegulatorController() {
  sim::SimOptions o;
  o.modules = {1, 7, 3, 14, 0, 0, 0, 0};
  return o;
}

// Values of the loop dialog after OK for a loop of each kind.
inline TLoopValues SingleLoop(int regulator, int anVh, int dac) {
  TLoopValues v;
  v.kind = TProgRegClass::kKindSingle;
  v.regulator = regulator;
  v.anVh = anVh;
  v.output = dac;
  v.params = {"2,5", "120", "0", "10", "90", "50"};
  return v;
}
inline TLoopValues SetterLoop(int regulator, int setter, int anVh, int dac) {
  TLoopValues v = SingleLoop(regulator, anVh, dac);
  v.kind = TProgRegClass::kKindSetter;
  v.setter = setter;
  v.aReg = regulator;
  v.times = {10, 20, 30, 40, 50, 60};
  v.values = {0, 20, 40, 60, 80, 100};
  return v;
}
inline TLoopValues Cascade(int regulator, int anVh, int innerAnVh, int innerDac) {
  TLoopValues v = SingleLoop(regulator, anVh, regulator + 1);
  v.kind = TProgRegClass::kKindCascade;
  v.direction = 1;
  v.innerAnVh = innerAnVh;
  v.innerOutput = innerDac;
  v.innerParams = {"1", "60", "0", "0", "100", "0"};
  return v;
}

struct LoopEditorFixture {
  explicit LoopEditorFixture(const sim::SimOptions& options = RegulatorController(), bool withWindows = true)
      : line(clock, options,
             [](sim::PageStore& pages) {
               const TProgRegClass device = ThreeLoops();
               pages.Put(TProgRegClass::RegPage, RegulatorPage(device));
               pages.Put(TProgRegClass::PZPage, SetterPage(device));
             }),
        editor(session, editors, withWindows ? TLoopWindows{&dialog, &onLine} : TLoopWindows{}) {
    link.PortName = "COM1";
    TServClass::Identity id{};
    for (std::size_t s = 0; s < options.modules.size(); ++s) id[1 + s] = options.modules[s];
    id[TServClass::kIdProcessedDiscrete] = 12;
    id[TServClass::kIdProcessedAnalog] = 6;
    if (!config.Serv.SetIdentityFromBytes(id)) throw std::logic_error("identity refused");
    config.Serv.MakeDefaultInputIds();
    config.Lur.FullAccess = 1;
    // Signal n (1..6) of the analog module has the scale 0 .. 100 n.
    for (int c = 0; c < 6; ++c) {
      config.MBA.SetMinSkText("0", 0, c);
      config.MBA.SetMaxSkText(std::to_string(100 * (c + 1)), 0, c);
    }
    editor.FormCreate();
  }

  // The file mode of an opened configuration whose loops are the device's.
  void OpenAsFile() {
    config.Serv.FileMode = 1;
    config.Reg.PutFileBlock(ThreeLoops().GetFileBlock());
    config.Reserv.ResReg = config.Reg.GetFileBlock();
  }
  std::vector<int> PagesOf(std::uint8_t function) const {
    std::vector<int> pages;
    for (const auto& r : line.requests) {
      if (r.function == function) pages.push_back(r.page);
    }
    return pages;
  }
  TProgRegClass::FileBlock Memory() const { return config.Reg.GetFileBlock(); }

  VirtualClock clock;
  SimPort line;
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};
  ScriptedLoopDialog dialog;
  RecordingOnLine onLine;
  TEditorRegistry editors;
  TFormRegController editor;
};

}  // namespace lur::test
