#include "shell/views/TQtSettingsDialogs.h"

#include "shell/views/TFormNastr.h"
#include "shell/views/TFormPort.h"

namespace lur {

TQtSettingsDialogs::~TQtSettingsDialogs() {
  delete port_;
  delete nastr_;
}

DialogResult TQtSettingsDialogs::ExecPort(TFormPortController& form) {
  if (!port_) {
    port_ = new TFormPort(form, [this] {
      if (flow_) flow_->NastrObmClick();
    }, parent_);
  }
  const int r = port_->ExecForm();
  if (r == QDialog::Accepted) return DialogResult::Ok;
  return r == TFormPort::kInvalid ? DialogResult::Invalid : DialogResult::Cancel;
}

DialogResult TQtSettingsDialogs::ExecNastr(TFormNastrController& form) {
  if (!nastr_) nastr_ = new TFormNastr(form, parent_);
  return nastr_->ExecForm() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace lur
