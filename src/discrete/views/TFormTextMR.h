#pragma once
// The output text dialog's view over TFormTextMRController: one text field
// of at most 14 characters with a Windows-1251 form. OK, the close box and a
// click on the background close it.
#include <QDialog>

class QLabel;
class QLineEdit;

namespace lur {

class TFormTextMRController;
class TUserInterface;

class TFormTextMR : public QDialog {
  Q_OBJECT
 public:
  TFormTextMR(TFormTextMRController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormTextMRController& Form() const { return form_; }
  // Shows the dialog for the output the controller was preset to; kModalOk.
  int ExecForm();

  void reject() override;  // the close box and Escape close like OK

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void Show();
  void CloseForm();

  TFormTextMRController& form_;
  QLabel* label2_;
  QLineEdit* editText_;
};

}  // namespace lur
