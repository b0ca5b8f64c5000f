#pragma once
// The control loop table as its transfers see it, in one place for the
// regulator editor's F9, F10 and closing: the regulator page 0x20, then the
// setter page 0x21, each 168 bytes; the reserve keeps both images as the
// 336-byte block of a configuration file (regulators, then setters), which
// a discard puts back.
#include "model/TProgRegClass.h"
#include "session/TEditorTransfer.h"

namespace lur {

TEditorPages<TProgRegClass> LoopPages(TSession& session);

}  // namespace lur
