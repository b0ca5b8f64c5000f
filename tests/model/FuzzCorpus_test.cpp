// Replays every input the table loaders' fuzzer kept, so the ordinary run
// catches a regression on anything it once found. The build says where the
// corpus lies.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/ModelLoaders.h"

namespace lur {
namespace {

TEST(FuzzCorpus, ReplaysEveryKeptInput) {
  const std::filesystem::path corpus = LUR_MODEL_CORPUS;
  ASSERT_TRUE(std::filesystem::is_directory(corpus)) << corpus;
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    EXPECT_TRUE(test::FeedModelLoaders(bytes)) << entry.path();
    ++replayed;
  }
  EXPECT_GE(replayed, 8);  // the seeds at least: one per table
}

}  // namespace
}  // namespace lur
