#pragma once
// A dialog shown by a script: the user sets the form's fields as a person
// would, and the dialog closes normally. Counts its showings.
#include <functional>

#include "session/TModalWindow.h"

namespace lur::test {

template <class TForm>
struct ScriptedDialog {
  std::function<void(TForm&)> user;
  int shows = 0;
  TModalFunction<TForm> window{[this](TForm& form) {
    ++shows;
    if (user) user(form);
    return kModalOk;
  }};
};

}  // namespace lur::test
