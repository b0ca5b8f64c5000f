// The checks against a controller on virtual time: the read-back after a
// whole write (what it requests, what it finds, where it stops) and the
// compare of memory with the controller, which must never touch memory.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "link/TComPortClass.h"
#include "model/Protocol.h"
#include "shell/TCompareFlow.h"
#include "shell/TConfigFile.h"
#include "shell/TConfigTransfer.h"
#include "shell/TControllerCompare.h"
#include "shell/TWriteVerifier.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using test::SimPort;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kSignal5DelayOffset = 4 * 8 + 6;  // page 12: record of signal 5, its delay byte

class ControllerCheck : public ::testing::Test {
 protected:
  test::VirtualClock clock;
  SimPort device{clock};
  TScriptedUserInterface ui;
  TComPortClass link{device, clock};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TMainState state;
  TShellContext ctx{*config, link, ui, state, {}, {}};
  TConfigTransfer transfer{ctx};
  TCompareFlow flow{ctx};

  void SetUp() override {
    link.PortName = "COM1";
    ASSERT_TRUE(transfer.InPortButClick());
    config->Lur.FullAccess = 1;
    device.ForgetRequests();
    ui.shown.clear();
  }
  // F10 as the main window runs it: the write, then its check.
  bool WriteAndVerify() {
    EXPECT_TRUE(transfer.OutPortClick());
    return flow.VerifyWrite(transfer.LastWrite());
  }
  // The pages read after the last page write: the check's requests.
  std::vector<std::uint8_t> PagesReadAfterWrite() const {
    std::vector<std::uint8_t> pages;
    for (const auto& r : device.requests) {
      if (r.function == fn::kWritePage) pages.clear();
      if (r.function == fn::kReadPage) pages.push_back(r.page);
    }
    return pages;
  }
  void CorruptAfterWrite(std::uint8_t page, int offset) {
    sim::SimOptions options = device.Options();
    options.corruptAfterWrite = sim::SimOptions::ByteCorruption{page, offset};
    device.Rebuild(options);
  }
};

// ---- the check after a write ------------------------------------------------------------

TEST_F(ControllerCheck, VerifyReadsBackEveryWrittenPageInWriteOrderAtEitherAccessLevel) {
  ASSERT_TRUE(transfer.OutPortClick());
  const Bytes memory = BuildConfigFile(*config);
  config->Serv.Modified = 1;
  // Reads only: the limited access level does not stop them.
  link.SetAccessQuery([] { return false; });
  EXPECT_TRUE(flow.VerifyWrite(transfer.LastWrite()));

  EXPECT_EQ(PagesReadAfterWrite(), device.writeOrder);
  EXPECT_EQ(ui.Texts().back(), kVerifiedText);
  EXPECT_EQ(BuildConfigFile(*config), memory);
  EXPECT_EQ(config->Serv.Modified, 1);
  EXPECT_FALSE(ui.progressVisible);
}

TEST_F(ControllerCheck, VerifyNamesTheFieldsOfAByteTheControllerDidNotKeep) {
  CorruptAfterWrite(12, kSignal5DelayOffset);
  config->Lur.DiskrModified = 1;
  EXPECT_FALSE(WriteAndVerify());

  // The write itself succeeded and counts as such.
  EXPECT_EQ(config->Lur.DiskrModified, 0);
  const TCompareResult& result = flow.Form().Result();
  EXPECT_TRUE(result.Complete());
  std::set<std::string> fields;
  for (const auto& d : result.differences) {
    EXPECT_EQ(d.table, "discrete signals");
    EXPECT_EQ(d.record, "signal 5");
    EXPECT_NE(d.ours, d.theirs);
    fields.insert(d.field);
  }
  // The delay byte holds the delay, its unit and the archive flag.
  EXPECT_EQ(fields, (std::set<std::string>{"TimeZ", "DiskrZ", "Arh"}));
  EXPECT_EQ(flow.Form().Title(), TFormCompareController::kVerifyTitle);
  // Without a window the text of the list is shown in a box.
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_NE(ui.Texts().back().find("discrete signals, signal 5, TimeZ: "), std::string::npos);
  for (const auto& text : ui.Texts()) EXPECT_EQ(text.find(kVerifiedText), std::string::npos);
}

TEST_F(ControllerCheck, VerifyFailingPartWaySaysWhereAndNeverThatAllIsWell) {
  device.FailPage(fn::kReadPage, 20, test::Silence());
  EXPECT_FALSE(WriteAndVerify());

  const TCompareResult& result = flow.Form().Result();
  EXPECT_FALSE(result.Complete());
  EXPECT_TRUE(result.differences.empty());
  const std::string summary = CompareSummary(result);
  EXPECT_EQ(summary.rfind("проверка прервана на странице 20: " + link.ErrorText(0, kResultNoAnswer), 0), 0u)
      << summary;
  EXPECT_NE(summary.find("страницы 20, 21,"), std::string::npos) << summary;
  EXPECT_EQ(summary.find(kNoDifferencesText), std::string::npos);
  // The read-back stopped at page 20: nothing after it was requested.
  EXPECT_EQ(PagesReadAfterWrite().back(), 20);
  // The failure is the check's, reported in its result, not as a link error box.
  for (const auto& text : ui.Texts()) EXPECT_NE(text, link.ErrorText(0, kResultNoAnswer));
}

