#pragma once
// The range dialog's view over TFormVhLocController: `Edit1`, `Edit2` (ten
// digits, the integer key filter, Enter to the next control), `OK` and the
// inline marker `ErrorText`. It has no close box and Escape does nothing: it
// ends only through OK with values the checks take.
#include <QDialog>

#include "network/TFormVhLocController.h"

class QLineEdit;

namespace lur {

class TUserInterface;

class TFormVhLoc : public QDialog {
  Q_OBJECT
 public:
  TFormVhLoc(TFormVhLocController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormVhLocController& Form() const { return form_; }
  // Shows the controller's texts modally; kModalOk once OK was taken.
  int ExecForm();
  void reject() override;  // Escape: nothing

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void OKClick();

  TFormVhLocController& form_;
  QLineEdit* edit1_ = nullptr;
  QLineEdit* edit2_ = nullptr;
  bool accepted_ = false;
};

}  // namespace lur
