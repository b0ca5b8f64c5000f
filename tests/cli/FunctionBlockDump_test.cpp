#include "shell/FunctionBlockDump.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/CmdDiff.h"
#include "cli/CmdDump.h"
#include "cli/ConfigDump.h"
#include "model/Cp1251.h"
#include "shell/ConfigFileSamples.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

TProgFBClass::Record RecordOf(const std::string& hex) {
  TProgFBClass::Record record{};
  std::istringstream in(hex);
  for (auto& b : record) {
    unsigned value = 0;
    in >> std::hex >> value;
    b = static_cast<std::uint8_t>(value);
  }
  std::string rest;
  EXPECT_TRUE(in && !(in >> rest)) << "sixteen bytes: " << hex;
  return record;
}

// A record as it is written, its fields expected by name (value as JSON
// text) and names it must not have.
struct RecordCase {
  const char* what;
  const char* bytes;
  std::vector<std::pair<const char*, const char*>> fields;
  std::vector<const char*> absent;
};

// One record of every kind, in table order: function blocks, the two
// integrator records, arithmetic blocks, then records no layout fits.
const std::vector<RecordCase>& Cases() {
  static const std::vector<RecordCase> cases = {
      {"AND: inputs of every kind and direction, signalling, relays",
       "01 08 05 01 82 0A 30 0C C0 BF 81 00 00 00 0F 00",
       {{"TipFB", "1"},
        {"SubTip", "0"},
        {"KindVh1", "0"},
        {"DirVh1", "1"},
        {"NVh1", "5"},
        {"KindVh2", "1"},
        {"DirVh2", "0"},
        {"NVh2", "130"},
        {"KindVh3", "2"},
        {"NVh3", "48"},
        {"KindVh4", "4"},
        {"DirVh4", "1"},
        {"NVh4", "192"},
        {"NTabS", "31"},
        {"Arh", "1"},
        {"TipS", "2"},
        {"MR1", "129"},
        {"MR2", "0"},
        {"MR5", "15"}},
       {"unused_b15", "bytes", "LimitCount", "TimerD"}},
      {"OR-NOT: a subtype and bits no field holds still show",
       "34 F8 03 00 00 00 00 00 00 00 00 00 00 00 00 5A",
       {{"TipFB", "4"},
        {"SubTip", "3"},
        {"DirVh1", "1"},
        {"NVh1", "3"},
        {"unused_b1", "\"F0\""},
        {"unused_b15", "\"5A\""}},
       {"unused_b2"}},
      {"hysteresis: two inputs, b5..b8 free",
       "05 08 01 00 02 11 22 33 44 00 00 00 00 00 00 00",
       {{"TipFB", "5"},
        {"NVh2", "2"},
        {"DirVh2", "0"},
        {"unused_b5", "\"11\""},
        {"unused_b6", "\"22\""},
        {"unused_b7", "\"33\""},
        {"unused_b8", "\"44\""}},
       {"KindVh3", "NVh3"}},
      {"T2 timer fixed at 15 seconds",
       "26 08 01 09 03 01 0F 00 00 00 00 00 00 00 00 00",
       {{"TipFB", "6"},
        {"SubTip", "2"},
        {"KindVh2", "1"},
        {"NVh2", "3"},
        {"TimerD", "1"},
        {"TimerTime", "15"},
        {"TimerTUstT", "0"},
        {"TimerAdrUst", "0"}},
       {"TimeHour", "KindVh3", "unused_b8"}},
      {"T0 timer adjustable at address 4, free bits of b5 and b7",
       "06 08 01 00 00 82 00 34 00 00 00 00 00 00 00 00",
       {{"SubTip", "0"},
        {"TimerD", "2"},
        {"TimerTUstT", "1"},
        {"TimerAdrUst", "4"},
        {"unused_b5", "\"80\""},
        {"unused_b7", "\"20\""}},
       {}},
      {"T5 alarm clock at 23:59:30, one input",
       "56 04 07 1E 3B 5D 00 00 00 02 00 00 00 00 00 00",
       {{"SubTip", "5"},
        {"KindVh1", "4"},
        {"DirVh1", "0"},
        {"NVh1", "7"},
        {"TimerD", "1"},
        {"TimeHour", "23"},
        {"TimeMin", "59"},
        {"TimeSec", "30"},
        {"NTabS", "2"}},
       {"KindVh2", "NVh2", "unused_b3", "unused_b4", "unused_b5"}},
      {"S-R trigger",
       "17 08 01 08 02 00 00 09 05 20 00 00 00 00 00 00",
       {{"TipFB", "7"}, {"SubTip", "1"}, {"KindVh4", "1"}, {"NVh4", "5"}, {"Arh", "1"}},
       {}},
      {"comparator on a calculated value, adjustable set-point 3, input at b7/b8",
       "38 85 00 B0 02 AA 64 09 07 00 00 00 00 00 00 00",
       {{"TipFB", "8"},
        {"CompAdrUst", "3"},
        {"KindVh1", "1"},
        {"DirVh1", "1"},
        {"NVh1", "7"},
        {"AnVh", "5"},
        {"KindAn", "1"},
        {"Limit", "-2.5"},
        {"CompCond", "1"},
        {"Gisterezis", "10"},
        {"TimerD", "2"},
        {"TimerTime", "100"}},
       {"SubTip", "KindVh2", "Limit_bytes", "unused_b7"}},
      {"comparator whose set-point bytes are not the controller's form of 0",
       "08 01 00 00 05 00 00 70 00 00 00 00 00 00 00 00",
       {{"Limit", "0"}, {"Limit_bytes", "\"00 00 05\""}, {"unused_b7", "\"70\""}},
       {}},
      {"counter with set-point 21 split over b1 and b3",
       "09 58 01 38 02 48 03 08 04 00 00 00 00 00 00 00",
       {{"TipFB", "9"},
        {"LimitCount", "21"},
        {"DirVh1", "1"},
        {"NVh1", "1"},
        {"DirVh2", "1"},
        {"NVh2", "2"},
        {"NVh4", "4"},
        {"unused_b3", "\"20\""},
        {"unused_b5", "\"40\""}},
       {"unused_b1"}},
      {"integrator record of block 1",
       "0C 01 02 03 04 05 06 07 08 09 0A 0B 0C 00 07 01",
       {{"TipFB", "12"},
        {"SubTip", "0"},
        {"IntVh1", "1"},
        {"IntVh12", "12"},
        {"IntBase", "0"},
        {"HourBeginDay", "7"},
        {"unused_b15", "\"01\""}},
       {"NTabS", "MR1", "operation"}},
      {"integrator record of block 2",
       "0C 0D 00 00 00 00 00 00 00 00 00 00 18 0C 07 00",
       {{"IntVh1", "13"}, {"IntVh12", "24"}, {"IntBase", "12"}, {"HourBeginDay", "7"}},
       {}},
      {"sum: X1, C1, X2, C2, result in b9",
       "1C 83 00 40 02 04 00 C0 01 05 00 00 00 00 00 00",
       {{"TipFB", "12"},
        {"operation", "1"},
        {"KindX1", "1"},
        {"NX1", "3"},
        {"C1", "2"},
        {"KindX2", "0"},
        {"NX2", "4"},
        {"C2", "-1"},
        {"AdrY", "5"}},
       {"SubTip", "NTabS", "C1_bytes"}},
      {"product: no C2, result in b6, b9 free",
       "3C 01 00 40 00 82 09 00 00 11 00 00 00 00 00 00",
       {{"operation", "3"},
        {"NX1", "1"},
        {"C1", "0.5"},
        {"KindX2", "1"},
        {"NX2", "2"},
        {"AdrY", "9"},
        {"unused_b9", "\"11\""}},
       {"C2"}},
      {"square root: X1 only, b5 free",
       "5C 02 00 64 07 03 02 00 00 00 00 00 00 00 00 00",
       {{"operation", "5"}, {"NX1", "2"}, {"C1", "100"}, {"AdrY", "2"}, {"unused_b5", "\"03\""}},
       {"NX2", "KindX2", "C2"}},
      {"unknown type 10 keeps its bytes",
       "0A 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F",
       {{"TipFB", "10"}, {"SubTip", "0"}, {"bytes", "\"01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F\""}},
       {"KindVh1", "NTabS", "unused_b1"}},
      {"calculation record of unknown operation 7 keeps its bytes",
       "7C FF 00 00 00 00 00 00 00 00 00 00 00 00 00 01",
       {{"TipFB", "12"}, {"SubTip", "7"}, {"bytes", "\"FF 00 00 00 00 00 00 00 00 00 00 00 00 00 01\""}},
       {"operation", "NX1"}},
      {"empty record with a stray byte",
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01",
       {{"TipFB", "0"}, {"SubTip", "0"}, {"unused_b15", "\"01\""}},
       {"KindVh1", "bytes"}},
  };
  return cases;
}

