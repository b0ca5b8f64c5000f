#pragma once
// The calculation block dialog's view over TFormFBCalcController: the 24
// integrator channels with the hour, the operation and the arithmetic
// block's fields, each control by its name and shown from the controller
// after every handler. Leaving a field runs its check; OK and the close box
// run the checks on closing and stay open on a refusal (the inline marker
// `ErrorText` at the field); "Отмена" and Escape cancel.
#include <QDialog>
#include <map>

#include "fb/TFormFBCalcController.h"
#include "ui/FieldKeys.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;

namespace lur {

class TUserInterface;

class TFormFBCalc : public QDialog {
  Q_OBJECT
 public:
  TFormFBCalc(TFormFBCalcController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormFBCalcController& Form() const { return form_; }
  // Shows the controller's state modally; kModalOk or kModalCancel.
  int ExecForm();

  void reject() override;  // Escape: cancel

 protected:
  void closeEvent(QCloseEvent* event) override;  // the close box: as OK
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* Field(TFBCalcControl control, TFieldKind kind, int maxLength, QWidget* parent);
  QComboBox* List(TFBCalcControl control, QWidget* parent);
  void Show();     // every control from the controller
  bool OKClick();  // true when the dialog closed
  void Spin(bool up);

  TFormFBCalcController& form_;
  TUserInterface& ui_;
  QLabel* labCreatProg_;
  QLabel* labNFB1_;
  QLabel* labNFB2_;
  QLabel* labNFB3_;
  QButtonGroup* radioGroup1_;
  std::map<TFBCalcControl, QWidget*> controls_;
  std::map<TFBCalcControl, QLineEdit*> fields_;
  std::map<QObject*, TFBCalcControl> leaving_;  // fields whose leaving is checked
  std::map<TFBCalcControl, QComboBox*> lists_;
  bool busy_ = false;
};

}  // namespace lur
