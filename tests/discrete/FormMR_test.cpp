// The relay output module editor over a small configuration and the
// simulated controller: row rules, copy and replace, the close and page 9.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "discrete/TFormMRController.h"
#include "discrete/TFormTextMRController.h"
#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "model/Cp1251.h"
#include "model/TConfiguration.h"
#include "session/TModalWindow.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {
namespace {

using C = TMRRowControl;
using F = TMRInputField;

constexpr std::array<std::uint8_t, 8> kSlots = {1, 7, 3, 4, 12, 0, 0, 0};  // DiCount 12

sim::SimOptions Options(std::array<std::uint8_t, 8> slots) {
  sim::SimOptions options;
  options.modules = slots;
  return options;
}

class FormMRTest : public ::testing::Test {
 protected:
  explicit FormMRTest(std::array<std::uint8_t, 8> slots = kSlots) : line(clock, Options(slots)) {
    std::array<std::uint8_t, 15> id{};
    for (int s = 0; s < 8; ++s) id[1 + static_cast<std::size_t>(s)] = slots[static_cast<std::size_t>(s)];
    EXPECT_TRUE(config.Serv.SetIdentityFromBytes(id));
    config.Lur.FullAccess = 1;
    link.PortName = "COM1";
    // As after a read: every module's defaults, held by the reserve too.
    for (int m = 0; m < kMaxOutputModules; ++m) config.MR.SetDefaultModule(m);
    config.Reserv.ResMR = config.MR.GetBlockForTransfer();
    editors.Register(TEditor::DiscreteOutputView, [this](const TEditorRequest& r) {
      liveRequests.push_back(r);
      return kModalOk;
    });
  }

  // Opens the editor for a slot (0-based) as the main window asks.
  bool OpenSlot(int slot) {
    TEditorRequest request{TEditor::RelayModule};
    request.slot = slot + 1;
    request.module = config.Serv.GroupIndexOfSlot(slot) + 1;
    request.type = config.Serv.GetModuleType(slot);
    config.MR.SetMrSlot(slot + 1);
    config.MR.SetMrSlot2(slot + 1);
    return form.Open(request);
  }

  std::uint8_t Byte0(int o, int m) const { return config.MR.GetMRByte(1 + 24 * m + 3 * o); }

  VirtualClock clock;
  SimPort line;
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};
  TEditorRegistry editors;
  std::vector<TEditorRequest> liveRequests;
  TFormMRController form{session, editors};
};

// ---- row rules ----------------------------------------------------------------------

struct RowCase {
  const char* what;
  std::uint8_t before;  // byte 0 of output 1; bytes 1 and 2 are 5 and 7
  void (*act)(TFormMRController&);
  std::uint8_t after;
  int vxKvit, vhSbr;      // the record's input numbers afterwards
  bool kvitShown;
  bool ackEnabled, resetEnabled;
};

const RowCase kRowCases[] = {
    {"signalling light -> control", 0x3C, [](TFormMRController& f) { f.TipVyhClick(0, 1); }, 0x01, 0, 7, false,
     false, true},
    {"control -> signalling keeps the sources", 0x17, [](TFormMRController& f) { f.TipVyhClick(0, 0); }, 0x14, 5, 7,
     true, true, true},
    {"light -> sound clears the reset", 0x3C, [](TFormMRController& f) { f.KvitClick(0, 1); }, 0x2A, 5, 0, true, true,
     false},
    {"sound -> light enables the reset", 0x2A, [](TFormMRController& f) { f.KvitClick(0, 0); }, 0x28, 5, 7, true,
     true, true},
    {"blocking of a control output", 0x15, [](TFormMRController& f) { f.BlockClick(0, 1); }, 0x17, 5, 7, false,
     false, true},
    {"Kvit list of a control output does nothing", 0x17, [](TFormMRController& f) { f.KvitClick(0, 0); }, 0x17, 5, 7,
     false, false, true},
    {"acknowledgment box of a control output is disabled", 0x17,
     [](TFormMRController& f) { f.KvitMindClick(0, true); }, 0x17, 5, 7, false, false, true},
    {"panel acknowledgment ticked", 0x00, [](TFormMRController& f) { f.KvitMindClick(0, true); }, 0x20, 5, 7, true,
     true, true},
    {"upper-level reset unticked", 0x3C, [](TFormMRController& f) { f.SbrTopLevelClick(0, false); }, 0x38, 5, 7,
     true, true, true},
    {"reset box of a sound output is disabled", 0x2A, [](TFormMRController& f) { f.SbrMindClick(0, true); }, 0x2A, 5,
     7, true, true, false},
};

