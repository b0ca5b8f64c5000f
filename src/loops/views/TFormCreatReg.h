#pragma once
// The loop programming dialog's view over TFormCreatRegController: the
// controls by their names, each shown from the controller's state after
// every handler. OK runs the checks and stays open on a refusal (the inline
// marker `ErrorText` below the field); "Отмена", Escape and the close box
// cancel.
#include <QDialog>
#include <map>

#include "loops/TFormCreatRegController.h"
#include "ui/FieldKeys.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lur {

class TUserInterface;

class TFormCreatReg : public QDialog {
  Q_OBJECT
 public:
  TFormCreatReg(TFormCreatRegController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormCreatRegController& Form() const { return form_; }
  // Shows the controller's state modally; kModalOk or kModalCancel.
  int ExecForm();

  void reject() override;  // Escape: cancel

 protected:
  void closeEvent(QCloseEvent* event) override;  // the close box: cancel
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using F = TCreatRegField;
  // A field with its caption in a grid row; read-only fields take no typing.
  QLineEdit* Field(F field, const QString& caption, int maxLength, QGridLayout* grid, int row, int column,
                   QWidget* parent);
  QLabel* Label(const char* name, const QString& text, QWidget* parent);
  QComboBox* List(const char* name, const char* const* items, int count, QWidget* parent);
  QGroupBox* Group(TCreatRegControl control, const QString& title);
  void Show();  // every control from the controller
  void Run(void (TFormCreatRegController::*handler)());
  void OKClick();

  TFormCreatRegController& form_;
  TUserInterface& ui_;
  std::map<F, QLineEdit*> fields_;
  std::map<TCreatRegControl, QWidget*> controls_;
  QLabel* labCreatProg_ = nullptr;
  QLabel* labAdOUT_ = nullptr;
  QLabel* labInf1_ = nullptr;
  QLabel* labInf_ = nullptr;
  QLabel* labInf2_ = nullptr;
  QLabel* labInf3_ = nullptr;
  QComboBox* cBoxTReg_ = nullptr;
  QComboBox* cBoxTOut_ = nullptr;
  QComboBox* cBoxTOut1_ = nullptr;
  QComboBox* razm1_ = nullptr;
  QComboBox* razm2_ = nullptr;
  bool showing_ = false;  // Show() moves the focus; what that fires waits
};

}  // namespace lur
