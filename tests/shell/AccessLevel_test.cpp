// The password check: the built-in password while "FParol.dat" cannot be
// read, the file's number once it can, an empty text for the limited level.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "shell/TAccessLevel.h"

namespace lur {
namespace {

class AccessLevel : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("lur-access-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
    path = (dir / "FParol.dat").string();
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  void WriteFile(std::initializer_list<unsigned char> bytes) {
    std::ofstream out(path, std::ios::binary);
    for (unsigned char b : bytes) out.put(static_cast<char>(b));
  }
  std::filesystem::path dir;
  std::string path;
};

struct Case {
  const char* typed;
  bool accepted;
  bool full;
};

void Expect(const std::string& path, std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const TPasswordCheck check = TAccessLevel::CheckPassword(c.typed, path);
    EXPECT_EQ(check.accepted, c.accepted);
    EXPECT_EQ(check.fullAccess, c.full);
  }
}

TEST_F(AccessLevel, BuiltInPasswordWithoutTheFile) {
  EXPECT_EQ(TAccessLevel::ExpectedPassword(path), "9362");
  Expect(path, {{"9362", true, true}, {"", true, false}, {"1234", false, false}, {"09362", false, false}});
}

TEST_F(AccessLevel, FileReplacesTheBuiltInPassword) {
  WriteFile({0xD2, 0x04});  // 1234, little-endian
  EXPECT_EQ(TAccessLevel::ReadPasswordFile(path), 1234);
  Expect(path, {{"1234", true, true}, {"9362", false, false}, {"", true, false}, {"01234", false, false}});
  WriteFile({0x07, 0x00});
  Expect(path, {{"7", true, true}, {"0007", false, false}});
  WriteFile({0xFF, 0xFF});
  Expect(path, {{"65535", true, true}});
}

TEST_F(AccessLevel, ShortFileCountsAsUnreadable) {
  WriteFile({0xD2});
  EXPECT_FALSE(TAccessLevel::ReadPasswordFile(path));
  Expect(path, {{"9362", true, true}, {"210", false, false}});
}

}  // namespace
}  // namespace lur