TEST_F(FormMRTest, RowRulesAsTransitions) {
  for (const RowCase& c : kRowCases) {
    SCOPED_TRACE(c.what);
    config.MR.SetMRByte(1 + 24 * 0, c.before);  // module 1 (slot 3), output 1
    config.MR.SetVxKvit(5, 0, 0);
    config.MR.SetVhSbr(7, 0, 0);
    config.MR.SetMrSent(3, 1);
    ASSERT_TRUE(OpenSlot(2));
    const bool changes = c.after != c.before || c.vxKvit != 5 || c.vhSbr != 7;
    c.act(form);
    EXPECT_EQ(Byte0(0, 0), c.after);
    EXPECT_EQ(config.MR.GetVxKvit(0, 0), c.vxKvit);
    EXPECT_EQ(config.MR.GetVhSbr(0, 0), c.vhSbr);
    const TMRRow& row = form.Row(0);
    EXPECT_EQ(row.kvitShown, c.kvitShown);
    for (C k : {C::KvitMind, C::KvitTopLevel, C::EditVxKvit}) EXPECT_EQ(row.enabled.IsEnabled(k), c.ackEnabled);
    for (C k : {C::SbrMind, C::SbrTopLevel, C::EditVhSbr}) EXPECT_EQ(row.enabled.IsEnabled(k), c.resetEnabled);
    if (!c.ackEnabled) {
      EXPECT_FALSE(row.kvitMind || row.kvitTopLevel);
    }
    if (!c.resetEnabled) {
      EXPECT_FALSE(row.sbrMind || row.sbrTopLevel);
    }
    // A change is marked; a refused click is none.
    EXPECT_EQ(config.MR.GetMrSent(3), changes ? 0 : 1);
  }
}

TEST_F(FormMRTest, ARecordContradictingTheRulesIsShownByThemAndLeftAlone) {
  config.MR.SetMRByte(1 + 3 * 2, 0x3F);  // an acknowledged control output
  config.MR.SetVxKvit(9, 2, 0);
  const auto before = config.MR.GetBlock();
  ASSERT_TRUE(OpenSlot(2));
  const TMRRow& row = form.Row(2);
  EXPECT_FALSE(row.kvitShown);
  EXPECT_FALSE(row.kvitMind);
  EXPECT_FALSE(row.kvitTopLevel);
  EXPECT_EQ(row.vxKvit, "0");
  EXPECT_FALSE(row.enabled.IsEnabled(C::EditVxKvit));
  EXPECT_TRUE(row.sbrMind);
  EXPECT_EQ(config.MR.GetBlock(), before);
  EXPECT_EQ(config.MR.GetMrSent(3), 1);
  EXPECT_TRUE(form.FormCloseQuery(false));  // nothing asked
  EXPECT_TRUE(ui.shown.empty());
}

// ---- input number fields -------------------------------------------------------------

TEST_F(FormMRTest, InputNumberFieldTakesOnlyZeroToDiCount) {
  ASSERT_TRUE(OpenSlot(2));
  form.TipVyhClick(1, 0);  // output 2 signalling: both fields enabled
  struct FieldCase {
    const char* text;
    int stored;           // the record afterwards
    const char* shown;    // the field afterwards
    bool inputError;
  } cases[] = {
      {"12", 12, "12", false}, {"0", 0, "0", false},  {"-1", 0, "0", true},
      {"", 0, "0", true},      {"x", 0, "0", true},   {"13", 0, "13", false},  // kept for the close to refuse
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(c.text);
    ui.inputErrors.clear();
    form.EditVxKvitChange(1, F::VxKvit, c.text);
    form.EditVxKvitExit(1, F::VxKvit);
    EXPECT_EQ(config.MR.GetVxKvit(1, 0), c.stored);
    EXPECT_EQ(form.Row(1).vxKvit, c.shown);
    if (c.inputError) {
      EXPECT_EQ(ui.inputErrors, (std::vector<TFieldError>{{"EditVxKvit2", " Ошибка ввода "}}));
    } else {
      EXPECT_TRUE(ui.inputErrors.empty());
    }
  }
  EXPECT_EQ(config.MR.GetMrSent(3), 0);
}

