// The exchange journal's lines: their form, the bound of the ring and the
// numbering a view follows.
#include "session/TTrafficLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string Words(int device, int code) { return "device " + std::to_string(device) + " code " + std::to_string(code); }

TEST(TrafficLog, LinesOfFramesAndResults) {
  TTrafficLog log(5'000, Words);
  const Bytes request = {0x01, 0x11, 0xC0, 0x2C};
  const Bytes answer = {0x01, 0x91, 0x0A, 0xFF, 0x00};
  log.Frame(5'025, TrafficDirection::Sent, request);
  log.Frame(5'076, TrafficDirection::Received, answer);
  log.Result(5'076, 0, 0);
  log.Frame(1'234'567, TrafficDirection::Sent, request);
  log.Result(1'242'692, 4, 130);
  EXPECT_EQ(log.Text(),
            "     0.025 -> 01 11 C0 2C\n"
            "     0.076 <- 01 91 0A FF 00\n"
            "     0.076 => успешно\n"
            "  1229.567 -> 01 11 C0 2C\n"
            "  1237.692 => 130: device 4 code 130\n");
  EXPECT_EQ(log.FrameCount(), 3u);
}

TEST(TrafficLog, WordsAreTheLinksOnOneLine) {
  test::VirtualClock clock;
  test::ScriptedPort port{clock};
  TComPortClass link{port, clock};
  link.PortName = "COM3";
  TTrafficLog log(0, link);
  log.Result(10, 2, 130);
  log.Result(20, 0, kResultNoAccess);
  EXPECT_EQ(log.Line(0), "     0.010 => 130: устройство 3 COM3 не отвечает на запрос");
  // A box's line break becomes a blank: one line a result.
  EXPECT_EQ(log.Line(1), "     0.020 => 257: Ваш уровень доступа не позволяет производить вывод в СОМ-порт");
  // The words are taken when the result comes, not when it is shown.
  link.PortName = "COM9";
  EXPECT_EQ(log.Line(0), "     0.010 => 130: устройство 3 COM3 не отвечает на запрос");
}

TEST(TrafficLog, KeepsTheLastFramesWithTheirResults) {
  TTrafficLog log(0, Words, 3);
  const Bytes b = {0xAA};
  for (int i = 0; i < 3; ++i) {
    log.Frame(i * 10, TrafficDirection::Sent, b);
    log.Result(i * 10 + 1, 0, i);
  }
  EXPECT_EQ(log.FirstLine(), 0u);
  EXPECT_EQ(log.EndLine(), 6u);
  // The fourth frame pushes out the first and the result that followed it.
  log.Frame(30, TrafficDirection::Received, b);
  EXPECT_EQ(log.FrameCount(), 3u);
  EXPECT_EQ(log.FirstLine(), 2u);
  EXPECT_EQ(log.EndLine(), 7u);
  EXPECT_EQ(log.Line(2), "     0.010 -> AA");
  EXPECT_EQ(log.Line(6), "     0.030 <- AA");
  EXPECT_EQ(log.Line(1), "");  // gone
  EXPECT_EQ(log.Line(7), "");  // not yet there

  // Many more: the bound holds and the numbering goes on.
  for (int i = 0; i < 1000; ++i) log.Frame(40 + i, TrafficDirection::Sent, b);
  EXPECT_EQ(log.FrameCount(), 3u);
  EXPECT_EQ(log.EndLine() - log.FirstLine(), 3u);
  EXPECT_EQ(log.EndLine(), 1007u);

  log.Clear();
  EXPECT_EQ(log.Text(), "");
  EXPECT_EQ(log.FirstLine(), log.EndLine());
  EXPECT_EQ(log.EndLine(), 1007u);  // a view that showed old lines sees they went
}

TEST(TrafficLog, DefaultBoundIsTenThousandFrames) {
  TTrafficLog log(0, Words);
  const Bytes frame(8, 0x11);
  for (int i = 0; i < 10'050; ++i) log.Frame(i, TrafficDirection::Sent, frame);
  EXPECT_EQ(log.FrameCount(), 10'000u);
  EXPECT_EQ(log.FirstLine(), 50u);
}

class SaveJournal : public ::testing::Test {
 protected:
  SaveJournal() {
    dir = std::filesystem::temp_directory_path() /
          ("lur-journal-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    log.Frame(25, TrafficDirection::Sent, Bytes{0x01, 0x11, 0xC0, 0x2C});
    log.Result(1325, 0, 130);
  }
  ~SaveJournal() override { std::filesystem::remove_all(dir); }
  static std::string Read(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::filesystem::path dir;
  TScriptedUserInterface ui;
  TTrafficLog log{0, Words};
};

TEST_F(SaveJournal, WritesEveryLineAndReplacesTheOldFile) {
  const auto path = dir / "journal.txt";
  std::ofstream(path) << "an older, longer journal that must not survive in part\n";
  ui.files.push_back(path.string());
  EXPECT_TRUE(SaveTrafficLog(ui, log));
  EXPECT_EQ(Read(path), "     0.025 -> 01 11 C0 2C\n     1.325 => 130: device 0 code 130\n");
  EXPECT_FALSE(std::filesystem::exists(path.string() + ".tmp"));
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_TRUE(ui.fileDialogs[0].save);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(SaveJournal, CancelWritesNothing) {
  ui.files.push_back(std::nullopt);
  EXPECT_FALSE(SaveTrafficLog(ui, log));
  EXPECT_TRUE(std::filesystem::is_empty(dir));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(SaveJournal, UnwritablePlaceIsOneErrorAndLeavesNothing) {
  // A folder where the file should go: the rename over it fails.
  const auto path = dir / "taken";
  std::filesystem::create_directories(path / "inside");
  ui.files.push_back(path.string());
  EXPECT_FALSE(SaveTrafficLog(ui, log));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, "Ошибка");
  EXPECT_TRUE(std::filesystem::is_directory(path / "inside"));
  EXPECT_FALSE(std::filesystem::exists(path.string() + ".tmp"));

  // A folder that does not exist: the temporary file cannot even be made.
  ui.shown.clear();
  ui.files.push_back((dir / "missing" / "journal.txt").string());
  EXPECT_FALSE(SaveTrafficLog(ui, log));
  EXPECT_EQ(ui.shown.size(), 1u);
}

}  // namespace
}  // namespace lur
