#pragma once
// The block programming dialog as the editor's modal window: kModalOk after
// OK (or the close box), kModalCancel after "Отмена".
#include <QWidget>

#include "fb/TFormCreatFBController.h"
#include "fb/views/TDialogWindow.h"
#include "fb/views/TFormCreatFB.h"

namespace lur {

class TUserInterface;

class TFormCreatFBWindow : public TDialogWindow<TFormCreatFBController, TFormCreatFB> {
 public:
  // `ui` gives the fields' key filters their error box; it must outlive the
  // window.
  explicit TFormCreatFBWindow(TUserInterface& ui, QWidget* parent = nullptr)
      : TDialogWindow([&ui](TFormCreatFBController& form, QWidget* p) { return new TFormCreatFB(form, ui, p); },
                      parent) {}
};

}  // namespace lur
