// The regulator editor's controller over the simulated controller on virtual
// time: opening and F9, F10 with its question and polls, the closing
// question after a failed write, the limited access level, loops created in
// file mode through the loop dialog, and the selection with its menus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loops/FormRegFixture.h"
#include "loops/LoopAssembly.h"
#include "loops/TLoopDrawing.h"
#include "session/TModalWindow.h"

namespace lur::test {
namespace {

constexpr const char* kUnchanged = "Данные не были изменены.Передавать?";
constexpr const char* kOnClose = "Данные были изменены. Передать в прибор?";
constexpr const char* kNoneSelected = "Нет выделенных регуляторов";
using C = TFormRegControl;
using Button = TFormRegController::TButton;
using Popup = TFormRegController::TPopup;

// Texts of every frame's panels and marks: what the picture shows.
std::vector<std::string> PictureTexts(const TConfiguration& config) {
  std::vector<std::string> texts;
  for (const TLoopFrame& frame : DrawLoops(config).frames) {
    for (const TLoopPanel& panel : frame.panels)
      texts.insert(texts.end(), panel.lines.begin(), panel.lines.end());
    for (const TLoopMark& mark : frame.marks) texts.push_back(mark.text);
  }
  return texts;
}

// ---- opening and F9 -----------------------------------------------------------------------

TEST(FormRegRead, OpeningReadsBothPagesExceptInFileMode) {
  for (const bool fileMode : {false, true}) {
    SCOPED_TRACE(fileMode ? "file mode" : "on line");
    LoopEditorFixture f;
    if (fileMode) f.OpenAsFile();
    f.editor.FormShow();

    const std::vector<int> pages = fileMode ? std::vector<int>{} : std::vector<int>{0x20, 0x21};
    EXPECT_EQ(f.PagesOf(kLoopPageRead), pages);
    EXPECT_EQ(f.line.requests.empty(), fileMode);
    EXPECT_TRUE(f.ui.shown.empty());
    EXPECT_EQ(f.editor.LabelFileShown(), fileMode);
    EXPECT_EQ(f.Memory(), ThreeLoops().GetFileBlock());
    EXPECT_EQ(f.config.Reserv.ResReg, ThreeLoops().GetFileBlock());
    EXPECT_EQ(f.config.Reg.RegModified, 0);
    EXPECT_EQ(f.config.Reg.NLoops, 3);
    EXPECT_EQ(f.config.Reg.N_Ctrl, 0);
    EXPECT_EQ(DrawLoops(f.config).frames.size(), 3u);
    if (!fileMode) {
      EXPECT_EQ(f.ui.progressMaximum, 120);
      EXPECT_EQ(f.ui.progressStep, 30);
      EXPECT_FALSE(f.ui.progressVisible);
    }
  }
}

TEST(FormRegRead, AFailingPageLeavesMemoryAndPictureAsTheyWereWithOneReport) {
  for (const std::uint8_t page : {std::uint8_t{0x20}, std::uint8_t{0x21}}) {
    SCOPED_TRACE(int{page});
    LoopEditorFixture f;
    // Memory holds an edited single loop, not the device's three loops.
    f.config.Reg.SetAnVh(0, 5);
    f.config.Reg.SetTReg(0, 1);
    f.config.Reg.SetValPZ(2, 0, 77);
    f.config.Reg.RegModified = 1;
    f.config.Serv.FileMode = 1;
    f.editor.FormShow();
    f.config.Serv.FileMode = 0;
    const auto memory = f.Memory();
    const auto picture = PictureTexts(f.config);
    const auto reserve = f.config.Reserv.ResReg;
    const int revision = f.editor.Revision();
    f.line.FailPage(kLoopPageRead, page, ExceptionAnswer(4));

    f.editor.InPortClick();

    EXPECT_EQ(f.PagesOf(kLoopPageRead).back(), page);
    ASSERT_EQ(f.ui.shown.size(), 1u);
    EXPECT_EQ(f.ui.shown[0].text, f.link.ErrorText(0, 4));
    EXPECT_EQ(f.Memory(), memory);
    EXPECT_EQ(PictureTexts(f.config), picture);
    EXPECT_EQ(f.editor.Revision(), revision);
    EXPECT_EQ(f.config.Reserv.ResReg, reserve);
    EXPECT_EQ(f.config.Reg.RegModified, 1);
    EXPECT_FALSE(f.ui.progressVisible);
  }
}

// ---- F10 and closing ------------------------------------------------------------------------

TEST(FormRegWrite, UnchangedDataAskFirst) {
  struct Case {
    MsgAnswer answer;
    std::vector<int> written;
  };
  for (const Case& c : {Case{MsgAnswer::No, {}}, Case{MsgAnswer::Yes, {0x20, 0x21}}}) {
    LoopEditorFixture f;
    f.editor.FormShow();
    f.line.ForgetRequests();
    f.ui.answers = {c.answer};

    f.editor.OutPortClick();

    ASSERT_EQ(f.ui.shown.size(), 1u);
    EXPECT_EQ(f.ui.shown[0].text, kUnchanged);
    EXPECT_EQ(f.ui.shown[0].caption, "Подтвердите передачу данных");
    EXPECT_EQ(f.ui.shown[0].defaultAnswer, MsgAnswer::No);
    EXPECT_EQ(f.PagesOf(kLoopPageWrite), c.written);
    if (c.answer == MsgAnswer::No) {
      EXPECT_TRUE(f.line.requests.empty());
    }
  }
}

TEST(FormRegWrite, AWriteWithBusyPollsLandsAndBecomesTheReserve) {
  sim::SimOptions options = RegulatorController();
  options.busyPolls = 3;
  LoopEditorFixture f(options);
  f.editor.FormShow();
  f.editor.PanelMouseDown(1, Button::Left, false);
  f.editor.DelChooseClick();  // the cascade goes; the setter loop moves up
  ASSERT_EQ(f.config.Reg.RegModified, 1);

  f.editor.OutPortClick();

  EXPECT_TRUE(f.ui.shown.empty());
  EXPECT_EQ(f.PagesOf(kLoopPageWrite), (std::vector<int>{0x20, 0x21}));
  EXPECT_EQ(f.line.Count(0x0E), 8);  // three busy answers and the done one, per page
  EXPECT_EQ(f.line.Page(0x20), RegulatorPage(f.config.Reg));
  EXPECT_EQ(f.line.Page(0x21), SetterPage(f.config.Reg));
  EXPECT_EQ(f.config.Reg.GetAnVh(1), 4);
  EXPECT_EQ(f.config.Reg.GetAReg(0), 2);
  EXPECT_EQ(f.config.Reg.RegModified, 0);
  EXPECT_EQ(f.config.Reserv.ResReg, f.Memory());
  // Nothing left to send: closing asks nothing.
  EXPECT_TRUE(f.editor.FormCloseQuery());
  EXPECT_EQ(f.ui.shown.size(), 0u);
}

TEST(FormRegWrite, AFailingPageKeepsTheEditsAndTheClosingQuestionAsksAgain) {
  LoopEditorFixture f;
  f.editor.FormShow();
  f.editor.PanelMouseDown(0, Button::Left, false);
  f.editor.DelChooseClick();
  const auto edited = f.Memory();
  f.line.FailPage(kLoopPageWrite, 0x21, ExceptionAnswer(4));

  f.editor.OutPortClick();
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text, f.link.ErrorText(0, 4));
  EXPECT_EQ(f.Memory(), edited);
  EXPECT_EQ(f.config.Reg.RegModified, 1);
  EXPECT_EQ(f.config.Reserv.ResReg, ThreeLoops().GetFileBlock());

