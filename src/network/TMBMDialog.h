#pragma once
// The exchange block dialog as the local network editor asks for it, and the
// windows the dialog opens in turn, as seams: the program shows its Qt
// windows through them, tests answer from a script. A window left null is
// not offered (its button stays disabled).
#include "network/TNetworkLiveWindow.h"

namespace lur {

// What the network editor asks of the block dialog: block b (0-based); an
// empty block is created, a configured one corrected.
struct TMBMDialogRequest {
  int block = 0;
};

// "Программирование функционального блока MBM" for one block, shown
// modally. Returns the modal result: 6 when the block was rejected (memory
// then is as it was before the call), kModalCancel when the dialog was not
// opened at all (no free discrete place is left for a new block), any
// other result when the block was accepted. On 6 the network editor shows
// "программирование закончено с ошибкой " (caption "Ошибка") and keeps the
// block's error flag; after an acceptance it gives the block's button the
// dialog's ButtonCaption() and writes what TableClean, GroupsClean,
// BaseRewrite, FBToWrite, F15Changed and RegModified mark.
class TMBMDialog {
 public:
  virtual ~TMBMDialog() = default;
  virtual int Program(const TMBMDialogRequest& request) = 0;
};

// "Программирование масштабирования аналоговых сигналов локальной сети"
// for the analog values of block b, until closed.
class TScalingWindow {
 public:
  virtual ~TScalingWindow() = default;
  virtual void Show(int block) = 0;
};

struct TMBMWindows {
  TScalingWindow* scaling = nullptr;
  TNetworkLiveWindow* live = nullptr;
};

}  // namespace lur
