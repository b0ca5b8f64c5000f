// The function block editor's own transfers over the simulated controller on
// virtual time: F9 with 120 and 60 blocks, F10 with its probe, the pages'
// polls and pauses, the refusals that send nothing, and the closing question.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "fb/TFormFBController.h"
#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "session/TServAddressing.h"
#include "support/FBEditorDoubles.h"
#include "support/ScriptedDialog.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {
namespace {

constexpr const char* kSixty = "Прибор  на 60 ФБ";
constexpr const char* kTooMany = "Передаваемая конфигурация\nне может быть передана в прибор ";
constexpr const char* kUnchanged = "Данные не были изменены.Передавать?";
constexpr const char* kOnClose = "Данные были изменены. Передать в прибор?";
constexpr std::uint8_t kRead = 0x44;
constexpr std::uint8_t kWrite = 0x45;
constexpr std::uint8_t kPoll = 0x0E;
constexpr std::uint8_t kIdentity = 17;

// Record i of what the controller holds: a counter block whose bytes say i.
TProgFBClass::Record DeviceRecord(int i) {
  TProgFBClass::Record r{};
  r[0] = 2;
  // Inputs and signalling; no relay outputs, which a rebuild would check
  // against the modules.
  for (std::size_t b = 1; b < 10; ++b) r[b] = static_cast<std::uint8_t>(i + b);
  return r;
}

sim::SimOptions Blocks(int count) {
  sim::SimOptions o;
  o.functionBlocks = count;
  return o;
}

struct TransferFixture {
  explicit TransferFixture(const sim::SimOptions& options = {})
      : line(clock, options, [&options](sim::PageStore& pages) {
          for (int p = 0; p < options.functionBlocks / 10; ++p) {
            std::vector<std::uint8_t> bytes;
            for (int i = 10 * p; i < 10 * p + 10; ++i) {
              const auto r = DeviceRecord(i);
              bytes.insert(bytes.end(), r.begin(), r.end());
            }
            pages.Put(static_cast<std::uint8_t>(20 + p), bytes);
          }
        }) {
    EXPECT_TRUE(test::SetSmallController(config.Serv));
    config.Lur.FullAccess = 1;
    // A table of our own: three blocks, one algorithm, and the reserve
    // holding it, as after opening a file.
    for (int i = 0; i < 3; ++i) fb.SetTipFB(i, 1);
    fb.SetAlgFB(0, 0, 2);
    fb.SetAlgName(0, "насосы");
    fb.NAlg = 1;
    fb.RebuildAlgHead();
    config.Reserv.SaveAll(config);
    editor.FormCreate();
    editor.FormShow();
  }

  // An edit after opening: record 1 becomes a timer.
  void Edit() {
    fb.SetTipFB(1, 6);
    fb.FBModified = 1;
  }
  std::vector<int> PagesOf(std::uint8_t function) const {
    std::vector<int> pages;
    for (const auto& r : line.requests) {
      if (r.function == function) pages.push_back(r.page);
    }
    return pages;
  }
  // The records and algorithm data as a file would keep them.
  std::vector<std::uint8_t> Memory() const {
    std::vector<std::uint8_t> bytes = fb.RecordsToFile();
    const auto alg = fb.AlgToFile();
    bytes.insert(bytes.end(), alg.begin(), alg.end());
    bytes.push_back(static_cast<std::uint8_t>(fb.CapFB));
    bytes.push_back(static_cast<std::uint8_t>(fb.FBModified));
    return bytes;
  }
  std::vector<TReservBlocksClass::FBRecord> ReserveRecords() const {
    return {config.Reserv.ResFB.begin(), config.Reserv.ResFB.end()};
  }

  VirtualClock clock;
  SimPort line;
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TProgFBClass& fb = config.FB;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};
  NoBlockDialog block;
  TFormSigController sig;
  TFormVyhController vyh{config.Lur};
  ScriptedDialog<TFormSigController> sigDialog;
  ScriptedDialog<TFormVyhController> vyhDialog;
  TFormFBController editor{session, {block, sig, sigDialog.window, vyh, vyhDialog.window}};
};

// ---- F9 ---------------------------------------------------------------------------------

