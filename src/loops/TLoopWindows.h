#pragma once
// The windows the regulator editor opens, as seams: the program shows Qt
// dialogs through them, tests and lurctl answer from a script. A window left
// null is not offered (its commands stay disabled).
#include "session/TModalWindow.h"

namespace lur {

class TFormCreatRegController;
class TFormRegOnLineController;

struct TLoopWindows {
  TModalWindow<TFormCreatRegController>* creatReg = nullptr;  // "Программирование контура регулирования"
  TModalWindow<TFormRegOnLineController>* onLine = nullptr;   // "Режим on line"
};

}  // namespace lur
