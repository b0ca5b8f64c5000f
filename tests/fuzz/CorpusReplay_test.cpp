// Replays every input the link and simulator fuzzers kept
// (tests/fuzz/corpus/link, tests/fuzz/corpus/sim, tests/fuzz/corpus/frames),
// so the ordinary run catches a regression on anything they once found.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <span>
#include <vector>

#include "LinkTransaction.h"
#include "SimRequests.h"

namespace lur {
namespace {

int Replay(const char* target, const std::function<bool(std::span<const std::uint8_t>)>& feed) {
  const std::filesystem::path corpus = std::filesystem::path(LUR_TEST_DATA).parent_path() / "fuzz" / "corpus" / target;
  EXPECT_TRUE(std::filesystem::is_directory(corpus)) << corpus;
  if (!std::filesystem::is_directory(corpus)) return 0;
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(feed(bytes)) << entry.path();
    ++replayed;
  }
  return replayed;
}

TEST(FuzzCorpus, ReplaysEveryKeptTransaction) {
  EXPECT_GE(Replay("link", test::FeedTransaction), 10);  // the seeds at least
}

TEST(FuzzCorpus, ReplaysEveryKeptSimulatorInput) {
  EXPECT_GE(Replay("sim", test::FeedSimulator), 10);  // the seeds at least
}

// The assembler's corpus started as the simulator's inputs that reach its
// code, from before the two were fuzzed apart.
TEST(FuzzCorpus, ReplaysEveryKeptAssemblerInput) {
  EXPECT_GE(Replay("frames", test::FeedAssembler), 10);
}

}  // namespace
}  // namespace lur
