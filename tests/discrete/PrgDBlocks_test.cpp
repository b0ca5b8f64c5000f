#include <gtest/gtest.h>

#include "discrete/PrgDFixture.h"

namespace lur::test {
namespace {

using Command = void (TFormPrgDController::*)(void);
void CreatSign(TFormPrgDController& c) { c.CreatSignButClick(); }
void EditSign(TFormPrgDController& c) { c.PMenu1SignClick(); }
void DelSign(TFormPrgDController& c) { c.DelSignClick(); }
void CreatZader(TFormPrgDController& c) { c.CreatZaderButClick(); }
void EditZader(TFormPrgDController& c) { c.PMenu1ZaderClick(); }
void DelZader(TFormPrgDController& c) { c.DelZaderClick(); }
void CreatVyh(TFormPrgDController& c) { c.CreatVyhButClick(); }
void EditVyh(TFormPrgDController& c) { c.PMenu1VyhClick(); }
void DelVyh(TFormPrgDController& c) { c.DelVyhClick(); }
constexpr void (*kCommands[])(TFormPrgDController&) = {CreatSign, EditSign, DelSign,  CreatZader, EditZader,
                                                       DelZader,  CreatVyh, EditVyh,  DelVyh};
constexpr const char* kCommandNames[] = {"CreatSign",  "EditSign", "DelSign", "CreatZader", "EditZader",
                                         "DelZader",   "CreatVyh", "EditVyh", "DelVyh"};

constexpr const char* kNoSignal = "Не выбран № входа";
constexpr const char* kNoSignalFB = "Не выбран № входа или № ФБ";
constexpr const char* kNoRow = "Вход с таким номером не создан";
constexpr const char* kUnavailable = "Недоступная функция";
constexpr const char* kNoSignPanel = "Панель сигн. для входа с таким номером не создана";
constexpr const char* kNoZaderPanel = "Панель задерж. для входа с таким номером не создана";
constexpr const char* kNoMRPanel = "Панель МР для входа с таким номером не создана";
constexpr const char* kNoCell = "Не выбран № ячейки светового табло";
constexpr const char* kNoDelay = "Не задана уставка времени задержки";

// The record with all three blocks: alarm on cell 5, 10 x 10 s, outputs.
constexpr TProgLurClass::Record kFull = {0xA5, 0x81, 0x02, 0, 0, 0, 0x4A, 0};

struct StateCase {
  const char* what;
  std::array<std::uint8_t, 8> modules;
  std::function<void(PrgDFixture&)> state;
  // Per command: the first message ("" none) and whether its dialog opened.
  std::array<const char*, 9> message;
  std::array<bool, 9> dialog;
};

TEST(PrgDBlockCommands, FirstMessageOrDialogInEveryState) {
  constexpr std::array<std::uint8_t, 8> kWithOutputs = {1, 1, 7, 3, 3, 0, 0, 0};
  constexpr std::array<std::uint8_t, 8> kNoOutputs = {1, 1, 7, 0, 0, 0, 0, 0};
  const auto fullRow = [](PrgDFixture& f) {
    f.Record(2, kFull);
    f.prgd.RebuildSchema();
    f.prgd.RowClick(0, false);
  };
  const StateCase cases[] = {
      {"no current signal", kWithOutputs, [](PrgDFixture& f) { f.Handlers({2}); },
       {kNoSignal, kNoSignalFB, kNoSignal, kNoSignal, kNoSignalFB, kNoSignal, kNoSignal, kNoSignalFB, kNoSignal},
       {}},
      {"current signal without a row", kWithOutputs,
       [](PrgDFixture& f) {
         f.Handlers({2});
         f.config.Lur.CurSignal = 4;
         f.config.Lur.CurPos = -1;
       },
       {kNoRow, kNoSignPanel, kNoRow, kNoRow, kNoZaderPanel, kNoRow, kNoRow, kNoMRPanel, kNoRow},
       {}},
      {"a row without blocks", kWithOutputs,
       [](PrgDFixture& f) {
         f.ChooseOwn(TFormCreatVhController::kDiscrete, 1, 3);
         f.prgd.CreatVhButClick();
       },
       {kNoCell, kNoSignPanel, "", kNoDelay, kNoZaderPanel, "", "", kNoMRPanel, ""},
       {true, false, false, true, false, false, true, false, false}},
      {"every block present", kWithOutputs, fullRow,
       {"", "", "", "", "", "", "", "", ""},
       {false, true, false, false, true, false, false, true, false}},
      {"no output modules", kNoOutputs, fullRow,
       {"", "", "", kUnavailable, "", kUnavailable, kUnavailable, "", kUnavailable},
       {false, true, false, false, true, false, false, true, false}},
  };
  for (const StateCase& c : cases) {
    for (std::size_t k = 0; k < std::size(kCommands); ++k) {
      SCOPED_TRACE(std::string(c.what) + ", " + kCommandNames[k]);
      PrgDFixture f(c.modules);
      f.prgd.FormShow();
      c.state(f);
      f.ui.shown.clear();
      f.sig.shows = f.za.shows = f.vyh.shows = 0;
      kCommands[k](f.prgd);
      const std::vector<std::string> texts = f.ui.Texts();
      EXPECT_EQ(texts.empty() ? std::string() : texts[0], c.message[k]);
      EXPECT_EQ(f.sig.shows + f.za.shows + f.vyh.shows, c.dialog[k] ? 1 : 0);
    }
  }
}

TEST(PrgDBlockCommands, DeletingClearsOnlyItsOwnFields) {
  const struct {
    void (*command)(TFormPrgDController&);
    TProgLurClass::Record after;
    bool sign, zader, mr;
  } cases[] = {
      {DelSign, {0x20, 0x81, 0x02, 0, 0, 0, 0x4A, 0}, false, true, true},
      {DelZader, {0xA5, 0x81, 0x02, 0, 0, 0, 0x00, 0}, true, false, true},
      {DelVyh, {0xA5, 0, 0, 0, 0, 0, 0x4A, 0}, true, true, false},
  };
  for (const auto& c : cases) {
    PrgDFixture f;
    f.Record(2, kFull);
    f.prgd.FormShow();
    f.prgd.RowClick(0, false);
    c.command(f.prgd);
    EXPECT_EQ(f.RecordOf(2), c.after);
    EXPECT_EQ(f.Row(0).hasSign, c.sign);
    EXPECT_EQ(f.Row(0).hasZader, c.zader);
    EXPECT_EQ(f.Row(0).hasMR, c.mr);
    EXPECT_EQ(f.config.Lur.DiskrModified, 1);
  }
}

TEST(PrgDBlockCommands, AddingAnExistingBlockOpensNothingButMarksTheChange) {
  PrgDFixture f;
  f.Record(2, kFull);
  f.prgd.FormShow();
  f.prgd.RowClick(0, false);
  f.prgd.CreatSignButClick();
  EXPECT_EQ(f.sig.shows, 0);
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
  EXPECT_EQ(f.RecordOf(2), kFull);
}

TEST(PrgDBlockCommands, RelayCommandsWithoutOutputModulesMarkNothing) {
  PrgDFixture f({1, 1, 7, 0, 0, 0, 0, 0});
  f.Handlers({2});
  f.prgd.RowClick(0, false);
  f.prgd.CreatVyhButClick();
  f.prgd.DelVyhClick();
  EXPECT_EQ(f.config.Lur.DiskrModified, 0);
  f.prgd.CreatZaderButClick();
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
}

// ---- signalling ------------------------------------------------------------------------

TEST(PrgDSignalling, TypeAndCellChecks) {
  // A 12-cell display.
  const struct {
    int type;
    const char* cell;
    const char* message;
    std::uint8_t byte0;  // TipS | TipK | NTabS
  } cases[] = {
      {2, "07", "", 0x80 | 0x20 | 7},
      {3, "12", "", 0xC0 | 0x20 | 12},
      {2, "00", kNoCell, 0x20},
      {2, "", kNoCell, 0x20},
      {1, "13", "Неверно выбран № ячейки светового табло", 0x20},
      {0, "05", "", 0x20},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.cell) + " type " + std::to_string(c.type));
    PrgDFixture f;
    f.Handlers({2});
    f.prgd.RowClick(0, false);
    std::string label;
    f.sig.user = [&](TFormSigController& d) {
      label = d.label2;
      d.radioGroup1 = c.type;
      d.edit1 = c.cell;
      d.FormClose();
    };
    f.prgd.CreatSignButClick();
    const std::vector<std::string> texts = f.ui.Texts();
    EXPECT_EQ(texts.empty() ? std::string() : texts[0], c.message);
    EXPECT_EQ(f.RecordOf(2)[0], c.byte0);
    EXPECT_EQ(label, "3      " + f.config.Serv.GetInputId(2));
    EXPECT_TRUE(f.Row(0).hasSign);
    EXPECT_EQ(f.Row(0).tipS, c.byte0 >> 6);
  }
}