TEST(FBTransferRead, TakesTheControllersTableAndForgetsTheAlgorithms) {
  struct Case {
    int blocks;
    std::vector<int> pages;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {120, {20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31}, {}},
      {60, {20, 21, 22, 23, 24, 25, 26}, {kSixty}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.blocks);
    TransferFixture f(Blocks(c.blocks));
    f.fb.SetTipFB(70, 1);  // a block of the table's own beyond 60
    f.Edit();
    f.editor.InPortClick();

    EXPECT_EQ(f.PagesOf(kRead), c.pages);
    EXPECT_EQ(f.line.Count(kIdentity), 0);
    EXPECT_EQ(f.ui.Texts(), c.texts);
    EXPECT_EQ(f.fb.CapFB, c.blocks);
    for (int i = 0; i < TProgFBClass::MaxFB; ++i) {
      ASSERT_EQ(f.fb.GetRecord(i), i < c.blocks ? DeviceRecord(i) : TProgFBClass::Record{}) << i;
    }
    EXPECT_EQ(f.fb.NFB, c.blocks);  // the diagram was rebuilt from the read
    EXPECT_EQ(f.fb.FBModified, 0);
    EXPECT_EQ(f.fb.NAlg, 0);
    EXPECT_EQ(f.fb.GetAlgHead(1), 255);
    EXPECT_EQ(f.fb.GetAlgName(0), "");
    // The reserve is what was read, so "No" on closing comes back here.
    EXPECT_EQ(f.config.Reserv.ResFB[5], DeviceRecord(5));
    EXPECT_EQ(f.config.Reserv.ResFB[70], c.blocks > 70 ? DeviceRecord(70) : TProgFBClass::Record{});
    EXPECT_EQ(f.config.Reserv.ResNAlg, 0);
    EXPECT_EQ(f.config.Reserv.ResAlgFB[0][0], 255);
    EXPECT_TRUE(f.editor.Controls().IsEnabled(TFormFBControl::InPort));
    EXPECT_TRUE(f.editor.Controls().IsEnabled(TFormFBControl::OutPort));
    EXPECT_EQ(f.ui.progressMaximum, 120);
    EXPECT_EQ(f.ui.progressStep, 30);
    EXPECT_FALSE(f.ui.progressVisible);
  }
}

TEST(FBTransferRead, AFailurePartWayLeavesMemoryAsItWas) {
  TransferFixture f;
  f.Edit();
  f.line.FailPage(kRead, 24, ExceptionAnswer(4));
  const auto memory = f.Memory();
  const auto reserve = f.ReserveRecords();

  f.editor.InPortClick();

  EXPECT_EQ(f.PagesOf(kRead), (std::vector<int>{20, 21, 22, 23, 24}));
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text, f.link.ErrorText(0, 4));
  EXPECT_EQ(f.Memory(), memory);
  EXPECT_EQ(f.ReserveRecords(), reserve);
  EXPECT_FALSE(f.ui.progressVisible);
}

// ---- refusals that send nothing -----------------------------------------------------------

