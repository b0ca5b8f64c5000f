#pragma once
// The input identifier dialog's view over TFormCreatVhController: the text,
// the own-input and network-input pages with their numeric fields and
// up-downs, the contact type and archiving. The controller holds every
// value and range; the view shows them after each user action.
#include <QDialog>
#include <functional>

class QCheckBox;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace lur {

class TFormCreatVhController;
class TQtUpDown;
class TUserInterface;

class TFormCreatVh : public QDialog {
  Q_OBJECT
 public:
  TFormCreatVh(TFormCreatVhController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormCreatVhController& Form() const { return form_; }
  int ExecForm();  // kModalOk

  void reject() override;  // the close box and Escape close like OK

 private:
  // Shows the controller's values; `typing` keeps the text of the field the
  // user is typing in.
  void Show(QLineEdit* typing = nullptr);
  // A numeric field and its up-down: typed numbers and arrow steps go to
  // `set`, held inside the controller's range.
  QLineEdit* NumberField(const char* edit, const char* upDown, std::function<void(int)> set,
                         std::function<int()> value, TQtUpDown** upDownOut, TUserInterface& ui,
                         QWidget* parent);
  void ShowNumber(QLineEdit* edit, TQtUpDown* upDown, int value, int maximum, QLineEdit* typing);

  TFormCreatVhController& form_;
  QLabel* labNVh_;
  QLabel* labN_;
  QLineEdit* editText_;
  QTabWidget* pages_;
  QComboBox* kind_;
  QLineEdit* module_;
  TQtUpDown* upDown1_ = nullptr;
  QLineEdit* input_;
  TQtUpDown* upDown2_ = nullptr;
  QComboBox* limit_;
  QComboBox* netKind_;
  QLineEdit* block_;
  TQtUpDown* upDown3_ = nullptr;
  QLineEdit* reg_;
  TQtUpDown* upDown4_ = nullptr;
  QComboBox* netLimit_;
  QLabel* labTipSlave_;
  QLabel* labAdrSlave_;
  QButtonGroup* tipK_;
  QCheckBox* arh_;
};

}  // namespace lur
