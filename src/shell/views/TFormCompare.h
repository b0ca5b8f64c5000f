#pragma once
// The compare window's view over TFormCompareController: the grid of
// differences (table, record, field, ours, theirs), the summary line, Copy,
// Save as text and Close. Shown modally by the main window's compare and by
// the check after a write.
#include <QDialog>

#include "session/TModalWindow.h"
#include "shell/TFormCompareController.h"

class QLabel;
class QTableWidget;

namespace lur {

class TUserInterface;

class TFormCompare : public QDialog, public TModalWindow<TFormCompareController> {
  Q_OBJECT
 public:
  TFormCompare(TUserInterface& ui, QWidget* parent = nullptr);

  int ShowModal(TFormCompareController& form) override;
  // Fills the window from form without showing it.
  void Draw(TFormCompareController& form);

 private:
  TUserInterface& ui_;
  TFormCompareController* form_ = nullptr;
  QTableWidget* grid_;
  QLabel* summary_;
};

}  // namespace lur
