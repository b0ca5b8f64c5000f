#include "shell/views/TQtSettingsDialogs.h"

namespace lur {

TQtSettingsDialogs::~TQtSettingsDialogs() {
  delete port_.window;
  delete nastr_.window;
}

int TQtSettingsDialogs::PortModal::ShowModal(TFormPortController& form) {
  if (!window) {
    window = new TFormPort(form, [this] {
      if (owner.flow_) owner.flow_->NastrObmClick();
    }, owner.parent_);
  }
  const int r = window->ExecForm();
  if (r == QDialog::Accepted) return kModalOk;
  return r == TFormPort::kInvalid ? kModalError : kModalCancel;
}

int TQtSettingsDialogs::NastrModal::ShowModal(TFormNastrController& form) {
  if (!window) window = new TFormNastr(form, owner.parent_);
  return window->ExecForm() == QDialog::Accepted ? kModalOk : kModalCancel;
}

}  // namespace lur
