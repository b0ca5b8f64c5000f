#pragma once
// The regulator editor as the program runs it: its controller and window,
// made once for the run and registered with the editor registry, so the
// "программ." button of a regulator module's row opens it. The loop dialog
// and the on-line window come in through TLoopWindows (null ones leave
// their commands off). While the editor is open the user's boxes and the
// transfers' progress bar are on its window.
#include <QPointer>

#include "loops/TFormRegController.h"
#include "loops/views/TFormReg.h"

class QWidget;

namespace lur {

class TQtUserInterface;

class TQtLoopEditor {
 public:
  // Everything given must outlive this; `parent` owns the window.
  TQtLoopEditor(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui, TLoopWindows windows,
                QWidget* parent);
  ~TQtLoopEditor();
  TQtLoopEditor(const TQtLoopEditor&) = delete;
  TQtLoopEditor& operator=(const TQtLoopEditor&) = delete;

  // Registers the editor as TEditor::Regulator.
  void Register();
  // Shows the editor modally; kModalOk.
  int Open();

  TFormRegController& Form() { return form_; }
  TFormReg* Window() const { return window_; }

 private:
  TEditorRegistry& editors_;
  TQtUserInterface& ui_;
  TFormRegController form_;
  QPointer<TFormReg> window_;
};

}  // namespace lur
