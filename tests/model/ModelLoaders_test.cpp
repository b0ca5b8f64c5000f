// Every table's loaders against well-formed and arbitrary bytes: a load
// takes exactly what fits it, and whatever comes in, every image taken comes
// back byte for byte and every lookup stays in its range.
#include "fuzz/ModelLoaders.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "PageAnswerBuilder.h"
#include "model/PageCatalogue.h"
#include "model/Protocol.h"

namespace lur::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct WellFormed {
  std::string what;
  Bytes bytes;
  int taken;  // loads that take these bytes
};

struct LoaderCase {
  std::string table;
  LoaderOutcome (*feed)(std::span<const std::uint8_t>);
  int mostTaken;  // every loader of the table taking the same bytes
  // Arbitrary inputs: `rounds` of random length below longestInput, and one
  // of each edge length (a block's size and its neighbours).
  std::size_t longestInput;
  int rounds;
  std::vector<std::size_t> edgeLengths;
  std::vector<WellFormed> wellFormed;
};

Bytes RandomBytes(std::size_t n, std::mt19937& random) {
  Bytes bytes(n);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
  return bytes;
}

Bytes Identity(std::initializer_list<std::uint8_t> slots) {
  Bytes id(15, 0);  // counts and display type 0
  std::copy(slots.begin(), slots.end(), id.begin() + 1);
  return id;
}

std::vector<LoaderCase> Cases() {
  return {
      {.table = "Serv",
       .feed = FeedServLoaders,
       .mostTaken = 5,
       .longestInput = 300,
       .rounds = 200,
       .edgeLengths = {14, 15, 16, 140, 224, 225},
       // An identity answer is taken by the answer loader only: read as file
       // bytes, its function code 17 would be the code of slot 0.
       .wellFormed = {{"identity answer", MakeAnswer(fn::kIdentity, Identity({1, 7, 3})), 1},
                      {"input text page answer (page, file page, output text page)",
                       MakePageAnswer(page::kFirstInputText + 5, PatternBytes(224, 0)), 3}}},
      {.table = "Lur",
       .feed = FeedLurLoaders,
       .mostTaken = 4,
       .longestInput = 260,
       .rounds = 200,
       .edgeLengths = {16, 17, 191, 192, 193, 197},
       .wellFormed = {{"last discrete page answer (page, file page, file sensor types)",
                       MakePageAnswer(page::kFirstDiscrete + 7, PatternBytes(192, 0)), 3},
                      {"sensor-type answer (answer, file block)",
                       MakePageAnswer(page::kSensorTypes, PatternBytes(16, 0)), 2}}},
      {.table = "MR",
       .feed = FeedMRLoaders,
       .mostTaken = 3,
       .longestInput = 200,
       .rounds = 200,
       .edgeLengths = {23, 24, 120, 121, 125},
       .wellFormed = {{"relay page answer (answer, file block, module records)",
                       MakePageAnswer(page::kRelay, PatternBytes(120, 0)), 3},
                      {"records of module 5, past the table", PatternBytes(24, 5), 0}}},
      {.table = "FB",
       .feed = FeedFBLoaders,
       .mostTaken = 8,
       .longestInput = 2000,
       .rounds = 20,
       .edgeLengths = {3, 165, 166, 960, 1000, 1920, 13261, 26521, 30000},
       .wellFormed = {{"page answer, asked for as page 6 (answer, file page)",
                       MakePageAnswer(page::kFirstFunctionBlock + 6, PatternBytes(160, 3)), 2},
                      {"first page answer, asked for as itself and as page 0 (answers, file page)",
                       MakePageAnswer(page::kFirstFunctionBlock, PatternBytes(160, 4)), 3},
                      {"frame head without a page",
                       {1, fn::kReadPage, 161, page::kFirstFunctionBlock + 6},
                       0}}},
      {.table = "Reg",
       .feed = FeedRegLoaders,
       .mostTaken = 2,
       .longestInput = 400,
       .rounds = 200,
       .edgeLengths = {168, 171, 172, 336, 337},
       .wellFormed = {{"regulator page answer", MakePageAnswer(page::kRegulators, PatternBytes(168, 11)), 1},
                      {"setter page answer", MakePageAnswer(page::kSetters, PatternBytes(168, 12)), 1},
                      {"file block", PatternBytes(336, 9), 1},
                      {"frame head without a page", {1, fn::kReadPage, 169, page::kRegulators}, 0}}},
      {.table = "MBM",
       .feed = FeedMBMLoaders,
       .mostTaken = 5,
       .longestInput = 600,
       .rounds = 200,
       .edgeLengths = {169, 193, 194, 195, 363},
       .wellFormed = {{"exchange table answer (answer, file block)",
                       MakePageAnswer(page::kExchange, PatternBytes(193, 1)), 2},
                      {"table and group file blocks", PatternBytes(500, 3), 2}}},
      {.table = "F15",
       .feed = FeedF15Loaders,
       .mostTaken = 2,
       .longestInput = 200,
       .rounds = 200,
       .edgeLengths = {80, 81, 85},
       .wellFormed = {{"function-15 page answer, long enough for a file block too",
                       MakePageAnswer(page::kFunction15, PatternBytes(80, 1)), 2},
                      {"file block only", PatternBytes(100, 5), 1}}},
      {.table = "MBA",
       .feed = FeedMBALoaders,
       .mostTaken = 7,
       .longestInput = 400,
       .rounds = 200,
       .edgeLengths = {43, 47, 96, 168, 169, 173, 338},
       .wellFormed = {{"module page 2 answer (answer, file block, units file block)",
                       MakePageAnswer(page::kFirstModule + 1, PatternBytes(168, 1)), 3},
                      {"units answer (answer, file block)", MakePageAnswer(page::kUnits, PatternBytes(96, 1)),
                       2}}},
  };
}

// A failing case names its table, not its bytes.
void PrintTo(const LoaderCase& c, std::ostream* os) { *os << c.table; }

class ModelLoaders : public ::testing::TestWithParam<LoaderCase> {};

TEST_P(ModelLoaders, NoBytesAreTakenByNoLoader) {
  const LoaderOutcome out = GetParam().feed({});
  EXPECT_EQ(out.taken, 0);
  EXPECT_TRUE(out.sound);
}

TEST_P(ModelLoaders, WellFormedBytesAreTakenByEveryLoaderTheyFit) {
  for (const WellFormed& input : GetParam().wellFormed) {
    const LoaderOutcome out = GetParam().feed(input.bytes);
    EXPECT_EQ(out.taken, input.taken) << input.what;
    EXPECT_TRUE(out.sound) << input.what;
  }
}

TEST_P(ModelLoaders, ArbitraryBytesKeepEveryPromise) {
  const LoaderCase& c = GetParam();
  std::mt19937 random(static_cast<unsigned>(c.longestInput));
  std::vector<Bytes> inputs;
  for (std::size_t n : c.edgeLengths) inputs.push_back(RandomBytes(n, random));
  for (int round = 0; round < c.rounds; ++round)
    inputs.push_back(RandomBytes(random() % c.longestInput, random));
  for (const Bytes& bytes : inputs) {
    const LoaderOutcome out = c.feed(bytes);
    EXPECT_TRUE(out.sound) << bytes.size() << " bytes";
    EXPECT_GE(out.taken, 0);
    EXPECT_LE(out.taken, c.mostTaken) << bytes.size() << " bytes";
  }
}

INSTANTIATE_TEST_SUITE_P(Tables, ModelLoaders, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<LoaderCase>& info) { return info.param.table; });

}  // namespace
}  // namespace lur::test
