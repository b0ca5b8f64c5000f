// The algorithm window's controller over small tables: the two lists as it
// fills them, the read-back of the algorithm list (scratch first, the table
// untouched by a refused list), algorithms from another configuration file,
// its report, and the editor's "Создание алгоритмов".
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "fb/TFormFBController.h"
#include "fb/TFormInfAlgController.h"
#include "link/TComPortClass.h"
#include "model/ConfigFileKind.h"
#include "model/Cp1251.h"
#include "model/TConfiguration.h"
#include "reports/ReportOutput.h"
#include "reports/TReportPrinter.h"
#include "session/TServAddressing.h"
#include "support/FBEditorDoubles.h"
#include "support/ScriptedDialog.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Form = TFormInfAlgController;

constexpr std::array<std::uint8_t, 8> kModules = {1, 1, 7, 3, 3, 0, 0, 0};

// Every algorithm entry of the table and the names: equal images mean
// nothing changed.
struct AlgImage {
  std::vector<std::string> names;
  std::vector<int> entries;
  int nAlg = 0;
  bool operator==(const AlgImage&) const = default;
};

AlgImage ImageOf(const TProgFBClass& fb) {
  AlgImage image;
  image.nAlg = fb.NAlg;
  for (int a = 0; a < TProgFBClass::kSlots; ++a) {
    image.names.push_back(fb.GetAlgName(a));
    image.entries.push_back(fb.GetAlgHead(a));
    for (int k = 0; k < TProgFBClass::kSlots; ++k) image.entries.push_back(fb.GetAlgFB(a, k));
  }
  return image;
}

class CountingPrinter : public TReportPrinter {
 public:
  int Print(const TReport& report) override {
    ++jobs;
    last = report;
    return 1;
  }
  int jobs = 0;
  TReport last;
};

