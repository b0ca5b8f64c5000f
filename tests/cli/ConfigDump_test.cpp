#include "cli/ConfigDump.h"

#include <gtest/gtest.h>

#include <sstream>

#include "shell/TDumpNode.h"
#include "model/Cp1251.h"
#include "shell/ConfigFileSamples.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

std::string Json(const TDumpNode& node) {
  std::ostringstream out;
  node.WriteJson(out);
  return out.str();
}

TEST(DumpNode, RecordsTakeOneLineAndNestingIsIndented) {
  TDumpNode records = TDumpNode::Array("signal");
  records.Push(TDumpNode::Object().Add("signal", 1).Add("text", "Насос \"А\"\n"));
  records.Push(TDumpNode::Object().Add("signal", 2).Add("value", TDumpNode::Real(0.1234863)));
  const TDumpNode root = TDumpNode::Object()
                             .Add("flags", TDumpNode::Array("flag").Push(TDumpNode::Bool(true)))
                             .Add("signals", std::move(records));
  EXPECT_EQ(Json(root),
            "{\n"
            "  \"flags\": [true],\n"
            "  \"signals\": [\n"
            "    {\"signal\": 1, \"text\": \"Насос \\\"А\\\"\\u000a\"},\n"
            "    {\"signal\": 2, \"value\": 0.1234863}\n"
            "  ]\n"
            "}\n");
}

TEST(DumpNode, DifferencesAreNamedInWords) {
  auto make = [](int delay, int blocks, bool extra) {
    TDumpNode signals = TDumpNode::Array("signal");
    for (int n = 0; n < 3; ++n) {
      signals.Push(TDumpNode::Object().Add("signal", n + 1).Add("TimeZ", n == 1 ? delay : 0));
    }
    TDumpNode list = TDumpNode::Array("block");
    for (int i = 0; i < blocks; ++i) list.Push(TDumpNode::Number(i));
    TDumpNode root =
        TDumpNode::Object().Add("discrete_signals", std::move(signals)).Add("function_blocks", list);
    if (extra) root.Add("sensor_types", "0001");
    return root;
  };
  EXPECT_TRUE(CompareDumps(make(5, 4, false), make(5, 4, false)).empty());
  const auto d = CompareDumps(make(0, 4, false), make(5, 1, true));
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[0].where, "discrete signals, signal 2, TimeZ");
  EXPECT_EQ(d[0].before, "0");
  EXPECT_EQ(d[0].after, "5");
  EXPECT_EQ(d[1].where, "function blocks, block 2..4") << "a run only one side has is one line";
  EXPECT_EQ(d[1].before, "3 entries");
  EXPECT_EQ(d[1].after, "");
  EXPECT_EQ(d[2].where, "sensor types");
  EXPECT_EQ(d[2].before, "");
  EXPECT_EQ(d[2].after, "\"0001\"");
}

class ConfigurationDump : public ::testing::Test {
 protected:
  ConfigurationDump() {
    TScriptedUserInterface ui;
    EXPECT_TRUE(LoadConfigFile(*a_, test::SampleFile(120), ui));
    EXPECT_TRUE(LoadConfigFile(*b_, test::SampleFile(120), ui));
  }
  std::unique_ptr<TConfiguration> a_ = test::NewConfiguration();
  std::unique_ptr<TConfiguration> b_ = test::NewConfiguration();
};

TEST_F(ConfigurationDump, EveryTableInFileOrderWithTextsInUtf8) {
  a_->Serv.SetInputText(Utf8ToCp1251("Насос 1"), 4);
  a_->MBA.SetPozText(Utf8ToCp1251("поз.ТЕ1"), 0, 0);
  const std::string json = Json(DumpConfiguration(*a_));
  EXPECT_EQ(json, Json(DumpConfiguration(*a_))) << "the same configuration, the same text";
  std::size_t last = 0;
  // The tables at the top level, in the order of the configuration file.
  for (const char* table :
       {"identity", "analog_modules", "network_analog_groups", "relay_outputs", "exchange", "function15",
        "discrete_signals", "function_blocks", "algorithms", "units", "control_loops", "sensor_types"}) {
    const std::size_t at = json.find("\n  \"" + std::string(table) + "\": ");
    ASSERT_NE(at, std::string::npos) << table;
    EXPECT_GT(at, last) << table;
    last = at;
  }
  EXPECT_NE(json.find("{\"signal\": 5, \"id\": \"DI_1_5\", \"text\": \"Насос 1\", "), std::string::npos);
  EXPECT_NE(json.find("\"tag\": \"поз.ТЕ1\""), std::string::npos);
  EXPECT_NE(json.find("\"modules\": \"17300000\""), std::string::npos);
}

// One change in one table is one line naming the table, record and field.
TEST_F(ConfigurationDump, OneChangedFieldIsOneDifference) {
  struct Change {
    std::function<void(TConfiguration&)> apply;
    const char* where;
  };
  const std::vector<Change> changes = {
      {[](TConfiguration& c) { c.Lur.SetTimeZ(4, c.Lur.GetTimeZ(4) ^ 1); },
       "discrete signals, signal 5, TimeZ"},
      {[](TConfiguration& c) { c.MR.SetVhSbr(c.MR.GetVhSbr(2, 1) ^ 1, 2, 1); },
       "relay outputs, module 2, outputs, output 3, VhSbr"},
      {[](TConfiguration& c) { c.MBM.SetKolDat(15, c.MBM.GetKolDat(15) ^ 1); },
       "exchange, blocks, block 16, KolDat"},
      {[](TConfiguration& c) { c.F15.SetSignal(1, 31, c.F15.GetSignal(1, 31) ^ 1); },
       "function15, block 2, signals, signal 32"},
      {[](TConfiguration& c) { c.Reg.SetAReg(5, c.Reg.GetAReg(5) ^ 1); },
       "control loops, setters, setter 6, AReg"},
      {[](TConfiguration& c) { c.MBA.SetReal(0, 5, TProgMBAClass::ChannelReal::UstHH, 1234.5f); },
       "analog modules, module 1, channels, channel 6, HH"},
      {[](TConfiguration& c) { c.Lur.SetTipDatByte(15, c.Lur.GetTipDatByte(15) ^ 1); },
       "sensor types, slot 8"},
  };
  for (const auto& change : changes) {
    auto changed = std::make_unique<TConfiguration>(*a_);
    change.apply(*changed);
    const auto d = CompareDumps(DumpConfiguration(*b_), DumpConfiguration(*changed));
    ASSERT_EQ(d.size(), 1u) << change.where;
    EXPECT_EQ(d[0].where, change.where);
    EXPECT_NE(d[0].before, d[0].after);
  }
}

TEST_F(ConfigurationDump, SummaryShowsTheModuleTableAsTheMainWindowDoes) {
  std::ostringstream out;
  WriteConfigurationSummary(out, *a_);
  const std::string text = out.str();
  EXPECT_NE(text.find("Исполнение 17300000\n"), std::string::npos);
  EXPECT_NE(text.find("ЛУР-05-4A 1730\n"), std::string::npos);
  EXPECT_NE(text.find("  0  1  ТОРИ-5  входы DI_1_1 - DI_1_12\n"), std::string::npos);
  EXPECT_NE(text.find("  2  3  МР-73"), std::string::npos);
  EXPECT_NE(text.find("Количество обрабатываемых дискретных сигналов 36\n"), std::string::npos);
}

}  // namespace
}  // namespace lur
