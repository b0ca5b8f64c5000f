#pragma once
// The calculation block dialog as the editor's modal window.
#include <QWidget>

#include "fb/TFormFBCalcController.h"
#include "fb/views/TDialogWindow.h"
#include "fb/views/TFormFBCalc.h"

namespace lur {

class TUserInterface;

class TFormFBCalcWindow : public TDialogWindow<TFormFBCalcController, TFormFBCalc> {
 public:
  // `ui` gives the fields' key filters their error box; it must outlive the window.
  explicit TFormFBCalcWindow(TUserInterface& ui, QWidget* parent = nullptr)
      : TDialogWindow([&ui](TFormFBCalcController& form, QWidget* p) { return new TFormFBCalc(form, ui, p); },
                      parent) {}
};

}  // namespace lur
