// The discrete editor against the simulated controller: what reaches it
// when texts change, and what never does.
#include <gtest/gtest.h>

#include "discrete/PrgDFixture.h"
#include "model/Protocol.h"

namespace lur::test {
namespace {

// The page numbers of the page writes the controller received, in order.
std::vector<int> PagesWritten(const SimPort& line) {
  std::vector<int> pages;
  for (const Frame& r : line.RequestsOf(0x45)) pages.push_back(r[2]);
  return pages;
}

// The 14 bytes of signal n's slot in a text page the controller holds.
std::vector<std::uint8_t> Slot(const SimPort& line, int n) {
  const auto it = line.written.find(static_cast<std::uint8_t>(40 + n / 16));
  if (it == line.written.end()) return {};
  const auto first = it->second.begin() + (n % 16) * 14;
  return {first, first + 14};
}

std::vector<std::uint8_t> Padded(const std::string& utf8) {
  std::string bytes = Utf8ToCp1251(utf8);
  bytes.resize(14, ' ');
  return {bytes.begin(), bytes.end()};
}

struct PrgDTransfer : ::testing::Test {
  PrgDFixture f;
  PrgDTransfer() {
    f.Handlers({2, 20});
    f.prgd.FormShow();
    f.line.requests.clear();
  }
  void EditByDialog(int row, const std::string& text) {
    f.prgd.RowClick(row, false);
    f.text.user = [text](TFormTextController& d) { d.EditTextChange(text); };
    f.prgd.PMenu2TextClick();
  }
};

TEST_F(PrgDTransfer, ATextEditWritesItsPageOnce) {
  EditByDialog(1, "насос");
  EXPECT_EQ(PagesWritten(f.line), std::vector<int>{41});
  EXPECT_EQ(f.line.RequestsOf(0x45)[0].size(), 2u + 1 + 224 + 2);
  EXPECT_EQ(Slot(f.line, 20), Padded("насос"));
  EXPECT_EQ(f.config.Serv.InputTextsEdited, 0);
  EXPECT_EQ(f.config.Serv.UnsentInputTextPages, 0);
  EXPECT_TRUE(f.ui.shown.empty());
  EXPECT_FALSE(f.ui.progressVisible);

  // In place, the same.
  f.line.requests.clear();
  f.prgd.PMenu2TextClick(0);
  f.prgd.EditTextExit("клапан");
  EXPECT_EQ(PagesWritten(f.line), std::vector<int>{40});
  EXPECT_EQ(Slot(f.line, 2), Padded("клапан"));
}

TEST_F(PrgDTransfer, AnUnchangedTextSendsNothing) {
  f.prgd.RowClick(1, false);
  f.prgd.PMenu2TextClick();  // the user only closes the dialog
  f.prgd.PMenu2TextClick(0);
  f.prgd.EditTextExit(f.Text(2));
  EXPECT_TRUE(f.line.requests.empty());
}

TEST_F(PrgDTransfer, NothingAtTheLimitedLevelOrInFileMode) {
  f.config.Lur.FullAccess = 0;
  EditByDialog(1, "насос");
  EXPECT_TRUE(f.line.requests.empty());
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{kNoAccessText});
  EXPECT_EQ(f.config.Serv.InputTextsEdited, 1);
  EXPECT_EQ(f.Text(20), "насос         ");

  f.ui.shown.clear();
  f.config.Serv.FileMode = 1;
  EditByDialog(0, "клапан");
  EXPECT_TRUE(f.line.requests.empty());
  EXPECT_TRUE(f.ui.shown.empty());
  EXPECT_EQ(f.config.Serv.Modified, 1);
}

TEST_F(PrgDTransfer, CreationWithATypedTextWritesIt) {
  f.creatVh.user = [this](TFormCreatVhController& d) {
    d.page = TFormCreatVhController::kOwnPage;
    d.kind = TFormCreatVhController::kDiscrete;
    d.module = 2;
    d.input = 6;  // signal 17
    d.editText = "авария";
    f.config.Serv.InputTextsEdited = 1;
  };
  f.prgd.CreatVhButClick();
  EXPECT_EQ(PagesWritten(f.line), std::vector<int>{41});
  EXPECT_EQ(Slot(f.line, 17), Padded("авария"));
  // Without a typed text the default text stays in memory.
  f.line.requests.clear();
  f.creatVh.user = [](TFormCreatVhController& d) {
    d.module = 2;
    d.input = 7;
  };
  f.prgd.CreatVhButClick();
  EXPECT_TRUE(f.line.requests.empty());
  EXPECT_EQ(f.Text(18), "Дискр.сигн.019");
}

TEST_F(PrgDTransfer, RefusedDuplicateAndRetargetSendNothing) {
  const auto records = f.config.Lur.GetRecords();
  f.creatVh.user = [this](TFormCreatVhController& d) {
    d.page = TFormCreatVhController::kOwnPage;
    d.kind = TFormCreatVhController::kDiscrete;
    d.module = 2;
    d.input = 9;  // signal 20, on row 2
    d.editText = "чужой";
    f.config.Serv.InputTextsEdited = 1;
  };
  f.prgd.CreatVhButClick();
  f.prgd.PMenu1IdClick(0);
  EXPECT_TRUE(f.line.requests.empty());
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>(2, "существует вход с порядковым № 2"));
  EXPECT_EQ(f.config.Lur.GetRecords(), records);
  EXPECT_EQ(f.Text(20), "");
}

TEST_F(PrgDTransfer, AFailedPageGoesWithTheNextConfirmedWrite) {
  f.line.FailPage(0x45, 41, ExceptionAnswer(7), 1);
  EditByDialog(1, "насос");
  EXPECT_EQ(f.ui.shown.size(), 1u);  // the failure, once
  EXPECT_EQ(f.line.written.count(41), 0u);
  EXPECT_EQ(f.config.Serv.InputTextsEdited, 1);
  EXPECT_EQ(f.config.Serv.UnsentInputTextPages, 1 << 1);

  f.line.requests.clear();
  f.ui.shown.clear();
  EditByDialog(0, "клапан");
  EXPECT_EQ(PagesWritten(f.line), (std::vector<int>{40, 41}));
  EXPECT_EQ(Slot(f.line, 2), Padded("клапан"));
  EXPECT_EQ(Slot(f.line, 20), Padded("насос"));
  EXPECT_EQ(f.config.Serv.UnsentInputTextPages, 0);
  EXPECT_EQ(f.config.Serv.InputTextsEdited, 0);
  EXPECT_TRUE(f.ui.shown.empty());
}

}  // namespace
}  // namespace lur::test
