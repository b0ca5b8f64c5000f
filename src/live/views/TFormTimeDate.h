#pragma once
// The clock window "Задание времени и даты" over its controller: the clock
// read from the controller, the seven fields of a new time and the buttons
// that fill and send them. Showing starts the reading; every way of closing
// stops it (the close box and Esc act as Cancel).
#include <QDialog>
#include <array>

#include "live/TFormTimeDateController.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace lur {

class TUserInterface;

class TFormTimeDate : public QDialog {
  Q_OBJECT
 public:
  // ui: where the fields' key filters report a refused key.
  TFormTimeDate(TFormTimeDateController& form, TUserInterface& ui, QWidget* parent = nullptr);
  ~TFormTimeDate() override;

  TFormTimeDateController& Form() { return form_; }
  // Shows what the controller holds, then runs modally: kModalOk after OK,
  // kModalCancel otherwise.
  int ExecForm();
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refresh();

  TFormTimeDateController& form_;
  QLabel* stTime_ = nullptr;
  QLabel* stDate_ = nullptr;
  QLabel* stDayWeek_ = nullptr;
  QLabel* label10_ = nullptr;
  std::array<QLineEdit*, TFormTimeDateController::kFields> edits_{};
  bool closing_ = false;
};

}  // namespace lur