struct InfAlgFixture {
  InfAlgFixture() {
    EXPECT_TRUE(test::SetSmallController(config.Serv));
    config.Serv.MakeDefaultInputIds();
    fb.ResetAlgorithms();
    dir = fs::temp_directory_path() / ("lur-infalg-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  ~InfAlgFixture() { fs::remove_all(dir); }

  // `count` blocks of type 1 at records 0.., NFB set as the editor does.
  void Blocks(int count) {
    for (int i = 0; i < count; ++i) fb.SetTipFB(i, 1);
    fb.FindNFB();
  }
  void Algorithm(int a, const std::vector<int>& members, const std::string& name) {
    for (int k = 0; k < TProgFBClass::kSlots; ++k)
      fb.SetAlgFB(a, k, k < static_cast<int>(members.size()) ? members[static_cast<std::size_t>(k)] : 255);
    fb.SetAlgName(a, Utf8ToCp1251(name));  // the table holds Windows-1251
    fb.NAlg = std::max(fb.NAlg, a + 1);
    fb.RebuildAlgHead();
  }
  // Grid row of algorithm list row i (0-based).
  void Row(int i, const std::string& number, const std::string& name, const std::string& members) {
    form.SetGrid2Cell(0, i + Form::kHeaderRows, number);
    form.SetGrid2Cell(1, i + Form::kHeaderRows, name);
    form.SetGrid2Cell(2, i + Form::kHeaderRows, members);
  }
  std::string Cell2(int column, int i) const { return form.Grid2Cell(column, i + Form::kHeaderRows); }
  std::string Cell1(int column, int i) const { return form.Grid1Cell(column, i + Form::kHeaderRows); }

  // A configuration file of `blocks` function blocks made for `modules`,
  // holding the algorithms of `source` (a table of that capacity); `size`
  // other than the layout's: a file of that many zero bytes.
  std::string File(const std::string& name, std::size_t size, const TProgFBClass* source = nullptr,
                    int blocks = 120, const std::array<std::uint8_t, 8>& modules = kModules) {
    Bytes bytes(size, 0);
    if (source) {
      for (std::size_t s = 0; s < 8; ++s) bytes[kConfigFileModulesOffset + s] = modules[s];
      const Bytes section = source->AlgToFile();
      std::copy(section.begin(), section.end(), bytes.begin() + static_cast<long>(ConfigFileAlgOffset(blocks)));
    }
    const std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  VirtualClock clock;
  SimPort line{clock};
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TProgFBClass& fb = config.FB;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};
  CountingPrinter printer;
  Form form{session, &printer};
  fs::path dir;
};

class InfAlg : public ::testing::Test, protected InfAlgFixture {};

// ---- filling ---------------------------------------------------------------------------

TEST_F(InfAlg, FillListsBlocksWithTypesAndSources) {
  Blocks(5);
  fb.SetTipFB(1, 6);  // timer: two inputs
  fb.SetKindVh(1, 0, TProgFBClass::kKindBlockOutput);
  fb.SetNVh(1, 0, 1);
  fb.SetKindVh(1, 1, TProgFBClass::kKindBlockOutput);
  fb.SetNVh(1, 1, 121);  // a loop output
  fb.SetKindVh(0, 0, TProgFBClass::kKindDiscrete);
  fb.SetNVh(0, 0, 2);
  fb.SetKindVh(0, 3, TProgFBClass::kKindDiscreteFlag);
  fb.SetNVh(0, 3, 2);
  fb.SetTipFB(2, TProgFBClass::kComparatorType);
  fb.SetKindVhComp(2, TProgFBClass::kKindBlockOutput);
  fb.SetNVhComp(2, 2);
  fb.SetTipFB(3, 10);  // a type the block dialog does not list
  fb.SetTipFB(4, 11);
  fb.FindNFB();
  form.Fill();

  EXPECT_EQ(form.Grid1Cell(0, 0), "  №");
  EXPECT_EQ(form.Grid1Cell(0, 1), " п/п");
  EXPECT_EQ(form.Grid1Cell(6, 1), "вход. сигнала 4");
  EXPECT_EQ(form.Grid2Cell(1, 0), "Наименование  алгоритма ");
  EXPECT_EQ(form.Grid2Cell(2, 0), "Номера ФБ, составляющих алгоритм");

  const std::string id2 = Cp1251ToUtf8(config.Serv.GetInputId(1));
  ASSERT_FALSE(id2.empty());
  using Row = std::vector<std::string>;
  auto row = [&](int i) {
    Row r;
    for (int c = 0; c < Form::kGrid1Columns; ++c) r.push_back(Cell1(c, i));
    return r;
  };
  EXPECT_EQ(row(0), (Row{" 1", "ФБ1", "\"И\" (4 входа)", id2, "", "", id2 + "  b"}));
  EXPECT_EQ(row(1), (Row{" 2", "ФБ2", "\"Т\" таймер  (2 входа)", "ФБ1", "КВУ121", "", ""}));
  EXPECT_EQ(row(2), (Row{" 3", "ФБ3", "\"СМР\" компаратор (4 вх)", "ФБ2", "", "", ""}));
  EXPECT_EQ(row(3), (Row{" 4", "ФБ4", "", "", "", "", ""}));
  EXPECT_EQ(row(4)[2], "");
  EXPECT_EQ(row(5), Row(7));
}

TEST_F(InfAlg, FillListsAlgorithmsWithCommas) {
  Blocks(6);
  Algorithm(0, {1, 2, 3}, "Насос");
  Algorithm(1, {4}, "Давление");
  form.Fill();
  EXPECT_EQ(Cell2(0, 0), " 1");
  EXPECT_EQ(Cell2(1, 0), "Насос");
  EXPECT_EQ(Cell2(2, 0), "1,2,3,");
  EXPECT_EQ(Cell2(2, 1), "4,");
  EXPECT_EQ(Cell2(0, 2), "");
  EXPECT_TRUE(form.EditingNFB());
  EXPECT_TRUE(form.EditingNFBEnabled());
  EXPECT_EQ(form.ModalResult(), kModalOk);
}

TEST_F(InfAlg, WithoutBlocksTheMemberColumnIsOff) {
  form.Fill();
  EXPECT_FALSE(form.EditingNFB());
  EXPECT_FALSE(form.EditingNFBEnabled());
  EXPECT_FALSE(form.StringGrid2SelectCell(Form::kMembersColumn, 2));
  EXPECT_TRUE(form.StringGrid2SelectCell(1, 2));
}

TEST_F(InfAlg, ARefilledListIsReadBackAsItWas) {
  Blocks(10);
  Algorithm(0, {1, 2, 3}, "Насос");
  Algorithm(1, {4, 5}, "Давление");
  form.Fill();
  const AlgImage before = ImageOf(fb);
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(ImageOf(fb), before);
  EXPECT_TRUE(ui.shown.empty());
}

// ---- reading the list back ----------------------------------------------------------

struct ListRow {
  std::string number, name, members;
};

struct ReadBackCase {
  const char* what;
  std::vector<ListRow> rows;
  bool editing = true;
  std::vector<std::string> texts;   // boxes shown, in order
  bool inputError = false;          // the field's input error, window kept open
  std::vector<std::vector<int>> members;  // of algorithms 0.. after a sound list
  int nAlg = 0;
};

const ReadBackCase kSound[] = {
    {"a list without a final comma", {{"1", "A", "1,2,3"}}, true, {}, false, {{1, 2, 3}}, 1},
    {"a list with a final comma", {{"1", "A", "1,2,3,"}}, true, {}, false, {{1, 2, 3}}, 1},
    {"each number from its own digits", {{"1", "A", "12,5"}}, true, {}, false, {{12, 5}}, 1},
    {"blanks around the numbers", {{" 1", "A", " 4 , 6 ,"}}, true, {}, false, {{4, 6}}, 1},
    {"an empty element ends the list", {{"1", "A", "1,,3"}}, true, {}, false, {{1}}, 1},
    {"an empty number column ends the list",
     {{"1", "A", "1"}, {"2", "B", "2"}, {"", "C", "3"}, {"4", "D", "4"}}, true, {}, false, {{1}, {2}}, 2},
    {"a row without a name adds no members", {{"1", "A", "1"}, {"2", "", "2,3"}}, true, {}, false, {{1}, {}}, 1},
    {"600 characters are still read", {{"1", "A", "1," + std::string(598, ' ')}}, true, {}, false, {{1}}, 1},
};

class InfAlgReadBack : public InfAlg {
 protected:
  void Enter(const std::vector<ListRow>& rows, bool editing) {
    Blocks(14);
    Algorithm(0, {1, 2}, "Старый");
    Algorithm(1, {3, 4}, "Второй");
    form.Fill();
    for (int i = 0; i < 4; ++i) Row(i, "", "", "");
    for (std::size_t i = 0; i < rows.size(); ++i) Row(static_cast<int>(i), rows[i].number, rows[i].name, rows[i].members);
    form.SetEditingNFB(editing);
  }
};

TEST_F(InfAlgReadBack, SoundListsAreStored) {
  for (const ReadBackCase& c : kSound) {
    SCOPED_TRACE(c.what);
    ui.shown.clear();
    Enter(c.rows, c.editing);
    ASSERT_TRUE(form.FormCloseQuery());
    EXPECT_EQ(form.ModalResult(), kModalOk);
    EXPECT_TRUE(ui.Texts().empty());
    EXPECT_EQ(fb.NAlg, c.nAlg);
    for (std::size_t a = 0; a < c.members.size(); ++a) {
      EXPECT_EQ(fb.AlgMembers(static_cast<int>(a)), c.members[a]) << "algorithm " << a;
    }
    // The heads follow the first members, nothing else heads.
    for (int i = 0; i < TProgFBClass::kSlots; ++i) {
      bool heads = false;
      for (const auto& m : c.members) heads = heads || (!m.empty() && m.front() == i + 1);
      EXPECT_EQ(fb.GetAlgHead(i), heads ? i + 1 : 255) << "record " << i;
    }
  }
}

TEST_F(InfAlgReadBack, NamesGoUnderTheTypedNumber) {
  Enter({{"1", "Насос Н-1", "1"}, {"2", "", ""}}, true);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(fb.GetAlgName(0), Utf8ToCp1251("Насос Н-1"));
  EXPECT_EQ(fb.GetAlgName(1), "");  // the old "Второй" is cleared
  Enter({{"1", std::string(120, 'x'), "1"}}, true);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(fb.GetAlgName(0), std::string(100, 'x'));
}

struct RefusedCase {
  const char* what;
  std::vector<ListRow> rows;
  std::vector<std::string> texts;  // boxes shown, in order
  bool inputError = false;         // the field's input error instead, window kept open
};

const RefusedCase kRefused[] = {
    {"a fourth digit", {{"1", "A", "1,2,1234"}}, {Form::kErrorList, Form::kAskFinish}},
    {"a block above NFB", {{"1", "A", "1,15"}}, {Form::kErrorBlock, Form::kAskFinish}},
    {"block 0", {{"1", "A", "0"}}, {Form::kErrorBlock, Form::kAskFinish}},
    {"more than 600 characters", {{"1", "A", "1," + std::string(699, ' ')}}, {Form::kErrorList, Form::kAskFinish}},
    {"number 0", {{"0", "A", "1"}}, {Form::kErrorList, Form::kAskFinish}},
    {"number 200", {{"200", "A", "1"}}, {Form::kErrorList, Form::kAskFinish}},
    {"a number that is not decimal", {{"12,5", "A", "1"}}, {Form::kErrorList, Form::kAskFinish}},
    {"a bad second row after a good one", {{"1", "A", "5,6"}, {"2", "B", "99"}}, {Form::kErrorBlock, Form::kAskFinish}},
    {"a four-character element with a dot", {{"1", "A", "12.5"}}, {Form::kErrorList, Form::kAskFinish}},
    {"a minus", {{"1", "A", "1,-1"}}, {}, true},
    {"a letter", {{"1", "A", "1,a"}}, {}, true},
};

TEST_F(InfAlgReadBack, RefusedListsLeaveTheTableAsItWas) {
  for (const bool finish : {true, false}) {
    for (const RefusedCase& c : kRefused) {
      SCOPED_TRACE(std::string(c.what) + (finish ? ", finished" : ", kept open"));
      ui.shown.clear();
      ui.inputErrors.clear();
      Enter(c.rows, true);
      const AlgImage before = ImageOf(fb);
      ui.answers = {MsgAnswer::Ok, finish ? MsgAnswer::Yes : MsgAnswer::No};  // the error box, the question
      const bool closes = form.FormCloseQuery();
      ui.answers.clear();
      EXPECT_EQ(ImageOf(fb), before);
      EXPECT_EQ(ui.Texts(), c.texts);
      if (c.inputError) {
        EXPECT_FALSE(closes);
        EXPECT_EQ(ui.inputErrors, (std::vector<TFieldError>{{"StringGrid2", kInputErrorMessage}}));
        continue;
      }
      EXPECT_TRUE(ui.inputErrors.empty());
      EXPECT_EQ(closes, finish);
      EXPECT_EQ(form.ModalResult(), kModalError);
      EXPECT_EQ(ui.shown.back().caption, Form::kAskFinishCaption);
    }
  }
}

TEST_F(InfAlgReadBack, AnUntickedBoxKeepsTheTablesLists) {
  Enter({{"1", "Первый", "9,9,9"}, {"2", "Второй", ""}, {"3", "Третий", ""}}, false);
  Algorithm(2, {7, 8}, "Третий");  // a list the table holds, e.g. just loaded
  fb.SetAlgHead(0, 255);           // heads out of step: rebuilt from the lists
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(fb.NAlg, 3);
  EXPECT_EQ(fb.AlgMembers(0), (std::vector<int>{1, 2}));
  EXPECT_EQ(fb.AlgMembers(1), (std::vector<int>{3, 4}));
  EXPECT_EQ(fb.AlgMembers(2), (std::vector<int>{7, 8}));
  EXPECT_EQ(fb.GetAlgHead(0), 1);
  EXPECT_EQ(fb.GetAlgHead(6), 7);
  EXPECT_EQ(fb.GetAlgName(0), Utf8ToCp1251("Первый"));
}

TEST_F(InfAlgReadBack, FileModeMarksAChangeOnly) {
  config.Serv.FileMode = 1;
  Enter({{"1", "Старый", "1,2"}, {"2", "Второй", "3,4"}}, true);
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(config.Serv.Modified, 0);
  EXPECT_EQ(fb.FBModified, 0);
  Row(1, "2", "Второй", "3,4,5");
  ASSERT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(config.Serv.Modified, 1);
  EXPECT_EQ(fb.FBModified, 0);  // the controller holds no algorithms
}

TEST_F(InfAlg, SelectingACellInFileModeMarksTheConfiguration) {
  Blocks(3);
  form.Fill();
  EXPECT_TRUE(form.StringGrid2SelectCell(Form::kMembersColumn, 2));
  EXPECT_EQ(config.Serv.Modified, 0);
  config.Serv.FileMode = 1;
  form.SetEditingNFB(false);
  EXPECT_FALSE(form.StringGrid2SelectCell(Form::kMembersColumn, 2));
  EXPECT_TRUE(form.StringGrid2SelectCell(0, 2));
  EXPECT_EQ(config.Serv.Modified, 1);
}

// ---- algorithms from a file ------------------------------------------------------------

struct RefusedFile {
  std::size_t size;
  const char* text;
};

TEST_F(InfAlg, FilesOfOtherSizesAreRefused) {
  Blocks(10);
  Algorithm(0, {1, 2}, "Насос");
  form.Fill();
  config.Reserv.SaveAlgorithms(fb);
  const RefusedFile cases[] = {{19456, "Файл не опознан"},  {20000, "Файл не опознан"},
                               {35436, "Файл не опознан"},  {35438, "Файл не опознан"},
                               {17954, "Файл не опознан"},  {10000, "Файл не опознан"},
                               {13000, "Файл создан на 40 ФБ"}};
  for (const RefusedFile& c : cases) {
    SCOPED_TRACE(c.size);
    ui.shown.clear();
    Bytes zeros(c.size, 0xFF);  // every byte a possible entry
    const std::string path = (dir / "odd.lur").string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(zeros.data()),
                                                static_cast<std::streamsize>(zeros.size()));
    const AlgImage before = ImageOf(fb);
    const int revision = form.Revision();
    ui.files = {path};
    form.NameFromFileClick();
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{c.text});
    EXPECT_EQ(ui.shown.at(0).caption, kCaptionWarning);
    EXPECT_EQ(ImageOf(fb), before);
    EXPECT_EQ(config.Reserv.ResNAlg, 1);
    EXPECT_EQ(config.Reserv.ResAlgName[0][0], fb.GetAlgNameBytes(0)[0]);
    EXPECT_EQ(form.Revision(), revision);
    EXPECT_EQ(Cell2(1, 0), "Насос");
  }
}

