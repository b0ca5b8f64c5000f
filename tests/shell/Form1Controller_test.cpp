#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>

#include "../link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "shell/TForm1Controller.h"
#include "shell/TModuleTable.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

// Editor windows registered as the test says, ending with scripted results.
struct FakeEditors {
  std::vector<TEditorRequest> opened;
  std::deque<int> results;
  TEditorRegistry registry;
  void Present(std::initializer_list<TEditor> editors) {
    for (const TEditor e : editors) {
      registry.Register(e, [this](const TEditorRequest& r) {
        opened.push_back(r);
        if (results.empty()) return 2;
        const int v = results.front();
        results.pop_front();
        return v;
      });
    }
  }
};

struct Form1Fixture : ::testing::Test {
  test::VirtualClock clock;
  test::ScriptedPort port{clock};
  TScriptedUserInterface ui;
  TComPortClass link{port, clock};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TMainState state;
  FakeEditors editors;
  TForm1Controller form{*config, link, ui, state, editors.registry, "/nonexistent/FParol.dat"};

  Form1Fixture() { form.FormCreate(); }

  void SetModules(std::array<int, 8> types, int processedAnalog) {
    std::array<std::uint8_t, 15> id{};
    int discrete = 0;
    for (int s = 0; s < 8; ++s) {
      id[1 + s] = static_cast<std::uint8_t>(types[s]);
      const ModuleGroup g = GroupOfModule(types[s]);
      if (g == ModuleGroup::DiscreteInput) discrete += 12;
      if (g == ModuleGroup::AnalogInput) discrete += 24;
    }
    id[12] = static_cast<std::uint8_t>(discrete);
    id[13] = static_cast<std::uint8_t>(processedAnalog);
    ASSERT_TRUE(config->Serv.SetIdentityFromBytes(id));
    config->Serv.MakeDefaultInputIds();
    config->Serv.MakeDefaultOutputIds();
  }
};

TEST_F(Form1Fixture, StartsAtDeviceOneWithNothingToEdit) {
  EXPECT_EQ(state.ustr, 1);
  EXPECT_EQ(state.ustrZ, 1);
  EXPECT_EQ(config->Serv.GetAddressIndex(), 0);
  EXPECT_EQ(config->Serv.GetDeviceIndex(), 0);
  EXPECT_EQ(state.editModif, "00000000");
  for (const auto c : EditorButtons()) EXPECT_FALSE(state.IsEnabled(c)) << ControlName(c);
  EXPECT_FALSE(state.IsEnabled(TForm1Control::GBoxRazm));
  EXPECT_FALSE(state.IsEnabled(TForm1Control::MParol));
}

TEST_F(Form1Fixture, RefreshWarnsOncePerRefreshAboutAnIdleLoopModule) {
  SetModules({1, 14, 0, 0, 0, 0, 0, 0}, 0);
  form.RefreshView();
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Невозможно программировать ЖОКА -  нет аналог. входов"});
  EXPECT_EQ(ui.shown[0].caption, "Предупреждение");
  EXPECT_EQ(ui.shown[0].icon, MsgIcon::Warning);
  EXPECT_EQ(config->Reg.HasRegModule, 1);
  EXPECT_EQ(state.rows[1].buttonCaption, "нет");
  form.RefreshView();
  EXPECT_EQ(ui.shown.size(), 2u);

  SetModules({1, 10, 7, 14, 0, 0, 0, 0}, 6);
  form.RefreshView();
  EXPECT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(config->Lur.HasTipDatMod, 1);
}

TEST_F(Form1Fixture, ChoosingTheSelectedNumberChangesNothing) {
  form.CBoxUstrClick(1);
  EXPECT_EQ(config->Serv.GetAddressIndex(), 0);
  form.CBoxUstrClick(4);
  EXPECT_EQ(config->Serv.GetAddressIndex(), 3);
  EXPECT_EQ(state.ustr, 4);
  EXPECT_TRUE(port.written.empty());
}

