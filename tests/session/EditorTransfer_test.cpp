#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "session/AccessGate.h"
#include "session/EditorFixture.h"
#include "session/FailedAnswerCases.h"
#include "session/MarkEdited.h"

namespace lur::test {
namespace {

// Page numbers of the page requests (0x44 or 0x45) the controller received.
std::vector<int> PagesOf(const SimPort& line, std::uint8_t function) {
  std::vector<int> pages;
  for (const Frame& r : line.RequestsOf(function)) pages.push_back(r[2]);
  return pages;
}

// The controller's bytes of a page (after the page number).
std::vector<std::uint8_t> ControllerPage(SimPort& line, std::uint8_t page) {
  return *line.Controller().Pages().Find(page);
}

class EditorTransferTest : public ::testing::Test {
 protected:
  // Starts from memory, reserve and controller alike, then edits both tables.
  void SetUp() override {
    ASSERT_EQ(f.discrete.Read(), TransferOutcome::Done);
    ASSERT_EQ(f.relay.Read(), TransferOutcome::Done);
    f.line.requests.clear();
    readRecords = f.config.Lur.GetRecords();
    readRelay = f.config.MR.GetBlock();
    // One record on the first page and one on the last.
    f.config.Lur.SetRecByte(3, 7, 0x5A);
    f.config.Lur.SetRecByte(190, 7, 0xA5);
    MarkEdited(f.session, f.config.Lur.DiskrModified);
    f.config.MR.SetVxKvit(4, 2, 0);
    MarkEdited(f.session, f.relayModified);
    editedRecords = f.config.Lur.GetRecords();
    editedRelay = f.config.MR.GetBlock();
  }