TEST(PrgDSignalling, DialogPresetAndFillingCountsAsNoChange) {
  PrgDFixture f;
  f.Record(2, kFull);
  f.prgd.FormShow();
  int type = -1;
  std::string cell;
  f.sig.user = [&](TFormSigController& d) {
    type = d.radioGroup1;
    cell = d.edit1;
  };
  f.prgd.PMenu1SignClick(0);  // a double click on row 0's block
  EXPECT_EQ(type, 2);
  EXPECT_EQ(cell, "05");
  EXPECT_EQ(f.CurPos(), 0);
  EXPECT_EQ(f.config.Lur.DiskrModified, 0);
  // A change in the dialog marks it.
  f.sig.user = [](TFormSigController& d) { d.RadioGroup1Click(3); };
  f.prgd.PMenu1SignClick(0);
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
  EXPECT_EQ(f.RecordOf(2)[0], 0xC0 | 0x20 | 5);
}

// ---- delay ------------------------------------------------------------------------------

TEST(PrgDDelay, DiscretenessAndTimeChecks) {
  const struct {
    const char* d;
    const char* t;
    std::vector<std::string> messages;
    std::vector<std::string> fieldErrors;
    std::uint8_t byte6;  // DiskrZ | TimeZ
  } cases[] = {
      {"1", "60", {}, {}, 60},
      {"10", "7", {}, {}, 0x40 | 7},
      {"00", "20", {"Не задана дискретность времени задержки"}, {}, 0},
      {"10", "00", {kNoDelay}, {}, 0x40},
      {"10", "61", {kNoDelay}, {"EditT"}, 0x40},
      {"5", "20", {"Не задана дискретность времени задержки"}, {"EditDiskr"}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.d) + " x " + c.t);
    PrgDFixture f;
    f.Record(2, {0x20, 0x01, 0, 0, 0, 0, 0x80, 0});  // archived: the bit stays
    f.prgd.FormShow();
    f.prgd.RowClick(0, false);
    f.za.user = [&](TFormZaController& d) {
      d.editDiskr = c.d;
      d.editT = c.t;
    };
    f.prgd.CreatZaderButClick();
    EXPECT_EQ(f.ui.Texts(), c.messages);
    std::vector<std::string> fields;
    for (const TFieldError& e : f.ui.inputErrors) fields.push_back(e.field);
    EXPECT_EQ(fields, c.fieldErrors);
    EXPECT_EQ(f.RecordOf(2)[6], 0x80 | c.byte6);
    EXPECT_EQ(f.Row(0).timeZ * f.Row(0).factor, (c.byte6 & 0x3F) * ((c.byte6 & 0x40) ? 10 : 1));
  }
}