TEST_F(Form1Fixture, RenumberingWritesPage99AndReaddressesTheRequests) {
  config->Lur.FullAccess = 1;
  form.CBoxUstrClick(3);
  port.replies.push_back(test::WithCrc({3, 0x45, 1, 99}));
  port.replies.push_back(test::WithCrc({7, 14}));
  form.CBoxUstrZClick(7);
  EXPECT_TRUE(ui.shown.empty());
  ASSERT_EQ(port.written.size(), 2u);
  // The page goes to the controller's old number, the poll to its new one.
  EXPECT_EQ(port.written[0].bytes, test::WithCrc({3, 0x45, 99, 6}));
  EXPECT_EQ(port.written[1].bytes, test::WithCrc({7, 14}));
  EXPECT_EQ(config->Serv.GetDeviceIndex(), 6);
  EXPECT_EQ(config->Serv.GetAddressIndex(), 6);
  EXPECT_EQ(state.ustr, 7);
  EXPECT_EQ(state.ustrZ, 7);
}

TEST_F(Form1Fixture, AFailedRenumberingKeepsTheOldNumbers) {
  config->Lur.FullAccess = 1;
  link.SetRetriesStage1(1);
  form.CBoxUstrClick(3);
  form.CBoxUstrZClick(7);  // silence
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, link.ErrorText(6, kResultNoAnswer));
  EXPECT_EQ(config->Serv.GetDeviceIndex(), 2);
  EXPECT_EQ(config->Serv.GetAddressIndex(), 2);
  EXPECT_EQ(state.ustr, 3);
  EXPECT_EQ(state.ustrZ, 3);
}

TEST_F(Form1Fixture, RenumberingAtTheLimitedLevelSendsNothing) {
  form.CBoxUstrClick(3);
  form.CBoxUstrZClick(7);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт");
  EXPECT_EQ(ui.shown[0].caption, "Предупреждение");
  EXPECT_EQ(ui.shown[0].icon, MsgIcon::Warning);
  EXPECT_TRUE(port.written.empty());
  EXPECT_EQ(config->Serv.GetDeviceIndex(), 2);
  EXPECT_EQ(state.ustrZ, 3);
}

TEST_F(Form1Fixture, RowButtonsOpenTheEditorOfTheirModule) {
  editors.Present({TEditor::DiscreteInputView, TEditor::Regulator, TEditor::RelayModule,
                   TEditor::SensorTypeModule, TEditor::AnalogModule});
  SetModules({1, 10, 7, 8, 3, 12, 14, 0}, 12);
  const struct {
    int n;
    TEditor editor;
    int module;
  } cases[] = {
      {1, TEditor::DiscreteInputView, 1}, {2, TEditor::SensorTypeModule, 2}, {3, TEditor::AnalogModule, 1},
      {4, TEditor::AnalogModule, 2},      {5, TEditor::RelayModule, 1},      {6, TEditor::RelayModule, 2},
      {7, TEditor::Regulator, 7},
  };
  for (const auto& c : cases) {
    editors.opened.clear();
    EXPECT_TRUE(form.RowAvailable(c.n - 1));
    form.Prg1Click(c.n);
    ASSERT_EQ(editors.opened.size(), 1u) << c.n;
    EXPECT_EQ(editors.opened[0].editor, c.editor) << c.n;
    EXPECT_EQ(editors.opened[0].module, c.module) << c.n;
    EXPECT_EQ(editors.opened[0].slot, c.n);
    EXPECT_EQ(config->Serv.GetCurrentSlot(), c.n);
  }
  EXPECT_EQ(config->MR.GetMrSlot(), 6);
  EXPECT_EQ(config->MR.GetMrSlot2(), 6);
  EXPECT_EQ(config->MBA.EditSlot, 4);
  EXPECT_EQ(config->Reg.RegModulePos, 6);
  EXPECT_EQ(config->Lur.GetTipDatModule(), 2);  // the sensor-type module at slot 2

  // A control loop module before the outputs is not an output module: the
  // relay editor gets the slot's place among the outputs.
  SetModules({1, 14, 3, 4, 0, 0, 0, 0}, 12);
  editors.opened.clear();
  form.Prg1Click(4);
  ASSERT_EQ(editors.opened.size(), 1u);
  EXPECT_EQ(editors.opened[0].module, 2);
  EXPECT_EQ(config->MR.GetMrSlot(), 4);
  form.Prg1Click(1);
  EXPECT_EQ(config->Lur.GetTipDatModule(), 1);

  // An empty slot opens nothing.
  editors.opened.clear();
  EXPECT_FALSE(form.RowAvailable(7));
  form.Prg1Click(8);
  EXPECT_TRUE(editors.opened.empty());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Form1Fixture, AnAnalogEditorEndingWithAnErrorMarksTheModule) {
  editors.Present({TEditor::AnalogModule, TEditor::RelayModule});
  SetModules({7, 3, 0, 0, 0, 0, 0, 0}, 6);
  editors.results = {6, 2, 6};
  form.Prg1Click(1);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"программирование закончено с ошибкой"});
  EXPECT_EQ(ui.shown[0].caption, "Ошибка");
  EXPECT_EQ(config->MBA.GetBlockError(1), 1);
  form.Prg1Click(1);
  EXPECT_EQ(config->MBA.GetBlockError(1), 0);
  EXPECT_EQ(ui.shown.size(), 1u);
  // Another editor's 6 means nothing.
  form.Prg1Click(2);
  EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(Form1Fixture, WindowsNotInThisBuildOpenNothing) {
  SetModules({1, 7, 3, 0, 0, 0, 0, 0}, 6);
  for (int s = 0; s < 8; ++s) EXPECT_FALSE(form.RowAvailable(s)) << s;
  form.Prg1Click(2);
  EXPECT_TRUE(editors.opened.empty());
  using C = TForm1Control;
  for (const C c : {C::ButProgDiskr, C::ButTimeDate, C::LocalNet1, C::LocNet15, C::LocNetObm, C::InformBut,
                    C::InformButMR}) {
    EXPECT_FALSE(form.ControlAvailable(c)) << ControlName(c);
    form.ControlClick(c);
  }
  EXPECT_TRUE(editors.opened.empty());
  EXPECT_TRUE(form.ControlAvailable(TForm1Control::ButRazm));
  EXPECT_TRUE(form.ControlAvailable(TForm1Control::ButDefault));
}

