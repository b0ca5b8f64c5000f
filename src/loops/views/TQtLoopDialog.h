#pragma once
// The loop programming dialog as the program runs it: its controller, its
// Qt window and the adapter the regulator editor asks through, made once for
// the run.
#include "loops/TCreatRegLoopDialog.h"
#include "loops/TFormCreatRegController.h"
#include "loops/views/TFormCreatRegWindow.h"

class QWidget;

namespace lur {

struct TSession;
class TEditorRegistry;

class TQtLoopDialog {
 public:
  // The dialog belongs to `parent` (the regulator editor's window); the
  // session and the registry must outlive this.
  TQtLoopDialog(TSession& session, const TEditorRegistry& editors, QWidget* parent);
  TQtLoopDialog(const TQtLoopDialog&) = delete;
  TQtLoopDialog& operator=(const TQtLoopDialog&) = delete;

  // What the editor's TLoopWindows::dialog points at.
  TLoopDialog& Dialog() { return dialog_; }
  TFormCreatRegController& Form() { return form_; }
  TFormCreatRegWindow& Window() { return window_; }
  // The owner of the dialog, once the editor's window exists.
  void SetParent(QWidget* parent) { window_.SetParent(parent); }

 private:
  TFormCreatRegController form_;
  TFormCreatRegWindow window_;
  TCreatRegLoopDialog dialog_;
};

}  // namespace lur