std::map<std::string, std::string> Fields(const TDumpNode& record) {
  std::map<std::string, std::string> fields;
  for (const auto& [key, value] : record.Members()) {
    EXPECT_TRUE(fields.emplace(key, value.Literal()).second) << "one member per name: " << key;
  }
  return fields;
}

const TDumpNode& Member(const TDumpNode& node, const std::string& key) {
  for (const auto& [name, value] : node.Members()) {
    if (name == key) return value;
  }
  ADD_FAILURE() << "no member " << key;
  return node;
}

class FunctionBlockDump : public ::testing::Test {
 protected:
  FunctionBlockDump() {
    TScriptedUserInterface ui;
    EXPECT_TRUE(LoadConfigFile(*config_, test::SampleFile(120), ui));
    // The sample's records are noise; the table holds only the cases.
    for (int i = 0; i < TProgFBClass::kSlots; ++i) config_->FB.ClearRecord(i);
    for (std::size_t k = 0; k < Cases().size(); ++k) {
      config_->FB.SetRecord(static_cast<int>(k), RecordOf(Cases()[k].bytes));
    }
    TProgFBClass& fb = config_->FB;
    fb.ResetAlgorithms();
    fb.SetAlgName(0, Utf8ToCp1251("Насосы"));
    fb.SetAlgName(1, "Heat");
    for (int k = 0; k < 2; ++k) fb.SetAlgFB(0, k, k + 1);
    for (int k = 0; k < 3; ++k) fb.SetAlgFB(1, k, k + 5);
    fb.NAlg = 2;
    fb.RebuildAlgHead();
  }