TEST_F(FormMRTest, CloseValidatesEveryEnabledField) {
  struct CloseCase {
    F field;
    const char* text;
    TFieldError error;
    const char* shownAfter;
  } cases[] = {
      {F::VxKvit, "13", {"EditVxKvit4", " Неверный адрес входа внеш. квитирования"}, "3"},
      {F::VhSbr, "40", {"EditVhSbr4", " Неверный адрес входа внеш. сброса"}, "4"},
      {F::VhSbr, "", {"EditVhSbr4", " Ошибка ввода "}, ""},
  };
  for (const CloseCase& c : cases) {
    ui.inlineErrors.clear();
    config.MR.SetMRByte(1 + 3 * 3, 0x00);  // output 4 signalling, light
    config.MR.SetVxKvit(3, 3, 0);
    config.MR.SetVhSbr(4, 3, 0);
    ASSERT_TRUE(OpenSlot(2));
    form.EditVxKvitChange(3, c.field, c.text);
    EXPECT_FALSE(form.FormCloseQuery(false));
    EXPECT_EQ(ui.inlineErrors, std::vector<TFieldError>{c.error});
    EXPECT_EQ(c.field == F::VxKvit ? form.Row(3).vxKvit : form.Row(3).vhSbr, c.shownAfter);
    EXPECT_EQ(line.PagesWritten(), std::vector<std::uint8_t>{});
  }
  // A disabled field is not checked: a sound output's reset field.
  ui.inlineErrors.clear();
  form.EditVxKvitChange(3, F::VhSbr, "4");
  form.KvitClick(3, 1);
  ui.answers = {MsgAnswer::No};
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_TRUE(ui.inlineErrors.empty());
}

// ---- copy and replace ------------------------------------------------------------------

TEST_F(FormMRTest, CopyAndReplaceBetweenModuleTypes) {
  config.MR.SetVhSbr(200, 5, 0);  // an input of a larger configuration
  ASSERT_TRUE(OpenSlot(2));        // type 3, module 1
  EXPECT_FALSE(form.ChangeEnabled());
  form.TipVyhClick(0, 0);
  form.EditVxKvitChange(0, F::VxKvit, "12");
  form.EditVxKvitExit(0, F::VxKvit);
  form.KvitMindClick(0, true);
  form.CopyBaseClick();
  EXPECT_TRUE(form.ChangeEnabled());
  EXPECT_EQ(config.MR.CopiedModule, 0);
  EXPECT_EQ(config.MR.CopiedType, 3);
  const auto copied = config.MR.GetModuleRecords(0);
  ASSERT_FALSE(form.FormCloseQuery(false));  // its own input 200 is refused too
  EXPECT_EQ(ui.inlineErrors.back().field, "EditVhSbr6");

  ASSERT_TRUE(OpenSlot(4));  // type 12: another kind of module
  EXPECT_FALSE(form.ChangeEnabled());
  const auto untouched = config.MR.GetModuleRecords(2);
  form.ChangeBaseClick();
  EXPECT_EQ(config.MR.GetModuleRecords(2), untouched);

  ASSERT_TRUE(OpenSlot(3));  // type 4
  EXPECT_TRUE(form.ChangeEnabled());
  form.ChangeBaseClick();
  auto expected = copied;
  expected[3 * 5 + 2] = 0;  // input 200 is past DiCount
  EXPECT_EQ(config.MR.GetModuleRecords(1), expected);
  EXPECT_EQ(form.Row(0).vxKvit, "12");
  EXPECT_TRUE(form.Row(0).kvitMind);
  EXPECT_EQ(form.Row(5).vhSbr, "0");
  EXPECT_EQ(config.MR.GetMrSent(4), 0);
  EXPECT_EQ(config.MR.GetModuleRecords(0), copied);  // the source stays
}

// ---- closing and page 9 ---------------------------------------------------------------

