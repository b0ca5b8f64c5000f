#pragma once
// The password dialog: one masked field of at most five digits, no buttons;
// Enter (or the close box) closes it and lets TFPSWController decide.
#include <QDialog>

#include "shell/TFPSWController.h"

class QLabel;
class QLineEdit;

namespace lur {

class TFPSW : public QDialog, public TPasswordDialog {
  Q_OBJECT
 public:
  explicit TFPSW(QWidget* parent = nullptr);

  // Shows the controller's text and label and runs modally.
  int ShowModal(TFPSWController& form) override;

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TFPSWController* form_ = nullptr;
  QLabel* label1_;
  QLineEdit* edit1_;
};

// How the field sees a key press: a digit, an editing key, Enter or anything
// else (Shift or Ctrl with a digit key types no digit and is anything else).
TPasswordKey ClassifyPasswordKey(int key, const QString& text, Qt::KeyboardModifiers modifiers);

}  // namespace lur
