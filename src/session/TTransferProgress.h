#pragma once
// The progress bar of one transfer: shown when the transfer starts, stepped
// once a page, and hidden however the transfer ends.
#include "ui/TUserInterface.h"

namespace lur {

class TTransferProgress {
 public:
  TTransferProgress(TUserInterface& ui, int maximum, int step) : ui_(ui) { ui_.ProgressShow(maximum, step); }
  ~TTransferProgress() { ui_.ProgressHide(); }
  TTransferProgress(const TTransferProgress&) = delete;
  TTransferProgress& operator=(const TTransferProgress&) = delete;

  void Step() { ui_.ProgressStepIt(); }

 private:
  TUserInterface& ui_;
};

}  // namespace lur