  EditorFixture f;
  TProgLurClass::Records readRecords{}, editedRecords{};
  TProgMRClass::Block readRelay{}, editedRelay{};
};

TEST_F(EditorTransferTest, ReadTakesEveryPageClearsTheFlagAndRefreshesTheReserve) {
  EXPECT_EQ(f.discrete.Read(), TransferOutcome::Done);
  EXPECT_EQ(PagesOf(f.line, 0x44), (std::vector<int>{12, 13, 14, 15, 16, 17, 18, 19}));
  EXPECT_TRUE(SameRecords(f.config.Lur.GetRecords(), readRecords));
  EXPECT_EQ(f.config.Lur.DiskrModified, 0);
  EXPECT_TRUE(SameRecords(f.config.Reserv.ResDiskr, readRecords));
  // The other editor's table is not touched.
  EXPECT_EQ(f.config.MR.GetBlock(), editedRelay);
  EXPECT_EQ(f.relayModified, 1);
  EXPECT_TRUE(f.ui.shown.empty());
  EXPECT_FALSE(f.ui.progressVisible);
}

TEST_F(EditorTransferTest, ReadFailingPartWayLeavesMemoryFlagAndReserveAsTheyWere) {
  // A page one byte short is refused by the table.
  for (const FailedAnswerCase& c : kFailedAnswerCases) {
    SCOPED_TRACE(c.what);
    f.ui.shown.clear();
    f.line.requests.clear();
    const auto reserve = f.config.Reserv.ResDiskr;
    f.line.ClearFaults();
    f.line.FailPage(0x44, 15, c.fault);

    EXPECT_EQ(f.discrete.Read(), TransferOutcome::Failed);

    EXPECT_TRUE(SameRecords(f.config.Lur.GetRecords(), editedRecords));
    EXPECT_EQ(f.config.Lur.DiskrModified, 1);
    EXPECT_TRUE(SameRecords(f.config.Reserv.ResDiskr, reserve));
    EXPECT_EQ(PagesOf(f.line, 0x44).back(), 15);  // nothing read after the failure
    ASSERT_EQ(f.ui.shown.size(), 1u);
    EXPECT_EQ(f.ui.shown[0].text, f.link.ErrorText(0, c.code));
    EXPECT_FALSE(f.ui.progressVisible);
  }
}

TEST_F(EditorTransferTest, ConfirmedWriteClearsTheFlagAndTheReserveTakesWhatWasWritten) {
  EXPECT_EQ(f.discrete.Write(), TransferOutcome::Done);

  EXPECT_EQ(PagesOf(f.line, 0x45), (std::vector<int>{12, 13, 14, 15, 16, 17, 18, 19}));
  EXPECT_EQ(f.line.RequestsOf(14).size(), 8u);  // each page polled to completion
  EXPECT_EQ(ControllerPage(f.line, 12)[3 * 8 + 7], 0x5A);
  EXPECT_EQ(ControllerPage(f.line, 19)[(190 - 7 * 24) * 8 + 7], 0xA5);
  EXPECT_EQ(f.config.Lur.DiskrModified, 0);
  EXPECT_TRUE(SameRecords(f.config.Lur.GetRecords(), editedRecords));
  EXPECT_EQ(f.config.Reserv.ResDiskr[3][7], 0x5A);
  EXPECT_EQ(f.config.Reserv.ResDiskr[190][7], 0xA5);
  EXPECT_TRUE(f.ui.shown.empty());

  EXPECT_EQ(f.relay.Write(), TransferOutcome::Done);
  EXPECT_EQ(ControllerPage(f.line, 9), std::vector<std::uint8_t>(editedRelay.begin() + 1, editedRelay.end()));
  EXPECT_EQ(f.config.Reserv.ResMR, editedRelay);
  EXPECT_EQ(f.relayModified, 0);
}

TEST_F(EditorTransferTest, WriteFailingPartWayKeepsTheFlagTheEditsAndTheReserve) {
  // The completion poll after page 14 gets no answer: the write stops there.
  int lastPage = 0;
  f.line.rewriteAnswer = [&lastPage](const Frame& request, std::optional<Frame> answer) -> std::optional<Frame> {
    if (request[1] == 0x45) lastPage = request[2];
    if (request[1] == 14 && lastPage == 14) return std::nullopt;
    return answer;
  };
  const auto reserve = f.config.Reserv.ResDiskr;

  EXPECT_EQ(f.discrete.Write(), TransferOutcome::Failed);

  EXPECT_EQ(PagesOf(f.line, 0x45), (std::vector<int>{12, 13, 14}));
  ASSERT_EQ(f.ui.shown.size(), 1u);  // the page writer's box, not a second one
  EXPECT_EQ(f.ui.shown[0].text, f.link.ErrorText(0, kResultNoAnswer));
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
  EXPECT_TRUE(SameRecords(f.config.Lur.GetRecords(), editedRecords));
  EXPECT_TRUE(SameRecords(f.config.Reserv.ResDiskr, reserve));
  EXPECT_FALSE(f.ui.progressVisible);
  // A later close still asks, and No returns to the reserve.
  f.ui.answers = {MsgAnswer::No};
  EXPECT_TRUE(f.discrete.CloseQuery());
  EXPECT_EQ(f.ui.shown.back().text, "Данные были изменены. Передать в прибор?");
  EXPECT_TRUE(SameRecords(f.config.Lur.GetRecords(), readRecords));
}

TEST_F(EditorTransferTest, LimitedAccessSendsNothingAndKeepsTheChangeMarked) {
  f.config.Lur.FullAccess = 0;

  EXPECT_EQ(f.discrete.Write(), TransferOutcome::NotAllowed);
  EXPECT_EQ(f.relay.Write(), TransferOutcome::NotAllowed);

  EXPECT_TRUE(f.line.requests.empty());
  ASSERT_EQ(f.ui.shown.size(), 2u);
  for (const TMessage& box : f.ui.shown) {
    EXPECT_EQ(box.text, "Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт");
    EXPECT_EQ(box.caption, "Предупреждение");
    EXPECT_EQ(box.icon, MsgIcon::Warning);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
  }
  EXPECT_TRUE(SameRecords(f.config.Lur.GetRecords(), editedRecords));
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
  EXPECT_EQ(f.relayModified, 1);
}

TEST(AccessGateTest, OnlyTheFullLevelMaySend) {
  for (const int level : {0, 1, 2, -1}) {
    SCOPED_TRACE(level);
    EditorFixture f;
    f.config.Lur.FullAccess = level;
    EXPECT_EQ(OutputAllowed(f.session), level == 1);
    EXPECT_EQ(f.ui.shown.size(), level == 1 ? 0u : 1u);
  }
}

TEST_F(EditorTransferTest, UnchangedDataAreSentOnlyWhenConfirmed) {
  ASSERT_EQ(f.relay.Write(), TransferOutcome::Done);
  f.line.requests.clear();

  f.ui.answers = {MsgAnswer::No};
  EXPECT_EQ(f.relay.Write(), TransferOutcome::Declined);
  EXPECT_TRUE(f.line.requests.empty());
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text, "Данные не были изменены.Передавать?");
  EXPECT_EQ(f.ui.shown[0].caption, "Подтвердите передачу данных");
  EXPECT_EQ(f.ui.shown[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(f.ui.shown[0].defaultAnswer, MsgAnswer::No);

  f.ui.answers = {MsgAnswer::Yes};
  EXPECT_EQ(f.relay.Write(), TransferOutcome::Done);
  EXPECT_EQ(PagesOf(f.line, 0x45), std::vector<int>{9});
}

TEST_F(EditorTransferTest, DiscardRestoresOnlyThatEditorsData) {
  f.relay.Discard();

  EXPECT_EQ(f.config.MR.GetBlock(), readRelay);
  EXPECT_EQ(f.relayModified, 0);
  EXPECT_TRUE(SameRecords(f.config.Lur.GetRecords(), editedRecords));
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
  EXPECT_TRUE(f.line.requests.empty());
}

TEST_F(EditorTransferTest, FileModeExchangesNothingAndClosingMarksTheConfiguration) {
  f.config.Serv.FileMode = 1;

  EXPECT_EQ(f.discrete.Read(), TransferOutcome::FileMode);
  EXPECT_EQ(f.discrete.Write(), TransferOutcome::FileMode);
  EXPECT_TRUE(f.discrete.CloseQuery());

  EXPECT_TRUE(f.line.requests.empty());
  EXPECT_TRUE(f.ui.shown.empty());
  EXPECT_EQ(f.config.Serv.Modified, 1);
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);  // the change stays in memory for saving
  EXPECT_TRUE(SameRecords(f.config.Lur.GetRecords(), editedRecords));
}

TEST_F(EditorTransferTest, ClosingWithChangesAsksAndDoesWhatTheUserChose) {
  struct Case {
    MsgAnswer answer;
    bool failWrite;
    bool closes;
    int flagAfter;
    bool keepsEdits;
    std::size_t pageWrites;
  };
  const Case cases[] = {
      {MsgAnswer::Yes, false, true, 0, true, 8},
      // A failed write still lets the editor close, with the change marked.
      {MsgAnswer::Yes, true, true, 1, true, 1},
      {MsgAnswer::No, false, true, 0, false, 0},
      {MsgAnswer::Cancel, false, false, 1, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer) * 10 + c.failWrite);
    EditorFixture g;
    ASSERT_EQ(g.discrete.Read(), TransferOutcome::Done);
    const auto read = g.config.Lur.GetRecords();
    g.config.Lur.SetRecByte(40, 7, 0x33);
    MarkEdited(g.session, g.config.Lur.DiskrModified);
    const auto edited = g.config.Lur.GetRecords();
    g.line.requests.clear();
    if (c.failWrite) {
      g.line.rewriteAnswer = [](const Frame& r, std::optional<Frame> a) { return r[1] == 14 ? std::nullopt : a; };
    }
    g.ui.answers = {c.answer};

    EXPECT_EQ(g.discrete.CloseQuery(), c.closes);

    ASSERT_GE(g.ui.shown.size(), 1u);
    EXPECT_EQ(g.ui.shown[0].text, "Данные были изменены. Передать в прибор?");
    EXPECT_EQ(g.ui.shown[0].caption, "Подтвердите передачу данных");
    EXPECT_EQ(g.ui.shown[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(g.ui.shown[0].defaultAnswer, MsgAnswer::No);
    EXPECT_EQ(g.ui.shown.size(), c.failWrite ? 2u : 1u);
    EXPECT_EQ(g.config.Lur.DiskrModified, c.flagAfter);
    EXPECT_TRUE(SameRecords(g.config.Lur.GetRecords(), c.keepsEdits ? edited : read));
    EXPECT_EQ(g.line.RequestsOf(0x45).size(), c.pageWrites);
  }
}

TEST(MarkEditedTest, FileModeAlsoMarksTheConfiguration) {
  for (const int fileMode : {0, 1}) {
    SCOPED_TRACE(fileMode);
    EditorFixture f;
    f.config.Serv.FileMode = fileMode;
    int flag = 0;
    MarkEdited(f.session, flag);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(f.config.Serv.Modified, fileMode);
  }
}

TEST(EditorTransferEndsReadTest, ARefusalThatEndsTheReadCompletesIt) {
  // A 60-block controller answers page 26 with exception 3: the function
  // block editor's description ends its read there and keeps 60 blocks.
  sim::SimOptions options;
  options.functionBlocks = 60;
  EditorFixture f(options);
  int fbModified = 1;
  int warnings = 0;
  TEditorTransfer<TProgFBClass> fb(
      f.session,
      {.table = f.config.FB,
       .modified = fbModified,
       .pages =
           [](const TProgFBClass& t) {
             std::vector<std::uint8_t> pages;
             for (int p = 0; p < t.CapFB / 10; ++p) pages.push_back(static_cast<std::uint8_t>(20 + p));
             return pages;
           },
       .load = [](TProgFBClass& t, std::uint8_t page,
                  std::span<const std::uint8_t> answer) { return t.PutPageFromAnswer(answer, page - 20) && t.StorePage(page - 20); },
       .store = [](TProgFBClass&, std::uint8_t page) { return std::vector<std::uint8_t>{page}; },
       .saveReserve = [](const TProgFBClass& t, TReservBlocksClass& r) { r.SaveFB(t, t.CapFB); },
       .restoreReserve = [](TProgFBClass& t, const TReservBlocksClass& r) { r.RestoreFB(t, t.CapFB); },
       .endsRead =
           [&warnings](TProgFBClass& t, std::uint8_t page, int code) {
             if (page != 26 || code != 3) return false;
             ++warnings;
             t.CapFB = 60;
             return true;
           }});

  EXPECT_EQ(fb.Read(), TransferOutcome::Done);

  EXPECT_EQ(PagesOf(f.line, 0x44), (std::vector<int>{20, 21, 22, 23, 24, 25, 26}));
  EXPECT_EQ(f.config.FB.CapFB, 60);
  EXPECT_EQ(warnings, 1);
  EXPECT_EQ(fbModified, 0);
  EXPECT_TRUE(f.ui.shown.empty());
}

}  // namespace
}  // namespace lur::test
