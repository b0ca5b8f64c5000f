// The analog module editor against lursim over a pseudo-terminal: a
// configuration read by the program, a thermo channel switched to another
// sensor and range, and the block the simulated controller saves holding
// exactly the edited bytes.
#include <gtest/gtest.h>

#include <memory>

#include "Processes.h"
#include "link/TComPortClass.h"
#include "link/TQtSerialPort.h"
#include "link/TWaiter.h"
#include "modules/TFormPROGController.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "shell/TConfigTransfer.h"
#include "shell/TFileOperations.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

struct Program {
  explicit Program(const std::string& portName) {
    link.PortName = portName;
    link.StopBitsText = "1";
    opened = link.OpenPort() == 0;
  }
  TSteadyWaiter waiter;
  TQtSerialPort port{waiter};
  TScriptedUserInterface ui;
  TComPortClass link{port, waiter};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TMainState state;
  std::function<void()> noRefresh;
  TShellContext context{*config, link, ui, state, noRefresh, noRefresh};
  TConfigTransfer transfer{context};
  TServAddressing addressing{config->Serv};
  TSession session{*config, link, ui, addressing};
  TEditorRegistry editors;
  bool opened = false;
};

TEST(AnalogModuleSim, AnEditedThermoChannelIsWhatTheControllerSaves) {
  test::TempDir dir;
  const std::string saved = dir.File("saved.lur");
  test::Simulator sim(dir, {"--modules", "18300000", "--save", saved});
  ASSERT_TRUE(sim.Ready()) << sim.Log();
  Program p(sim.link);
  ASSERT_TRUE(p.opened);
  ASSERT_TRUE(p.transfer.InPortButClick());
  p.config->Lur.FullAccess = 1;

  TFormPROGController form(p.session, p.editors);
  ASSERT_TRUE(form.Open({TEditor::AnalogModule, 2, 1, 8}));
  EXPECT_EQ(form.Channel(0).List(TProgList::MinSk).Text(), "-50");
  form.SkChange(0, 2);     // XA(K)
  form.MinSkChange(0, 1);  // 0 .. 200
  form.MaxSkChange(0, 2);  // 0 .. 400
  p.ui.answers = {MsgAnswer::Yes};
  p.ui.shown.clear();
  ASSERT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(p.ui.Texts(), std::vector<std::string>{"База  была изменена. Передать в прибор?"});
  const TProgMBAClass::Block edited = p.config->MBA.GetBlock(0);
  EXPECT_EQ(edited[1] & 0x0F, 2);
  EXPECT_EQ(edited[2] & 0x3F, 3);  // (0, 400)
  sim.Stop();

  // The file the controller saved, opened as the program opens files.
  TConfiguration held;
  TMainState state;
  std::function<void()> noRefresh;
  TScriptedUserInterface ui;
  TFileOperations files{held, ui, state, noRefresh, noRefresh};
  ASSERT_TRUE(files.OpenFile(saved));
  EXPECT_EQ(held.MBA.GetBlock(0), edited);
}

}  // namespace
}  // namespace lur
