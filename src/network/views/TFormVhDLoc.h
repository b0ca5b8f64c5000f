#pragma once
// The discrete live view of an exchange block over TFormVhDLocController:
// the head (`TipMod`, `LabAMod`), twelve rows (`Vh1`.., `TRecv1`..,
// `OnOff1`.., `Dost1`..), `Button1` switching polling and `Label1`
// "запущен опрос". Showing starts polling, every way of closing stops it.
#include <QDialog>
#include <vector>

#include "network/TFormVhDLocController.h"

class QLabel;

namespace lur {

class TFormVhDLoc : public QDialog {
  Q_OBJECT
 public:
  explicit TFormVhDLoc(TFormVhDLocController& form, QWidget* parent = nullptr);
  ~TFormVhDLoc() override;
  TFormVhDLocController& Form() const { return form_; }

  // The rows (the range dialog first, for a large block), then the window
  // modally. kModalCancel when the range dialog ended without OK.
  int ExecForm();
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Refresh();

  TFormVhDLocController& form_;
  QLabel* tipMod_ = nullptr;
  QLabel* labAMod_ = nullptr;
  QLabel* label1_ = nullptr;
  std::vector<QLabel*> vh_;
  std::vector<QLabel*> tRecv_;
  std::vector<QLabel*> onOff_;
  std::vector<QLabel*> dost_;
};

}  // namespace lur
