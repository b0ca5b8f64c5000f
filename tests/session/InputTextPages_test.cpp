#include <gtest/gtest.h>

#include "model/Cp1251.h"
#include "session/EditorFixture.h"
#include "session/InputTextPages.h"

namespace lur::test {
namespace {

std::vector<int> PagesWritten(const SimPort& line) {
  std::vector<int> pages;
  for (const Frame& r : line.RequestsOf(0x45)) pages.push_back(r[2]);
  return pages;
}

struct InputTextPages : ::testing::Test {
  EditorFixture f;
  InputTextPages() { f.config.Serv.InputTextsEdited = 1; }
  void Edit(int entry, const std::string& utf8) { f.config.Serv.SetInputText(Utf8ToCp1251(utf8), entry); }
};

TEST_F(InputTextPages, WritesThePageOfTheEntryWithItsProgressBar) {
  Edit(37, "давление");
  EXPECT_TRUE(WriteInputTextPage(f.session, 37));
  EXPECT_EQ(PagesWritten(f.line), std::vector<int>{42});
  EXPECT_EQ(f.line.Count(14), 1);  // one completion poll
  const auto& page = f.line.written.at(42);
  ASSERT_EQ(page.size(), 224u);
  const std::string slot(page.begin() + 5 * 14, page.begin() + 6 * 14);
  EXPECT_EQ(Cp1251ToUtf8(slot), "давление      ");
  EXPECT_EQ(f.ui.progressMaximum, 100);
  EXPECT_EQ(f.ui.progressStep, 20);
  EXPECT_EQ(f.ui.progressSteps, 1);
  EXPECT_FALSE(f.ui.progressVisible);
  EXPECT_EQ(f.config.Serv.InputTextsEdited, 0);
  EXPECT_TRUE(f.ui.shown.empty());
}

TEST_F(InputTextPages, LimitedLevelSendsNothingAndRemembersThePage) {
  f.config.Lur.FullAccess = 0;
  EXPECT_FALSE(WriteInputTextPage(f.session, 3));
  EXPECT_TRUE(f.line.requests.empty());
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{kNoAccessText});
  EXPECT_EQ(f.ui.progressSteps, 0);
  EXPECT_EQ(f.config.Serv.UnsentInputTextPages, 1);
  EXPECT_EQ(f.config.Serv.InputTextsEdited, 1);
  // Once allowed, the next text write takes it along.
  f.config.Lur.FullAccess = 1;
  EXPECT_TRUE(WriteInputTextPage(f.session, 191));
  EXPECT_EQ(PagesWritten(f.line), (std::vector<int>{51, 40}));
  EXPECT_EQ(f.config.Serv.UnsentInputTextPages, 0);
}

TEST_F(InputTextPages, FileModeMarksTheConfigurationOnly) {
  f.config.Serv.FileMode = 1;
  EXPECT_FALSE(WriteInputTextPage(f.session, 3));
  EXPECT_TRUE(f.line.requests.empty());
  EXPECT_EQ(f.config.Serv.Modified, 1);
  EXPECT_EQ(f.config.Serv.UnsentInputTextPages, 0);
}

TEST_F(InputTextPages, AFailureStopsTheRestAndKeepsThemRemembered) {
  f.config.Serv.UnsentInputTextPages = (1 << 2) | (1 << 7);
  f.line.FailPage(0x45, 42, ExceptionAnswer(7), 1);
  EXPECT_FALSE(WriteInputTextPage(f.session, 0));
  EXPECT_EQ(PagesWritten(f.line), (std::vector<int>{40, 42}));
  EXPECT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text, f.link.ErrorText(0, 7));
  EXPECT_EQ(f.config.Serv.UnsentInputTextPages, (1 << 2) | (1 << 7));
  EXPECT_EQ(f.config.Serv.InputTextsEdited, 1);
  EXPECT_FALSE(f.ui.progressVisible);
}

TEST_F(InputTextPages, AnEntryOutsideTheBaseSendsNothing) {
  EXPECT_FALSE(WriteInputTextPage(f.session, 192));
  EXPECT_FALSE(WriteInputTextPage(f.session, -1));
  EXPECT_TRUE(f.line.requests.empty());
}

}  // namespace
}  // namespace lur::test
