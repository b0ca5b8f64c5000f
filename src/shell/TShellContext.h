#pragma once
// What the shell's operations work with: the session every editor has (the
// tables, the link, the user, where requests go) plus the main window's
// state and its two refreshes.
#include <functional>
#include <utility>

#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "shell/TMainState.h"

namespace lur {

struct TShellContext : TSession {
  TShellContext(TConfiguration& config, TComPortClass& link, TUserInterface& ui, TMainState& state,
                std::function<void()> refreshView, std::function<void()> refreshUnits)
      : TSession{config, link, ui, servAddressing_},
        state(state),
        refreshView(std::move(refreshView)),
        refreshUnits(std::move(refreshUnits)),
        servAddressing_(config.Serv) {}
  // The session refers to this object's own addressing.
  TShellContext(const TShellContext&) = delete;
  TShellContext& operator=(const TShellContext&) = delete;

  TMainState& state;
  // RefreshView of the main window: device panel and module table from the
  // tables (shows the control-loop-module warning where due).
  std::function<void()> refreshView;
  // The units list refresh: fills state.units from the table, selects 0.
  std::function<void()> refreshUnits;

 private:
  TServAddressing servAddressing_;
};

}  // namespace lur
