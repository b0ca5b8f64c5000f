#include "network/views/TQtScalingWindow.h"

#include "session/TSession.h"

namespace lur {

TQtScalingWindow::TQtScalingWindow(TSession& session, TReportPrinter* printer, QWidget* parent)
    : form_(session, printer),
      window_([&ui = session.ui](TFormR_MBMController& form,
                                 QWidget* owner) { return new TFormR_MBM(form, ui, owner); },
              parent) {}

void TQtScalingWindow::Show(int block) {
  form_.Open(block);
  window_.ShowModal(form_);
}

}  // namespace lur
