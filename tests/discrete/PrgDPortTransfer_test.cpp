// The discrete editor's own F9, F10 and closing against the simulated
// controller: what is asked in which order, and what memory, the change mark
// and the reserve hold after each ending.
#include <gtest/gtest.h>

#include "discrete/PrgDFixture.h"
#include "model/TProgMBMClass.h"
#include "session/FailedAnswerCases.h"

namespace lur::test {
namespace {

std::vector<std::uint8_t> Range(int first, int last) {
  std::vector<std::uint8_t> pages;
  for (int p = first; p <= last; ++p) pages.push_back(static_cast<std::uint8_t>(p));
  return pages;
}

std::vector<std::uint8_t> Concat(std::initializer_list<std::vector<std::uint8_t>> parts) {
  std::vector<std::uint8_t> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// Page 10 with one exchange block of kind `kind` and `registers` registers.
std::vector<std::uint8_t> ExchangePage(int kind, int registers) {
  TProgMBMClass mbm;
  mbm.SetKodF(0, kind);
  mbm.SetKolVh(0, registers);
  const auto& table = mbm.GetTable();
  return {table.begin() + 1, table.end()};
}

struct PrgDPortTransfer : ::testing::Test {
  PrgDFixture f;
  PrgDPortTransfer() {
    f.Handlers({2, 20});
    f.prgd.FormShow();  // the first showing only rebuilds
    f.line.ForgetRequests();
  }
  // The processing and texts as the controller holds them differ from
  // memory's: records of signals 2 and 20, text of signal 2.
  void Edit() {
    f.config.Lur.SetRecByte(5, 6, 7);
    f.config.Lur.DiskrModified = 1;
  }
  std::vector<std::uint8_t> PageBytes(int k) {
    f.config.Lur.LoadPage(k);
    const auto& page = f.config.Lur.GetPage();
    return {page.begin(), page.end()};
  }
};

TEST_F(PrgDPortTransfer, TheFirstShowingSendsNothing) {
  PrgDFixture g;
  g.config.Lur.PrgDShown = 0;
  g.prgd.FormShow();
  EXPECT_TRUE(g.line.requests.empty());
  EXPECT_EQ(g.prgd.Caption(), std::string(TFormPrgDController::kDeviceCaption) + "1");
}

TEST_F(PrgDPortTransfer, F9ReadsIdentityProcessingTextsAndUnitsAndTakesThem) {
  // A controller whose exchange table has no blocks.
  sim::PageStore pages = f.line.Controller().Pages();
  pages.Put(10, ExchangePage(0, 0));
  f.line.Rebuild(f.line.Options(), pages);
  f.prgd.InPortClick();
  ASSERT_TRUE(f.ui.shown.empty()) << f.ui.shown[0].text;
  ASSERT_FALSE(f.line.requests.empty());
  EXPECT_EQ(f.line.requests[0].function, 17);
  // No network signals in the controller's base: no page 10.
  EXPECT_EQ(f.line.PagesRead(), Concat({Range(12, 19), Range(40, 51), {35}}));
  // The pause before the processing pages.
  EXPECT_GE(f.line.requests[1].atMs - f.line.requests[0].atMs, 50);
  // Memory holds the controller's processing: the simulator's base has none
  // of the handlers the editor had.
  for (int k = 0; k < 8; ++k) EXPECT_EQ(PageBytes(k), f.line.Page(static_cast<std::uint8_t>(12 + k))) << k;
  EXPECT_EQ(f.config.Reserv.ResDiskr, f.config.Lur.GetRecords());
  EXPECT_EQ(f.config.Lur.DiskrModified, 0);
  EXPECT_EQ(f.config.Serv.GetNetBlockTotal(), 0);
  EXPECT_EQ(f.prgd.Caption(), std::string(TFormPrgDController::kDeviceCaption) + "1");
  EXPECT_FALSE(f.ui.progressVisible);
  EXPECT_EQ(static_cast<int>(f.prgd.Layout().rows.size()), f.config.Lur.NHandlers);
}

TEST_F(PrgDPortTransfer, F9ReadsTheExchangeTableOnlyWhenTheBaseHoldsNetworkSignals) {
  // The controller's exchange table gains a block of three discrete registers.
  sim::PageStore pages = f.line.Controller().Pages();
  pages.Put(10, ExchangePage(1, 3));
  f.line.Rebuild(f.line.Options(), pages);
  f.prgd.InPortClick();
  const int local = f.config.Serv.GetDiCount() + 4 * f.config.Serv.GetAiCount();
  ASSERT_TRUE(f.ui.shown.empty()) << f.ui.shown[0].text;
  EXPECT_EQ(f.line.PagesRead(), Concat({{10}, Range(12, 19), Range(40, 51), {35}}));
  EXPECT_EQ(f.config.Serv.GetNetBlockTotal(), 1);
  EXPECT_EQ(f.config.Serv.GetNetDiscreteTotal(), 3);
  EXPECT_EQ(f.config.Serv.GetProcessedDiscreteCount(), local + 3);
  EXPECT_NE(f.config.Serv.GetInputId(local), "");
  EXPECT_EQ(f.config.Reserv.ResMBMHead, f.config.MBM.GetTable());
}

TEST_F(PrgDPortTransfer, AReadStoppedPartWayLeavesEverythingAsItWas) {
  for (const FailedAnswerCase& c : kFailedAnswerCases) {
    SCOPED_TRACE(c.what);
    for (const std::uint8_t page : {15, 45, 35}) {
      f.ui.shown.clear();
      f.config.Lur.DiskrModified = 1;
      const auto records = f.config.Lur.GetRecords();
      const auto texts = f.config.Serv.GetInputTexts();
      const auto ids = f.config.Serv.GetInputIds();
      const auto reserve = f.config.Reserv.ResDiskr;
      const std::vector<int> rows = f.Rows();
      f.line.ClearFaults();
      f.line.FailPage(0x44, page, c.fault);
      f.prgd.InPortClick();
      EXPECT_EQ(f.config.Lur.GetRecords(), records) << int(page);
      EXPECT_EQ(f.config.Serv.GetInputTexts(), texts);
      EXPECT_EQ(f.config.Serv.GetInputIds(), ids);
      EXPECT_EQ(f.config.Reserv.ResDiskr, reserve);
      EXPECT_EQ(f.config.Lur.DiskrModified, 1);
      EXPECT_EQ(f.Rows(), rows);
      ASSERT_EQ(f.ui.shown.size(), 1u);
      EXPECT_EQ(f.ui.shown[0].text, f.link.ErrorText(0, c.code));
      EXPECT_FALSE(f.ui.progressVisible);
    }
  }
}

TEST_F(PrgDPortTransfer, F10WritesTheEightPagesAndOnlyThenClearsTheMark) {
  Edit();
  f.prgd.OutPortClick();
  EXPECT_TRUE(f.ui.shown.empty());
  EXPECT_EQ(f.line.PagesWritten(), Range(12, 19));
  for (int k = 0; k < 8; ++k) EXPECT_EQ(f.line.Page(static_cast<std::uint8_t>(12 + k)), PageBytes(k)) << k;
  // Each page waits for the one before it to be confirmed.
  EXPECT_EQ(f.line.Count(14), 8);
  EXPECT_EQ(f.config.Lur.DiskrModified, 0);
  EXPECT_EQ(f.config.Reserv.ResDiskr, f.config.Lur.GetRecords());
  EXPECT_FALSE(f.ui.progressVisible);
}

TEST_F(PrgDPortTransfer, ABusyControllerGetsEachPageOnce) {
  sim::SimOptions options = f.line.Options();
  options.busyPolls = 3;
  f.line.Rebuild(options);
  Edit();
  f.prgd.OutPortClick();
  EXPECT_TRUE(f.ui.shown.empty());
  EXPECT_EQ(f.line.PagesWritten(), Range(12, 19));
  EXPECT_EQ(f.line.Count(0x45), 8);
}

TEST_F(PrgDPortTransfer, AFailingPollRepeatsThePageThenReportsOnceAndKeepsTheMark) {
  Edit();
  const auto reserve = f.config.Reserv.ResDiskr;
  f.line.Fail({0x0E, std::nullopt}, Truncated());
  f.prgd.OutPortClick();
  EXPECT_EQ(f.line.Count(0x45), static_cast<int>(f.link.GetRetriesStage1()));
  for (const Frame& r : f.line.RequestsOf(0x45)) EXPECT_EQ(r[2], 12);
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
  EXPECT_EQ(f.config.Reserv.ResDiskr, reserve);
  EXPECT_FALSE(f.ui.progressVisible);
  // The change is still marked: closing asks again.
  f.ui.answers = {MsgAnswer::Cancel};
  EXPECT_FALSE(f.prgd.FormCloseQuery());
  EXPECT_EQ(f.ui.shown.back().text, "Данные были изменены. Передать в прибор?");
}

TEST_F(PrgDPortTransfer, NothingIsSentAtTheLimitedLevelOrInFileMode) {
  Edit();
  f.config.Lur.FullAccess = 0;
  f.prgd.OutPortClick();
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{"Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт"});
  f.config.Lur.FullAccess = 1;
  f.config.Serv.FileMode = 1;
  f.ui.shown.clear();
  f.prgd.OutPortClick();
  f.prgd.InPortClick();
  EXPECT_TRUE(f.ui.shown.empty());
  EXPECT_TRUE(f.line.requests.empty());
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
  // Closing with changes in file mode marks the configuration for saving.
  EXPECT_TRUE(f.prgd.FormCloseQuery());
  EXPECT_EQ(f.config.Serv.Modified, 1);
  EXPECT_TRUE(f.ui.shown.empty());
}

TEST_F(PrgDPortTransfer, UnchangedDataAreSentOnlyWhenTheUserSaysSo) {
  f.config.Lur.DiskrModified = 0;
  f.ui.answers = {MsgAnswer::No};
  f.prgd.OutPortClick();
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text, "Данные не были изменены.Передавать?");
  EXPECT_EQ(f.ui.shown[0].caption, "Подтвердите передачу данных");
  EXPECT_EQ(f.ui.shown[0].defaultAnswer, MsgAnswer::No);
  EXPECT_TRUE(f.line.requests.empty());
  f.ui.answers = {MsgAnswer::Yes};
  f.prgd.OutPortClick();
  EXPECT_EQ(f.line.PagesWritten(), Range(12, 19));
}

TEST_F(PrgDPortTransfer, ClosingWithChangesSendsDiscardsOrStays) {
  const auto reserve = f.config.Reserv.ResDiskr;
  Edit();
  const auto edited = f.config.Lur.GetRecords();
  ASSERT_NE(edited, reserve);

  f.ui.answers = {MsgAnswer::Cancel};
  EXPECT_FALSE(f.prgd.FormCloseQuery());
  EXPECT_EQ(f.config.Lur.GetRecords(), edited);
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
  EXPECT_EQ(f.ui.shown.back().caption, "Подтвердите передачу данных");
  EXPECT_EQ(f.ui.shown.back().buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(f.ui.shown.back().defaultAnswer, MsgAnswer::No);
  EXPECT_TRUE(f.line.requests.empty());

  f.ui.answers = {MsgAnswer::No};
  EXPECT_TRUE(f.prgd.FormCloseQuery());
  EXPECT_EQ(f.config.Lur.GetRecords(), reserve);
  EXPECT_EQ(f.config.Lur.DiskrModified, 0);
  EXPECT_TRUE(f.line.requests.empty());

  Edit();
  f.ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(f.prgd.FormCloseQuery());
  EXPECT_EQ(f.line.PagesWritten(), Range(12, 19));
  EXPECT_EQ(f.config.Lur.DiskrModified, 0);
  EXPECT_EQ(f.config.Reserv.ResDiskr, f.config.Lur.GetRecords());
  EXPECT_EQ(f.config.Lur.CopyPos, -1);

  // Nothing changed: the window closes without a word.
  f.ui.shown.clear();
  EXPECT_TRUE(f.prgd.FormCloseQuery());
  EXPECT_TRUE(f.ui.shown.empty());
}

TEST_F(PrgDPortTransfer, F10WithoutASchemaOffersToCreateOne) {
  f.config.Lur.SchemaSet = 0;
  f.config.Lur.DiskrModified = 1;
  f.ui.answers = {MsgAnswer::No};
  f.prgd.OutPortClick();
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text, std::string(TProgLurClass::kAskCreateText));
  EXPECT_TRUE(f.line.requests.empty());
  EXPECT_TRUE(f.prgd.CloseRequested());
}

}  // namespace
}  // namespace lur::test
