#pragma once
// The function block programming dialog's view over TFormCreatFBController:
// the controls by their names, each shown from the controller's state after
// every handler. OK and the close box run the checks and stay open on a
// refusal (the inline marker `ErrorText` at the field); "Отмена" and Escape
// cancel.
#include <QDialog>
#include <array>
#include <map>

#include "ui/FieldKeys.h"

#include "fb/TFormCreatFBController.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace lur {

class TUserInterface;

class TFormCreatFB : public QDialog {
  Q_OBJECT
 public:
  TFormCreatFB(TFormCreatFBController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormCreatFBController& Form() const { return form_; }
  // Shows the controller's state modally; kModalOk or kModalCancel.
  int ExecForm();

  void reject() override;  // Escape: cancel

 protected:
  void closeEvent(QCloseEvent* event) override;  // the close box: as OK
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A radio group of `items` whose clicks go to `click`.
  // A radio group of `items` showing the controller's `value`, its clicks
  // going to `click`.
  QGroupBox* RadioGroup(TCreatFBControl control, const QString& title, const char* const* items, int count,
                        int TFormCreatFBController::*value, void (TFormCreatFBController::*click)(int),
                        QWidget* parent);
  QComboBox* List(TCreatFBControl control, const char* const* items, int count, QWidget* parent);
  QLineEdit* Field(TCreatFBControl control, TFieldKind kind, int maxLength, QWidget* parent);
  void Show();  // every control from the controller
  static void ShowChoice(QButtonGroup* group, int item);
  bool OKClick();  // true when the dialog closed

  TFormCreatFBController& form_;
  TUserInterface& ui_;
  QLineEdit* editNFB_;
  QLabel* labCreatProg_;
  QToolButton* sbVkl_;
  std::array<QLabel*, TFormCreatFBController::kRows> labRS_{};
  std::map<TCreatFBControl, QWidget*> controls_;
  std::map<TCreatFBControl, QLineEdit*> fields_;
  std::map<TCreatFBControl, QComboBox*> lists_;
  struct Radio {
    QButtonGroup* group;
    int TFormCreatFBController::*value;
  };
  std::map<TCreatFBControl, Radio> radios_;
};

}  // namespace lur