  // Yes sends again and fails again: the window closes as every editor's
  // does, the edits stay in memory, marked, and the next closing asks again.
  f.ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(f.editor.FormCloseQuery());
  EXPECT_EQ(f.config.Reg.RegModified, 1);
  EXPECT_EQ(f.ui.Texts(),
            (std::vector<std::string>{f.link.ErrorText(0, 4), kOnClose, f.link.ErrorText(0, 4)}));
  EXPECT_EQ(f.Memory(), edited);
  // Cancel stays; No puts the controller's loops back and closes.
  f.ui.answers = {MsgAnswer::Cancel, MsgAnswer::No};
  EXPECT_FALSE(f.editor.FormCloseQuery());
  EXPECT_TRUE(f.editor.FormCloseQuery());
  EXPECT_EQ(f.ui.shown.back().text, kOnClose);
  EXPECT_EQ(f.Memory(), ThreeLoops().GetFileBlock());
  EXPECT_EQ(f.config.Reg.RegModified, 0);
  EXPECT_EQ(f.config.Reg.NLoops, 3);
}

TEST(FormRegWrite, TheLimitedLevelSendsNothing) {
  LoopEditorFixture f;
  f.editor.FormShow();
  f.config.Lur.FullAccess = 0;
  f.editor.PanelMouseDown(2, Button::Left, false);
  f.editor.DelChooseClick();
  const auto edited = f.Memory();
  f.line.ForgetRequests();

  f.editor.OutPortClick();
  f.ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(f.editor.FormCloseQuery());

  EXPECT_TRUE(f.line.requests.empty());
  EXPECT_EQ(f.ui.Texts(), (std::vector<std::string>{kNoAccessText, kOnClose, kNoAccessText}));
  EXPECT_EQ(f.Memory(), edited);
  EXPECT_EQ(f.config.Reg.RegModified, 1);
}

// ---- loops through the dialog ------------------------------------------------------------

TEST(FormRegLoops, FileModeCreatesASingleASetterAndACascadeLoop) {
  LoopEditorFixture f;
  f.config.Serv.FileMode = 1;
  f.editor.FormShow();
  ASSERT_EQ(f.config.Reg.NLoops, 0);
  std::vector<TLoopValues> answers;
  f.dialog.user = [&f, &answers](const TLoopDialogRequest& r) -> std::optional<TLoopValues> {
    // What the dialog's signal info does on leaving EditAnVh: signal 2 is 0..200.
    f.config.Reg.ScaleLow = 0;
    f.config.Reg.ScaleHigh = 200;
    const std::size_t n = answers.size();
    answers.push_back(n == 0   ? SingleLoop(r.slot.regulator, 1, 1)
                      : n == 1 ? SetterLoop(r.slot.regulator, r.slot.setter, 2, 2)
                               : Cascade(r.slot.regulator, 3, 4, 3));
    return answers.back();
  };
  for (int i = 0; i < 3; ++i) f.editor.CreatRegButClick();

  ASSERT_EQ(f.dialog.requests.size(), 3u);
  EXPECT_EQ(f.dialog.requests[2].mode, 0);
  EXPECT_EQ(f.dialog.requests[2].slot.loop, 3);
  EXPECT_EQ(f.dialog.requests[2].slot.regulator, 3);
  EXPECT_TRUE(f.line.requests.empty());
  EXPECT_TRUE(f.ui.shown.empty());
  const TProgRegClass& reg = f.config.Reg;
  EXPECT_EQ(reg.NLoops, 3);
  const std::vector<std::array<int, 3>> records = {{1, 1, 0}, {2, 16, 1}, {3, 1, 11}, {4, 10, 2}};
  for (int r = 0; r < 4; ++r) {
    EXPECT_EQ((std::array<int, 3>{reg.GetAnVh(r), reg.GetTReg(r), reg.GetAdOUT(r)}), records[r]) << r;
  }
  EXPECT_EQ(reg.GetAReg(0), 2);
  EXPECT_EQ(reg.GetTimePZ(0, 5), 60);
  EXPECT_EQ(reg.GetValPZ(0, 5), 8191);  // 100 of 0..200
  // The last loop is the selected one and scrolled to.
  EXPECT_EQ(reg.CurLoop, 2);
  EXPECT_EQ(reg.N_Ctrl, 1);
  EXPECT_EQ(f.editor.ScrollTarget(), LoopFrameTop(2));
  EXPECT_EQ(f.config.Serv.Modified, 1);
  // Closing in file mode: the configuration carries the change.
  EXPECT_TRUE(f.editor.FormCloseQuery());
  EXPECT_EQ(reg.RegModified, 0);
  EXPECT_EQ(f.config.Serv.Modified, 1);
  EXPECT_TRUE(f.ui.shown.empty());
}

TEST(FormRegLoops, ProgrammingOpensTheCurrentLoopAndScrollsAboveItsFrame) {
  LoopEditorFixture f;
  f.editor.FormShow();
  f.editor.PanelMouseDown(2, Button::Left, false);
  f.dialog.user = [&f](const TLoopDialogRequest& r) -> std::optional<TLoopValues> {
    EXPECT_EQ(f.config.Reg.EditMode, 1);
    EXPECT_EQ(f.config.Reg.RegModifiedSave, 0);
    TLoopValues v = SingleLoop(r.record + 1, 4, 3);
    v.kind = TProgRegClass::kKindSetter;
    v.setter = 1;
    v.aReg = 4;
    return v;
  };
  f.editor.PMenu1RegClick();

  ASSERT_EQ(f.dialog.requests.size(), 1u);
  EXPECT_EQ(f.dialog.requests[0].mode, 1);
  EXPECT_EQ(f.dialog.requests[0].record, 3);
  EXPECT_EQ(f.config.Reg.GetKp(3), "2,5000");
  EXPECT_EQ(f.config.Reg.RegModified, 1);
  EXPECT_EQ(f.config.Reg.CurLoop, 2);
  EXPECT_EQ(f.config.Reg.EditMode, 0);
  EXPECT_EQ(f.config.Reg.ActPanel, -1);
  EXPECT_EQ(f.editor.ScrollTarget(), LoopFrameTop(2) - 15);
}

TEST(FormRegLoops, RefusalsAndCancelStoreNothing) {
  struct Case {
    const char* name;
    int used;      // single loops in records 0 .. used - 1
    bool select;   // loop 0 current before the command
    bool program;  // PMenu1RegClick rather than create
    std::vector<std::string> texts;
    std::size_t dialogs;
  };
  const Case cases[] = {
      {"six in use", 6, false, false, {"Все регуляторы созданы"}, 0},
      {"cancelled", 2, false, false, {}, 1},
      {"program with none", 2, false, true, {kNoneSelected}, 0},
      {"program cancelled", 2, true, true, {}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoopEditorFixture f;
    f.config.Serv.FileMode = 1;
    for (int r = 0; r < c.used; ++r) {
      f.config.Reg.SetAnVh(r, r + 1);
      f.config.Reg.SetTReg(r, 1);
    }
    f.editor.FormShow();
    if (c.select) f.editor.PanelMouseDown(0, Button::Left, false);
    const auto memory = f.Memory();

    c.program ? f.editor.PMenu1RegClick() : f.editor.CreatRegButClick();

    EXPECT_EQ(f.ui.Texts(), c.texts);
    if (!c.texts.empty()) {
      EXPECT_EQ(f.ui.shown[0].caption, "Предупреждение");
    }
    EXPECT_EQ(f.dialog.requests.size(), c.dialogs);
    EXPECT_EQ(f.Memory(), memory);
    EXPECT_EQ(f.config.Reg.RegModified, 0);
    EXPECT_EQ(f.config.Serv.Modified, 0);
    EXPECT_EQ(f.config.Reg.EditMode, 0);
  }
}

// ---- selection --------------------------------------------------------------------------

TEST(FormRegSelection, CtrlClickingTwoLoopsDisablesProgrammingAndDeletesBoth) {
  LoopEditorFixture f;
  f.editor.FormShow();
  const TProgRegClass& reg = f.config.Reg;

  // A plain click selects exactly one loop, the current one.
  f.editor.PanelMouseDown(2, Button::Left, false);
  f.editor.PanelMouseDown(0, Button::Left, false);
  EXPECT_EQ(reg.N_Ctrl, 1);
  EXPECT_EQ(reg.CurLoop, 0);
  EXPECT_EQ(reg.CurReg, 0);
  EXPECT_EQ(f.editor.PanelMouseDown(0, Button::Right, false), Popup::Loop);
  EXPECT_TRUE(f.editor.Controls().IsEnabled(C::EditReg));
  EXPECT_EQ(reg.ActPanel, 0);

  f.editor.PanelMouseDown(2, Button::Left, true);
  EXPECT_EQ(reg.N_Ctrl, 2);
  EXPECT_EQ(reg.CurPanel, -1);
  EXPECT_EQ(reg.CurReg, -1);
  EXPECT_EQ(f.editor.PanelMouseDown(2, Button::Right, false), Popup::Loop);
  EXPECT_FALSE(f.editor.Controls().IsEnabled(C::EditReg));
  EXPECT_TRUE(f.editor.Controls().IsEnabled(C::DelChoose));
  EXPECT_EQ(f.editor.PanelMouseDown(1, Button::Right, false), Popup::Background);
  // Programming and the on-line view want one loop.
  f.editor.PMenu1RegClick();
  f.editor.RegOnLineClick();
  EXPECT_EQ(f.ui.Texts(), (std::vector<std::string>{kNoneSelected, kNoneSelected}));
  EXPECT_TRUE(f.dialog.requests.empty());
  EXPECT_TRUE(f.onLine.shown.empty());

  f.editor.DelChooseClick();
  EXPECT_EQ(reg.NLoops, 1);
  EXPECT_EQ(reg.GetAnVh(0), 2);  // the cascade is left, moved to the front
  EXPECT_EQ(reg.GetAdOUT(0), 9);
  EXPECT_EQ(reg.GetTReg(1), 8);
  EXPECT_EQ(reg.GetAnVh(2), 0);
  EXPECT_EQ(reg.N_Ctrl, 0);
  EXPECT_EQ(reg.RegModified, 1);
  EXPECT_FALSE(f.editor.Controls().IsEnabled(C::DelChoose));
}

TEST(FormRegSelection, CtrlClickTogglesAndTheLastOneLeftIsCurrent) {
  LoopEditorFixture f;
  f.editor.FormShow();
  const TProgRegClass& reg = f.config.Reg;
  f.editor.PanelMouseDown(0, Button::Left, false);
  f.editor.PanelMouseDown(2, Button::Left, true);
  f.editor.PanelMouseDown(0, Button::Left, true);  // off again
  EXPECT_EQ(reg.N_Ctrl, 1);
  EXPECT_EQ(reg.CurLoop, 2);
  EXPECT_EQ(reg.CurReg, 3);
  f.editor.RegOnLineClick();
  EXPECT_EQ(f.onLine.shown, std::vector<int>{2});

  f.editor.ChooseAllClick();
  EXPECT_EQ(reg.N_Ctrl, 3);
  EXPECT_EQ(reg.CurLoop, -1);
  EXPECT_EQ(DrawLoops(f.config).frames[1].color, kLoopSelectedColor);
  f.editor.ScrollBox1Click();
  EXPECT_EQ(reg.N_Ctrl, 0);
  EXPECT_EQ(DrawLoops(f.config).frames[1].color, kLoopFaceColor);
  f.editor.DelChooseClick();
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{kNoneSelected});
  EXPECT_EQ(reg.NLoops, 3);
  EXPECT_EQ(reg.RegModified, 0);
}

TEST(FormRegSelection, WindowsAndInformationButtonsAreOfferedOnlyWhenPresent) {
  LoopEditorFixture bare(RegulatorController(), false);
  bare.editor.FormShow();
  bare.editor.PanelMouseDown(0, Button::Left, false);
  for (const C c : {C::CreatFuncBut, C::N1AND, C::EditReg, C::RegOnLine, C::InformBut, C::InformButMR}) {
    EXPECT_FALSE(bare.editor.Controls().IsEnabled(c)) << static_cast<int>(c);
  }
  bare.editor.InformButClick();
  bare.editor.CreatRegButClick();
  EXPECT_TRUE(bare.ui.shown.empty());

  LoopEditorFixture f;
  std::vector<TEditor> opened;
  for (const TEditor e : {TEditor::InputInform, TEditor::OutputInform}) {
    f.editors.Register(e, [&opened](const TEditorRequest& r) {
      opened.push_back(r.editor);
      return kModalOk;
    });
  }
  f.editor.FormShow();
  EXPECT_TRUE(f.editor.Controls().IsEnabled(C::InformBut));
  EXPECT_TRUE(f.editor.Controls().IsEnabled(C::CreatFuncBut));
  f.editor.InformButClick();
  f.editor.InformButMRClick();
  EXPECT_EQ(opened, (std::vector<TEditor>{TEditor::InputInform, TEditor::OutputInform}));
}

}  // namespace
}  // namespace lur::test