// ---- relay outputs -----------------------------------------------------------------------

TEST(PrgDRelay, DialogShowsTheModulesInUseAndWritesOnlyTheirBytes) {
  PrgDFixture f;  // two relay modules
  f.Record(2, {0x20, 0x01, 0x80, 0, 0, 0, 0x01, 0});
  f.prgd.FormShow();
  // Bytes of modules the configuration does not have, set behind the schema.
  f.Record(2, {0x20, 0x01, 0x80, 0x33, 0x44, 0x55, 0x01, 0});
  bool third = true;
  std::array<bool, 2> shown{};
  std::uint32_t colour = 0;
  f.vyh.user = [&](TFormVyhController& d) {
    shown = {d.ModuleShown(0), d.ModuleShown(1)};
    third = d.ModuleShown(2);
    colour = d.OutputColor(1, 7);
    d.OutputClick(0, 0);  // off
    d.OutputClick(0, 3);  // on
    d.OutputClick(1, 1);
    d.OutputClick(1, 1);  // twice: as it was
  };
  f.prgd.PMenu1VyhClick(0);
  EXPECT_EQ(shown, (std::array<bool, 2>{true, true}));
  EXPECT_FALSE(third);
  EXPECT_EQ(colour, TFormVyhController::kColorOn);
  EXPECT_EQ(f.RecordOf(2), (TProgLurClass::Record{0x20, 0x08, 0x80, 0x33, 0x44, 0x55, 0x01, 0}));
  EXPECT_EQ(f.Row(0).mr, (std::array<std::uint8_t, 5>{0x08, 0x80, 0, 0, 0}));
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
}

TEST(PrgDRelay, RightPressOffersTheOutputsInformation) {
  PrgDFixture f;
  f.Record(2, {0x20, 0x01, 0, 0, 0, 0, 0, 0});
  f.prgd.FormShow();
  f.vyh.user = [](TFormVyhController& d) {
    d.OutputRightPress(1, 5);
    d.onInfVyh();
  };
  f.prgd.PMenu1VyhClick(0);
  ASSERT_EQ(f.opened.size(), 1u);
  EXPECT_EQ(f.opened[0].editor, TEditor::OutputDetail);
  EXPECT_EQ(f.opened[0].entry, 13);
}

