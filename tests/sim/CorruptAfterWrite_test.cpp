// --corrupt-after-write: a controller that confirms a page write but keeps
// one byte of it altered.
#include <gtest/gtest.h>

#include "RequestFrames.h"
#include "sim/CommandLine.h"
#include "sim/DefaultPages.h"
#include "sim/SimController.h"

namespace lur::sim {
namespace {

TEST(CorruptAfterWrite, CommandLineTakesPageAndOffset) {
  const auto good = ParseCommandLine({"--link", "/tmp/p", "--corrupt-after-write", "12:38"});
  ASSERT_TRUE(good.line) << good.error;
  ASSERT_TRUE(good.line->options.corruptAfterWrite);
  EXPECT_EQ(good.line->options.corruptAfterWrite->page, 12);
  EXPECT_EQ(good.line->options.corruptAfterWrite->offset, 38);
  EXPECT_FALSE(ParseCommandLine({"--link", "/tmp/p"}).line->options.corruptAfterWrite);
  for (const char* bad : {"12", "12:", ":5", "0:1", "12:256", "x:1"}) {
    const auto refused = ParseCommandLine({"--link", "/tmp/p", "--corrupt-after-write", bad});
    EXPECT_FALSE(refused.line) << bad;
    EXPECT_NE(refused.error.find("--corrupt-after-write needs PAGE:OFFSET"), std::string::npos) << bad;
  }
}

// The write of a page with these bytes, to device 1.
testing::Bytes PageWrite(std::uint8_t page, const testing::Bytes& bytes) {
  testing::Bytes data = {page};
  data.insert(data.end(), bytes.begin(), bytes.end());
  return testing::Request(1, 0x45, data);
}

TEST(CorruptAfterWrite, StoresTheWrittenPageWithOneByteInverted) {
  SimOptions options;
  options.corruptAfterWrite = SimOptions::ByteCorruption{12, 38};
  SimController controller(options, MakeDefaultPages(ModuleSet(options.modules, options.display), 120));
  const testing::Bytes page12(192, 0x11);
  const auto answer = controller.Answer(PageWrite(12, page12));
  ASSERT_TRUE(answer);
  EXPECT_EQ((*answer)[1], 0x45) << "the write is confirmed";

  std::vector<std::uint8_t> expected = page12;
  expected[38] = 0xEE;
  EXPECT_EQ(*controller.Pages().Find(12), expected);

  // Other pages are kept as written.
  ASSERT_TRUE(controller.Answer(PageWrite(13, page12)));
  EXPECT_EQ(*controller.Pages().Find(13), page12);
}

}  // namespace
}  // namespace lur::sim
