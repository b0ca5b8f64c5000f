#pragma once
// The detail windows shown as Qt dialogs, each created at its first showing
// and kept for the run.
#include <QPointer>
#include <QWidget>

#include "live/InputDetail.h"
#include "live/views/TFormInfAn.h"
#include "live/views/TFormInfNetAn.h"
#include "live/views/TFormInfVyh.h"

namespace lur {

class TQtDetailWindows {
 public:
  explicit TQtDetailWindows(QWidget* parent = nullptr) : parent_(parent) {}
  ~TQtDetailWindows();
  TQtDetailWindows(const TQtDetailWindows&) = delete;
  TQtDetailWindows& operator=(const TQtDetailWindows&) = delete;

  // The three modal windows, for ShowInputDetail and ShowOutputDetail.
  TDetailWindows Windows() { return {infAn_, infNetAn_, infVyh_}; }

  TFormInfAn* InfAnWindow() const { return infAn_.window; }
  TFormInfNetAn* InfNetAnWindow() const { return infNetAn_.window; }
  TFormInfVyh* InfVyhWindow() const { return infVyh_.window; }

 private:
  // Every way of closing a detail window (OK, the close box, Escape) is the
  // normal close.
  template <class TForm, class TView>
  struct Modal : TModalWindow<TForm> {
    explicit Modal(TQtDetailWindows& owner) : owner(owner) {}
    int ShowModal(TForm& form) override {
      // A view is bound to its fields; fields of another instance get a new one.
      if (window && bound != &form) delete window;
      if (!window) window = new TView(form, owner.parent_);
      bound = &form;
      window->ExecForm();
      return kModalOk;
    }
    TQtDetailWindows& owner;
    QPointer<TView> window;
    TForm* bound = nullptr;
  };

  QPointer<QWidget> parent_;
  Modal<TFormInfAnController, TFormInfAn> infAn_{*this};
  Modal<TFormInfNetAnController, TFormInfNetAn> infNetAn_{*this};
  Modal<TFormInfVyhController, TFormInfVyh> infVyh_{*this};
};

}  // namespace lur
