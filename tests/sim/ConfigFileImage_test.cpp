// The simulator's own reading and writing of the configuration file layout:
// every page at its offset, the file-only blocks kept, the new-version mark
// of thermo modules, and files no controller could have refused.
#include "sim/ConfigFileImage.h"

#include <gtest/gtest.h>

#include "sim/CommandLine.h"
#include "sim/PageCatalogue.h"

namespace lur::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A file whose every byte tells its offset apart, with a usable identity.
Bytes PatternFile(std::size_t size) {
  Bytes file(size);
  for (std::size_t i = 0; i < size; ++i) file[i] = static_cast<std::uint8_t>(i * 7 + (i >> 8));
  const Bytes identity = {3, 1, 8, 3, 0, 0, 0, 0, 0, 0, 0, 8, 36, 6, 2};
  std::copy(identity.begin(), identity.end(), file.begin() + 1);
  return file;
}

struct Offsets {
  std::size_t size, exchange, firstBlockPage, units, texts, loops, sensor;
};

class Layouts : public ::testing::TestWithParam<Offsets> {};

TEST_P(Layouts, PagesComeFromTheirOffsetsAndGoBackUnchanged) {
  const Offsets o = GetParam();
  Bytes file = PatternFile(o.size);
  std::string error;
  const auto image = ParseConfigFile(file, error);
  ASSERT_TRUE(image) << error;
  EXPECT_EQ(image->functionBlocks, o.size == ConfigFileImage::kSize60 ? 60 : 120);
  EXPECT_EQ(image->ModuleTypes(), (std::array<std::uint8_t, 8>{1, 8, 3, 0, 0, 0, 0, 0}));
  EXPECT_EQ(image->DisplayType(), 2);

  auto pageAt = [&](std::uint8_t page, std::size_t offset) {
    const Bytes* bytes = image->pages.Find(page);
    ASSERT_NE(bytes, nullptr) << int(page);
    EXPECT_EQ(*bytes, Bytes(file.begin() + static_cast<long>(offset),
                            file.begin() + static_cast<long>(offset + *ConfigPageLength(page))))
        << int(page);
  };
  pageAt(1, 17);  // after the page number byte
  pageAt(kExchangePage, o.exchange + 1);
  pageAt(kFirstFunctionBlockPage, o.firstBlockPage);
  pageAt(kUnitsPage, o.units);
  pageAt(kFirstTextPage + 11, o.texts + 11 * 224);
  pageAt(kSetterPage, o.loops + 168);
  pageAt(kSensorTypePage, o.sensor);
  if (image->functionBlocks == 60) {
    EXPECT_EQ(image->pages.Find(kFirstFunctionBlockPage + 6), nullptr);
  }

  // Written back: the same bytes, but for the page numbers (written as the
  // pages' own, with the block of the thermo module, the first analog
  // module, marked) and the zero gap.
  const ModuleSet modules(image->ModuleTypes(), image->DisplayType());
  const Bytes again = BuildConfigFile(*image, modules);
  ASSERT_EQ(again.size(), o.size);
  Bytes expected = file;
  for (int slot = 0; slot < 8; ++slot)
    expected[16 + 169 * static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(slot + 1);
  expected[16] |= 0x80;
  expected[1368] = 9;
  expected[1489] = 10;
  expected[1683] = 11;
  if (o.size == ConfigFileImage::kSize60) std::fill_n(expected.begin() + 4260, 338, 0);
  EXPECT_EQ(again, expected);
}

INSTANTIATE_TEST_SUITE_P(BothSizes, Layouts,
                         ::testing::Values(Offsets{35437, 1489, 3300, 5220, 5316, 35085, 35421},
                                           Offsets{17955, 1489, 3300, 4598, 4694, 17603, 17939}),
                         [](const ::testing::TestParamInfo<Offsets>& info) {
                           return "size_" + std::to_string(info.param.size);
                         });

TEST(ConfigFile, RefusesWhatNoControllerHolds) {
  std::string error;
  EXPECT_FALSE(ParseConfigFile(Bytes(35436, 0), error));
  EXPECT_NE(error.find("35436"), std::string::npos);
  Bytes file = PatternFile(35437);
  file[2] = 16;  // no module has type code 16
  EXPECT_FALSE(ParseConfigFile(file, error));
  file = PatternFile(35437);
  std::fill_n(file.begin() + 2, 6, 3);  // six relay modules
  EXPECT_FALSE(ParseConfigFile(file, error));
}

TEST(ConfigFile, MissingPagesAreWrittenAsZeros) {
  ConfigFileImage image;
  image.functionBlocks = 60;
  image.pages.Put(kUnitsPage, Bytes(96, 0xAB));
  const Bytes file = BuildConfigFile(image, ModuleSet());
  ASSERT_EQ(file.size(), ConfigFileImage::kSize60);
  EXPECT_EQ(file[4598], 0xAB);
  EXPECT_EQ(file[4598 + 95], 0xAB);
  EXPECT_EQ(file[4598 + 96], 0);
  EXPECT_EQ(file[3300], 0);
}

TEST(ConfigFile, CommandLineTakesTheFilesAndRemembersWhatItWasGiven) {
  const auto result =
      ParseCommandLine({"--link", "/tmp/p", "--config", "a.lur", "--save=b.lur", "--fb", "60"});
  ASSERT_TRUE(result.line) << result.error;
  EXPECT_EQ(result.line->configPath, "a.lur");
  EXPECT_EQ(result.line->savePath, "b.lur");
  EXPECT_TRUE(result.line->functionBlocksGiven);
  EXPECT_FALSE(result.line->modulesGiven);
  EXPECT_FALSE(result.line->displayGiven);
  EXPECT_FALSE(ParseCommandLine({"--link", "/tmp/p", "--config"}).line);
}

}  // namespace
}  // namespace lur::sim
