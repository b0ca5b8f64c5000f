#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "NetworkLiveFixture.h"
#include "network/TF15Dialog.h"
#include "network/TFormF15Controller.h"
#include "session/TEditorRegistry.h"
#include "support/ScriptedDialog.h"

namespace lur::test {
namespace {

using F = TFormF15Controller;
using Table = std::array<std::uint8_t, 81>;

// A controller-mode configuration whose function-15 block 1 sends signals
// 1..16 to coils 340h.. of slave 3 with external acknowledgement; block 2 is
// empty. The reserve holds the table, as after a read.
class FormF15Test : public ::testing::Test {
 protected:
  FormF15Test() {
    TProgF15Class& f15 = rig.config.F15;
    f15.SetKodF(0, 15);
    f15.SetKolVh(0, 16);
    f15.SetUstr(0, 3);
    f15.SetAdBegDat(0, 0x340);
    f15.SetKolDat(0, 16);
    f15.SetKvit(0, 1);
    for (int k = 0; k < 16; ++k) f15.SetSignal(0, k, k + 1);
    rig.config.Reserv.ResF15 = TableNow();
    rig.config.Lur.FullAccess = 1;
    rig.line.ForgetRequests();
  }

  Table TableNow() const {
    Table t{};
    for (int i = 0; i < 81; ++i) t[static_cast<std::size_t>(i)] = rig.config.F15.GetF15Byte(i);
    return t;
  }
  int PageWrites() const {
    int n = 0;
    for (const auto& r : rig.line.requests) n += r.function == 0x45 && r.page == 0x0B;
    return n;
  }