TEST_F(InfAlg, AFileThatCannotBeOpenedOrNoneChosen) {
  Blocks(3);
  form.Fill();
  const AlgImage before = ImageOf(fb);
  ui.files = {std::nullopt};
  form.NameFromFileClick();
  EXPECT_TRUE(ui.shown.empty());
  ui.files = {(dir / "missing.lur").string()};
  form.NameFromFileClick();
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Файл не удается открыть"});
  EXPECT_EQ(ui.shown.at(0).caption, "Открытие файла");
  ASSERT_EQ(ui.fileDialogs.size(), 2u);
  EXPECT_EQ(ui.fileDialogs[0].filter, "Файлы типа .lur|*.lur|Все файлы|*.*");
  EXPECT_FALSE(ui.fileDialogs[0].save);
  EXPECT_EQ(ImageOf(fb), before);
}

TEST_F(InfAlg, ASixtyBlockFileIntoAHundredTwentyBlockConfiguration) {
  Blocks(70);
  Algorithm(0, {1, 2}, "Старое");
  Algorithm(80, {65}, "Вне файла");  // beyond the file's square: emptied
  form.Fill();
  TProgFBClass source;
  source.CapFB = 60;
  source.ResetAlgorithms();
  for (int a = 0; a < 60; ++a) {
    source.SetAlgName(a, Utf8ToCp1251("Алг" + std::to_string(a)));
    for (int k = 0; k < 60; ++k) source.SetAlgFB(a, k, (a + k) % 60 + 1);
  }
  source.NAlg = 60;
  source.RebuildAlgHead();
  const std::array<std::uint8_t, 8> otherModules = {1, 7, 0, 0, 0, 0, 0, 0};
  const std::string path = File("sixty.lur", kConfigFileSize60, &source, 60, otherModules);
  config.Serv.FileMode = 1;
  ui.files = {path};
  form.NameFromFileClick();

  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{Form::kOtherBlockCount, Form::kOtherModules}));
  EXPECT_EQ(fb.NAlg, 60);
  for (int a = 0; a < 60; ++a) {
    EXPECT_EQ(fb.GetAlgName(a), Utf8ToCp1251("Алг" + std::to_string(a)));
    EXPECT_EQ(fb.GetAlgHead(a), source.GetAlgHead(a));
    for (int k = 0; k < 60; ++k) ASSERT_EQ(fb.GetAlgFB(a, k), (a + k) % 60 + 1) << a << "," << k;
    EXPECT_EQ(fb.GetAlgFB(a, 60), 255);
  }
  EXPECT_EQ(fb.GetAlgFB(80, 0), 255);
  EXPECT_EQ(fb.GetAlgName(80), "");
  // The reserve holds the same, so discarding the editor's changes keeps them.
  EXPECT_EQ(config.Reserv.ResNAlg, 60);
  EXPECT_EQ(config.Reserv.ResAlgFB[3][0], 4);
  EXPECT_EQ(config.Reserv.ResAlgName[0], fb.GetAlgNameBytes(0));
  EXPECT_EQ(config.Serv.Modified, 1);
  // The list shows every algorithm whose blocks exist (all 60 <= NFB 70).
  EXPECT_EQ(Cell2(0, 59), " 60");
  EXPECT_EQ(Cell2(2, 0).substr(0, 6), "1,2,3,");
}

