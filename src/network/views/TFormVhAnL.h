#pragma once
// The analog live view of an exchange block over TFormVhAnLController: the
// head (`TipMod`, `LabAMod`), 48 rows (`Label1`.., `Poz1`.., `Val1`..,
// `Razm1`.., `Nar1`.., `Ar1`..), `ButOnLine` and `Label49` "запущен опрос".
// Polling runs from showing until closing or a failed poll; the start/stop
// button `Button1` stays hidden.
#include <QDialog>
#include <vector>

#include "network/TFormVhAnLController.h"

class QLabel;

namespace lur {

class TFormVhAnL : public QDialog {
  Q_OBJECT
 public:
  explicit TFormVhAnL(TFormVhAnLController& form, QWidget* parent = nullptr);
  ~TFormVhAnL() override;
  TFormVhAnLController& Form() const { return form_; }

  int ExecForm();
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Refresh();

  TFormVhAnLController& form_;
  QLabel* tipMod_ = nullptr;
  QLabel* labAMod_ = nullptr;
  QLabel* label49_ = nullptr;
  std::vector<QLabel*> label_;
  std::vector<QLabel*> poz_;
  std::vector<QLabel*> val_;
  std::vector<QLabel*> razm_;
  std::vector<QLabel*> nar_;
  std::vector<QLabel*> ar_;
};

}  // namespace lur
