#include "reports/RtfWriter.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/Cp1251.h"
#include "reports/AtomicFile.h"

namespace lur {
namespace {

namespace fs = std::filesystem;

struct EscapeCase {
  const char* utf8;
  const char* rtf;
};

const EscapeCase kEscapes[] = {
    {"Plain text 123", "Plain text 123"},
    {"C:\\{x}", "C:\\\\\\{x\\}"},
    {"а", "\\'e0"},
    {"Я", "\\'df"},
    {"ёЁ", "\\'b8\\'a8"},
    {"№", "\\'b9"},
    {"€", "\\'88"},
    {"a\tb", "a\\tab b"},
    {"a\nb", "a\\line b"},
    {"a\r\x01\x7f" "b", "ab"},
    {"日", "\\u26085?"},
    {"Ā", "\\u256?"},
    {"\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?"},  // beyond the BMP: a surrogate pair
    {"\xD0", "\\u-3?"},                             // a cut sequence: U+FFFD
    {"\xB1x", "\\u-3?x"},                           // a stray continuation byte
};

TEST(RtfWriter, EscapesByTable) {
  for (const EscapeCase& c : kEscapes) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(RtfEscape(c.utf8), c.rtf);
  }
}

TEST(RtfWriter, CyrillicReportBytes) {
  TReport report;
  report.title = "Информация о входах {1}";
  report.orientation = TPageOrientation::Landscape;
  report.AddParagraph("Файл C:\\конф.lur");
  auto& table = report.AddTable({"№", "Текст"}, {1, 3});
  table.rows.push_back({"1", "Насос Н-1"});
  table.rows.push_back({"2"});  // a short row gets an empty cell

  const std::string borders =
      "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";
  // Landscape A4 less two margins of 29 pt: 16838 - 2 * 580 = 15678 twips,
  // a quarter of it for the first column.
  const std::string cells = borders + "\\cellx3920" + borders + "\\cellx15678\n";
  const std::string expected =
      "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\n"
      "{\\fonttbl{\\f0\\fmodern\\fcharset204 Courier New;}}\n"
      "\\landscape\\paperw16838\\paperh11906\\margl580\\margr580\\margt580\\margb580\n"
      "\\pard\\qc\\f0\\fs28\\b \\'c8\\'ed\\'f4\\'ee\\'f0\\'ec\\'e0\\'f6\\'e8\\'ff \\'ee "
      "\\'e2\\'f5\\'ee\\'e4\\'e0\\'f5 \\{1\\}\\b0\\par\n"
      "\\pard\\f0\\fs20 \\'d4\\'e0\\'e9\\'eb C:\\\\\\'ea\\'ee\\'ed\\'f4.lur\\par\n"
      "\\pard\\f0\\fs20\n"
      "\\trowd\\trgaph57\\trhdr" + cells +
      "\\pard\\intbl\\b \\'b9\\b0\\cell\n"
      "\\pard\\intbl\\b \\'d2\\'e5\\'ea\\'f1\\'f2\\b0\\cell\n"
      "\\row\n"
      "\\trowd\\trgaph57" + cells +
      "\\pard\\intbl 1\\cell\n"
      "\\pard\\intbl \\'cd\\'e0\\'f1\\'ee\\'f1 \\'cd-1\\cell\n"
      "\\row\n"
      "\\trowd\\trgaph57" + cells +
      "\\pard\\intbl 2\\cell\n"
      "\\pard\\intbl \\cell\n"
      "\\row\n"
      "\\pard\\par\n"
      "}\n";
  EXPECT_EQ(RtfText(report), expected);
}

TEST(RtfWriter, PortraitPageAndEqualColumns) {
  TReport report;
  report.AddTable({"a", "b", "c"});
  const std::string rtf = RtfText(report);
  EXPECT_NE(rtf.find("\\paperw11906\\paperh16838\\margl580"), std::string::npos);
  EXPECT_EQ(rtf.find("\\landscape"), std::string::npos);
  // 11906 - 1160 = 10746 twips in three equal columns.
  EXPECT_NE(rtf.find("\\cellx3582"), std::string::npos);
  EXPECT_NE(rtf.find("\\cellx7164"), std::string::npos);
  EXPECT_NE(rtf.find("\\cellx10746"), std::string::npos);
}

// Every Windows-1251 character from 0x80 goes out as its own byte in hex,
// so a reader that takes \ansicpg1251 gets the same text back.
TEST(RtfWriter, EveryHighByteAsItsHexEscape) {
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    if (byte == 0x98) continue;  // no character in Windows-1251
    const std::string utf8 = Cp1251ToUtf8(std::string(1, static_cast<char>(byte)));
    char expected[8];
    std::snprintf(expected, sizeof expected, "\\'%02x", byte);
    EXPECT_EQ(RtfEscape(utf8), expected) << "byte " << byte;
  }
}

TEST(RtfWriter, PageSetupOnlyWhenAsked) {
  TReport report;
  report.orientation = TPageOrientation::Landscape;
  report.AddParagraph("x");
  report.AddTable({"a", "b"});
  const std::string with = RtfText(report);
  EXPECT_NE(with.find("\\landscape\\paperw16838\\paperh11906\\margl580\\margr580\\margt580\\margb580\n"),
            std::string::npos);
  report.pageSetup = false;
  const std::string without = RtfText(report);
  for (const char* word : {"\\landscape", "\\paperw", "\\paperh", "\\margl", "\\margr", "\\margt", "\\margb"}) {
    EXPECT_EQ(without.find(word), std::string::npos) << word;
  }
  // The header and the font stay; columns fill the reader's default portrait
  // text width (11906 - 2 x 1800 twips).
  EXPECT_EQ(without.rfind("{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\n"
                          "{\\fonttbl{\\f0\\fmodern\\fcharset204 Courier New;}}\n",
                          0),
            0u);
  EXPECT_NE(without.find("\\cellx8306"), std::string::npos);
}

class AtomicSave : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("lur-rtf-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::vector<fs::path> Files() const {
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(dir_)) files.push_back(e.path().filename());
    return files;
  }
  static TReport LongReport() {
    TReport report;
    report.title = "Дискретные выходы";
    auto& table = report.AddTable({"№", "Текст"});
    for (int i = 1; i <= 200; ++i) table.rows.push_back({std::to_string(i), "Выход " + std::to_string(i)});
    return report;
  }

  fs::path dir_;
};

TEST_F(AtomicSave, ReplacesTheChosenFile) {
  const fs::path file = dir_ / "report.rtf";
  std::ofstream(file) << "old report";
  const TReport report = LongReport();
  ASSERT_TRUE(SaveRtf(report, file.string()));
  EXPECT_EQ(Read(file), RtfText(report));
  EXPECT_EQ(Files(), std::vector<fs::path>{"report.rtf"});  // no temporary left beside it
}

TEST_F(AtomicSave, AFailedWriteLeavesTheOldFile) {
  const fs::path file = dir_ / "report.rtf";
  std::ofstream(file) << "old report";
  // A file size limit below the report's size: the write fails part-way,
  // as on a full disk.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 512;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string error;
  const bool saved_ok = WriteFileAtomically(file.string(), RtfText(LongReport()), &error);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);

  EXPECT_FALSE(saved_ok);
  EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
  EXPECT_EQ(Read(file), "old report");
  EXPECT_EQ(Files(), std::vector<fs::path>{"report.rtf"});
}

TEST_F(AtomicSave, AMissingFolderIsAFailure) {
  const fs::path file = dir_ / "no such folder" / "report.rtf";
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(file.string(), "x", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(fs::exists(file));
}

}  // namespace
}  // namespace lur
