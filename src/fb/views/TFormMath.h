#pragma once
// The math block window's view over TFormMathController: 24 buttons in rows
// of four showing each arithmetic block's operation, a click programming the
// block and the context menu deleting it.
#include <QDialog>
#include <array>

#include "fb/TFormMathController.h"

class QAction;
class QGroupBox;
class QMenu;
class QPushButton;

namespace lur {

class TFormMath : public QDialog {
  Q_OBJECT
 public:
  explicit TFormMath(TFormMathController& form, QWidget* parent = nullptr);
  TFormMathController& Form() const { return form_; }
  // Shows the controller's state modally; kModalOk.
  int ExecForm();
  QMenu* PopupMenu() const { return popupMenu1_; }

  void reject() override;  // Escape and the close box: as OK

 private:
  void Show();

  TFormMathController& form_;
  QGroupBox* groupBox1_;
  std::array<QPushButton*, TFormMathController::kButtons> buttons_{};
  QMenu* popupMenu1_;
  QAction* deleteBl_;
};

}  // namespace lur
