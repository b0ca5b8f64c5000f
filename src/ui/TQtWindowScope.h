#pragma once
// While an editor's window runs modally, the user's boxes open over it and
// the transfers move its progress bar; when it closes both go back to where
// they were (the main window, or the editor that opened this one).
#include "ui/TQtUserInterface.h"

namespace lur {

class TQtWindowScope {
 public:
  TQtWindowScope(TQtUserInterface& ui, QWidget* window, QProgressBar* bar)
      : ui_(ui), parent_(ui.Parent()), bar_(ui.ProgressBar()) {
    ui_.SetParent(window);
    ui_.SetProgressBar(bar);
  }
  ~TQtWindowScope() {
    ui_.SetParent(parent_);
    ui_.SetProgressBar(bar_);
  }
  TQtWindowScope(const TQtWindowScope&) = delete;
  TQtWindowScope& operator=(const TQtWindowScope&) = delete;

 private:
  TQtUserInterface& ui_;
  QWidget* parent_;
  QProgressBar* bar_;
};

}  // namespace lur
