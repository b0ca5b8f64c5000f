#pragma once
// The window of "Программирование модуля  ЛЕНС-9": twelve sensor selectors
// over TFormTipDatController. Every way of closing (OK, Отмена, the close
// box, Escape) goes through the controller's closing question.
#include <QDialog>
#include <array>

#include "modules/TFormTipDatController.h"

class QGroupBox;
class QLabel;
class QRadioButton;

namespace lur {

class TFormTipDat : public QDialog {
  Q_OBJECT
 public:
  TFormTipDat(TFormTipDatController& form, QWidget* parent = nullptr);

  // Fills the controls from the controller (after its FormShow).
  void Draw();

  void done(int result) override;

 private:
  TFormTipDatController& form_;
  QLabel* labNMod_;
  QLabel* labTMod_;
  QLabel* labN_;
  std::array<QGroupBox*, TFormTipDatController::kSensors> groups_{};
  std::array<std::array<QRadioButton*, 2>, TFormTipDatController::kSensors> items_{};
  bool drawing_ = false;
};

}  // namespace lur