TEST_F(Form1Fixture, TheDiscreteEditorIsOpenedForARebuildOnly) {
  editors.Present({TEditor::DiscreteProcessing});
  int shownFlagWhenOpened = -1;
  editors.registry.Register(TEditor::DiscreteProcessing, [&](const TEditorRequest&) {
    shownFlagWhenOpened = config->Lur.PrgDShown;
    config->Lur.PrgDShown = 1;  // the editor's own showing
    return 2;
  });
  config->Lur.PrgDShown = 1;
  form.ControlClick(TForm1Control::ButProgDiskr);
  EXPECT_EQ(shownFlagWhenOpened, 0);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Form1Fixture, OnlyTheLocalNetworkEditorReportsARejectedEnding) {
  editors.Present({TEditor::LocalNetExchange, TEditor::TimeDate});
  editors.results = {6, 6};
  form.ControlClick(TForm1Control::ButTimeDate);
  EXPECT_TRUE(ui.shown.empty());
  form.ControlClick(TForm1Control::LocNetObm);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"программирование закончено с ошибкой"});
  EXPECT_EQ(editors.opened.size(), 2u);
}

TEST_F(Form1Fixture, ClosingInControllerModeAsksNothing) {
  config->Serv.FileMode = 0;
  config->Serv.Modified = 1;
  config->Lur.FullAccess = 1;
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_FALSE(port.IsOpen());
}

// An editor whose write failed keeps its flag; closing offers the file as
// the last place for those changes.
struct UnsentClosing : Form1Fixture, ::testing::WithParamInterface<int> {
  UnsentClosing() {
    config->Serv.FileMode = 0;
    config->Lur.FullAccess = 1;
    switch (GetParam()) {
      case 0: config->Lur.DiskrModified = 1; break;
      case 1: config->FB.FBModified = 1; break;
      default: config->Reg.RegModified = 1; break;
    }
  }
};

