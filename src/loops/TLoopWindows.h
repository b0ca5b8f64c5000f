#pragma once
// The windows the regulator editor opens, as seams: the program shows its Qt
// windows through them, tests answer from a script. A window left null is not
// offered (its commands stay disabled).
#include <optional>

#include "loops/LoopAssembly.h"

namespace lur {

// What the editor asks of the loop dialog.
struct TLoopDialogRequest {
  int mode = 0;     // EditMode: 0 creates a loop, 1 programs the current one
  TLoopSlot slot;   // create: the numbers NewLoopSlot gave
  int record = -1;  // program: the loop's main regulator record (CurReg)
};

// "Программирование контура регулирования": reset, filled for the request,
// shown modally. Filling is no change: the editor saved RegModified in
// RegModifiedSave before the call, and the dialog puts it back before it
// shows; what the user changes marks the table even when cancelled. The
// dialog stores nothing: the editor stores the values it returns.
class TLoopDialog {
 public:
  virtual ~TLoopDialog() = default;
  // The checked values after OK; nullopt after Cancel or the close box.
  virtual std::optional<TLoopValues> Program(const TLoopDialogRequest& request) = 0;
};

// "Режим on line" for one loop of the current map (0-based), until closed.
class TLoopOnLineWindow {
 public:
  virtual ~TLoopOnLineWindow() = default;
  virtual void Show(int loop) = 0;
};

struct TLoopWindows {
  TLoopDialog* dialog = nullptr;
  TLoopOnLineWindow* onLine = nullptr;
};

}  // namespace lur
