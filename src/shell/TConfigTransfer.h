#pragma once
// The main window's transfers of the whole configuration: F9 reads it from
// the controller, F10 writes it, and the device number chosen in CBoxUstr
// says which controller both talk to. No widgets: the window calls these and
// draws TMainState afterwards.
#include "shell/TShellContext.h"
#include "shell/TWriteRecord.h"

namespace lur {

class TConfigTransfer {
 public:
  explicit TConfigTransfer(TShellContext& context) : ctx_(context) {}

  // AInPort (F9). True when every page was read; the configuration then
  // replaces the one in memory (controller mode, editors enabled, view and
  // units refreshed). A read that stops on a failure reports it once and
  // leaves memory, mode and window as they were.
  bool InPortButClick();

  // AOutPort (F10). True when every page was written and confirmed. Refused
  // without full access; the configuration in memory is unchanged afterwards
  // whatever happens (only its reserve copies follow what was sent).
  bool OutPortClick();
  // What the last OutPortClick sent and the controller confirmed.
  const TWriteRecord& LastWrite() const { return lastWrite_; }

  // Choosing number 1..31 in CBoxUstr: requests go to that controller and it
  // is the configuration's own device number (shown in CBoxUstrZ too), so a
  // write goes to the controller the user addressed. Nothing is sent. False,
  // and nothing changed, for a number outside 1..31.
  bool CBoxUstrClick(int number);

 private:
  TShellContext& ctx_;
  TWriteRecord lastWrite_;
};

}  // namespace lur
