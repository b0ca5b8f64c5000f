#pragma once
// What the shell's operations work with: the tables, the link, the user and
// the main window's state, plus the two refreshes of the main window.
#include <functional>

#include "model/TConfiguration.h"
#include "session/TServAddressing.h"
#include "shell/TMainState.h"

namespace lur {

class TComPortClass;
class TUserInterface;

struct TShellContext {
  TConfiguration& config;
  TComPortClass& link;
  TUserInterface& ui;
  TMainState& state;
  // RefreshView of the main window: device panel and module table from the
  // tables (shows the control-loop-module warning where due).
  std::function<void()> refreshView;
  // The units list refresh: fills state.units from the table, selects 0.
  std::function<void()> refreshUnits;
};

}  // namespace lur
