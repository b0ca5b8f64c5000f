#include "loops/views/TQtRegOnLineWindow.h"

#include <memory>

#include "loops/TFormRegOnLineController.h"
#include "loops/views/TFormRegOnLine.h"
#include "session/TSession.h"
#include "ui/TQtUserInterface.h"

namespace lur {

TQtRegOnLineWindow::TQtRegOnLineWindow(TSession& session, QWidget* editor)
    : session_(session), editor_(editor) {}

TQtRegOnLineWindow::~TQtRegOnLineWindow() = default;

void TQtRegOnLineWindow::Show(int loop) {
  TFormRegOnLineController form(session_);
  if (!form.Open(loop)) return;
  form.AttachTimer(timer_);
  TFormRegOnLine window(form, editor_);
  const int top = editor_ ? editor_->geometry().top() : 0;
  window.setGeometry(kLeft, top, window.WidthFor(), TFormRegOnLine::kHeight);
  // Boxes of the window's failures stand over it.
  auto* qtUi = dynamic_cast<TQtUserInterface*>(&session_.ui);
  if (qtUi) qtUi->SetParent(&window);
  window_ = &window;
  window.ExecForm();
  window_ = nullptr;
  if (qtUi) qtUi->SetParent(editor_);
}

}  // namespace lur