  NetworkLiveRig rig;
  F form{rig.session, nullptr};
};

TEST_F(FormF15Test, OpeningShowsAConfiguredBlockOrTheEmptyDefaults) {
  rig.config.F15.F15Clean = 0;
  form.Open(0);
  EXPECT_EQ(form.labN_MBM, "1");
  EXPECT_EQ(form.editKodF, "15");
  EXPECT_EQ(form.cBoxUstr, 2);
  EXPECT_EQ(form.editKolVh, "16");
  EXPECT_EQ(form.editAdBegDat, "0340");
  EXPECT_EQ(form.editKolDat, "16");
  EXPECT_TRUE(form.kvit);
  EXPECT_FALSE(form.sbros);
  EXPECT_EQ(form.edit[0], "1");
  EXPECT_EQ(form.edit[15], "16");
  EXPECT_TRUE(form.editEnabled[15]);
  EXPECT_EQ(form.edit[16], "0");
  EXPECT_FALSE(form.editEnabled[16]);
  EXPECT_EQ(rig.config.F15.F15Clean, 1);
  EXPECT_FALSE(form.informButEnabled);  // no input-signal window registered

  form.Open(1);
  EXPECT_EQ(form.labN_MBM, "2");
  EXPECT_EQ(form.editKodF, "0");
  EXPECT_EQ(form.cBoxUstr, -1);
  EXPECT_EQ(form.editKolVh, "00");
  EXPECT_EQ(form.editAdBegDat, "0000");
  EXPECT_EQ(form.editKolDat, "00");
  EXPECT_FALSE(form.kvit);
  for (int k = 0; k < F::kSignals; ++k) {
    EXPECT_EQ(form.edit[static_cast<std::size_t>(k)], "0");
    EXPECT_FALSE(form.editEnabled[static_cast<std::size_t>(k)]);
  }
  EXPECT_EQ(F::SlaveAddressItems().front(), "1");
  EXPECT_EQ(F::SlaveAddressItems().back(), "32");

  TEditorRegistry editors;
  int informed = 0;
  editors.Register(TEditor::InputInform, [&](const TEditorRequest&) { return ++informed, kModalOk; });
  F withWindow{rig.session, &editors};
  withWindow.Open(0);
  EXPECT_TRUE(withWindow.informButEnabled);
  withWindow.InformButClick();
  EXPECT_EQ(informed, 1);
}

TEST_F(FormF15Test, LeavingTheFieldsKeepsTheNumbersUnlessTheCountChanged) {
  form.Open(0);
  form.edit[2] = "77";
  form.EditKolVhExit();  // tabbing through, count unchanged
  EXPECT_EQ(form.edit[2], "77");
  EXPECT_TRUE(form.editEnabled[15]);

  form.editKolVh = "8";
  form.EditKolVhExit();
  for (int k = 0; k < F::kSignals; ++k) {
    EXPECT_EQ(form.edit[static_cast<std::size_t>(k)], "0") << k;
    EXPECT_EQ(form.editEnabled[static_cast<std::size_t>(k)], k < 8) << k;
  }
  form.editKolVh = "40";  // limited to the 32 fields there are
  form.EditKolVhExit();
  EXPECT_TRUE(form.editEnabled[31]);

  for (const char* bad : {"", "1x", "-"}) {
    form.editKolVh = bad;
    form.EditKolVhExit();
    EXPECT_EQ(form.editKolVh, "16") << bad;  // the stored count comes back
  }
  EXPECT_EQ(rig.ui.inlineErrors, (std::vector<TFieldError>(3, {"EditKolVh", " Ошибка ввода "})));

  // The function code: 16 refused at the field, 15 stored, 0 silent only
  // for an empty block.
  rig.ui.inlineErrors.clear();
  form.editKodF = "16";
  form.EditKodFExit();
  EXPECT_EQ(rig.ui.inlineErrors, (std::vector<TFieldError>{{"EditKodF", " Ошибка ввода "}}));
  EXPECT_TRUE(form.errorTextVisible);
  form.Open(1);
  form.editKodF = "0";
  form.EditKodFExit();
  EXPECT_EQ(rig.ui.inlineErrors.size(), 1u);
  form.editKodF = "15";
  form.EditKodFExit();
  EXPECT_EQ(rig.config.F15.GetKodF(1), 15);
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(FormF15Test, EachRefusalEndsWithTheFinishQuestionAndYesPutsBackTheOpeningTable) {
  struct Case {
    const char* what;
    std::function<void(F&)> edit;
    std::vector<std::string> boxes;  // before the finish question
    std::vector<TFieldError> inlineErrors;
  };
  const TFieldError inputError{"", " Ошибка ввода "};
  auto at = [&](const char* field) { return TFieldError{field, inputError.text}; };
  const Case cases[] = {
      {"quantity 15 for 16 inputs", [](F& f) { f.editKolDat = "15"; }, {F::kBadDataCount}, {}},
      {"signal 255 in field 3", [](F& f) { f.edit[2] = "255"; }, {"ошибка в адресе дискретного сигнала 3"}, {}},
      {"function code 16", [](F& f) { f.editKodF = "16"; }, {}, {at("EditKodF")}},
      {"no slave", [](F& f) { f.cBoxUstr = -1; }, {F::kNoSlave}, {}},
      {"no inputs", [](F& f) { f.editKolVh = "0"; }, {}, {at("EditKolVh")}},
      {"33 inputs", [](F& f) { f.editKolVh = "33"; }, {F::kBadInputCount}, {}},
      // Whole texts: what conversion would have read as 1, 34 or nothing.
      {"inputs 1x", [](F& f) { f.editKolVh = "1x"; }, {}, {at("EditKolVh")}},
      {"address 34G", [](F& f) { f.editAdBegDat = "34G"; }, {}, {at("EditAdBegDat")}},
      {"empty quantity", [](F& f) { f.editKolDat = ""; }, {}, {at("EditKolDat")}},
      {"empty signal 2", [](F& f) { f.edit[1] = ""; }, {}, {at("Edit2")}},
      {"signal 5,0", [](F& f) { f.edit[4] = "5,0"; }, {}, {at("Edit5")}},
  };
  // An edit of an earlier showing, not yet written.
  rig.config.F15.SetSignal(0, 0, 100);
  rig.config.F15.F15Changed = 1;
  const Table opening = TableNow();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    rig.ui.shown.clear();
    rig.ui.inlineErrors.clear();
    form.Open(0);
    c.edit(form);
    form.FieldChanged();
    // Each box is acknowledged; No to the finish question goes on editing.
    auto answers = [&](MsgAnswer last) {
      rig.ui.answers.assign(c.boxes.size(), MsgAnswer::Ok);
      rig.ui.answers.push_back(last);
    };
    answers(MsgAnswer::No);
    EXPECT_FALSE(form.FormCloseQuery());
    std::vector<std::string> expected = c.boxes;
    expected.push_back(F::kFinishQuestion);
    EXPECT_EQ(rig.ui.Texts(), expected);
    EXPECT_EQ(rig.ui.inlineErrors, c.inlineErrors);
    const TMessage& finish = rig.ui.shown.back();
    EXPECT_EQ(finish.caption, F::kFinishCaption);
    EXPECT_EQ(finish.buttons, MsgButtons::YesNo);
    if (!c.boxes.empty()) {
      EXPECT_EQ(rig.ui.shown[0].caption, "");  // a plain box
      EXPECT_EQ(rig.ui.shown[0].icon, MsgIcon::None);
    }

    c.edit(form);  // a refused count is back at the stored one
    answers(MsgAnswer::Yes);
    ASSERT_TRUE(form.FormCloseQuery());
    EXPECT_EQ(form.Result(), kModalError);
    EXPECT_EQ(TableNow(), opening);
    EXPECT_EQ(rig.config.F15.F15Changed, 1);  // the earlier edit is still to be written
    EXPECT_FALSE(form.errorTextVisible);
  }
  EXPECT_TRUE(rig.line.requests.empty());
}

TEST_F(FormF15Test, YesWritesPage0BOnceAndTheReserveTakesIt) {
  form.Open(0);
  form.edit[0] = "20";
  form.SbrosClick();
  rig.ui.answers = {MsgAnswer::Yes};
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(form.Result(), kModalOk);
  ASSERT_EQ(rig.ui.shown.size(), 1u);
  EXPECT_EQ(rig.ui.shown[0].text, F::kSaveQuestion);
  EXPECT_EQ(rig.ui.shown[0].caption, F::kSaveCaption);
  EXPECT_EQ(rig.ui.shown[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(rig.ui.shown[0].defaultAnswer, MsgAnswer::No);
  EXPECT_EQ(PageWrites(), 1);
  EXPECT_EQ(rig.config.F15.GetSignal(0, 0), 20);
  EXPECT_EQ(rig.config.F15.GetSbros(0), 1);
  const Table now = TableNow();
  EXPECT_EQ(rig.line.Page(0x0B), Frame(now.begin() + 1, now.end()));
  EXPECT_EQ(rig.config.Reserv.ResF15, now);
  EXPECT_EQ(rig.config.F15.F15Changed, 0);
  EXPECT_EQ(rig.config.F15.F15Clean, 1);
}

TEST_F(FormF15Test, AWriteThatFailsOrIsNotAllowedLeavesTheChangePending) {
  struct Case {
    const char* what;
    bool fullAccess;
    bool fault;
    int writes;
  };
  for (const Case c : {Case{"refused by the controller", true, true, 1}, Case{"limited access", false, false, 0}}) {
    SCOPED_TRACE(c.what);
    rig.config.F15.F15Changed = 0;
    rig.line.ForgetRequests();
    rig.ui.shown.clear();
    rig.config.Lur.FullAccess = c.fullAccess ? 1 : 0;
    if (c.fault) rig.line.FailPage(0x45, 0x0B, ExceptionAnswer(4));
    const Table reserve = rig.config.Reserv.ResF15;
    form.Open(0);
    form.edit[0] = "21";
    form.FieldChanged();
    rig.ui.answers = {MsgAnswer::Yes};
    ASSERT_TRUE(form.FormCloseQuery());
    EXPECT_EQ(PageWrites() > 0, c.writes > 0);
    EXPECT_EQ(rig.ui.shown.size(), 2u);  // the question, then one report
    EXPECT_EQ(rig.config.F15.F15Changed, 1);
    EXPECT_EQ(rig.config.Reserv.ResF15, reserve);
    EXPECT_EQ(rig.config.F15.GetSignal(0, 0), 21);
    rig.line.ClearFaults();
  }
}

TEST_F(FormF15Test, NoCancelFileModeAndAnUnchangedDialog) {
  // Unchanged: closes without a question.
  form.Open(0);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_TRUE(rig.ui.shown.empty());

  // Cancel keeps the dialog open; No puts back the table as opened.
  form.Open(0);
  form.editKolVh = "16";
  form.edit[5] = "150";
  form.FieldChanged();
  rig.ui.answers = {MsgAnswer::Cancel};
  EXPECT_FALSE(form.FormCloseQuery());
  rig.ui.answers = {MsgAnswer::No};
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(rig.config.F15.GetSignal(0, 5), 6);
  EXPECT_EQ(TableNow(), rig.config.Reserv.ResF15);

  // An empty block left empty stores nothing, whatever was typed.
  form.Open(1);
  form.edit[0] = "9";
  form.FieldChanged();
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(form.Result(), kModalOk);
  EXPECT_EQ(TableNow(), rig.config.Reserv.ResF15);

  // File mode: stored, Modified, nothing asked or sent.
  rig.config.Serv.FileMode = 1;
  rig.ui.shown.clear();
  form.Open(0);
  form.KvitClick();
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(rig.config.F15.GetKvit(0), 0);
  EXPECT_EQ(rig.config.Serv.Modified, 1);
  EXPECT_TRUE(rig.ui.shown.empty());
  EXPECT_TRUE(rig.line.requests.empty());
}

TEST_F(FormF15Test, TheSeamOpensTheBlockAndReturnsTheDialogsResult) {
  ScriptedDialog<F> dialog;
  dialog.user = [](F& f) { EXPECT_EQ(f.labN_MBM, "2"); };
  TF15DialogRunner runner(form, dialog.window);
  EXPECT_EQ(runner.Show(1), kModalOk);
  EXPECT_EQ(dialog.shows, 1);
}

}  // namespace
}  // namespace lur::test
