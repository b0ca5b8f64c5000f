// --write-fault: a controller that refuses a page's writes for a while, then
// takes them.
#include <gtest/gtest.h>

#include "RequestFrames.h"
#include "sim/CommandLine.h"
#include "sim/DefaultPages.h"
#include "sim/SimController.h"

namespace lur::sim {
namespace {

TEST(WriteFault, CommandLineTakesPageCodeAndCount) {
  const auto good = ParseCommandLine({"--link", "/tmp/p", "--write-fault", "32:4:2", "--write-fault=9:6:1"});
  ASSERT_TRUE(good.line) << good.error;
  const auto& faults = good.line->options.writeFaults;
  ASSERT_EQ(faults.size(), 2u);
  EXPECT_EQ(faults.at(32).code, 4);
  EXPECT_EQ(faults.at(32).count, 2u);
  EXPECT_EQ(faults.at(9).code, 6);
  for (const char* bad : {"32", "32:4", "32:4:", "32:0:1", "32:4:0", "256:4:1", "x:4:1", "32:4:x"}) {
    const auto refused = ParseCommandLine({"--link", "/tmp/p", "--write-fault", bad});
    EXPECT_FALSE(refused.line) << bad;
    EXPECT_NE(refused.error.find("--write-fault needs PAGE:CODE:N"), std::string::npos) << bad;
  }
}

TEST(WriteFault, RefusesTheFirstWritesOfItsPageOnly) {
  SimOptions options;
  options.modules = {1, 7, 3, 0x0E, 0, 0, 0, 0};
  options.writeFaults[0x20] = SimOptions::WriteFault{4, 2};
  SimController controller(options, MakeDefaultPages(ModuleSet(options.modules, options.display), 120));
  const auto before = *controller.Pages().Find(0x20);
  testing::Bytes data = {0x20};
  data.insert(data.end(), 168, 0x01);
  const testing::Bytes write = testing::Request(1, 0x45, data);

  for (int refused = 0; refused < 2; ++refused) {
    const auto answer = controller.Answer(write);
    ASSERT_TRUE(answer);
    EXPECT_EQ((*answer)[1], 0x45 | 0x80) << "write " << refused;
    EXPECT_EQ((*answer)[2], 4);
    EXPECT_EQ(*controller.Pages().Find(0x20), before);
  }
  const auto taken = controller.Answer(write);
  ASSERT_TRUE(taken);
  EXPECT_EQ((*taken)[1], 0x45);
  EXPECT_EQ(*controller.Pages().Find(0x20), testing::Bytes(168, 0x01));
}

}  // namespace
}  // namespace lur::sim