// ---- archiving and contact -----------------------------------------------------------------

TEST(PrgDArchive, DialogAndRowButtons) {
  PrgDFixture f;
  f.Handlers({2, 6});
  f.prgd.RowClick(1, false);
  bool preset = true;
  f.vkl.user = [&](TFormVklController& d) {
    preset = d.sbVkl;
    d.SBVklClick(true);
  };
  f.prgd.PMenu2ArhivClick();
  EXPECT_FALSE(preset);
  EXPECT_EQ(f.RecordOf(6)[6], 0x80 | 5);
  EXPECT_TRUE(f.Row(1).archiveDown);
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);

  f.config.Lur.DiskrModified = 0;
  f.prgd.ArhivClick(0, true);
  f.prgd.PanInp1SpBClick(0, false);
  EXPECT_EQ(f.RecordOf(2), (TProgLurClass::Record{0x00, 0, 0, 0, 0, 0, 0x80 | 5, 0}));
  EXPECT_TRUE(f.Row(0).archiveDown);
  EXPECT_FALSE(f.Row(0).contactDown);
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
  f.prgd.PanInp1SpBClick(0, true);
  f.prgd.ArhivClick(0, false);
  EXPECT_EQ(f.RecordOf(2), (TProgLurClass::Record{0x20, 0, 0, 0, 0, 0, 5, 0}));
}

TEST(PrgDArchive, WithoutCurrentSignal) {
  PrgDFixture f;
  f.Handlers({2});
  f.prgd.PMenu2ArhivClick();
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{kNoSignal});
  EXPECT_EQ(f.vkl.shows, 0);
}

// ---- texts ----------------------------------------------------------------------------------

struct Texts : ::testing::Test {
  PrgDFixture f;
  Texts() {
    f.config.Serv.FileMode = 1;  // memory only; transfers are tested with the controller
    f.Handlers({2, 6});
    f.config.Serv.SetInputText(Utf8ToCp1251("старый"), 2);
    f.config.Serv.SetInputText(Utf8ToCp1251("другой"), 6);
  }
};

TEST_F(Texts, ByDialog) {
  f.prgd.RowClick(0, false);
  f.text.user = [&](TFormTextController& d) { d.EditTextChange("новый текст"); };
  f.prgd.PMenu2TextClick();
  EXPECT_EQ(f.Text(2), "новый текст   ");
  EXPECT_EQ(f.Row(0).text, "  новый текст   ");
  EXPECT_EQ(f.Row(0).hint, "номер входа  на схеме 1\nадрес сигнала в базе 3\nновый текст   ");
  EXPECT_EQ(f.config.Serv.Modified, 1);
  EXPECT_EQ(f.Marked(), std::vector<int>{0});
}

TEST_F(Texts, InPlaceCommitsToTheDoubleClickedSignal) {
  f.prgd.PMenu2TextClick(0);  // a double click on row 0's text label
  const auto& edit = f.prgd.InPlaceEdit();
  ASSERT_TRUE(edit.active);
  EXPECT_EQ(edit.signal, 2);
  EXPECT_EQ(edit.text, "старый        ");
  EXPECT_EQ(edit.rect, (TSchemaRect{1, 15, 202, 16}));
  // Another row becomes current before the edit loses the focus.
  f.prgd.RowClick(1, false);
  f.prgd.EditTextExit("насос");
  EXPECT_FALSE(f.prgd.InPlaceEdit().active);
  EXPECT_EQ(f.Text(2), "насос         ");
  EXPECT_EQ(f.Text(6), "другой        ");
  EXPECT_EQ(f.config.Serv.Modified, 1);
}

TEST_F(Texts, InPlaceClosedByAClickOnTheSchemaKeepsWhatWasTyped) {
  f.prgd.PMenu2TextClick(1);
  f.prgd.EditTextChange("клапан");
  f.prgd.ScrollBox1Click();
  EXPECT_FALSE(f.prgd.InPlaceEdit().active);
  EXPECT_EQ(f.Text(6), "клапан        ");
}

TEST_F(Texts, UnchangedTextMarksNothing) {
  f.prgd.PMenu2TextClick(0);
  f.prgd.EditTextExit("старый        ");
  EXPECT_EQ(f.config.Serv.Modified, 0);
  EXPECT_EQ(f.config.Serv.InputTextsEdited, 0);
}

}  // namespace
}  // namespace lur::test
