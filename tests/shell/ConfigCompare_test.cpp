// The one comparison of configurations: how a changed field is split into
// table, record and field, and what the controller's scope leaves out.
#include "shell/ConfigCompare.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "shell/TCompareResult.h"
#include "shell/TFormCompareController.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

// A configuration with one analog module (slot 2) among a discrete and a
// relay module, as the new-configuration dialog makes one.
std::unique_ptr<TConfiguration> Sample() {
  auto c = std::make_unique<TConfiguration>();
  const std::uint8_t identity[15] = {3, 1, 7, 3, 0, 0, 0, 0, 0, 0, 0, 8, 36, 6, 1};
  c->Serv.SetIdentityFromBytes(identity);
  return c;
}

struct SplitCase {
  const char* name;
  std::function<void(TConfiguration&)> change;
  std::string table, record, field;
};

TEST(ConfigCompare, NamesTableRecordAndFieldOfEachKindOfPlace) {
  const std::vector<SplitCase> cases = {
      {"a field of the table itself", [](TConfiguration& c) { c.Serv.SetDisplayType(3); }, "identity", "",
       "display"},
      {"a field of a record", [](TConfiguration& c) { c.Lur.SetTimeZ(4, 9); }, "discrete signals", "signal 5",
       "TimeZ"},
      {"a field of a nested record",
       [](TConfiguration& c) { c.MBA.SetReal(0, 2, TProgMBAClass::ChannelReal::MaxSk, 250.0f); },
       "analog modules", "module 1, channels, channel 3", "max"},
      {"a record that is a value", [](TConfiguration& c) { c.Lur.SetTipDatByte(2, 0x15); }, "sensor types",
       "slot 2", ""},
  };
  for (const auto& k : cases) {
    const auto ours = Sample();
    auto theirs = Sample();
    k.change(*theirs);
    const auto differences = CompareConfigurations(*ours, *theirs);
    ASSERT_FALSE(differences.empty()) << k.name;
    const TConfigDifference& d = differences[0];
    EXPECT_EQ(d.table, k.table) << k.name;
    EXPECT_EQ(d.record, k.record) << k.name;
    EXPECT_EQ(d.field, k.field) << k.name;
    EXPECT_NE(d.ours, d.theirs) << k.name;
    // The line is lurctl diff's, its place the three joined.
    EXPECT_EQ(DifferenceLine(d), d.Where() + ": " + d.ours + " -> " + d.theirs) << k.name;
  }
}

TEST(ConfigCompare, ControllerScopeLeavesOutWhatOnlyFilesKeep) {
  const auto ours = Sample();
  auto theirs = Sample();
  theirs->Serv.SetOutputText("Насос", 0);
  theirs->Serv.SetOutputIdSlot(0, 0, "X");
  theirs->Lur.SetTimeZ(0, 3);
  std::vector<std::string> whole;
  for (const auto& d : CompareConfigurations(*ours, *theirs)) whole.push_back(d.Where());
  EXPECT_EQ(whole, (std::vector<std::string>{"relay outputs, module 1, outputs, output 1, id",
                                             "relay outputs, module 1, outputs, output 1, text",
                                             "discrete signals, signal 1, TimeZ"}));
  const auto held = CompareConfigurations(*ours, *theirs, TCompareScope::ControllerHeld);
  ASSERT_EQ(held.size(), 1u);
  EXPECT_EQ(held[0].Where(), "discrete signals, signal 1, TimeZ");
}

TEST(CompareResult, SummaryAndTextSayWhatWasAndWasNotCompared) {
  TCompareResult equal;
  EXPECT_EQ(CompareSummary(equal), "нет расхождений");
  TCompareResult found;
  found.differences = {{"units", "unit 2", "", "\"бар\"", "\"кПа\""}};
  EXPECT_EQ(CompareText(found), "units, unit 2: \"бар\" -> \"кПа\"\nрасхождений: 1\n");
  TCompareResult stopped;
  stopped.stopped = "чтение прервано на странице 22: ...";
  stopped.notCompared = {"units", "sensor types"};
  EXPECT_EQ(CompareSummary(stopped), "чтение прервано на странице 22: ...; не сравнено: units, sensor types");
  EXPECT_FALSE(stopped.Equal());
}

TEST(CompareWindow, SavesItsTextWhereTheUserChose) {
  TFormCompareController form;
  TCompareResult result;
  result.differences = {{"exchange", "", "speed", "1", "2"}};
  form.Show(TFormCompareController::kCompareTitle, result);
  TScriptedUserInterface ui;
  const std::string path = ::testing::TempDir() + "compare-save.txt";
  ui.files = {std::nullopt, path};
  EXPECT_FALSE(form.SaveClick(ui));  // cancelled
  ASSERT_TRUE(form.SaveClick(ui));
  ASSERT_EQ(ui.fileDialogs.size(), 2u);
  EXPECT_TRUE(ui.fileDialogs[1].save);
  std::ifstream in(path);
  const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(saved, "exchange, speed: 1 -> 2\nрасхождений: 1\n");
  std::remove(path.c_str());
}

}  // namespace
}  // namespace lur
