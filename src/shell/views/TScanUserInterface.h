#pragma once
// The user as the scan window sees them: boxes and file choices go where the
// program's go, the progress is the window's own bar, and its Cancel button
// is the one control that takes input while the scan holds the window. Every
// other click, key, shortcut or close that comes meanwhile is dropped, so no
// other operation starts on the link in the middle of a scan.
#include <QObject>
#include <QPointer>

#include "ui/TUserInterface.h"

class QAbstractButton;
class QProgressBar;

namespace lur {

class TScanUserInterface : public QObject, public TUserInterface {
  Q_OBJECT
 public:
  TScanUserInterface(TUserInterface& boxes, QProgressBar* bar, QAbstractButton* cancel);

  MsgAnswer Message(const TMessage& message) override { return boxes_.Message(message); }
  std::optional<std::string> ChooseFile(const TFileChoice& choice) override { return boxes_.ChooseFile(choice); }
  void ProgressShow(int maximum, int step) override;
  void ProgressStepIt() override;
  void ProgressHide() override;
  // Delivers what came for Cancel (and Esc) since the last step.
  bool ProgressCancelled() override;

 protected:
  bool eventFilter(QObject* target, QEvent* event) override;

 private:
  TUserInterface& boxes_;
  QPointer<QProgressBar> bar_;
  QPointer<QAbstractButton> cancel_;
  int step_ = 1;
  bool cancelled_ = false;
};

}  // namespace lur