TEST(FBTransferRefusals, NothingIsSent) {
  struct Case {
    const char* name;
    int fileMode;
    int fullAccess;
    bool edited;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {"file mode", 1, 1, true, {}},
      {"limited access", 0, 0, true, {kNoAccessText}},
      {"unchanged, No", 0, 1, false, {kUnchanged}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TransferFixture f;
    if (c.edited) f.Edit();
    f.config.Serv.FileMode = c.fileMode;
    f.config.Lur.FullAccess = c.fullAccess;
    const auto memory = f.Memory();
    f.editor.OutPortClick();
    if (c.fileMode == 1) f.editor.InPortClick();

    EXPECT_TRUE(f.line.requests.empty());
    EXPECT_EQ(f.ui.Texts(), c.texts);
    EXPECT_EQ(f.Memory(), memory);
    EXPECT_EQ(f.editor.Caption(), TFormFBController::kCaption);
  }
}

// ---- F10 ----------------------------------------------------------------------------------

TEST(FBTransferWrite, ProbesThenWritesEveryPageWithItsPollAndPauses) {
  TransferFixture f;
  f.Edit();
  f.editor.OutPortClick();

  ASSERT_FALSE(f.line.requests.empty());
  EXPECT_EQ(f.line.requests[0].function, kRead);
  EXPECT_EQ(f.line.requests[0].page, 26);
  EXPECT_EQ(f.PagesOf(kRead), std::vector<int>{26});
  std::vector<int> all(12);
  for (int p = 0; p < 12; ++p) all[static_cast<std::size_t>(p)] = 20 + p;
  EXPECT_EQ(f.PagesOf(kWrite), all);
  EXPECT_EQ(f.line.Count(kPoll), 12);
  // Each page: 50 ms before it, 300 ms before its poll.
  for (std::size_t r = 1; r < f.line.requests.size(); ++r) {
    const auto& now = f.line.requests[r];
    const auto& before = f.line.requests[r - 1];
    if (now.function == kWrite) {
      EXPECT_GE(now.atMs - before.atMs, 50) << r;
    }
    if (now.function == kPoll) {
      EXPECT_EQ(before.function, kWrite);
      EXPECT_GE(now.atMs - before.atMs, 300) << r;
    }
  }
  for (int p = 0; p < 12; ++p) {
    f.fb.LoadPage(p);
    const auto& page = f.fb.PageBuffer();
    EXPECT_EQ(f.line.Page(static_cast<std::uint8_t>(20 + p)), std::vector<std::uint8_t>(page.begin(), page.end()));
  }
  EXPECT_TRUE(f.ui.shown.empty());
  EXPECT_EQ(f.fb.FBModified, 0);
  EXPECT_EQ(f.fb.GetTipFB(1), 6);
  EXPECT_EQ(f.config.Reserv.ResFB[1], f.fb.GetRecord(1));
  EXPECT_EQ(f.editor.Caption(), "Программирование обработки функциональных блоков ЛУР-05 устройство 1");
  EXPECT_FALSE(f.ui.progressVisible);
}

TEST(FBTransferWrite, UnchangedDataGoWhenTheUserSaysYes) {
  TransferFixture f;
  f.ui.answers = {MsgAnswer::Yes};
  f.editor.OutPortClick();
  EXPECT_EQ(f.ui.Texts(), std::vector<std::string>{kUnchanged});
  EXPECT_EQ(f.line.Count(kWrite), 12);
}

TEST(FBTransferWrite, AFailureLeavesTheChangeMarkedAndClosingAsksAgain) {
  struct Case {
    const char* name;
    sim::SimOptions options;
    int code;
  };
  sim::SimOptions busy;
  busy.busyForever = true;
  sim::SimOptions pollRefused;
  pollRefused.pollException = 4;
  sim::SimOptions probeRefused;
  probeRefused.pageExceptions[26] = 2;
  const Case cases[] = {
      {"busy forever", busy, kResultBusy},
      {"poll exception", pollRefused, 4},
      {"probe refused", probeRefused, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TransferFixture f(c.options);
    f.Edit();
    const auto memory = f.Memory();
    const auto reserve = f.ReserveRecords();
    f.editor.OutPortClick();

    ASSERT_EQ(f.ui.shown.size(), 1u);
    EXPECT_EQ(f.ui.shown[0].text, f.link.ErrorText(0, c.code));
    EXPECT_LE(f.line.Count(kWrite), 5);  // the first page's attempts at most
    EXPECT_EQ(f.Memory(), memory);
    EXPECT_EQ(f.ReserveRecords(), reserve);
    EXPECT_EQ(f.editor.Caption(), TFormFBController::kCaption);
    EXPECT_FALSE(f.ui.progressVisible);

    f.ui.answers = {MsgAnswer::Cancel};
    EXPECT_FALSE(f.editor.FormCloseQuery());
    EXPECT_EQ(f.ui.shown.back().text, kOnClose);
  }
}

TEST(FBTransferWrite, WhatASixtyBlockControllerCanTake) {
  struct Case {
    const char* name;
    int device;
    int capacity;
    int lastRecord;  // the highest record holding a block
    std::vector<std::string> texts;
    int pages;  // written; 0: refused before any page
  };
  const Case cases[] = {
      {"blocks above 59 refused", 60, 120, 65, {kSixty, kTooMany}, 0},
      {"a signalling byte above 59 refused", 60, 120, -1, {kSixty, kTooMany}, 0},
      {"blocks below 60 fit", 60, 120, 59, {kSixty}, 6},
      {"a 60-block table into 120 blocks", 120, 60, 59, {}, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TransferFixture f(Blocks(c.device));
    f.fb.CapFB = c.capacity;
    if (c.lastRecord >= 0) f.fb.SetTipFB(c.lastRecord, 1);
    if (c.lastRecord < 0) f.fb.SetNTabS(61, 3);
    f.Edit();
    const auto reserve = f.ReserveRecords();
    f.editor.OutPortClick();

    EXPECT_EQ(f.ui.Texts(), c.texts);
    if (c.pages == 0) {
      EXPECT_EQ(f.ui.shown.back().caption, "Предупреждение");
      EXPECT_EQ(f.line.Count(kWrite), 0);
      EXPECT_EQ(f.fb.FBModified, 1);
      EXPECT_EQ(f.ReserveRecords(), reserve);
    } else {
      EXPECT_EQ(f.PagesOf(kWrite), (std::vector<int>{20, 21, 22, 23, 24, 25}));
      EXPECT_EQ(f.fb.FBModified, 0);
    }
    EXPECT_EQ(f.fb.CapFB, c.capacity);
  }
}

// ---- closing ------------------------------------------------------------------------------

TEST(FBTransferClose, TheAnswerDecides) {
  struct Case {
    MsgAnswer answer;
    bool closes;
    int pagesWritten;
    bool restored;  // records and algorithms as the editor opened
    int modified;
  };
  const Case cases[] = {
      {MsgAnswer::Yes, true, 12, false, 0},
      {MsgAnswer::No, true, 0, true, 0},
      {MsgAnswer::Cancel, false, 0, false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    TransferFixture f;
    const auto opened = f.Memory();
    f.Edit();
    f.fb.SetAlgName(0, "другое");
    f.fb.NAlg = 0;
    const auto edited = f.Memory();
    f.ui.answers = {c.answer};

    EXPECT_EQ(f.editor.FormCloseQuery(), c.closes);
    ASSERT_EQ(f.ui.shown.size(), 1u);
    EXPECT_EQ(f.ui.shown[0].text, kOnClose);
    EXPECT_EQ(f.ui.shown[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(f.ui.shown[0].defaultAnswer, MsgAnswer::No);
    EXPECT_EQ(f.line.Count(kWrite), c.pagesWritten);
    EXPECT_EQ(f.fb.FBModified, c.modified);
    if (c.restored) {
      EXPECT_EQ(f.Memory(), opened);
    } else {
      // The edit stays; only the flag may have gone with a write.
      const auto now = f.Memory();
      EXPECT_EQ(std::vector<std::uint8_t>(now.begin(), now.end() - 1),
                std::vector<std::uint8_t>(edited.begin(), edited.end() - 1));
    }
  }
}

TEST(FBTransferClose, NoReturnsToTheLastWrite) {
  TransferFixture f;
  f.Edit();
  f.editor.OutPortClick();
  ASSERT_EQ(f.fb.FBModified, 0);
  f.fb.SetTipFB(0, 3);
  f.fb.FBModified = 1;
  f.ui.answers = {MsgAnswer::No};
  EXPECT_TRUE(f.editor.FormCloseQuery());
  EXPECT_EQ(f.fb.GetTipFB(0), 1);
  EXPECT_EQ(f.fb.GetTipFB(1), 6);
}

TEST(FBTransferClose, WithoutAQuestion) {
  struct Case {
    const char* name;
    int fileMode;
    bool edited;
    int modified;  // the configuration's
  };
  const Case cases[] = {
      {"unchanged", 0, false, 0},
      {"file mode keeps the change for saving", 1, true, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TransferFixture f;
    f.config.Serv.FileMode = c.fileMode;
    f.config.Serv.Modified = 0;
    if (c.edited) f.Edit();
    EXPECT_TRUE(f.editor.FormCloseQuery());
    EXPECT_TRUE(f.ui.shown.empty());
    EXPECT_TRUE(f.line.requests.empty());
    EXPECT_EQ(f.config.Serv.Modified, c.modified);
    EXPECT_EQ(f.fb.FBModified, 0);
    EXPECT_EQ(f.fb.GetTipFB(1), c.edited ? 6 : 1);
  }
}

TEST(FBTransferClose, YesAtTheLimitedLevelSendsNothingAndCloses) {
  TransferFixture f;
  f.Edit();
  f.config.Lur.FullAccess = 0;
  f.ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(f.editor.FormCloseQuery());
  EXPECT_EQ(f.ui.Texts(), (std::vector<std::string>{kOnClose, kNoAccessText}));
  EXPECT_TRUE(f.line.requests.empty());
  EXPECT_EQ(f.fb.FBModified, 1);
}

}  // namespace
}  // namespace lur::test
