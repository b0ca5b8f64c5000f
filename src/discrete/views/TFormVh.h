#pragma once
// The number dialog's view over TFormVhController: three groups of which
// the controller's group is shown. OK and the close box validate and stay
// open on a refusal (the inline marker `ErrorText` or the controller's box);
// "Отмена" and Escape cancel.
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;

namespace lur {

class TFormVhController;
class TUserInterface;

class TFormVh : public QDialog {
  Q_OBJECT
 public:
  TFormVh(TFormVhController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormVhController& Form() const { return form_; }
  // kModalOk after a valid entry, kModalCancel otherwise.
  int ExecForm();

  void reject() override;  // Escape: cancel

 protected:
  void closeEvent(QCloseEvent* event) override;  // the close box: as OK

 private:
  void Show();
  bool OKClick();  // true when the dialog closed

  TFormVhController& form_;
  QGroupBox* groups_[3];
  QLineEdit* editNVh_;
  QLabel* labName_;
  QLineEdit* edit1_;
  QLineEdit* edit2_;
  QLineEdit* edit3_;
};

}  // namespace lur
