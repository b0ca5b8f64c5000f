#pragma once
// The analog input detail's view over TFormInfAnController: display only,
// OK closes it.
#include <QDialog>

#include "live/views/DetailFields.h"

class QLabel;

namespace lur {

class TFormInfAnController;

class TFormInfAn : public QDialog {
  Q_OBJECT
 public:
  explicit TFormInfAn(TFormInfAnController& form, QWidget* parent = nullptr);
  // Shows what the controller holds, then runs modally.
  int ExecForm();

 private:
  void Show();

  TFormInfAnController& form_;
  QLabel* label2_;
  QLabel* labNMod_;
  QLabel* labTMod_;
  QLabel* label1_;
  QLabel* labTextRecv_;
  TScaleFields scale_;
};

}  // namespace lur
