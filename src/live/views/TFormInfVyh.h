#pragma once
// The discrete output detail's view over TFormInfVyhController: each
// setting beside the two header lines of its column, display only; OK
// closes it.
#include <QDialog>
#include <array>

#include "live/TFormInfVyhController.h"

class QLineEdit;

namespace lur {

class TFormInfVyh : public QDialog {
  Q_OBJECT
 public:
  // objectNames of the value fields ("Lab" + the field) and of their
  // captions ("St" + the field), in the controller's field order.
  static constexpr std::array<const char*, TFormInfVyhController::kFieldCount> kFieldNames = {
      "Nomer", "Adr", "Id", "TipVyh", "KvitBlock", "KvitMind", "KvitTopLevel", "VxKvit", "SbrMind", "SbrTopLevel",
      "VhSbr"};

  explicit TFormInfVyh(TFormInfVyhController& form, QWidget* parent = nullptr);
  // Shows what the controller holds, then runs modally.
  int ExecForm();

 private:
  void Show();

  TFormInfVyhController& form_;
  std::array<QLineEdit*, TFormInfVyhController::kFieldCount> values_{};
};

}  // namespace lur
