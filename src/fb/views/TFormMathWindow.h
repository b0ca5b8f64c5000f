#pragma once
// The math block window as the editor's modal window: one Qt dialog made on
// first showing and kept for the run.
#include <QPointer>
#include <QWidget>

#include "fb/TFormMathController.h"
#include "fb/views/TFormMath.h"
#include "session/TModalWindow.h"

namespace lur {

class TFormMathWindow : public TModalWindow<TFormMathController> {
 public:
  explicit TFormMathWindow(QWidget* parent = nullptr) : parent_(parent) {}
  ~TFormMathWindow() override;
  TFormMathWindow(const TFormMathWindow&) = delete;
  TFormMathWindow& operator=(const TFormMathWindow&) = delete;

  int ShowModal(TFormMathController& form) override;
  TFormMath* Window(TFormMathController& form);

 private:
  QPointer<QWidget> parent_;
  QPointer<TFormMath> window_;
};

}  // namespace lur