TEST_F(InfAlg, TheLoadedListRunsOnToTheLastBlockAndStopsAtAMissingBlock) {
  Blocks(8);
  TProgFBClass source;
  source.ResetAlgorithms();
  auto set = [&source](int a, const std::vector<int>& m, const char* name) {
    for (std::size_t k = 0; k < m.size(); ++k) source.SetAlgFB(a, static_cast<int>(k), m[k]);
    source.SetAlgName(a, Utf8ToCp1251(name));
  };
  set(0, {1, 2}, "A");
  set(1, {3, 5}, "B");
  source.NAlg = 2;
  ui.files = {File("same.lur", kConfigFileSize120, &source)};
  form.Fill();
  form.NameFromFileClick();
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(Cell2(2, 0), "1,2,");
  EXPECT_EQ(Cell2(2, 1), "3,5,6,7,8,");
  EXPECT_EQ(fb.AlgMembers(1), (std::vector<int>{3, 5}));  // the table as the file has it

  set(1, {3, 9}, "B");  // block 9 does not exist here
  set(2, {4}, "C");
  source.NAlg = 3;
  ui.files = {File("more.lur", kConfigFileSize120, &source)};
  form.NameFromFileClick();
  EXPECT_EQ(Cell2(1, 0), "A");
  EXPECT_EQ(Cell2(0, 1), "");
  EXPECT_EQ(Cell2(0, 2), "");
  EXPECT_EQ(fb.NAlg, 3);
}

