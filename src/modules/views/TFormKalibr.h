#pragma once
// The window "Калибровка аналоговых входов ЛУР-05" over
// TFormKalibrController: one row a calibrated input (its toggle button
// SpBut k, tag, the three codes, value, unit, violation, state, "Min" and
// "Max"), the label "Калибровка", the start/stop button and "запущен
// таймер". Showing the window starts the reading; every way of closing it
// goes through the controller's closing. The cells repaint whenever the
// controller says they changed.
#include <QDialog>
#include <array>

#include "modules/TFormKalibrController.h"

class QLabel;
class QPushButton;

namespace lur {

// The colour a cell asks for; the tooltip background is the palette's.
QColor KalibrColour(TKalibrColour colour, const QPalette& palette);

class TFormKalibr : public QDialog {
  Q_OBJECT
 public:
  explicit TFormKalibr(TFormKalibrController& form, QWidget* parent = nullptr);
  ~TFormKalibr() override;

  // Shows what the controller holds, then runs modally.
  int ExecForm();
  void done(int result) override;
  // Fills the controls from the controller.
  void Refresh();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  struct RowControls {
    QPushButton* spBut = nullptr;
    QLabel* poz = nullptr;
    QLabel* kodMin = nullptr;
    QLabel* kodAcp = nullptr;
    QLabel* kodMax = nullptr;
    QLabel* val = nullptr;
    QLabel* razm = nullptr;
    QLabel* nar = nullptr;
    QLabel* ar = nullptr;
    QPushButton* kalMin = nullptr;
    QPushButton* kalMax = nullptr;
    // In column order.
    std::array<QWidget*, 11> All() const;
  };
  void Paint(QLabel* label, const TKalibrCell& cell);

  TFormKalibrController& form_;
  std::array<RowControls, TFormKalibrController::kRowsMax> rows_{};
  QLabel* labKalibr_ = nullptr;
  QLabel* label1_ = nullptr;
  QPushButton* button1_ = nullptr;
};

}  // namespace lur
