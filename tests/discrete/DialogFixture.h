#pragma once
// A session over a configuration built by hand, for the dialogs of the
// discrete editor: module counts, exchange blocks, and a user who answers
// from a script. No controller is needed; nothing is sent.
#include <vector>

#include "discrete/TDiscreteDialogs.h"
#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "session/TSession.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {

struct DialogFixture {
  DialogFixture() { link.PortName = "COM1"; }

  // di and ai own input modules; the processed count as the own signals give it.
  void Modules(int di, int ai) {
    config.Serv.SetDiModuleCount(di);
    config.Serv.SetAiModuleCount(ai);
    config.Serv.SetProcessedDiscreteCount(di * 12 + ai * 24);
  }
  // Exchange blocks in order: each is {function code, register count}.
  void Blocks(const std::vector<TServClass::NetBlock>& blocks) {
    for (std::size_t b = 0; b < blocks.size(); ++b) {
      config.MBM.SetKodF(static_cast<int>(b), blocks[b].kodF);
      config.MBM.SetKolVh(static_cast<int>(b), blocks[b].kolVh);
    }
    config.Serv.RecomputeNetCounts(blocks);
  }

  VirtualClock clock;
  ScriptedPort port{clock};
  TScriptedUserInterface ui;
  TComPortClass link{port, clock};
  TConfiguration config;
  TFixedAddressing addressing{0, 0};
  TSession session{config, link, ui, addressing};
  TDiscreteDialogForms forms{session};
};

}  // namespace lur::test
