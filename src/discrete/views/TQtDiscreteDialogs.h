#pragma once
// The seven dialogs of the discrete editor as Qt windows: created once over
// the editor's one set of dialog controllers and kept for the run, so a
// value left in a field is there at the next opening.
#include <QPointer>
#include <QWidget>

#include "discrete/TDiscreteDialogs.h"
#include "discrete/views/TFormCreatVh.h"
#include "discrete/views/TFormSig.h"
#include "discrete/views/TFormText.h"
#include "discrete/views/TFormVh.h"
#include "discrete/views/TFormVkl.h"
#include "discrete/views/TFormVyh.h"
#include "discrete/views/TFormZa.h"

namespace lur {

class TUserInterface;

class TQtDiscreteDialogs {
 public:
  // `ui` gives the fields' key filters their error box; it and `forms`
  // must outlive the dialogs.
  TQtDiscreteDialogs(TDiscreteDialogForms& forms, TUserInterface& ui, QWidget* parent = nullptr);
  ~TQtDiscreteDialogs();
  TQtDiscreteDialogs(const TQtDiscreteDialogs&) = delete;
  TQtDiscreteDialogs& operator=(const TQtDiscreteDialogs&) = delete;

  // The modal windows, for the editor's controller.
  TDiscreteDialogWindows Windows() { return {creatVh_, sig_, za_, vyh_, vkl_, text_, vh_}; }

  TFormCreatVh* CreatVhWindow() const { return creatVh_.window; }
  TFormSig* SigWindow() const { return sig_.window; }
  TFormZa* ZaWindow() const { return za_.window; }
  TFormVyh* VyhWindow() const { return vyh_.window; }
  TFormVkl* VklWindow() const { return vkl_.window; }
  TFormText* TextWindow() const { return text_.window; }
  TFormVh* VhWindow() const { return vh_.window; }

 private:
  template <class TForm, class TView>
  struct Modal : TModalWindow<TForm> {
    Modal(TQtDiscreteDialogs& owner, TForm& form)
        : owner(owner), window(new TView(form, owner.ui_, owner.parent_)) {}
    // A controller other than the one the window was made over gets a
    // window of its own (the editor has one of each, so this is rare).
    int ShowModal(TForm& form) override {
      if (!window || &window->Form() != &form) {
        delete window;
        window = new TView(form, owner.ui_, owner.parent_);
      }
      return window->ExecForm();
    }
    TQtDiscreteDialogs& owner;
    QPointer<TView> window;
  };

  TUserInterface& ui_;
  QPointer<QWidget> parent_;
  Modal<TFormCreatVhController, TFormCreatVh> creatVh_;
  Modal<TFormSigController, TFormSig> sig_;
  Modal<TFormZaController, TFormZa> za_;
  Modal<TFormVyhController, TFormVyh> vyh_;
  Modal<TFormVklController, TFormVkl> vkl_;
  Modal<TFormTextController, TFormText> text_;
  Modal<TFormVhController, TFormVh> vh_;
};

}  // namespace lur
