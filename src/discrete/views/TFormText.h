#pragma once
// The text dialog's view over TFormTextController: one text field of at
// most 14 characters with a Windows-1251 form. OK, the close box and a
// click on the background close it.
#include <QDialog>

class QLabel;
class QLineEdit;

namespace lur {

class TFormTextController;
class TUserInterface;

class TFormText : public QDialog {
  Q_OBJECT
 public:
  TFormText(TFormTextController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormTextController& Form() const { return form_; }
  int ExecForm();  // kModalOk

  void reject() override;  // the close box and Escape close like OK

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void Show();
  void CloseForm();

  TFormTextController& form_;
  QLabel* label2_;
  QLineEdit* editText_;
};

}  // namespace lur