  std::unique_ptr<TConfiguration> config_ = test::NewConfiguration();
};

TEST_F(FunctionBlockDump, EveryRecordKindIsDecodedIntoItsFields) {
  const TDumpNode dump = DumpConfiguration(*config_);
  const auto& blocks = Member(dump, "function_blocks").Items();
  ASSERT_EQ(blocks.size(), 120u);
  for (std::size_t k = 0; k < Cases().size(); ++k) {
    const RecordCase& c = Cases()[k];
    SCOPED_TRACE(c.what);
    EXPECT_EQ(blocks[k].GetKind(), TDumpNode::Kind::Object);
    const auto fields = Fields(blocks[k]);
    EXPECT_EQ(fields.at("block"), std::to_string(k + 1));
    for (const auto& [name, value] : c.fields) {
      const auto it = fields.find(name);
      ASSERT_NE(it, fields.end()) << name;
      EXPECT_EQ(it->second, value) << name;
    }
    for (const char* name : c.absent) EXPECT_EQ(fields.count(name), 0u) << name;
  }
  // A record past the cases is empty and says only so.
  EXPECT_EQ(Fields(blocks[100]),
            (std::map<std::string, std::string>{{"block", "101"}, {"TipFB", "0"}, {"SubTip", "0"}}));
}

TEST_F(FunctionBlockDump, AlgorithmsShowNamesMembersAndHeads) {
  const TDumpNode dump = DumpConfiguration(*config_);
  const TDumpNode& algorithms = Member(dump, "algorithms");
  EXPECT_EQ(Member(algorithms, "NAlg").Literal(), "2");
  const auto& list = Member(algorithms, "list").Items();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(Member(list[0], "name").Literal(), "\"Насосы\"");
  EXPECT_EQ(Member(list[1], "name").Literal(), "\"Heat\"");
  std::vector<std::string> members;
  for (const auto& n : Member(list[1], "blocks").Items()) members.push_back(n.Literal());
  EXPECT_EQ(members, (std::vector<std::string>{"5", "6", "7"}));
  const auto& heads = Member(algorithms, "heads").Items();
  EXPECT_EQ(heads[0].Literal(), "1");
  EXPECT_EQ(heads[1].Literal(), "255");
  EXPECT_EQ(heads[4].Literal(), "5");
}

