#pragma once
// What the main window shows besides the tables: the device panel, the file
// label and which controls are enabled. The shell's operations change it; the
// window's view draws it after each operation.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "session/TControlStates.h"

namespace lur {

// The main window's controls whose enabled state the operations decide.
enum class TForm1Control : std::uint8_t {
  InformBut,
  InformButMR,
  ButProgDiskr,
  ButTimeDate,
  LocalNet1,
  LocNet15,
  ButRazm,
  ButDefault,
  LocNetObm,
  GBoxRazm,
  MParol,
  Count
};

// The control's objectName.
constexpr std::string_view ControlName(TForm1Control control) {
  constexpr std::string_view names[] = {"InformBut", "InformButMR", "ButProgDiskr", "ButTimeDate",
                                        "LocalNet1", "LocNet15",    "ButRazm",      "ButDefault",
                                        "LocNetObm", "GBoxRazm",    "MParol"};
  static_assert(std::size(names) == static_cast<std::size_t>(TForm1Control::Count));
  return names[static_cast<std::size_t>(control)];
}

// The controls a complete read, open or new configuration enables.
inline const std::vector<TForm1Control>& EditorButtons() {
  using C = TForm1Control;
  static const std::vector<C> controls = {C::InformBut, C::InformButMR, C::ButProgDiskr,
                                          C::ButTimeDate, C::LocalNet1, C::LocNet15,
                                          C::ButRazm,     C::ButDefault, C::LocNetObm};
  return controls;
}

struct TModuleRow {
  std::string caption;        // M1..M8
  std::string code;           // KM1..KM8
  std::string inputs;         // IdVh1..
  std::string outputs;        // IdVyh1..
  std::string buttonCaption;  // Prg1..
  bool buttonEnabled = false;
};

struct TMainState {
  // Device panel.
  int ustr = 1;   // the number shown in CBoxUstr (requests go to it)
  int ustrZ = 1;  // the number shown in CBoxUstrZ (the configured number)
  std::string editModif = "00000000";
  std::string tipModInd;
  std::string stLUR;
  bool labelFileVisible = false;
  std::string labelFile;

  // Configuration group counts (decimal texts when a configuration is shown).
  std::string stKVhA, stKVhD, stAllD, stKVyhS, stAllAn;

  // Module table, one row per slot.
  std::vector<TModuleRow> rows = std::vector<TModuleRow>(8);
  bool hasType14 = false;  // a control loop module is present
  bool hasType10 = false;  // a discrete-signal module is present

  // Enabled state of the controls the operations decide.
  TControlStates<TForm1Control> enabled;
  bool IsEnabled(TForm1Control control) const { return enabled.IsEnabled(control); }
  void Enable(TForm1Control control, bool on) { enabled.Enable(control, on); }
  void Enable(std::initializer_list<TForm1Control> controls, bool on) { enabled.Enable(controls, on); }
  void Enable(const std::vector<TForm1Control>& controls, bool on) { enabled.Enable(controls, on); }

  // Units list (CBoxRazmChange): entries as shown, and the selected one.
  std::vector<std::string> units;
  int unitIndex = 0;

  // The file name last opened or saved, offered again by the file dialogs.
  std::string fileName;
};

}  // namespace lur