TEST_F(ControllerCheck, NothingIsCheckedAfterARefusedWrite) {
  config->Lur.FullAccess = 0;
  link.SetAccessQuery([] { return false; });
  EXPECT_FALSE(transfer.OutPortClick());
  device.ForgetRequests();
  EXPECT_TRUE(TWriteVerifier(link, ui, transfer.LastWrite()).Run().differences.empty());
  EXPECT_TRUE(device.requests.empty());
}

// ---- compare with the controller --------------------------------------------------------

TEST_F(ControllerCheck, CompareListsMemorysChangesAndTouchesNothing) {
  EXPECT_TRUE(flow.CompareClick());
  EXPECT_EQ(flow.Form().Summary(), kNoDifferencesText);

  const std::uint8_t delay = config->Lur.GetTimeZ(4);
  config->Lur.SetTimeZ(4, static_cast<std::uint8_t>(delay ^ 1));
  // Only a file keeps output texts: they never count as a difference.
  config->Serv.SetOutputText("Насос", 0);
  config->Serv.FileMode = 1;
  config->Serv.Modified = 1;
  const Bytes memory = BuildConfigFile(*config);
  const auto enabled = state.enabled;
  device.ForgetRequests();

  EXPECT_FALSE(flow.CompareClick());
  ASSERT_EQ(flow.Form().Result().differences.size(), 1u);
  const TConfigDifference& d = flow.Form().Result().differences[0];
  EXPECT_EQ(d.table, "discrete signals");
  EXPECT_EQ(d.record, "signal 5");
  EXPECT_EQ(d.field, "TimeZ");
  EXPECT_EQ(d.ours, std::to_string(delay ^ 1));
  EXPECT_EQ(d.theirs, std::to_string(delay));
  EXPECT_EQ(flow.Form().Summary(), "расхождений: 1");

  EXPECT_EQ(BuildConfigFile(*config), memory);
  EXPECT_EQ(config->Serv.FileMode, 1);
  EXPECT_EQ(config->Serv.Modified, 1);
  EXPECT_EQ(state.enabled, enabled);
  EXPECT_EQ(device.Count(fn::kWritePage), 0);
}

TEST_F(ControllerCheck, CompareStoppedPartWayComparesOnlyWhatItRead) {
  // The relay table (page 9) comes before the stop, the units (page 35) after.
  config->MR.SetTipVyh(1 - config->MR.GetTipVyh(0, 0), 0, 0);
  config->MBA.SetUnitText("бар", 1);
  device.FailPage(fn::kReadPage, 22, test::ExceptionAnswer(2));

  EXPECT_FALSE(flow.CompareClick());
  const TCompareResult& result = flow.Form().Result();
  ASSERT_EQ(result.differences.size(), 1u);
  EXPECT_EQ(result.differences[0].Where(), "relay outputs, module 1, outputs, output 1, TipVyh");
  EXPECT_EQ(result.stopped, "чтение прервано на странице 22: " + link.ErrorText(0, 2));
  EXPECT_EQ(result.notCompared,
            (std::vector<std::string>{"identity: function blocks", "discrete signals: text", "function blocks", "units",
                                      "control loops", "sensor types"}));
  // No box of its own: the window says it.
  EXPECT_EQ(ui.shown.size(), 1u);

  // Nothing differing among the tables read is still no "нет расхождений".
  config->MR.SetTipVyh(1 - config->MR.GetTipVyh(0, 0), 0, 0);
  flow.CompareClick();
  EXPECT_TRUE(flow.Form().Result().differences.empty());
  EXPECT_EQ(flow.Form().Summary().find(kNoDifferencesText), std::string::npos);
  EXPECT_EQ(flow.Form().Summary().rfind("чтение прервано на странице 22", 0), 0u);
}

TEST_F(ControllerCheck, CompareOfASilentControllerStopsAtItsIdentity) {
  sim::SimOptions options = device.Options();
  options.silent = true;
  device.Rebuild(options);
  EXPECT_FALSE(flow.CompareClick());
  const TCompareResult& result = flow.Form().Result();
  EXPECT_TRUE(result.differences.empty());
  EXPECT_EQ(result.stopped, "чтение прервано на запросе идентификации: " + link.ErrorText(0, kResultNoAnswer));
  EXPECT_EQ(result.notCompared.size(), 11u);
}

}  // namespace
}  // namespace lur
