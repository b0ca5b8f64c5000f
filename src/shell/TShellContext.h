#pragma once
// What the shell's operations work with: the tables, the link, the user and
// the main window's state, plus the two refreshes of the main window.
#include <functional>

#include "link/TPageWriter.h"
#include "shell/TConfiguration.h"
#include "shell/TMainState.h"

namespace lur {

class TComPortClass;
class TUserInterface;

// Requests go to the service record's addressing index; after a page write
// they go to its configured device.
class TServAddressing : public TDeviceAddressing {
 public:
  explicit TServAddressing(TServClass& serv) : serv_(serv) {}
  int AddressIndex() const override { return serv_.GetAddressIndex(); }
  void SetAddressIndex(int index) override { serv_.SetAddressIndex(index); }
  int DeviceIndex() const override { return serv_.GetDeviceIndex(); }

 private:
  TServClass& serv_;
};

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
