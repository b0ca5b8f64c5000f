#pragma once
// The local network editor's window: a thin view over TFormLNetController.
// Every control carries its name; the three groups show by the mode.
#include <QDialog>
#include <array>

#include "network/TFormLNetController.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;

namespace lur {

class TFormLNet : public QDialog {
  Q_OBJECT

 public:
  TFormLNet(TFormLNetController& form, QWidget* parent);
  ~TFormLNet() override;
  TFormLNetController& Form() { return form_; }
  // Shows the window in a mode until it closes; its modal result.
  int ExecForm(TLNetMode mode);
  QProgressBar* ProgressBar() const { return progressBar1_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void Refresh();

  TFormLNetController& form_;
  QGroupBox* groupBox1_ = nullptr;
  QGroupBox* groupBox2_ = nullptr;
  QGroupBox* groupBox3_ = nullptr;
  std::array<QPushButton*, TProgMBMClass::kBlockCount> buttons_{};
  std::array<QPushButton*, 2> buttons15_{};
  QComboBox* skor_ = nullptr;
  QComboBox* parit_ = nullptr;
  QLabel* labelFile_ = nullptr;
  QLabel* indicator_ = nullptr;
  QProgressBar* progressBar1_ = nullptr;
  QMenu* popupMenu1_ = nullptr;
  QMenu* popupMenu2_ = nullptr;
};

}  // namespace lur
