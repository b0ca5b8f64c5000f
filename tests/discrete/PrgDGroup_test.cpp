// The group operations of the discrete schema: copy, cut, delete the marked
// rows, paste after the last row or from a number, replace one record,
// select all; and the pages of the printout.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "discrete/PrgDFixture.h"
#include "discrete/TDiscretePrint.h"

namespace lur::test {
namespace {

using Rec = TProgLurClass::Record;
using A = TFormPrgDAction;

constexpr const char* kNothingMarked = "Нет выделенных входов";
constexpr const char* kCutQuestion = "Вырезать выделенные обработчики входного сигнала?";
constexpr const char* kDeleteQuestion = "Удалить выделенные обработчики входного сигнала?";
constexpr const char* kBadStart = "Неверно задан № входа";

// 48 own signals and 144 network signals of one function-3 block: a base of
// 192, two relay modules, a 12-cell display.
struct FullBase : PrgDFixture {
  FullBase() : PrgDFixture({1, 1, 7, 3, 3, 0, 0, 0}, 0, {{3, 36}}) {}
};

// Marks rows with Ctrl+click, in the order given.
void Mark(PrgDFixture& f, std::initializer_list<int> rows) {
  for (const int p : rows) f.prgd.RowClick(p, true);
}

// Three plain records that need no repair, kept in copy slots 0..2.
const std::vector<Rec> kCopied = {
    {0x20 | 0x40 | 3, 0x01, 0, 0, 0, 0, 0, 0x11},
    {0x00, 0, 0x80, 0, 0, 0, 0x80 | 4, 0x22},
    {0x20 | 0xC0 | 12, 0x05, 0x06, 0, 0, 0, 0x40 | 2, 0x33},
};
void FillCopy(PrgDFixture& f, const std::vector<Rec>& records) {
  for (std::size_t j = 0; j < records.size(); ++j) f.config.Copy.CopyDiskr[j] = records[j];
  f.config.Copy.CopyDiskrCount = static_cast<int>(records.size());
}

// ---- copy -----------------------------------------------------------------------

TEST(PrgDGroup, CopyFollowsTheRowsNotTheSignals) {
  PrgDFixture f;
  f.Handlers({5, 9});
  f.prgd.FormShow();
  // A handler made by hand is appended: rows show 5, 9, 2.
  f.ChooseOwn(TFormCreatVhController::kDiscrete, 1, 3);
  f.prgd.CreatVhButClick();
  ASSERT_EQ(f.Rows(), (std::vector<int>{5, 9, 2}));
  f.Record(2, {0x20 | 0x80 | 7, 0, 0, 0, 0, 0, 0, 0x44});
  f.Record(9, {0x20, 0x03, 0, 0, 0, 0, 5, 0});
  f.prgd.ScrollBox1Click();
  Mark(f, {0, 1, 2});
  f.prgd.PMenu2CopClick();
  EXPECT_EQ(f.config.Copy.CopyDiskrCount, 3);
  EXPECT_EQ(f.config.Copy.CopyDiskr[0], f.RecordOf(5));
  EXPECT_EQ(f.config.Copy.CopyDiskr[1], f.RecordOf(9));
  EXPECT_EQ(f.config.Copy.CopyDiskr[2], f.RecordOf(2));
  EXPECT_EQ(f.config.Lur.CopyPos, -1);
  f.prgd.RowClick(1, false);
  EXPECT_EQ(f.prgd.RightClick(1, true), TFormPrgDController::TPopup::Row);
  EXPECT_FALSE(f.prgd.Actions().IsEnabled(A::AChange));
  f.prgd.PMenu2CopClick();
  EXPECT_EQ(f.config.Lur.CopyPos, 0);
  EXPECT_EQ(f.config.Copy.CopyDiskrCount, 1);
  f.prgd.RightClick(1, true);
  EXPECT_TRUE(f.prgd.Actions().IsEnabled(A::AChange));
}

// ---- paste ----------------------------------------------------------------------

TEST(PrgDGroup, PasteAfterTheLastRowStopsAtTheBase) {
  FullBase f;
  ASSERT_EQ(f.config.Serv.GetProcessedDiscreteCount(), 192);
  f.Handlers({3, 190});
  f.prgd.FormShow();
  FillCopy(f, kCopied);
  const Rec before189 = f.RecordOf(189);
  f.prgd.InsertPaspGroupClick();
  EXPECT_EQ(f.RecordOf(191), kCopied[0]);
  EXPECT_EQ(f.RecordOf(189), before189);
  EXPECT_EQ(f.Rows(), (std::vector<int>{3, 190, 191}));
  // The single pasted row is marked and, being the only one, current.
  EXPECT_EQ(f.Marked(), std::vector<int>{2});
  EXPECT_EQ(f.CurPos(), 2);
  EXPECT_EQ(f.CurSignal(), 191);
  EXPECT_TRUE(f.Row(2).bandSelected);
  EXPECT_FALSE(f.Row(0).bandSelected);
  EXPECT_EQ(f.prgd.ScrollTarget(), 2 * TSchemaRow::kHeight);
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
  EXPECT_TRUE(f.ui.shown.empty());
}

TEST(PrgDGroup, PasteAfterTheLastRowMarksEveryPastedRow) {
  PrgDFixture f;
  f.Handlers({3, 10});
  f.prgd.FormShow();
  FillCopy(f, kCopied);
  f.prgd.RowClick(0, false);  // a selection before the paste is dropped
  f.prgd.InsertPaspGroupClick();
  for (int j = 0; j < 3; ++j) EXPECT_EQ(f.RecordOf(11 + j), kCopied[static_cast<std::size_t>(j)]) << j;
  EXPECT_EQ(f.Rows(), (std::vector<int>{3, 10, 11, 12, 13}));
  EXPECT_EQ(f.Marked(), (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(f.CurPos(), -1);
  EXPECT_FALSE(f.Row(0).bandSelected);
}

struct PasteFromCase {
  const char* name;
  std::string start;              // typed into the dialog
  std::vector<int> written;       // signals that receive slots 0, 1, ...
  std::optional<std::string> box;  // the refusal shown
};

class PrgDPasteFrom : public ::testing::TestWithParam<PasteFromCase> {};

TEST_P(PrgDPasteFrom, WritesWithinTheBase) {
  const PasteFromCase& c = GetParam();
  FullBase f;
  f.Handlers({3, 190});  // 190 on the schema is overwritten like any other
  f.prgd.FormShow();
  FillCopy(f, kCopied);
  std::vector<Rec> before;
  for (int n = 0; n < 192; ++n) before.push_back(f.RecordOf(n));
  f.vh.user = [&](TFormVhController& d) {
    EXPECT_EQ(d.caption, "Ввод начального № вставки");
    EXPECT_EQ(d.group, 3);
    d.edit3 = c.start;
  };
  f.prgd.InsertPaspGroupFromClick();
  EXPECT_EQ(f.vh.shows, 1);
  for (int n = 0; n < 192; ++n) {
    const auto at = std::find(c.written.begin(), c.written.end(), n);
    const Rec expected = at == c.written.end() ? before[static_cast<std::size_t>(n)]
                                               : kCopied[static_cast<std::size_t>(at - c.written.begin())];
    EXPECT_EQ(f.RecordOf(n), expected) << "signal " << n;
  }
  if (c.box) {
    EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{*c.box});
  } else {
    EXPECT_TRUE(f.ui.shown.empty());
    // The rows from the first written signal on are marked, c rows at most.
    const int first = f.config.Lur.PosSignal[static_cast<std::size_t>(f.Marked().front())];
    EXPECT_EQ(first, c.written.front());
    EXPECT_EQ(f.Marked().size(), c.written.size());
    EXPECT_EQ(f.prgd.ScrollTarget(), f.Marked().front() * TSchemaRow::kHeight);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrgDPasteFrom,
    ::testing::Values(PasteFromCase{"FromOneFills0To2", "1", {0, 1, 2}, std::nullopt},
                      PasteFromCase{"From190Fills189To191", "190", {189, 190, 191}, std::nullopt},
                      PasteFromCase{"From192FillsOnly191", "192", {191}, std::nullopt},
                      PasteFromCase{"From193IsRefused", "193", {}, kBadStart},
                      // Ten digits would wrap to a small or negative number.
                      PasteFromCase{"TenDigitsAreRefused", "4294967297", {}, kBadStart},
                      PasteFromCase{"TenDigitsMaxIntIsRefused", "2147483647", {}, kBadStart}),
    [](const ::testing::TestParamInfo<PasteFromCase>& info) { return std::string(info.param.name); });

TEST(PrgDGroup, PasteFromTenDigitsInTheDialogShowsTheBoxAndStaysOpen) {
  FullBase f;
  f.prgd.FormShow();
  FillCopy(f, kCopied);
  // The dialog as it runs: OK refuses the number, the user then cancels.
  int okResult = -1;
  TModalFunction<TFormVhController> window{[&](TFormVhController& d) {
    d.edit3 = "9999999999";
    okResult = d.OKClick();
    return d.CancelClick();
  }};
  TDiscreteDialogWindows windows{f.creatVh.window, f.sig.window, f.za.window, f.vyh.window,
                                 f.vkl.window,     f.text.window, window};
  TFormPrgDController prgd{f.session, f.forms, windows, f.editors};
  const Rec before = f.RecordOf(0);
  prgd.InsertPaspGroupFromClick();
  EXPECT_EQ(okResult, kModalError);
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{kBadStart});
  EXPECT_EQ(f.RecordOf(0), before);
}

// What a pasted record becomes in a configuration that cannot hold all of it.
struct RepairCase {
  const char* name;
  std::array<std::uint8_t, 8> modules;
  Rec copied;
  Rec pasted;
  bool row;  // the pasted signal has a row afterwards
};

class PrgDPasteRepair : public ::testing::TestWithParam<RepairCase> {};

TEST_P(PrgDPasteRepair, ClearsWhatTheConfigurationLacks) {
  const RepairCase& c = GetParam();
  PrgDFixture f(c.modules, 0);  // 12 cells
  FillCopy(f, {c.copied});
  f.prgd.FormShow();
  f.prgd.InsertPaspGroupClick();
  EXPECT_EQ(f.RecordOf(0), c.pasted);
  EXPECT_EQ(f.Rows(), c.row ? std::vector<int>{0} : std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrgDPasteRepair,
    ::testing::Values(
        // Cell 20 on a 12-cell display: the cell goes, the alarm stays, and the
        // row keeps its signalling block.
        RepairCase{"CellPastTheDisplayKeepsTheType",
                   {1, 1, 7, 3, 3, 0, 0, 0},
                   {0x80 | 20, 0, 0, 0, 0, 0, 0x80, 0x5A},
                   {0x80, 0, 0, 0, 0, 0, 0x80, 0x5A},
                   true},
        // Without output modules: no delay, no relays; nothing left, no row.
        RepairCase{"NoOutputModulesNoDelayNoRelay",
                   {1, 1, 7, 0, 0, 0, 0, 0},
                   {0x20, 0x01, 0x02, 0, 0, 0x10, 0x80 | 0x40 | 9, 0x07},
                   {0x20, 0, 0, 0, 0, 0, 0x80, 0x07},
                   false},
        // Two output modules: modules 3..5 are cleared, 1 and 2 stay.
        RepairCase{"RelaysPastTheModulesCleared",
                   {1, 1, 7, 3, 3, 0, 0, 0},
                   {0x00, 0x01, 0x02, 0x04, 0x08, 0x10, 0, 0},
                   {0x00, 0x01, 0x02, 0, 0, 0, 0, 0},
                   true}),
    [](const ::testing::TestParamInfo<RepairCase>& info) { return std::string(info.param.name); });

// ---- delete and cut -------------------------------------------------------------

TEST(PrgDGroup, DeleteClearsTheBlocksAndKeepsContactArchiveAndByte7) {
  PrgDFixture f;
  f.Record(1, {0x20 | 0x80 | 5, 0x03, 0x01, 0, 0, 0, 0x80 | 0x40 | 7, 0x55});
  f.Record(4, {0x40 | 2, 0, 0, 0, 0, 0, 0x80, 0x66});  // signalling only
  f.Handlers({8});
  ASSERT_EQ(f.Rows(), (std::vector<int>{1, 4, 8}));
  const Rec kept = f.RecordOf(8);
  Mark(f, {0, 1});
  f.ui.answers = {MsgAnswer::No};
  f.prgd.DelChooseClick();
  EXPECT_EQ(f.Rows(), (std::vector<int>{1, 4, 8}));
  f.ui.answers = {MsgAnswer::Yes};
  f.prgd.DelChooseClick();
  ASSERT_EQ(f.ui.shown.size(), 2u);
  EXPECT_EQ(f.ui.shown[1].text, kDeleteQuestion);
  EXPECT_EQ(f.ui.shown[1].caption, "Подтвердите удаление ");
  EXPECT_EQ(f.ui.shown[1].defaultAnswer, MsgAnswer::No);
  EXPECT_EQ(f.RecordOf(1), (Rec{0x20, 0, 0, 0, 0, 0, 0x80, 0x55}));
  EXPECT_EQ(f.RecordOf(4), (Rec{0x00, 0, 0, 0, 0, 0, 0x80, 0x66}));
  EXPECT_EQ(f.RecordOf(8), kept);
  EXPECT_EQ(f.Rows(), std::vector<int>{8});
  EXPECT_TRUE(f.Marked().empty());
  EXPECT_EQ(f.config.Lur.NSelected, 0);
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
}

TEST(PrgDGroup, DeleteAndCutNeedMarkedRows) {
  PrgDFixture f;
  f.Handlers({1});
  f.prgd.FormShow();
  f.prgd.DelChooseClick();
  f.prgd.CutClick();
  EXPECT_EQ(f.ui.Texts(), (std::vector<std::string>{kNothingMarked, kNothingMarked}));
  EXPECT_EQ(f.Rows(), std::vector<int>{1});
}

TEST(PrgDGroup, CutAsksOnceCopiesThenDeletes) {
  PrgDFixture f;
  f.Handlers({2, 6, 7});
  const Rec six = f.RecordOf(6), seven = f.RecordOf(7);
  Mark(f, {1, 2});
  f.ui.answers = {MsgAnswer::Yes};
  f.prgd.CutClick();
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text, kCutQuestion);
  EXPECT_EQ(f.ui.shown[0].caption, "Подтвердите вырезание ");
  EXPECT_EQ(f.ui.shown[0].defaultAnswer, MsgAnswer::No);
  EXPECT_EQ(f.config.Copy.CopyDiskrCount, 2);
  EXPECT_EQ(f.config.Copy.CopyDiskr[0], six);
  EXPECT_EQ(f.config.Copy.CopyDiskr[1], seven);
  EXPECT_EQ(f.Rows(), std::vector<int>{2});
  EXPECT_EQ(f.config.Lur.CutMode, 0);
  EXPECT_TRUE(f.prgd.Actions().IsEnabled(A::AInsertPaspGroup));
}

TEST(PrgDGroup, CutAnsweredNoChangesNothing) {
  PrgDFixture f;
  f.Handlers({2, 6});
  FillCopy(f, kCopied);
  Mark(f, {0});
  f.ui.answers = {MsgAnswer::No};
  f.prgd.CutClick();
  EXPECT_EQ(f.config.Copy.CopyDiskrCount, 3);
  EXPECT_EQ(f.Rows(), (std::vector<int>{2, 6}));
  EXPECT_EQ(f.config.Lur.DiskrModified, 0);
}

// A cut whose copy stops (here at the question about a missing
// configuration) must not delete what it did not copy.
TEST(PrgDGroup, CutDeletesNothingWhenTheCopyStops) {
  PrgDFixture f;
  f.Handlers({2, 6});
  FillCopy(f, kCopied);
  Mark(f, {0, 1});
  f.config.Lur.SchemaSet = 0;
  f.ui.answers = {MsgAnswer::Yes, MsgAnswer::Yes};  // cut: yes; create a configuration: yes
  const Rec two = f.RecordOf(2);
  f.prgd.CutClick();
  EXPECT_EQ(f.ui.shown.size(), 2u);
  EXPECT_EQ(f.RecordOf(2), two);
  EXPECT_EQ(f.config.Copy.CopyDiskrCount, 3);
  EXPECT_EQ(f.config.Copy.CopyDiskr[0], kCopied[0]);
  EXPECT_EQ(f.Rows(), (std::vector<int>{2, 6}));
  EXPECT_FALSE(f.prgd.CloseRequested());
}

// ---- replace and select all -----------------------------------------------------

TEST(PrgDGroup, ReplaceTakesTheCopiedRecordAndItsBlocks) {
  PrgDFixture f;
  f.Record(1, {0x20 | 0x40 | 3, 0x01, 0, 0, 0, 0, 0, 0});
  f.Handlers({5});
  f.prgd.FormShow();
  f.prgd.RowClick(0, false);
  f.prgd.PMenu2CopClick();
  ASSERT_EQ(f.config.Lur.CopyPos, 0);
  // The copied record as another configuration left it: module 4's relays
  // and cell 3 go with it.
  f.config.Copy.CopyDiskr[0] = {0x20 | 0x40 | 3, 0x01, 0, 0, 0x08, 0, 0x80, 0x77};
  f.prgd.RowClick(1, false);
  f.prgd.PMenu2ChangeClick();
  EXPECT_EQ(f.RecordOf(5), (Rec{0x20 | 0x40 | 3, 0x01, 0, 0, 0, 0, 0x80, 0x77}));
  const TSchemaRow& row = f.Row(1);
  EXPECT_TRUE(row.hasSign);
  EXPECT_EQ(row.nTabS, 3);
  EXPECT_FALSE(row.hasZader);  // the old delay went with the old record
  EXPECT_TRUE(row.hasMR);
  EXPECT_TRUE(row.archiveDown);
  EXPECT_EQ(f.CurPos(), -1);
  EXPECT_EQ(f.config.Lur.NSelected, 0);
  EXPECT_FALSE(f.Row(1).bandSelected);
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
}

TEST(PrgDGroup, ReplaceClearsACellTheDisplayLacks) {
  PrgDFixture f;
  f.Handlers({1, 5});
  f.prgd.RowClick(0, false);
  f.prgd.PMenu2CopClick();
  f.config.Copy.CopyDiskr[0] = {0xC0 | 20, 0, 0, 0, 0, 0, 0, 0};  // indication on cell 20 of 12
  f.prgd.RowClick(1, false);
  f.prgd.PMenu2ChangeClick();
  EXPECT_EQ(f.RecordOf(5), (Rec{0, 0, 0, 0, 0, 0, 0, 0}));
  // Nothing left to show: the row stays, without blocks, until a rebuild.
  EXPECT_EQ(f.Rows(), (std::vector<int>{1, 5}));
  EXPECT_FALSE(f.Row(1).hasSign);
  f.prgd.RebuildSchema();
  EXPECT_EQ(f.Rows(), std::vector<int>{1});
}

TEST(PrgDGroup, ReplaceWithoutRowsWarns) {
  PrgDFixture f;
  f.prgd.FormShow();
  f.config.Lur.CopyPos = 0;
  f.prgd.PMenu2ChangeClick();
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{"Не создано ни одного входа"});
}

TEST(PrgDGroup, SelectAllMarksAndCountsEveryRow) {
  PrgDFixture f;
  f.Handlers({1, 4, 9});
  f.prgd.RowClick(1, false);
  f.prgd.ChooseAllClick();
  EXPECT_EQ(f.Marked(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(f.config.Lur.NSelected, 3);
  EXPECT_EQ(f.CurPos(), -1);
  EXPECT_EQ(f.CurSignal(), -1);
  for (int p = 0; p < 3; ++p) EXPECT_TRUE(f.Row(p).bandSelected) << p;
  // A group: the one-row items of the Row menu are off.
  f.prgd.RightClick(0, true);
  EXPECT_FALSE(f.prgd.Actions().IsEnabled(A::ASign));
  // Select all, then delete: the whole schema goes.
  f.ui.answers = {MsgAnswer::Yes};
  f.prgd.DelChooseClick();
  EXPECT_TRUE(f.Rows().empty());
}

// In file mode every operation that changes records marks the configuration.
TEST(PrgDGroup, FileModeMarksModified) {
  using Op = std::function<void(PrgDFixture&)>;
  const std::vector<std::pair<const char*, Op>> ops = {
      {"delete", [](PrgDFixture& f) { f.ui.answers = {MsgAnswer::Yes}; Mark(f, {0}); f.prgd.DelChooseClick(); }},
      {"cut", [](PrgDFixture& f) { f.ui.answers = {MsgAnswer::Yes}; Mark(f, {0}); f.prgd.CutClick(); }},
      {"paste", [](PrgDFixture& f) { f.prgd.InsertPaspGroupClick(); }},
      {"paste from", [](PrgDFixture& f) {
         f.vh.user = [](TFormVhController& d) { d.edit3 = "3"; };
         f.prgd.InsertPaspGroupFromClick();
       }},
      {"replace", [](PrgDFixture& f) {
         f.prgd.RowClick(0, false);
         f.config.Lur.CopyPos = 0;
         f.prgd.PMenu2ChangeClick();
       }},
  };
  for (const auto& [name, op] : ops) {
    PrgDFixture f;
    f.config.Serv.FileMode = 1;
    f.Handlers({1, 4});
    FillCopy(f, kCopied);
    f.config.Serv.Modified = 0;
    f.config.Lur.DiskrModified = 0;
    op(f);
    EXPECT_EQ(f.config.Serv.Modified, 1) << name;
    EXPECT_EQ(f.config.Lur.DiskrModified, 1) << name;
  }
}

// ---- printing -------------------------------------------------------------------

TEST(PrgDPrint, NoRowsPrintsNothingNoSchemaWarns) {
  PrgDFixture f;
  f.prgd.FormShow();
  EXPECT_FALSE(f.prgd.Button1Click().has_value());
  EXPECT_TRUE(f.ui.shown.empty());
  f.Handlers({1});
  f.config.Lur.SchemaSet = 0;
  EXPECT_FALSE(f.prgd.Button1Click().has_value());
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text, "Схема не создана");
  EXPECT_EQ(f.ui.shown[0].caption, "Предупреждение");
  EXPECT_EQ(f.ui.shown[0].icon, MsgIcon::Warning);
}

TEST(PrgDPrint, ElevenRowsAPage) {
  PrgDFixture f;
  f.config.Serv.FileMode = 1;
  for (int n = 0; n < 23; ++n) f.Record(n, {0x20, 0, 0, 0, 0, 0, 5, 0});
  f.Record(0, {0x20, 0x05, 0x80, 0, 0, 0, 0, 0});
  f.prgd.FormShow();
  const auto printout = f.prgd.Button1Click("Программатор ЛУР - 05HMI", "Режим работы с файлом C:\\a.lur");
  ASSERT_TRUE(printout.has_value());
  ASSERT_EQ(printout->pages.size(), 3u);
  const std::vector<std::pair<int, int>> spans = {{0, 11}, {11, 11}, {22, 1}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(printout->pages[i].number, static_cast<int>(i) + 1);
    EXPECT_EQ(printout->pages[i].firstRow, spans[i].first);
    EXPECT_EQ(printout->pages[i].rowCount, spans[i].second);
    EXPECT_EQ(printout->pages[i].relayLines.size(), static_cast<std::size_t>(spans[i].second));
  }
  EXPECT_EQ(printout->pages[0].heading,
            (std::vector<std::string>{"Программатор ЛУР - 05HMI", "Программирование обработки дискретных входов",
                                      "Режим работы с файлом C:\\a.lur",
                                      "Тип модуля индикации  " + f.prgd.TipModInd() + "     Исполнение  11733000"}));
  EXPECT_EQ(printout->pages[0].headingPoints, 12);
  EXPECT_EQ(printout->pages[1].heading,
            std::vector<std::string>{"Программатор ЛУР - 05HMI   страница 2"});
  EXPECT_EQ(printout->pages[2].headingPoints, 10);
  const std::string text0 = "  " + f.Text(0);
  EXPECT_EQ(printout->pages[0].relayLines[0], text0 + "  MP 1: 1,3,  MP 2: 8,  MP 3:   MP 4:   MP 5: ");
  EXPECT_EQ(printout->pages[2].relayLines[0], "  " + f.Text(22) + "   нет выхода на модуль реле");
}

TEST(PrgDPrint, ControllerModeHasNoFileLine) {
  PrgDFixture f;
  f.Handlers({1});
  const auto printout = f.prgd.Button1Click();
  ASSERT_TRUE(printout.has_value());
  ASSERT_EQ(printout->pages.size(), 1u);
  EXPECT_EQ(printout->pages[0].heading.size(), 3u);
  EXPECT_EQ(printout->pages[0].heading[0], "Программатор ЛУР - 05HMI");
}

}  // namespace
}  // namespace lur::test
