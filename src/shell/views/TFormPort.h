#pragma once
// The port settings dialog's view over TFormPortController.
#include <QDialog>

class QComboBox;

namespace lur {

class TFormPortController;

class TFormPort : public QDialog {
  Q_OBJECT
 public:
  // onExchange runs when "Настройка обмена" is pressed.
  TFormPort(TFormPortController& form, std::function<void()> onExchange, QWidget* parent = nullptr);
  // Shows the controller's state and runs modally; the result is the
  // controller's (Ok, Invalid) or Cancel when the window is closed.
  int ExecForm();

  static constexpr int kInvalid = 100;

 private:
  void OKClick();
  void Show();

  TFormPortController& form_;
  QComboBox* port_;
  QComboBox* speed_;
  QComboBox* parity_;
  QComboBox* stop_;
};

}  // namespace lur