// ---- the report ------------------------------------------------------------------------

std::vector<std::string> Lines(const TReport& report) {
  std::vector<std::string> lines;
  for (const TReportBlock& block : report.blocks) lines.push_back(std::get<TReportParagraph>(block).text);
  return lines;
}

TEST_F(InfAlg, TheReportListsBothGridsWithTabs) {
  Blocks(2);
  Algorithm(0, {1, 2}, "Насос");
  config.Serv.SetAddressIndex(4);
  form.Fill();
  TReport report = form.Report();
  EXPECT_EQ(report.orientation, TPageOrientation::Landscape);
  EXPECT_EQ(report.marginPoints, 29);
  EXPECT_TRUE(report.pageSetup);
  const std::vector<std::string> expected = {
      "ЛУР-05HMI  11733000  № 5",
      "",
      "          Функциональные блоки",
      "",
      "  №\tИмя\tТип блока\tИсточник\tИсточник\tИсточник\tИсточник",
      " п/п\t\t\tвход. сигнала 1\tвход. сигнала 2\tвход. сигнала 3\tвход. сигнала 4",
      " 1\tФБ1\t\"И\" (4 входа)\t\t\t\t",
      " 2\tФБ2\t\"И\" (4 входа)\t\t\t\t",
      "",
      " № \tНаименование  алгоритма \tНомера ФБ, составляющих алгоритм",
      "п/п\t\t",
      " 1\tНасос\t1,2,",
  };
  EXPECT_EQ(Lines(report), expected);

  config.Serv.FileMode = 1;
  form.fileName = [] { return std::string("/home/u/насосная.lur"); };
  EXPECT_EQ(Lines(form.Report()).at(0), "Файл /home/u/насосная.lur");
}

