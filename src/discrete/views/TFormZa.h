#pragma once
// The delay dialog's view over TFormZaController: the discreteness and the
// time as two-digit fields. OK and the close box close it.
#include <QDialog>

class QLabel;
class QLineEdit;

namespace lur {

class TFormZaController;
class TUserInterface;

class TFormZa : public QDialog {
  Q_OBJECT
 public:
  TFormZa(TFormZaController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormZaController& Form() const { return form_; }
  int ExecForm();  // kModalOk

  void reject() override;  // the close box and Escape close like OK

 private:
  void Show();
  void CloseForm();

  TFormZaController& form_;
  QLabel* label2_;
  QLineEdit* editDiskr_;
  QLineEdit* editT_;
};

}  // namespace lur
