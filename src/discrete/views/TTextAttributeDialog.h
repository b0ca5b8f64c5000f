#pragma once
// The view the input and the output text dialogs share: the number label
// with the controller's label beside it, one text field of at most 14
// characters with a Windows-1251 form, and OK. OK, the close box, Escape and
// a click on the background all close it, and the text applies however it
// closed.
#include <QDialog>

class QLabel;
class QLineEdit;

namespace lur {

class TTextAttributeController;
class TUserInterface;

// The names and texts that tell the two dialogs apart.
struct TTextDialogNames {
  const char* objectName;
  const char* caption;
  const char* numberLabel;      // objectName of the number's heading
  const char* numberLabelText;  // its text
};

class TTextAttributeDialog : public QDialog {
  Q_OBJECT
 public:
  TTextAttributeDialog(TTextAttributeController& form, TUserInterface& ui, const TTextDialogNames& names,
                       QWidget* parent);
  int ExecForm();  // kModalOk

  void reject() override;

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void Show();
  void CloseForm();

  TTextAttributeController& form_;
  QLabel* label2_;
  QLineEdit* editText_;
};

}  // namespace lur
