#pragma once
// The network input detail's view over TFormInfNetAnController: display
// only, the scaling group shown for analog values, OK closes it.
#include <QDialog>

#include "live/views/DetailFields.h"

class QGroupBox;
class QLabel;

namespace lur {

class TFormInfNetAnController;

class TFormInfNetAn : public QDialog {
  Q_OBJECT
 public:
  explicit TFormInfNetAn(TFormInfNetAnController& form, QWidget* parent = nullptr);
  // Shows what the controller holds, then runs modally.
  int ExecForm();

 private:
  void Show();

  TFormInfNetAnController& form_;
  QLabel* label2_;
  QLabel* labNMod_;
  QLabel* labAdrSlave_;
  QLabel* labTUst_;
  QLabel* label1_;
  QLabel* labTextRecv_;
  QGroupBox* groupBox1_;
  TScaleFields scale_;
};

}  // namespace lur
