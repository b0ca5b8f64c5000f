#pragma once
// The dialogs of the discrete processing editor: one instance of each for
// the whole run (a value left in a field stays for the next opening), and the
// modal windows that show them (Qt dialogs in the program, scripts in tests).
#include "discrete/TFormCreatVhController.h"
#include "discrete/TFormSigController.h"
#include "discrete/TFormTextController.h"
#include "discrete/TFormVhController.h"
#include "discrete/TFormVklController.h"
#include "discrete/TFormVyhController.h"
#include "discrete/TFormZaController.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"

namespace lur {

struct TDiscreteDialogForms {
  explicit TDiscreteDialogForms(TSession& session)
      : creatVh(session), vyh(session.config.Lur), vkl(session), text(session.config.Serv), vh(session) {}

  TFormCreatVhController creatVh;
  TFormSigController sig;
  TFormZaController za;
  TFormVyhController vyh;
  TFormVklController vkl;
  TFormTextController text;
  TFormVhController vh;
};

struct TDiscreteDialogWindows {
  TModalWindow<TFormCreatVhController>& creatVh;
  TModalWindow<TFormSigController>& sig;
  TModalWindow<TFormZaController>& za;
  TModalWindow<TFormVyhController>& vyh;
  TModalWindow<TFormVklController>& vkl;
  TModalWindow<TFormTextController>& text;
  TModalWindow<TFormVhController>& vh;
};

}  // namespace lur
