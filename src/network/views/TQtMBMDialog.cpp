#include "network/views/TQtMBMDialog.h"

#include "session/TSession.h"

namespace lur {

TQtMBMDialog::TQtMBMDialog(TSession& session, TMBMWindows windows, QWidget* parent)
    : form_(session, windows),
      window_([&ui = session.ui](TFormMBMController& form,
                                 QWidget* owner) { return new TFormMBM(form, ui, owner); },
              parent),
      dialog_(form_, window_) {}

}  // namespace lur