TEST_P(UnsentClosing, AsksToSaveAndACancelledSaveKeepsTheWindowOpen) {
  ui.answers = {MsgAnswer::Yes};
  ui.files = {std::nullopt};
  EXPECT_FALSE(form.FormCloseQuery());
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Данные были изменены. Сохранить в файле?"});
  EXPECT_EQ(ui.shown[0].caption, "Подтвердите запись в файл");
  EXPECT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_TRUE(port.IsOpen());
}

TEST_P(UnsentClosing, NoClosesWithoutAskingToSend) {
  ui.answers = {MsgAnswer::No};
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Данные были изменены. Сохранить в файле?"});
  EXPECT_TRUE(port.written.empty());
  EXPECT_FALSE(port.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Editors, UnsentClosing, ::testing::Values(0, 1, 2),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(info.param == 0 ? "DiscreteProcessing"
                                              : info.param == 1 ? "FunctionBlocks"
                                                                : "ControlLoops");
                         });

struct ClosingFixture : Form1Fixture {
  std::filesystem::path dir = std::filesystem::temp_directory_path() /
                              ("lurprog-close-" + std::to_string(::getpid()) + "-" +
                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
  ClosingFixture() {
    std::filesystem::create_directories(dir);
    config->Serv.FileMode = 1;
    config->Serv.Modified = 1;
  }
  ~ClosingFixture() override { std::filesystem::remove_all(dir); }
};

constexpr const char* kAskSave = "Данные были изменены. Сохранить в файле?";
constexpr const char* kAskSend = "Данные были изменены. Передать в прибор?";

TEST_F(ClosingFixture, ACancelledSaveKeepsTheWindowOpen) {
  ui.answers = {MsgAnswer::Yes};
  ui.files = {std::nullopt};
  EXPECT_FALSE(form.FormCloseQuery());
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{kAskSave});
  EXPECT_EQ(ui.shown[0].caption, "Подтвердите запись в файл");
  EXPECT_EQ(ui.shown[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(config->Serv.Modified, 1);
  EXPECT_TRUE(port.IsOpen());
}

TEST_F(ClosingFixture, AFailedSaveKeepsTheWindowOpen) {
  ui.answers = {MsgAnswer::Yes};
  ui.files = {(dir / "no-such-folder" / "a.lur").string()};
  EXPECT_FALSE(form.FormCloseQuery());
  ASSERT_GE(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text, kAskSave);
  EXPECT_NE(ui.shown.back().text, kAskSend);
  EXPECT_EQ(config->Serv.Modified, 1);
  EXPECT_TRUE(port.IsOpen());
}

TEST_F(ClosingFixture, ASavedFileLetsTheWindowCloseAfterTheTransferQuestion) {
  config->Lur.FullAccess = 1;
  ui.answers = {MsgAnswer::Yes, MsgAnswer::No};
  ui.files = {(dir / "saved").string()};
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{kAskSave, kAskSend}));
  EXPECT_EQ(ui.shown[1].caption, "Подтвердите передачу данных");
  EXPECT_EQ(std::filesystem::file_size(dir / "saved.lur"), 35437u);
  EXPECT_EQ(config->Serv.Modified, 0);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_TRUE(port.written.empty());
}

TEST_F(ClosingFixture, TheLimitedLevelIsNotAskedAboutTheTransfer) {
  ui.answers = {MsgAnswer::No};
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{kAskSave});
  EXPECT_FALSE(port.IsOpen());
}

TEST_F(ClosingFixture, AFailedTransferOfUnsavedChangesKeepsTheWindowOpen) {
  config->Lur.FullAccess = 1;
  link.SetRetriesStage1(1);
  ui.answers = {MsgAnswer::No, MsgAnswer::Yes};
  EXPECT_FALSE(form.FormCloseQuery());  // the controller is silent
  ASSERT_EQ(ui.shown.size(), 3u);
  EXPECT_EQ(ui.shown[1].text, kAskSend);
  EXPECT_EQ(ui.shown[2].text, link.ErrorText(0, kResultNoAnswer));
  EXPECT_EQ(config->Serv.Modified, 1);
}

TEST_F(ClosingFixture, AnUnchangedFileAsksNothing) {
  config->Serv.Modified = 0;
  config->Lur.FullAccess = 1;
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_FALSE(port.IsOpen());
}

}  // namespace
}  // namespace lur
