#pragma once
// The desktop's user: task-modal message boxes, file dialogs, the main
// window's progress bar and the error marks of the dialogs' fields.
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
  // What they are now, for a window that takes them over and gives them back.
  QWidget* Parent() const { return parent_; }
  QProgressBar* ProgressBar() const { return bar_; }

  MsgAnswer Message(const TMessage& message) override;
  std::optional<std::string> ChooseFile(const TFileChoice& choice) override;
  void ProgressShow(int maximum, int step) override;
  void ProgressStepIt() override;
  void ProgressHide() override;

  // The field named `name` where the user is working: the focused widget
  // when it has that name, else the first of that name in the active modal
  // window, the active window, the parent, then any visible window.
  QWidget* FindField(const std::string& name) const;

 protected:
  void ShowInputError(const std::string& field, const std::string& text) override;
  void ShowInlineError(const std::string& field, const std::string& text) override;

 private:
  QPointer<QWidget> parent_;
  QPointer<QProgressBar> bar_;
  int step_ = 1;
};

// A task-modal message box over `parent` (objectName "MessageBox"), as
// every box of the program is shown.
MsgAnswer ExecMessageBox(const TMessage& message, QWidget* parent);

}  // namespace lur
