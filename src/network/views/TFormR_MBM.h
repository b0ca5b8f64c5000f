#pragma once
// The scaling window's view over TFormR_MBMController: 48 rows of named
// controls (Label1.., LabN1.. with the signal hint, Razm1.., Poz1.., NSK1..,
// VSK1.., Ust1LL..Ust48HH), only the open block's rows enabled. OK and the
// close box close through FormCloseQuery.
#include <QDialog>
#include <array>

#include "network/TFormR_MBMController.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace lur {

class TUserInterface;

class TFormR_MBM : public QDialog {
  Q_OBJECT
 public:
  TFormR_MBM(TFormR_MBMController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormR_MBMController& Form() const { return form_; }
  // Shows the rows of the open block modally until closed.
  int ExecForm();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  static constexpr int kRows = TFormR_MBMController::kRows;
  static constexpr int kNumbers = static_cast<int>(TR_MBMColumn::Count);
  struct RowWidgets {
    QLabel* labN = nullptr;
    QComboBox* razm = nullptr;
    QLineEdit* poz = nullptr;
    std::array<QLineEdit*, kNumbers> numbers{};
  };
  void Show();
  void Close();

  TFormR_MBMController& form_;
  std::array<RowWidgets, kRows> rows_{};
  bool closing_ = false;
};

}  // namespace lur
