#pragma once
// The dialog "Задание конфигурации": display type, the module of each of the
// eight slots (as lists and as the digits of EditModif), what to keep from
// the open configuration. A thin view over TConfigController; the check and
// reordering run when the dialog closes, whichever way it is closed.
#include <QDialog>
#include <array>

#include "session/TModalWindow.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace lur {

class TConfigController;

class TConfig : public QDialog, public TModalWindow<TConfigController> {
  Q_OBJECT
 public:
  explicit TConfig(QWidget* parent = nullptr);

  // kModalOk when the controller's close check let the dialog close,
  // kModalCancel when it went away without it.
  int ShowModal(TConfigController& controller) override;
  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Draw();
  void EditModifChanged(const QString& text);

  TConfigController* form_ = nullptr;
  bool drawing_ = false;
  bool closedByCheck_ = false;
  QButtonGroup* tModInd_;
  QButtonGroup* regimCreat_;
  std::array<QComboBox*, 8> m_{};
  std::array<QCheckBox*, 8> saveBD_{};
  std::array<QCheckBox*, 8> mvstNew_{};
  QLineEdit* editModif_;
  QLabel* errorText_;
};

}  // namespace lur
