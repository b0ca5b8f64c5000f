#pragma once
// The main window's checks against the controller: the check after a whole
// write (when the exchange settings ask for it) and "Сравнить с прибором".
// Their differences go to the compare window; a check that found every page
// as sent says so in a box.
#include <functional>

#include "session/TModalWindow.h"
#include "shell/TFormCompareController.h"
#include "shell/TShellContext.h"
#include "shell/TWriteRecord.h"

namespace lur {

class TCompareFlow {
 public:
  explicit TCompareFlow(TShellContext& context) : ctx_(context) {}

  // The compare window; without one (tests) the result is a warning box with
  // its text.
  void SetWindow(TModalWindow<TFormCompareController>* window) { window_ = window; }
  // Whether a whole write is checked; unset: always (the exchange settings'
  // default).
  void SetVerifyQuery(std::function<bool()> query) { verifyQuery_ = std::move(query); }
  bool VerifyAfterWrite() const { return !verifyQuery_ || verifyQuery_(); }

  // After a whole write that succeeded: reads back what it sent. True when
  // every page came back as sent. A failed check never undoes the write.
  bool VerifyWrite(const TWriteRecord& record);
  // "Сравнить с прибором" (ACompare). True when memory and the controller
  // are equal in everything the controller holds.
  bool CompareClick();

  TFormCompareController& Form() { return form_; }

 private:
  void ShowResult();

  TShellContext& ctx_;
  TModalWindow<TFormCompareController>* window_ = nullptr;
  std::function<bool()> verifyQuery_;
  TFormCompareController form_;
};

}  // namespace lur
