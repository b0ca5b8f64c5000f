#pragma once
// The program's "Режим on line": the regulator editor shows it through the
// TLoopOnLineWindow seam for one loop of its map. Each showing makes the
// controller afresh and runs the window modally at left 800 and the editor's
// top, 280 pixels wide with one panel and 460 with two.
#include <QPointer>
#include <QWidget>

#include "loops/TLoopWindows.h"
#include "ui/TQtPollTimer.h"

namespace lur {

struct TSession;
class TFormRegOnLine;

class TQtRegOnLineWindow : public TLoopOnLineWindow {
 public:
  static constexpr int kLeft = 800;

  TQtRegOnLineWindow(TSession& session, QWidget* editor);
  ~TQtRegOnLineWindow() override;

  void Show(int loop) override;
  // The editor the window opens beside, once that window exists.
  void SetEditor(QWidget* editor) { editor_ = editor; }

  // While Show runs: the window shown (tests close it from a timer).
  TFormRegOnLine* Window() const { return window_; }

 private:
  TSession& session_;
  QPointer<QWidget> editor_;
  TQtPollTimer timer_;
  TFormRegOnLine* window_ = nullptr;
};

}  // namespace lur