TEST_F(FormMRTest, YesWritesPage9AndTheSimulatorHoldsIt) {
  ASSERT_TRUE(OpenSlot(3));  // module 2
  form.TipVyhClick(6, 0);
  form.KvitClick(6, 1);
  form.KvitTopLevelClick(6, true);
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(form.FormCloseQuery(false));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "База  была изменена. Передать в прибор?");
  EXPECT_EQ(ui.shown[0].caption, "Подтвердите передачу базы данных");
  EXPECT_EQ(ui.shown[0].defaultAnswer, MsgAnswer::No);
  EXPECT_EQ(ui.shown[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(form.ModalResult(), 2);
  EXPECT_EQ(line.PagesWritten(), std::vector<std::uint8_t>{9});
  const auto block = config.MR.GetBlockForTransfer();
  EXPECT_EQ(line.Page(9), std::vector<std::uint8_t>(block.begin() + 1, block.end()));
  EXPECT_EQ(line.Page(9)[24 + 3 * 6], 0x0A);
  EXPECT_EQ(config.Reserv.ResMR, block);
  EXPECT_EQ(config.MR.GetMrSent(4), 1);
}

TEST_F(FormMRTest, NoKeepsTheChangeInMemoryUnsentAndCancelStays) {
  ASSERT_TRUE(OpenSlot(2));
  form.TipVyhClick(0, 0);
  const auto edited = config.MR.GetBlock();
  ui.answers = {MsgAnswer::Cancel};
  EXPECT_FALSE(form.FormCloseQuery(false));
  ui.answers = {MsgAnswer::No};
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(config.MR.GetBlock(), edited);
  EXPECT_EQ(config.MR.GetMrSent(3), 1);
  EXPECT_EQ(line.Count(0x45), 0);
  // The next close of an untouched editor asks nothing.
  ASSERT_TRUE(OpenSlot(2));
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(ui.shown.size(), 2u);
}

TEST_F(FormMRTest, CancelRestoresOnlyThisModule) {
  ASSERT_TRUE(OpenSlot(3));  // module 2: a change kept with No
  form.TipVyhClick(0, 0);
  ui.answers = {MsgAnswer::No};
  ASSERT_TRUE(form.FormCloseQuery(false));
  const auto kept = config.MR.GetModuleRecords(1);

  ASSERT_TRUE(OpenSlot(2));  // module 1: changed, then cancelled
  form.TipVyhClick(4, 0);
  form.SbrMindClick(4, false);
  EXPECT_TRUE(form.FormCloseQuery(true));
  EXPECT_EQ(form.ModalResult(), 2);
  const auto reserve = config.Reserv.ResMR;
  EXPECT_TRUE(std::equal(reserve.begin() + 1, reserve.begin() + 25, config.MR.GetModuleRecords(0).begin()));
  EXPECT_EQ(config.MR.GetModuleRecords(1), kept);
  EXPECT_EQ(config.MR.GetMrSent(3), 1);
  EXPECT_EQ(line.Count(0x45), 0);
}

TEST_F(FormMRTest, AFailedWriteAsksAgainAtTheNextClose) {
  sim::SimOptions options = Options(kSlots);
  options.silent = true;
  line.Rebuild(options);
  ASSERT_TRUE(OpenSlot(2));
  form.BlockClick(0, 0);
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(form.FormCloseQuery(false));  // closes anyway
  ASSERT_EQ(ui.shown.size(), 2u);           // the question and the one failure box
  EXPECT_EQ(config.MR.GetMrSent(3), 0);
  EXPECT_EQ(config.Reserv.ResMR[1], 0x17);

  line.Rebuild(Options(kSlots));
  ASSERT_TRUE(OpenSlot(2));  // a new opening forgets nothing
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(ui.shown[2].text, "База  была изменена. Передать в прибор?");
  EXPECT_EQ(line.Page(9)[0], 0x15);
  EXPECT_EQ(config.MR.GetMrSent(3), 1);
}

TEST_F(FormMRTest, NothingIsSentAtTheLimitedLevel) {
  config.Lur.FullAccess = 0;
  ASSERT_TRUE(OpenSlot(2));
  form.BlockClick(0, 0);
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_EQ(line.Count(0x45), 0);
  EXPECT_EQ(config.MR.GetMrSent(3), 0);
  EXPECT_EQ(config.Reserv.ResMR[1], 0x17);
  EXPECT_FALSE(form.SaveClick());
  EXPECT_EQ(line.Count(0x45), 0);
}

TEST_F(FormMRTest, FileModeSetsModifiedAndTheReserve) {
  config.Serv.FileMode = 1;
  ASSERT_TRUE(OpenSlot(2));
  EXPECT_TRUE(form.FormCloseQuery(false));  // unchanged: nothing marked
  EXPECT_EQ(config.Serv.Modified, 0);
  ASSERT_TRUE(OpenSlot(2));
  form.TipVyhClick(2, 0);
  EXPECT_TRUE(form.FormCloseQuery(false));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(config.Serv.Modified, 1);
  EXPECT_EQ(config.Reserv.ResMR[1 + 3 * 2], 0x14);
  EXPECT_EQ(config.MR.GetMrSent(3), 1);
  EXPECT_EQ(line.Count(0x45), 0);
}

TEST_F(FormMRTest, OnLineOpensTheLiveViewOfThisModule) {
  ASSERT_TRUE(OpenSlot(4));
  EXPECT_EQ(form.LabNMod(), "3");
  EXPECT_EQ(form.LabTMod(), "МР-71");
  form.ButOnLineClick();
  ASSERT_EQ(liveRequests.size(), 1u);
  EXPECT_EQ(liveRequests[0].editor, TEditor::DiscreteOutputView);
  EXPECT_EQ(liveRequests[0].slot, 5);
  EXPECT_EQ(liveRequests[0].module, 3);
  EXPECT_EQ(liveRequests[0].type, 12);
}

// A control loop module before the outputs is no output module.
class FormMRLoopTest : public FormMRTest {
 protected:
  FormMRLoopTest() : FormMRTest({1, 14, 3, 4, 0, 0, 0, 0}) {}
};

TEST_F(FormMRLoopTest, ModuleNumberIsThePlaceAmongOutputModules) {
  ASSERT_TRUE(OpenSlot(3));  // slots 2 and 3 are outputs 1 and 2
  EXPECT_EQ(form.Module(), 2);
  form.TipVyhClick(0, 0);
  EXPECT_EQ(Byte0(0, 1), 0x14);
  EXPECT_EQ(Byte0(0, 0), 0x17);
  EXPECT_EQ(Byte0(0, 2), 0x17);
  ui.answers = {MsgAnswer::No};
  ASSERT_TRUE(form.FormCloseQuery(false));

  EXPECT_FALSE(OpenSlot(1));  // the control loop module itself
  // A number past the fifth module, and a request naming another output
  // module than the slot's, open nothing.
  EXPECT_FALSE(form.Open({TEditor::RelayModule, 4, 6, 4}));
  EXPECT_FALSE(form.Open({TEditor::RelayModule, 4, 3, 4}));
  EXPECT_FALSE(form.Open({TEditor::RelayModule, 4, 0, 4}));
}

// ---- the output text dialog --------------------------------------------------------------

TEST(FormTextMRTest, ShowsEditsAndStoresTheOutputText) {
  TServClass serv;
  serv.SetOutputIdSlot(2, 0, "Q3");
  serv.SetOutputText(Utf8ToCp1251("Насос"), 2);
  TFormTextMRController form(serv);
  EXPECT_FALSE(form.Preset(0));
  EXPECT_FALSE(form.Preset(41));
  ASSERT_TRUE(form.Preset(3));
  EXPECT_EQ(form.label2.substr(0, 7), "3      ");
  EXPECT_NE(form.label2.find(Cp1251ToUtf8(serv.GetOutputId(2))), std::string::npos);
  EXPECT_EQ(form.editText.substr(0, 10), "Насос");
  serv.OutputTextsEdited = 1;
  form.FormShow();
  EXPECT_EQ(serv.OutputTextsEdited, 0);

  // Unedited in file mode: nothing to save.
  serv.FileMode = 1;
  EXPECT_EQ(form.FormClose(), 2);
  form.StoreText();
  EXPECT_EQ(serv.Modified, 0);

  form.EditTextChange("");
  EXPECT_EQ(serv.OutputTextsEdited, 1);
  EXPECT_EQ(form.FormClose(), 2);
  EXPECT_EQ(form.editText, "          ");
  form.StoreText();
  EXPECT_EQ(serv.GetOutputText(2).substr(0, 10), "          ");
  EXPECT_EQ(serv.Modified, 1);
}

}  // namespace
}  // namespace lur::test
