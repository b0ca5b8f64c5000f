#pragma once
// What the main window shows besides the tables: the device panel, the file
// label and which controls are enabled. The shell's operations change it; the
// window's view draws it after each operation.
#include <map>
#include <string>
#include <vector>

namespace lur {

// The controls a complete read, open or new configuration enables.
inline const std::vector<std::string>& EditorButtons() {
  static const std::vector<std::string> names = {"InformBut", "InformButMR", "ButProgDiskr", "ButTimeDate", "LocalNet1",
                                                 "LocNet15",  "ButRazm",     "ButDefault",   "LocNetObm"};
  return names;
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

  // Enabled state of named controls (EditorButtons(), "GBoxRazm", "AParol").
  std::map<std::string, bool> enabled;
  bool IsEnabled(const std::string& name) const {
    const auto it = enabled.find(name);
    return it != enabled.end() && it->second;
  }
  void Enable(const std::vector<std::string>& names, bool on) {
    for (const auto& n : names) enabled[n] = on;
  }

  // Units list (CBoxRazmChange): entries as shown, and the selected one.
  std::vector<std::string> units;
  int unitIndex = 0;

  // The file name last opened or saved, offered again by the file dialogs.
  std::string fileName;
};

}  // namespace lur