TEST_F(InfAlg, TheReportButtonWritesTheFileAndPrintsOnYes) {
  Blocks(1);
  form.Fill();
  const std::string path = (dir / "alg").string();
  ui.files = {path};
  ui.answers = {MsgAnswer::Yes};
  form.ButRtfClick();
  EXPECT_TRUE(fs::exists(path + ".rtf"));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Печатать?"});
  EXPECT_EQ(printer.jobs, 1);
  EXPECT_EQ(printer.last.orientation, TPageOrientation::Landscape);
}

// ---- the editor ------------------------------------------------------------------------

struct EditorFixture : InfAlgFixture {
  NoBlockDialog block;
  TFormSigController sig;
  TFormVyhController vyh{config.Lur};
  ScriptedDialog<TFormSigController> sigDialog;
  ScriptedDialog<TFormVyhController> vyhDialog;
  int result = kModalOk;
  std::function<void(Form&)> user;
  TModalFunction<Form> infAlgWindow{[this](Form& f) {
    if (user) user(f);
    return result;
  }};
  TFormFBController editor{session, {.block = block,
                                     .sig = sig,
                                     .sigWindow = sigDialog.window,
                                     .vyh = vyh,
                                     .vyhWindow = vyhDialog.window,
                                     .infAlg = &form,
                                     .infAlgWindow = &infAlgWindow}};
};