// The first records of the function block table as the whole dump holds
// them: the cases and a few empty records. Nothing else in the dump depends
// on the records; the file test below runs the whole of it.
TDumpNode BlockTable(const TProgFBClass& fb) {
  TDumpNode blocks = TDumpNode::Array("block");
  for (int i = 0; i < 20; ++i) blocks.Push(DumpFunctionBlockRecord(fb, i));
  return TDumpNode::Object().Add("function_blocks", std::move(blocks));
}

// Every bit of a record is held by a field or shown as unused, so a single
// flipped bit is always a difference, and only of that block.
TEST_F(FunctionBlockDump, AnyFlippedBitIsAChangeOfThatBlock) {
  const TDumpNode before = BlockTable(config_->FB);
  // AND, T5 alarm clock, comparator, counter, integrator, sum, square root,
  // an unknown type.
  for (const int record : {0, 5, 7, 9, 10, 12, 14, 15}) {
    const std::string block = "function blocks, block " + std::to_string(record + 1);
    const TProgFBClass::Record original = config_->FB.GetRecord(record);
    for (std::size_t b = 0; b < original.size(); ++b) {
      for (int bit = 0; bit < 8; ++bit) {
        TProgFBClass::Record flipped = original;
        flipped[b] = static_cast<std::uint8_t>(flipped[b] ^ (1u << bit));
        config_->FB.SetRecord(record, flipped);
        const auto d = CompareDumps(before, BlockTable(config_->FB));
        ASSERT_FALSE(d.empty()) << block << ", byte " << b << ", bit " << bit;
        for (const auto& difference : d) {
          EXPECT_EQ(difference.where.rfind(block + ", ", 0), 0u)
              << difference.where << " (byte " << b << ", bit " << bit << ")";
        }
      }
    }
    config_->FB.SetRecord(record, original);
  }
}

TEST_F(FunctionBlockDump, DiffOfTwoFilesNamesTheChangedField) {
  const std::string dir = ::testing::TempDir();
  const std::string a = dir + "/fb-dump-a.lur";
  const std::string b = dir + "/fb-dump-b.lur";
  test::WriteBytes(a, BuildConfigFile(*config_));
  config_->FB.SetNVh(0, 1, 131);                                                           // AND, input 2
  config_->FB.SetRecord(15, RecordOf("0A 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 1F"));  // type 10, b15
  test::WriteBytes(b, BuildConfigFile(*config_));

  TScriptedUserInterface ui;
  TLurctlOptions options;
  options.command = "diff";
  options.arguments = {a, b};
  std::ostringstream out;
  EXPECT_EQ(RunDiff(options, out, ui), 1);
  EXPECT_EQ(out.str(),
            "function blocks, block 1, NVh2: 130 -> 131\n"
            "function blocks, block 16, bytes: \"01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F\" -> "
            "\"01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 1F\"\n"
            "2 differences\n");

  // The JSON dump of the file holds a block a line, decoded.
  options.command = "dump";
  options.arguments = {b, "--json"};
  std::ostringstream json;
  EXPECT_EQ(RunDump(options, json, ui), 0);
  EXPECT_NE(
      json.str().find("\n    {\"block\": 8, \"TipFB\": 8, \"CompAdrUst\": 3, \"KindVh1\": 1, \"DirVh1\": 1, "
                      "\"NVh1\": 7, \"AnVh\": 5, \"KindAn\": 1, \"Limit\": -2.5, \"CompCond\": 1, "
                      "\"Gisterezis\": 10, \"TimerD\": 2, \"TimerTime\": 100, \"NTabS\": 0, \"Arh\": 0, "
                      "\"TipS\": 0, \"MR1\": 0, \"MR2\": 0, \"MR3\": 0, \"MR4\": 0, \"MR5\": 0},\n"),
      std::string::npos)
      << json.str().substr(0, 4000);
  std::remove(a.c_str());
  std::remove(b.c_str());
}

}  // namespace
}  // namespace lur
