#pragma once
// The algorithm window as the editor's modal window.
#include <QWidget>

#include "fb/TFormInfAlgController.h"
#include "fb/views/TDialogWindow.h"
#include "fb/views/TFormInfAlg.h"

namespace lur {

class TFormInfAlgWindow : public TDialogWindow<TFormInfAlgController, TFormInfAlg> {
 public:
  explicit TFormInfAlgWindow(QWidget* parent = nullptr)
      : TDialogWindow([](TFormInfAlgController& form, QWidget* p) { return new TFormInfAlg(form, p); }, parent) {}
};

}  // namespace lur
