#pragma once
// The signalling dialog's view over TFormSigController: the type as four
// radio buttons, the light-board cell as a two-digit field. OK, the close
// box and a click on the background all close it.
#include <QDialog>

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace lur {

class TFormSigController;
class TUserInterface;

class TFormSig : public QDialog {
  Q_OBJECT
 public:
  TFormSig(TFormSigController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormSigController& Form() const { return form_; }
  int ExecForm();  // kModalOk

  void reject() override;  // the close box and Escape close like OK

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void Show();
  void CloseForm();

  TFormSigController& form_;
  QLabel* labNVh_;
  QLabel* label2_;
  QButtonGroup* types_;
  QLineEdit* edit1_;
};

}  // namespace lur
