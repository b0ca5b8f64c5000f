#pragma once
// The block programming dialog as the editor's modal window: one Qt dialog
// made on first showing and kept for the run, so the editor's controller
// shows it through TModalWindow like every other dialog.
#include <QPointer>
#include <QWidget>

#include "fb/TFormCreatFBController.h"
#include "fb/views/TFormCreatFB.h"
#include "session/TModalWindow.h"

namespace lur {

class TUserInterface;

class TFormCreatFBWindow : public TModalWindow<TFormCreatFBController> {
 public:
  // `ui` gives the fields' key filters their error box; it must outlive the
  // window.
  explicit TFormCreatFBWindow(TUserInterface& ui, QWidget* parent = nullptr) : ui_(ui), parent_(parent) {}
  ~TFormCreatFBWindow() override;
  TFormCreatFBWindow(const TFormCreatFBWindow&) = delete;
  TFormCreatFBWindow& operator=(const TFormCreatFBWindow&) = delete;

  // kModalOk after OK (or the close box), kModalCancel after "Отмена".
  int ShowModal(TFormCreatFBController& form) override;
  // The dialog, once shown (or made by Window()).
  TFormCreatFB* Window(TFormCreatFBController& form);

 private:
  TUserInterface& ui_;
  QPointer<QWidget> parent_;
  QPointer<TFormCreatFB> window_;
};

}  // namespace lur