class InfAlgEditor : public ::testing::Test, protected EditorFixture {};

TEST_F(InfAlgEditor, TheWindowFilledItsResultActedOn) {
  EXPECT_TRUE(editor.Controls().IsEnabled(TFormFBControl::PMenu3Algorithms));
  Blocks(6);
  editor.FormCreate();
  editor.FormShow();
  editor.PanFB1MouseDown(2, TFormFBController::TButton::Left, false);
  ASSERT_EQ(fb.CurPosFB, 2);
  bool filled = false;
  user = [&](Form& f) {
    filled = f.Grid1Cell(1, 2 + 5) == "ФБ6";
    f.SetGrid2Cell(0, 2, "1");
    f.SetGrid2Cell(1, 2, "Насос");
    f.SetGrid2Cell(2, 2, "4,5");
    EXPECT_TRUE(f.FormCloseQuery());
  };
  const int revision = editor.Revision();
  editor.CreatAlgoritmClick();
  EXPECT_TRUE(filled);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(fb.GetAlgHead(3), 4);
  EXPECT_EQ(fb.CurPosFB, -1);
  EXPECT_EQ(fb.Selected[2], 0);
  EXPECT_NE(editor.Revision(), revision);

  result = kModalError;
  user = nullptr;
  editor.PanFB1MouseDown(1, TFormFBController::TButton::Left, false);
  editor.CreatAlgoritmClick();
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"программирование закончено с ошибкой"});
  EXPECT_EQ(ui.shown.at(0).caption, "Ошибка");
  EXPECT_EQ(fb.CurPosFB, -1);
  EXPECT_EQ(fb.Selected[1], 0);
}

TEST(InfAlgEditorSeam, WithoutTheWindowTheItemIsOff) {
  InfAlgFixture f;
  NoBlockDialog block;
  TFormSigController sig;
  TFormVyhController vyh{f.config.Lur};
  ScriptedDialog<TFormSigController> sigDialog;
  ScriptedDialog<TFormVyhController> vyhDialog;
  TFormFBController editor{f.session, {block, sig, sigDialog.window, vyh, vyhDialog.window}};
  EXPECT_FALSE(editor.Controls().IsEnabled(TFormFBControl::PMenu3Algorithms));
  editor.CreatAlgoritmClick();  // nothing to show: nothing happens
  EXPECT_TRUE(f.ui.shown.empty());
}

}  // namespace
}  // namespace lur::test
