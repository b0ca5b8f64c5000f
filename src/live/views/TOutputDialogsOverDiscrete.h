#pragma once
// The output information window's dialogs as the program has them: the
// output text dialog and the number dialog of the discrete editor, one
// instance of each for the run, shown through their modal windows.
#include "discrete/TFormTextMRController.h"
#include "discrete/TFormVhController.h"
#include "live/TInformMRDialogs.h"
#include "session/TModalWindow.h"

namespace lur {

class TOutputDialogsOverDiscrete : public TInformMRDialogs {
 public:
  // Everything given must outlive this.
  TOutputDialogsOverDiscrete(TFormTextMRController& textForm, TModalWindow<TFormTextMRController>& textWindow,
                             TFormVhController& vhForm, TModalWindow<TFormVhController>& vhWindow)
      : textForm_(textForm), textWindow_(textWindow), vhForm_(vhForm), vhWindow_(vhWindow) {}

  int OutputText(int k, std::string& text) override;
  int GroupNumbers(const std::string& caption, int& first, int& last) override;
  int StartNumber(const std::string& caption, const std::string& tooLarge, int& start) override;

 private:
  TFormTextMRController& textForm_;
  TModalWindow<TFormTextMRController>& textWindow_;
  TFormVhController& vhForm_;
  TModalWindow<TFormVhController>& vhWindow_;
};

}  // namespace lur
