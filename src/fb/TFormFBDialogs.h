#pragma once
// The dialogs the function block editor opens: its block dialog, and the
// signalling and relay output dialogs it shares with the discrete editor
// (one instance of each for the run), with the modal windows that show them.
#include "discrete/TFormSigController.h"
#include "discrete/TFormVyhController.h"
#include "fb/TBlockDialog.h"
#include "session/TModalWindow.h"

namespace lur {

class TFormFBCalcController;
class TFormMathController;
class TFormInfAlgController;

struct TFormFBDialogs {
  TBlockDialog& block;
  TFormSigController& sig;
  TModalWindow<TFormSigController>& sigWindow;
  TFormVyhController& vyh;
  TModalWindow<TFormVyhController>& vyhWindow;
  // The calculation block dialog and the math block window.
  TFormFBCalcController* calc = nullptr;
  TModalWindow<TFormFBCalcController>* calcWindow = nullptr;
  TFormMathController* math = nullptr;
  TModalWindow<TFormMathController>* mathWindow = nullptr;
  // The algorithm window "Создание алгоритмов" opens; none: the item is off.
  TFormInfAlgController* infAlg = nullptr;
  TModalWindow<TFormInfAlgController>* infAlgWindow = nullptr;
};

}  // namespace lur
