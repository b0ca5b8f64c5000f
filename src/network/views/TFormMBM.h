#pragma once
// The exchange block dialog's view over TFormMBMController: its controls by
// name, each shown from the controller's state after every handler. OK, the
// close box and Escape all close through the checks; the dialog ends with
// the controller's result (6 for a rejected block).
#include <QDialog>
#include <map>

#include "network/TFormMBMController.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lur {

class TUserInterface;

class TFormMBM : public QDialog {
  Q_OBJECT
 public:
  TFormMBM(TFormMBMController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormMBMController& Form() const { return form_; }
  // Shows the controller's state modally; the controller's result.
  int ExecForm();

  void reject() override;  // Escape: closes through the checks

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  using F = TMBMField;
  QLineEdit* Field(F field, const QString& caption, int maxLength, QGridLayout* grid, int row);
  QLabel* Static(const char* name, const QString& caption, QGridLayout* grid, int row);
  QComboBox* List(const char* name, const QString& caption, QGridLayout* grid, int row);
  void Show();
  void CloseChecked();

  TFormMBMController& form_;
  TUserInterface& ui_;
  std::map<F, QLineEdit*> fields_;
  QLabel* labNMBM_ = nullptr;
  QLabel* label9_ = nullptr;
  QLabel* stAddrBeg1_ = nullptr;
  QLabel* stAddrBeg2_ = nullptr;
  QLabel* labelFile_ = nullptr;
  QComboBox* tipUstr_ = nullptr;
  QComboBox* cBoxKodF_ = nullptr;
  QComboBox* tipDate_ = nullptr;
  QComboBox* byteOrder_ = nullptr;
  QPushButton* scaling_ = nullptr;
  QPushButton* onLine_ = nullptr;
  bool closing_ = false;
};

}  // namespace lur
