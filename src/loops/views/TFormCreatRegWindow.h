#pragma once
// The loop programming dialog as the regulator editor's modal window:
// kModalOk after OK passed its checks, kModalCancel after "Отмена", Escape
// or the close box.
#include <QWidget>

#include "fb/views/TDialogWindow.h"
#include "loops/TFormCreatRegController.h"
#include "loops/views/TFormCreatReg.h"

namespace lur {

class TUserInterface;

class TFormCreatRegWindow : public TDialogWindow<TFormCreatRegController, TFormCreatReg> {
 public:
  // `ui` gives the fields' key filters their error box; it must outlive the
  // window.
  explicit TFormCreatRegWindow(TUserInterface& ui, QWidget* parent = nullptr);
};

}  // namespace lur
