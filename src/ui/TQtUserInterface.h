#pragma once
// The desktop's user: task-modal message boxes, file dialogs and the main
// window's progress bar.
#include <QPointer>
#include <QProgressBar>
#include <QWidget>

#include "ui/TUserInterface.h"

namespace lur {

class TQtUserInterface : public TUserInterface {
 public:
  explicit TQtUserInterface(QWidget* parent = nullptr) : parent_(parent) {}

  void SetParent(QWidget* parent) { parent_ = parent; }
  // The bar the transfers move (`ProgressBar1` of the main window).
  void SetProgressBar(QProgressBar* bar) { bar_ = bar; }

  MsgAnswer Message(const TMessage& message) override;
  std::optional<std::string> ChooseFile(const TFileChoice& choice) override;
  void ProgressShow(int maximum, int step) override;
  void ProgressStepIt() override;
  void ProgressHide() override;

 private:
  QPointer<QWidget> parent_;
  QPointer<QProgressBar> bar_;
  int step_ = 1;
};

}  // namespace lur
