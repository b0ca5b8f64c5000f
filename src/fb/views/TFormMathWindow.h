#pragma once
// The math block window as the editor's modal window.
#include <QWidget>

#include "fb/TFormMathController.h"
#include "fb/views/TDialogWindow.h"
#include "fb/views/TFormMath.h"

namespace lur {

class TFormMathWindow : public TDialogWindow<TFormMathController, TFormMath> {
 public:
  explicit TFormMathWindow(QWidget* parent = nullptr)
      : TDialogWindow([](TFormMathController& form, QWidget* p) { return new TFormMath(form, p); }, parent) {}
};

}  // namespace lur
