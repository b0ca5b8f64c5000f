// lurctl's file commands end to end: new, dump and diff as programs, with
// their exit codes and the system's messages on stderr. None of them opens
// a port.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "Processes.h"

namespace lur {
namespace {

namespace fs = std::filesystem;
using test::BuiltProgram;
using test::RunCommand;
using test::TempDir;

struct Lurctl {
  // A port that does not exist: a command that tried to open it would fail.
  int Run(std::vector<std::string> args) {
    std::vector<std::string> argv = {BuiltProgram("cli/lurctl"), "--port", "/nonexistent/ttyLUR"};
    argv.insert(argv.end(), args.begin(), args.end());
    out.clear();
    err.clear();
    return RunCommand(argv, &out, &err);
  }
  std::string out, err;
};

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class CliFiles : public ::testing::Test {
 protected:
  TempDir dir_;
  Lurctl lurctl_;
};

TEST_F(CliFiles, NewCreatesTheLayoutOfItsBlockCount) {
  ASSERT_EQ(lurctl_.Run({"new", "--modules", "713", "--display", "0", "-o", dir_.File("conf")}), 0)
      << lurctl_.err;
  EXPECT_TRUE(Has(lurctl_.err, "Создан файл конфигурации " + dir_.File("conf.lur")));
  EXPECT_EQ(fs::file_size(dir_.File("conf.lur")), 35437u);

  ASSERT_EQ(
      lurctl_.Run({"new", "--modules", "1863", "--display", "1", "--fb", "60", "-o", dir_.File("s.lur")}), 0);
  EXPECT_EQ(fs::file_size(dir_.File("s.lur")), 17955u);
  EXPECT_TRUE(Has(lurctl_.err, "Файл создан на 60 ФБ"));
}

struct Refusal {
  std::vector<std::string> args;
  int code;
  std::vector<std::string> messages;
};

TEST_F(CliFiles, NewRefusesWhatTheDialogRefuses) {
  const std::vector<Refusal> cases = {
      {{"--modules", "333333", "--display", "0"},
       1,
       {"Ошибка создания конфигурации  Закончить?", "ошибка ввода конфигурации"}},
      {{"--modules", "EE", "--display", "0"}, 1, {"ошибка ввода конфигурации"}},
      {{"--modules", "1B", "--display", "0"}, 1, {" Ошибка ввода "}},
      {{"--modules", "1", "--display", "7"}, 2, {"lurctl: new takes"}},
      {{"--modules", "1", "--display", "0", "--fb", "40"}, 2, {"lurctl: new takes"}},
      {{"--display", "0"}, 2, {"lurctl: new takes"}},
  };
  for (const auto& k : cases) {
    std::vector<std::string> args = {"new"};
    args.insert(args.end(), k.args.begin(), k.args.end());
    args.insert(args.end(), {"-o", dir_.File("refused.lur")});
    EXPECT_EQ(lurctl_.Run(args), k.code) << k.args[1];
    for (const auto& m : k.messages) EXPECT_TRUE(Has(lurctl_.err, m)) << m << " in " << lurctl_.err;
    EXPECT_FALSE(fs::exists(dir_.File("refused.lur")));
  }
  // A name with another extension is refused once, not asked for again.
  EXPECT_EQ(lurctl_.Run({"new", "--modules", "1", "--display", "0", "-o", dir_.File("conf.txt")}), 1);
  EXPECT_TRUE(Has(lurctl_.err, "Неверно задано имя файла"));
  EXPECT_FALSE(fs::exists(dir_.File("conf.txt")));
}

TEST_F(CliFiles, DumpShowsTheMainWindowsViewAndEveryTable) {
  ASSERT_EQ(lurctl_.Run({"new", "--modules", "713", "--display", "0", "-o", dir_.File("conf.lur")}), 0);
  ASSERT_EQ(lurctl_.Run({"dump", dir_.File("conf.lur")}), 0) << lurctl_.err;
  EXPECT_TRUE(Has(lurctl_.out, "Исполнение 17300000\n"));
  EXPECT_TRUE(Has(lurctl_.out, "ЛУР-05-4A 1730\n"));
  EXPECT_TRUE(Has(lurctl_.out, "  1  7  ЮНАК-3"));
  EXPECT_TRUE(Has(lurctl_.out, "Количество дискретных выходов 8\n"));

  ASSERT_EQ(lurctl_.Run({"dump", dir_.File("conf.lur"), "--json"}), 0);
  const std::string json = lurctl_.out;
  EXPECT_TRUE(Has(json, "\"modules\": \"17300000\""));
  EXPECT_TRUE(Has(json, "\"tag\": \"поз.7101\""));
  EXPECT_TRUE(Has(json, "\"text\": \"Дискр.сигн.001\""));
  ASSERT_EQ(lurctl_.Run({"dump", "--json", dir_.File("conf.lur")}), 0);
  EXPECT_EQ(lurctl_.out, json) << "a dump is stable";

  std::ofstream(dir_.File("junk.lur")) << "not a configuration";
  EXPECT_EQ(lurctl_.Run({"dump", dir_.File("junk.lur")}), 1);
  EXPECT_TRUE(Has(lurctl_.err, "Файл не опознан"));
  EXPECT_EQ(lurctl_.Run({"dump", dir_.File("missing.lur")}), 1);
  EXPECT_TRUE(Has(lurctl_.err, "Файл не удается открыть"));
}

TEST_F(CliFiles, DiffNamesTableRecordAndField) {
  ASSERT_EQ(lurctl_.Run({"new", "--modules", "713", "--display", "0", "-o", dir_.File("a.lur")}), 0);
  fs::copy_file(dir_.File("a.lur"), dir_.File("b.lur"));
  EXPECT_EQ(lurctl_.Run({"diff", dir_.File("a.lur"), dir_.File("b.lur")}), 0);
  EXPECT_EQ(lurctl_.out, "");

  // Signal 5 of the new base is delayed 5 s (byte 6 of its record: 0x85);
  // make it 7 s.
  {
    std::fstream f(dir_.File("b.lur"), std::ios::in | std::ios::out | std::ios::binary);
    const std::streamoff at = 1764 + 4 * 8 + 6;
    f.seekg(at);
    ASSERT_EQ(f.get(), 0x85);
    f.seekp(at);
    f.put(static_cast<char>(0x87));
  }
  EXPECT_EQ(lurctl_.Run({"diff", dir_.File("a.lur"), dir_.File("b.lur")}), 1);
  EXPECT_EQ(lurctl_.out, "discrete signals, signal 5, TimeZ: 5 -> 7\n1 difference\n");

  EXPECT_EQ(lurctl_.Run({"diff", dir_.File("a.lur"), dir_.File("missing.lur")}), 2);
  EXPECT_EQ(lurctl_.Run({"diff", dir_.File("a.lur")}), 2);
}

}  // namespace
}  // namespace lur
