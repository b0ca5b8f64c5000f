#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "InformFixture.h"
#include "live/InputListReport.h"
#include "reports/ReportOutput.h"
#include "reports/RtfWriter.h"
#include "session/AccessGate.h"

namespace lur::test {
namespace {

using Grids = TInputGrids;

// ---- the fill ------------------------------------------------------------------------

TEST(InformFill, DiscreteRowsOfEveryProcessedEntry) {
  InformFixture t;
  t.f.config.Lur.SetRecByte(9, 3, 0x04);  // MR3 of entry 9: a relay output
  t.form.InformButClick();
  const Grids& g = t.form.Grids();
  EXPECT_EQ(g.grid1[0], (Grids::Row1{"  № ", "Идентификатор ", "   Адрес", "Текст.реквизит", "вых на МР"}));
  EXPECT_EQ(g.grid2[0], (Grids::Row2{"  № ", "Идентификатор ", "   Адрес", "Технолог. поз."}));
  EXPECT_EQ(g.grid1[1], (Grids::Row1{"1", Cp1251ToUtf8(t.f.config.Serv.GetInputId(0)), " 0x00", t.Text(0), "       -"}));
  EXPECT_EQ(g.grid1[10][4], "       V");
  EXPECT_EQ(g.grid1[11][2], " 0x0A");
  EXPECT_EQ(g.grid1[192][0], "192");
  EXPECT_EQ(g.grid1[192][2], " 0xBF");
  EXPECT_EQ(g.grid1[25][1], "AI1_1_LL  ");

  // The function block editor's fill: no relay marks, eight blanks.
  t.form.InformButClick(TInformFill::FunctionBlock);
  EXPECT_EQ(t.form.Grids().grid1[10][4], "        ");
  EXPECT_EQ(t.form.Grids().grid1[1][4], "        ");
}

TEST(InformFill, ARefillClearsWhatTheLastConfigurationLeft) {
  InformFixture t;
  t.form.InformButClick();
  ShapeInformConfig(t.f.config, 30);
  const int before = t.form.Revision();
  t.form.InformButClick();
  const Grids& g = t.form.Grids();
  EXPECT_NE(t.form.Revision(), before);
  EXPECT_EQ(g.grid1[30][0], "30");
  for (int r = 31; r < Grids::kRows1; ++r) {
    for (const std::string& cell : g.grid1[r]) ASSERT_EQ(cell, "") << r;
  }
}

TEST(InformFill, AnalogRowsOwnChannelsThenNetworkValuesAfterADiscreteBlockAndAGap) {
  InformFixture t;
  t.f.config.MBA.SetPozText("TE-12", 0, 1);
  // Block 1 reads discrete values, block 2 is unconfigured, block 3 reads
  // two analog values whose channel records start at the own channels' end.
  SetNetBlocks(t.f.config, {{0, 2, 3}, {2, 3, 2, 6}});
  t.f.config.MBM.SetPoz(0, "LT-7");
  t.f.config.MBM.SetPoz(1, "PT-8");
  t.form.InformButClick();
  const Grids& g = t.form.Grids();
  EXPECT_EQ(g.grid2[1], (Grids::Row2{"1", "AI1_1", " 0x00", Cp1251ToUtf8(t.f.config.MBA.GetPozText(0, 0))}));
  EXPECT_EQ(g.grid2[2][3].substr(0, 5), "TE-12");
  EXPECT_EQ(g.grid2[6][1], "AI1_6");
  EXPECT_EQ(g.grid2[7], (Grids::Row2{"7", "DLAI3_1", " 0x06", Cp1251ToUtf8(t.f.config.MBM.GetPoz(0))}));
  EXPECT_EQ(g.grid2[8][1], "DLAI3_2");
  EXPECT_EQ(g.grid2[8][3].substr(0, 4), "PT-8");
  EXPECT_EQ(g.grid2[9], Grids::Row2{});
  // The discrete list shows the network entries too.
  EXPECT_EQ(g.grid1[49][1].substr(0, 8), "DLDI_1_1");
  EXPECT_EQ(g.grid1[52][1].substr(0, 7), "DLAI3_1");
}

// Eight analog modules take every signal entry: the network walk finds no
// entry left for the blocks' values and stops at entry 191.
TEST(InformFill, EveryWalkStaysInsideItsList) {
  InformFixture t;
  TServClass::Identity id{};
  id[0] = 5;
  for (int s = 0; s < 8; ++s) id[1 + s] = 6;
  id[12] = 192;
  id[13] = 192;
  t.f.config.Serv.SetIdentityFromBytes(id);
  t.f.config.Serv.MakeDefaultInputIds();
  SetNetBlocks(t.f.config, {{0, 3, 16}, {1, 4, 16}});
  t.form.InformButClick();
  const Grids& g = t.form.Grids();
  EXPECT_EQ(g.grid1[192][1], "AI8_6_HH  ");
  EXPECT_EQ(g.grid2[48][1], "AI8_6");
  for (int r = 49; r < Grids::kRows2; ++r) EXPECT_EQ(g.grid2[r], Grids::Row2{}) << r;
  // The analog report lists the sixty rows, not the 192 the count says.
  const TReport report = t.form.AnalogReport();
  EXPECT_EQ(report.blocks.size(), 6u + 60u);
}

// ---- double click ---------------------------------------------------------------------

TEST(InformDoubleClick, IdentifierColumnOpensTheDetailOfItsKind) {
  InformFixture t(64);
  // Twelve discrete network values, then one analog value after a gap.
  SetNetBlocks(t.f.config, {{0, 2, 12}, {2, 3, 1, 6}});
  t.form.InformButClick();
  struct Case {
    int row;
    const char* shown;  // nullptr: nothing opens
  };
  const Case cases[] = {
      {0, nullptr},   // the fixed row
      {24, nullptr},  // an own discrete input
      {25, "an 1 1 уставка LL"},
      {26, "an 1 1 уставка L"},
      {27, "an 1 1 уставка H"},
      {28, "an 1 1 уставка HH"},
      {45, "an 1 6 уставка LL"},
      {46, "an 1 6 уставка L"},
      {47, "an 1 6 уставка H"},
      {48, "an 1 6 уставка HH"},
      {49, "net 49 (адрес 0x30)      DLDI_1_1  "},
      {60, "net 60 (адрес 0x3B)      DLDI_1_12  "},
      {61, "net 61 (адрес 0x3C)      DLAI3_1_LL"},
      {64, "net 64 (адрес 0x3F)      DLAI3_1_HH"},
      {65, nullptr},  // past the processed signals
  };
  for (const Case& c : cases) {
    t.detailShown.clear();
    t.form.StringGrid1DblClick(c.row, 1);
    EXPECT_EQ(t.form.LastColumn(), 1);
    EXPECT_EQ(t.detailShown, c.shown ? std::vector<std::string>{c.shown} : std::vector<std::string>{}) << c.row;
  }
  for (int column : {0, 2, 4}) {
    t.form.StringGrid1DblClick(25, column);
    EXPECT_EQ(t.form.LastColumn(), column);
  }
  EXPECT_TRUE(t.detailShown.empty());
  EXPECT_EQ(t.textShown, 0);
}

// ---- the text of one signal -----------------------------------------------------------

TEST(InformText, ControllerModeWritesTheSignalsPageAtOnce) {
  InformFixture t;
  t.form.InformButClick();
  t.typed = "давление";
  t.form.StringGrid1DblClick(38, 3);
  EXPECT_EQ(t.text.label2, "38      " + Cp1251ToUtf8(t.f.config.Serv.GetInputId(37)));
  EXPECT_EQ(t.PagesWritten(), std::vector<int>{42});
  EXPECT_EQ(t.f.line.Count(14), 1);
  const auto& page = t.f.line.written.at(42);
  EXPECT_EQ(Cp1251ToUtf8(std::string(page.begin() + 5 * 14, page.begin() + 6 * 14)), "давление      ");
  EXPECT_EQ(t.form.Grids().grid1[38][3], "давление      ");
  EXPECT_EQ(t.f.ui.progressMaximum, 100);
  EXPECT_EQ(t.f.ui.progressStep, 20);
  EXPECT_FALSE(t.f.ui.progressVisible);
  EXPECT_EQ(t.f.config.Serv.InputTextsEdited, 0);
  EXPECT_EQ(t.f.config.Serv.Modified, 0);
  EXPECT_TRUE(t.f.ui.shown.empty());
}

TEST(InformText, AnUntouchedTextSendsNothing) {
  InformFixture t;
  t.form.InformButClick();
  t.form.StringGrid1DblClick(5, 3);
  EXPECT_EQ(t.textShown, 1);
  EXPECT_TRUE(t.f.line.requests.empty());
  EXPECT_EQ(t.Text(4), "Дискр.сигн.005");
}

TEST(InformText, LimitedLevelWarnsAndSendsNothing) {
  InformFixture t;
  t.f.config.Lur.FullAccess = 0;
  t.form.InformButClick();
  t.typed = "насос";
  t.form.StringGrid1DblClick(3, 3);
  EXPECT_TRUE(t.f.line.requests.empty());
  EXPECT_EQ(t.f.ui.Texts(), std::vector<std::string>{kNoAccessText});
  EXPECT_EQ(t.f.ui.shown[0].caption, "Предупреждение");
  EXPECT_EQ(t.form.Grids().grid1[3][3], "насос         ");
  EXPECT_EQ(t.f.config.Serv.InputTextsEdited, 1);
}

// A page the controller refused is written again with the next edit, before
// or after the new page, never forgotten.
TEST(InformText, AfterAFailedWriteTheNextEditWritesBothPages) {
  InformFixture t;
  t.form.InformButClick();
  t.f.line.FailPage(0x45, 40, ExceptionAnswer(3), 0);
  t.typed = "первый";
  t.form.StringGrid1DblClick(2, 3);
  ASSERT_EQ(t.f.ui.shown.size(), 1u);
  EXPECT_EQ(t.f.ui.shown[0].text, t.f.link.ErrorText(0, 3));
  EXPECT_FALSE(t.f.ui.progressVisible);
  EXPECT_EQ(t.f.config.Serv.InputTextsEdited, 1);
  EXPECT_EQ(t.f.line.written.count(40), 0u);

  t.f.line.ClearFaults();
  t.f.line.ForgetRequests();
  t.typed = "второй";
  t.form.StringGrid1DblClick(100, 3);
  EXPECT_EQ(t.PagesWritten(), (std::vector<int>{46, 40}));
  const auto& page40 = t.f.line.written.at(40);
  EXPECT_EQ(Cp1251ToUtf8(std::string(page40.begin() + 14, page40.begin() + 28)), "первый        ");
  EXPECT_EQ(t.f.config.Serv.UnsentInputTextPages, 0);
  EXPECT_EQ(t.f.config.Serv.InputTextsEdited, 0);
}

TEST(InformText, FileModeMarksTheConfigurationAndSendsNothing) {
  InformFixture t;
  t.f.config.Serv.FileMode = 1;
  t.form.InformButClick();
  t.typed = "клапан";
  t.form.StringGrid1DblClick(7, 3);
  EXPECT_TRUE(t.f.line.requests.empty());
  EXPECT_EQ(t.f.config.Serv.Modified, 1);
  EXPECT_EQ(t.f.config.Serv.InputTextsEdited, 0);
  EXPECT_EQ(t.Text(6), "клапан        ");
}

// ---- group copy and replacement -------------------------------------------------------

struct GroupCase {
  const char* name;
  std::string first, last, start;
  std::vector<std::string> warnings;
  bool copied;  // a refused copy leaves the replacement off
  // Entries whose text changes, and the entry each takes its text from.
  std::vector<std::pair<int, int>> moved;
};

class InformGroup : public ::testing::TestWithParam<GroupCase> {};

TEST_P(InformGroup, CopiesAndReplacesTheRange) {
  const GroupCase& c = GetParam();
  InformFixture t(60);
  t.form.InformButClick();
  t.form.StringGrid1MouseDown(true, 3);
  t.first = c.first;
  t.last = c.last;
  t.start = c.start;
  t.form.CopyTextGroupClick();
  const TServClass::InputTextTable before = t.f.config.Serv.GetInputTexts();
  t.form.InsertTextGroupClick();
  EXPECT_EQ(t.f.ui.Texts(), c.warnings);
  TServClass::InputTextTable expected = before;
  for (const auto& [to, from] : c.moved) expected[to] = before[from];
  EXPECT_EQ(t.f.config.Serv.GetInputTexts(), expected);
  for (const auto& [to, from] : c.moved) EXPECT_EQ(t.form.Grids().grid1[to + 1][3], Cp1251ToUtf8(t.f.config.Serv.GetInputText(from)));
  EXPECT_TRUE(t.f.line.requests.empty());
  EXPECT_EQ(t.form.InsertTextGroupEnabled(), c.copied);
  EXPECT_EQ(t.f.config.Lur.DiskrModified, c.copied ? 1 : 0);
  EXPECT_EQ(t.f.config.Serv.Modified, 0);  // controller mode: unmarked, unsent
}

const std::string kWrong = "Неверно задан № входа";

INSTANTIATE_TEST_SUITE_P(
    Ranges, InformGroup,
    ::testing::Values(
        GroupCase{"Inside", "5", "7", "20", {}, true, {{19, 4}, {20, 5}, {21, 6}}},
        GroupCase{"RunningOverTheEnd", "5", "7", "59", {}, true, {{58, 4}, {59, 5}}},
        GroupCase{"OntoItself", "5", "7", "5", {}, true, {}},
        GroupCase{"FirstZero", "0", "7", "20", {kWrong}, false, {}},
        GroupCase{"LastZero", "1", "0", "20", {kWrong}, false, {}},
        GroupCase{"LastPastTheCount", "5", "61", "20", {kWrong}, false, {}},
        GroupCase{"FirstAboveLast", "7", "5", "20", {kWrong}, false, {}},
        GroupCase{"StartZero", "5", "7", "0", {kWrong}, true, {}},
        GroupCase{"StartPastTheCount", "5", "7", "61", {kWrong}, true, {}},
        GroupCase{"StartTooLarge", "5", "7", "99999999999", {kWrong}, true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InformGroupRules, ReplacingIsOffUntilACopyAndStaysOn) {
  InformFixture t(60);
  t.form.InformButClick();
  EXPECT_FALSE(t.form.InsertTextGroupEnabled());
  t.form.InsertTextGroupClick();
  EXPECT_TRUE(t.vhCaptions.empty());
  t.form.StringGrid1MouseDown(true, 3);
  t.first = "1";
  t.last = "2";
  t.form.CopyTextGroupClick();
  EXPECT_TRUE(t.form.InsertTextGroupEnabled());
  EXPECT_EQ(t.vhCaptions, std::vector<std::string>{"Ввод номеров группы текстовых реквизитов #2"});
  // Another configuration: the copy is still there to replace with.
  ShapeInformConfig(t.f.config, 60);
  t.form.InformButClick();
  t.start = "10";
  t.form.InsertTextGroupClick();
  EXPECT_TRUE(t.form.InsertTextGroupEnabled());
  EXPECT_EQ(t.vhCaptions.back(), "Ввод начального № вставки #3");
  EXPECT_EQ(t.Text(9), "Дискр.сигн.001");
}

// The typed numbers are signal numbers: what the schema shows where is no
// concern of this list.
TEST(InformGroupRules, TheSchemasPositionsDoNotMapTheNumbers) {
  InformFixture t(60);
  t.f.config.Lur.PosSignal.fill(-1);
  t.f.config.Lur.PosSignal[1] = 6;
  t.f.config.Lur.PosSignal[2] = 9;
  t.form.InformButClick();
  t.form.StringGrid1MouseDown(true, 3);
  t.first = "2";
  t.last = "3";
  t.form.CopyTextGroupClick();
  EXPECT_EQ(t.f.config.Copy.CopyInFirst, 1);
  EXPECT_EQ(t.f.config.Copy.CopyInLast, 2);
}

TEST(InformGroupRules, ARightPressOutsideTheTextColumnTurnsTheCopyOff) {
  InformFixture t(60);
  t.form.InformButClick();
  t.first = "1";
  t.last = "2";
  t.form.StringGrid1MouseDown(true, 1);
  t.form.CopyTextGroupClick();
  EXPECT_TRUE(t.vhCaptions.empty());
  // A left press keeps what the right press remembered.
  t.form.StringGrid1MouseDown(false, 3);
  t.form.CopyTextGroupClick();
  EXPECT_TRUE(t.vhCaptions.empty());
  t.form.StringGrid1MouseDown(true, 3);
  t.form.CopyTextGroupClick();
  EXPECT_EQ(t.vhCaptions.size(), 1u);
}

TEST(InformGroupRules, ACancelledStartStillMarksTheDiscreteProcessing) {
  InformFixture t(60);
  t.form.InformButClick();
  t.form.StringGrid1MouseDown(true, 3);
  t.first = "1";
  t.last = "2";
  t.form.CopyTextGroupClick();
  t.vhResult = kModalCancel;
  t.start = "10";
  t.form.InsertTextGroupClick();
  EXPECT_EQ(t.f.config.Lur.DiskrModified, 1);
  EXPECT_EQ(t.Text(9), "Дискр.сигн.010");
  EXPECT_TRUE(t.f.ui.shown.empty());
}

TEST(InformGroupRules, FileModeMarksTheFileWhenATextChanged) {
  InformFixture t(60);
  t.f.config.Serv.FileMode = 1;
  t.form.InformButClick();
  t.form.StringGrid1MouseDown(true, 3);
  t.first = "1";
  t.last = "1";
  t.start = "1";
  t.form.CopyTextGroupClick();
  t.form.InsertTextGroupClick();  // onto itself: nothing changed
  EXPECT_EQ(t.f.config.Serv.Modified, 0);
  t.start = "2";
  t.form.InsertTextGroupClick();
  EXPECT_EQ(t.f.config.Serv.Modified, 1);
  EXPECT_EQ(t.Text(1), "Дискр.сигн.001");
}

// ---- reports --------------------------------------------------------------------------

std::vector<std::string> Lines(const TReport& report) {
  std::vector<std::string> lines;
  for (const TReportBlock& block : report.blocks) lines.push_back(std::get<TReportParagraph>(block).text);
  return lines;
}

TEST(InformReport, DiscreteLinesInBothModes) {
  InformFixture t(3);
  t.f.config.Serv.SetAddressIndex(4);  // the number the main window's list shows
  t.SetText(1, "{a}\\b");
  t.form.InformButClick();
  const std::string id0 = Cp1251ToUtf8(t.f.config.Serv.GetInputId(0));
  const std::vector<std::string> expected = {
      "ЛУР-05HMI  11634000  № 5",
      "",
      "          Дискретные сигналы",
      "",
      "  № \tИдентификатор \t   Адрес\tТекст.реквизит\tвых на МР",
      "",
      "1\t" + PadToWidth(id0, 14) + "\t 0x00\tДискр.сигн.001\t       -",
      "2\t" + PadToWidth(Cp1251ToUtf8(t.f.config.Serv.GetInputId(1)), 14) + "\t 0x01\t{a}\\b         \t       -",
      "3\t" + PadToWidth(Cp1251ToUtf8(t.f.config.Serv.GetInputId(2)), 14) + "\t 0x02\tДискр.сигн.003\t       -",
  };
  const TReport report = t.form.DiscreteReport();
  EXPECT_EQ(Lines(report), expected);
  EXPECT_FALSE(report.pageSetup);
  EXPECT_NE(RtfText(report).find("\\{a\\}\\\\b"), std::string::npos);

  t.f.config.Serv.FileMode = 1;
  t.form.fileName = [] { return std::string("/tmp/котёл.lur"); };
  EXPECT_EQ(Lines(t.form.DiscreteReport())[0], "Файл /tmp/котёл.lur");
}

TEST(InformReport, AnalogLinesPadTheIdentifier) {
  InformFixture t;
  t.form.InformButClick();
  const std::vector<std::string> lines = Lines(t.form.AnalogReport());
  ASSERT_EQ(lines.size(), 6u + 6u);  // ProcessedAnalogCount 6
  EXPECT_EQ(lines[2], "          Аналоговые сигналы");
  EXPECT_EQ(lines[4], "  № \tИдентификатор \t   Адрес\tТехнолог. поз.");
  EXPECT_EQ(lines[6], "1\tAI1_1         \t 0x00\t" + t.form.Grids().grid2[1][3]);
}

// The file road: a wrong extension refused and offered again, a file that
// cannot be made with its retry, then the file, and No to printing.
TEST(InformReport, TheButtonWritesTheFileTheUserChose) {
  InformFixture t(3);
  t.form.InformButClick();
  const auto dir = std::filesystem::temp_directory_path() / ("inform_report_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string good = (dir / "входы").string();
  t.f.ui.files = {std::string(dir / "a.doc"), std::string(dir / "nowhere" / "b.rtf"), good};
  t.f.ui.answers = {MsgAnswer::Ok, MsgAnswer::Yes, MsgAnswer::No};
  t.form.BNew1Click();
  ASSERT_EQ(t.f.ui.fileDialogs.size(), 3u);
  EXPECT_EQ(t.f.ui.fileDialogs[0].initialPath, "");
  EXPECT_EQ(t.f.ui.fileDialogs[1].initialPath, std::string(dir / "a.doc"));
  EXPECT_EQ(t.f.ui.Texts(), (std::vector<std::string>{kReportWrongName, kReportNotCreated, kReportAskPrint}));
  std::ifstream in(good + ".rtf", std::ios::binary);
  std::stringstream rtf;
  rtf << in.rdbuf();
  EXPECT_NE(rtf.str().find("ansicpg1251"), std::string::npos);
  EXPECT_NE(rtf.str().find(RtfEscape("Дискретные сигналы")), std::string::npos);
  std::filesystem::remove_all(dir);
}

// ---- the registry ---------------------------------------------------------------------

TEST(InformRegistry, EachCallerFillsAndOnlyASilentOneIsNotShown) {
  InformFixture t;
  t.f.config.Lur.SetRecByte(0, 1, 1);
  int shown = 0;
  TModalFunction<TInformController> window{[&shown](TInformController& form) {
    form.FormShow();
    ++shown;
    return kModalOk;
  }};
  TEditorRegistry registry;
  RegisterInformWindow(registry, t.form, window);
  EXPECT_EQ(registry.Open(InformRequest(TInformFill::FunctionBlock, true)), kModalOk);
  EXPECT_EQ(shown, 0);
  EXPECT_EQ(t.form.Grids().grid1[1][4], "        ");
  EXPECT_EQ(registry.Open({TEditor::InputInform}), kModalOk);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(t.form.focused, "StringGrid1");
  EXPECT_EQ(t.form.Grids().grid1[1][4], "       V");
}

}  // namespace
}  // namespace lur::test
