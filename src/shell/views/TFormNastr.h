#pragma once
// The exchange settings dialog's view over TFormNastrController. Only the
// request delay row and OK are shown; the hidden controls still carry values.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace lur {

class TFormNastrController;

class TFormNastr : public QDialog {
  Q_OBJECT
 public:
  explicit TFormNastr(TFormNastrController& form, QWidget* parent = nullptr);
  int ExecForm();

 private:
  void Show();
  void Sync();

  TFormNastrController& form_;
  QLineEdit* edit1_;
  QLineEdit* edit2_;
  QComboBox* povt1_;
  QComboBox* povt2_;
  QComboBox* interval_;
  QCheckBox* verify_;
};

}  // namespace lur
