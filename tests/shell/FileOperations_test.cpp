#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "shell/ConfigFileSamples.h"
#include "shell/TFileOperations.h"
#include "shell/TMainState.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

class FileOperations : public ::testing::Test {
 protected:
  FileOperations() {
    std::string pattern = (fs::temp_directory_path() / "lur-files-XXXXXX").string();
    dir_ = ::mkdtemp(pattern.data());
    refreshView_ = [this] { ++views_; };
    refreshUnits_ = [this] { ++units_; };
    // The open configuration: modules 1, 7, 3, unsaved changes.
    TScriptedUserInterface quiet;
    EXPECT_TRUE(LoadConfigFile(*config_, test::SampleFile(120), quiet));
    config_->Serv.Modified = 1;
    config_->Lur.DiskrModified = 1;
  }
  ~FileOperations() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (fs::path(dir_) / name).string(); }
  std::vector<std::string> DirEntries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string dir_;
  std::unique_ptr<TConfiguration> config_ = test::NewConfiguration();
  TScriptedUserInterface ui_;
  TMainState state_;
  int views_ = 0, units_ = 0;
  std::function<void()> refreshView_, refreshUnits_;
  TFileOperations files_{*config_, ui_, state_, refreshView_, refreshUnits_};
};

// ---- saving --------------------------------------------------------------------

TEST_F(FileOperations, SavingAppendsTheExtensionAndWritesTheWholeLayout) {
  state_.fileName = "last.lur";
  ui_.files = {Path("conf")};
  ASSERT_TRUE(files_.SaveFileClick());
  ASSERT_EQ(ui_.fileDialogs.size(), 1u);
  EXPECT_TRUE(ui_.fileDialogs[0].save);
  EXPECT_EQ(ui_.fileDialogs[0].filter, "Файлы типа .lur|*.lur|Все файлы|*.*");
  EXPECT_EQ(ui_.fileDialogs[0].defaultSuffix, "lur");
  EXPECT_EQ(ui_.fileDialogs[0].initialPath, "last.lur");
  EXPECT_TRUE(ui_.shown.empty());
  EXPECT_EQ(DirEntries(), std::vector<std::string>{"conf.lur"});
  EXPECT_TRUE(test::ReadBytes(Path("conf.lur")) == BuildConfigFile(*config_));
  EXPECT_EQ(fs::file_size(Path("conf.lur")), 35437u);
  EXPECT_EQ(config_->Serv.Modified, 0);
  EXPECT_EQ(config_->Lur.DiskrModified, 0);
  EXPECT_EQ(state_.fileName, Path("conf.lur"));
}

TEST_F(FileOperations, AnotherExtensionIsRefusedAndTheNameAskedAgain) {
  ui_.files = {Path("conf.txt"), Path("conf.LUR"), Path("good.lur")};
  ASSERT_TRUE(files_.SaveFileClick());
  ASSERT_EQ(ui_.shown.size(), 2u);
  for (const auto& box : ui_.shown) {
    EXPECT_EQ(box.text, "Неверно задано имя файла");
    EXPECT_EQ(box.caption, "Cохранение данных в файл");
    EXPECT_EQ(box.caption.substr(0, 1), "C") << "the caption begins with a Latin C";
    EXPECT_EQ(box.icon, MsgIcon::Warning);
  }
  EXPECT_EQ(DirEntries(), std::vector<std::string>{"good.lur"});
}

TEST_F(FileOperations, CancelWritesNothing) {
  EXPECT_FALSE(files_.SaveFileClick());
  EXPECT_TRUE(DirEntries().empty());
  EXPECT_EQ(config_->Serv.Modified, 1);
}

// What happens when the chosen name exists, by what the file holds and what
// the user answers.
struct ExistingCase {
  const char* name;
  Bytes content;  // empty vector: the 120-block file of the same modules
  std::vector<MsgAnswer> answers;
  std::vector<std::string> questions;
  bool written;
  int dialogs;
};

Bytes OtherModules() { return test::SampleFile(120, {3, 1, 6, 3, 0, 0, 0, 0, 0, 0, 0, 8, 36, 6, 0}); }

class SaveOverExisting : public FileOperations, public ::testing::WithParamInterface<ExistingCase> {};

TEST_P(SaveOverExisting, AsksAndKeepsTheFileUnlessAllowed) {
  const ExistingCase& k = GetParam();
  const std::string path = Path("conf.lur");
  const Bytes old = k.content.empty() && std::string(k.name) != "empty"
                        ? test::SampleFile(120, test::kIdentity173, 5)
                        : k.content;
  test::WriteBytes(path, old);
  config_->FB.CapFB = 60;
  ui_.files = {path};  // a second dialog is cancelled
  ui_.answers = {k.answers.begin(), k.answers.end()};
  EXPECT_EQ(files_.SaveFileClick(), k.written);
  EXPECT_EQ(ui_.Texts(), k.questions);
  for (const auto& box : ui_.shown) {
    EXPECT_EQ(box.buttons, MsgButtons::YesNo);
    EXPECT_EQ(box.icon, MsgIcon::Question);
  }
  EXPECT_EQ(static_cast<int>(ui_.fileDialogs.size()), k.dialogs);
  const Bytes now = test::ReadBytes(path);
  if (k.written) {
    // A 60-block configuration over a 120-block file: the file ends with it.
    EXPECT_EQ(now.size(), 17955u);
    EXPECT_TRUE(now == BuildConfigFile(*config_));
  } else {
    EXPECT_TRUE(now == old);
  }
  EXPECT_EQ(DirEntries(), std::vector<std::string>{"conf.lur"});
}

const char* const kReplace = "Файл с таким именем существует.\nЗаменить?";
const char* const kMismatch =
    "Передаваемая конфигурация\nне соответствует конфигурации в файле.\nСохранить в другом файле";

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveOverExisting,
    ::testing::Values(
        ExistingCase{"same_modules_replaced", {}, {MsgAnswer::Yes}, {kReplace}, true, 1},
        ExistingCase{"no_asks_again", {}, {MsgAnswer::No}, {kReplace}, false, 2},
        ExistingCase{"other_modules_choose_again",
                     OtherModules(),
                     {MsgAnswer::Yes, MsgAnswer::Yes},
                     {kReplace, kMismatch},
                     false,
                     2},
        ExistingCase{"other_modules_end",
                     OtherModules(),
                     {MsgAnswer::Yes, MsgAnswer::No},
                     {kReplace, kMismatch},
                     false,
                     1},
        ExistingCase{
            "short_file", {0, 3, 1, 7, 3}, {MsgAnswer::Yes, MsgAnswer::No}, {kReplace, kMismatch}, false, 1},
        ExistingCase{"empty", {}, {MsgAnswer::Yes, MsgAnswer::No}, {kReplace, kMismatch}, false, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileOperations, ReplacedFileOpensAsSixtyBlocks) {
  const std::string path = Path("conf.lur");
  test::WriteBytes(path, test::SampleFile(120));
  config_->FB.CapFB = 60;
  ui_.files = {path};
  ui_.answers = {MsgAnswer::Yes};
  ASSERT_TRUE(files_.SaveFileClick());
  ui_.shown.clear();
  config_->FB.CapFB = 120;
  ASSERT_TRUE(files_.OpenFile(path));
  EXPECT_EQ(ui_.Texts(), std::vector<std::string>{"Файл создан на 60 ФБ"});
  EXPECT_EQ(config_->FB.CapFB, 60);
}

TEST_F(FileOperations, FailedWriteLeavesTheOldFileAndSaysSo) {
  const std::string path = Path("conf.lur");
  const Bytes old = test::SampleFile(120, test::kIdentity173, 5);
  test::WriteBytes(path, old);
  ui_.files = {path};
  ui_.answers = {MsgAnswer::Yes};

  // A file size limit below the layout makes the write itself fail.
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 20000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = files_.SaveFileClick();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  EXPECT_FALSE(written);
  ASSERT_EQ(ui_.shown.size(), 2u);
  EXPECT_EQ(ui_.shown[1].text, "Файл не удается записать\n" + path);
  EXPECT_EQ(ui_.shown[1].icon, MsgIcon::Warning);
  EXPECT_TRUE(test::ReadBytes(path) == old);
  EXPECT_EQ(DirEntries(), std::vector<std::string>{"conf.lur"}) << "no temporary file is left";
  EXPECT_EQ(config_->Serv.Modified, 1);
}

TEST_F(FileOperations, FileInAMissingFolderCannotBeCreated) {
  ui_.files = {Path("missing/conf.lur")};
  EXPECT_FALSE(files_.SaveFileClick());
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, "Файл  не удается создать");
  EXPECT_EQ(ui_.shown[0].caption, "Создание файла");
  EXPECT_EQ(ui_.shown[0].icon, MsgIcon::Warning);
  EXPECT_EQ(config_->Serv.Modified, 1);
}

TEST_F(FileOperations, SavingThroughALinkReplacesItsTarget) {
  test::WriteBytes(Path("real.lur"), test::SampleFile(120, test::kIdentity173, 5));
  fs::create_symlink(Path("real.lur"), Path("link.lur"));
  ui_.files = {Path("link.lur")};
  ui_.answers = {MsgAnswer::Yes};
  ASSERT_TRUE(files_.SaveFileClick());
  EXPECT_TRUE(fs::is_symlink(Path("link.lur")));
  EXPECT_TRUE(test::ReadBytes(Path("real.lur")) == BuildConfigFile(*config_));
}

// ---- opening ---------------------------------------------------------------------

TEST_F(FileOperations, OpeningStartsFileMode) {
  const std::string path = Path("other.lur");
  const Bytes file = test::SampleFile(120, {2, 10, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 36, 6, 2}, 11);
  test::WriteBytes(path, file);
  state_.fileName = "last.lur";
  ui_.files = {path};
  ASSERT_TRUE(files_.OpenFileClick());
  ASSERT_EQ(ui_.fileDialogs.size(), 1u);
  EXPECT_FALSE(ui_.fileDialogs[0].save);
  EXPECT_EQ(ui_.fileDialogs[0].title, "Открытие файла конфигурации");
  EXPECT_EQ(ui_.fileDialogs[0].filter, "Файлы типа .lur|*.lur|Все файлы|*.*");
  EXPECT_EQ(ui_.fileDialogs[0].initialPath, "last.lur");
  EXPECT_TRUE(ui_.shown.empty());
  EXPECT_TRUE(BuildConfigFile(*config_) == file);
  EXPECT_EQ(state_.editModif, "A6000000");
  EXPECT_EQ(state_.tipModInd, "ЖКД(640х480)");
  EXPECT_TRUE(state_.labelFileVisible);
  EXPECT_EQ(state_.labelFile, "Режим работы с файлом " + fs::absolute(path).string());
  EXPECT_EQ(state_.fileName, path);
  for (const auto c : EditorButtons()) EXPECT_TRUE(state_.IsEnabled(c)) << ControlName(c);
  EXPECT_TRUE(state_.IsEnabled(TForm1Control::GBoxRazm));
  EXPECT_EQ(views_, 1);
  EXPECT_EQ(units_, 1);
  EXPECT_EQ(config_->Serv.FileMode, 1);
  EXPECT_EQ(config_->Serv.Modified, 0);
}

TEST_F(FileOperations, NewConfigurationsFileOpensWithoutADialog) {
  const std::string path = Path("new.lur");
  test::WriteBytes(path, test::SampleFile(120, test::kIdentity173, 4));
  state_.fileName = path;
  config_->Serv.StateFlags[0] = 1;
  ASSERT_TRUE(files_.OpenFileClick());
  EXPECT_TRUE(ui_.fileDialogs.empty());
  EXPECT_EQ(config_->Serv.StateFlags[0], 0);
}

// Every failure leaves the open configuration and the window as they were,
// and the next F3 asks for a file again.
struct OpenFailure {
  const char* name;
  int kind;  // 0 missing, 1 folder, 2 wrong size, 3 cancelled
  const char* message;
  const char* caption;
};

class OpenFailures : public FileOperations, public ::testing::WithParamInterface<OpenFailure> {};

TEST_P(OpenFailures, LeaveEverythingAsItWas) {
  const OpenFailure& k = GetParam();
  const Bytes before = BuildConfigFile(*config_);
  std::string path = Path("x.lur");
  if (k.kind == 1) fs::create_directory(path);
  if (k.kind == 2) test::WriteBytes(path, Bytes(20000, 1));
  if (k.kind != 3) ui_.files = {path};
  config_->Serv.StateFlags[0] = 0;
  EXPECT_FALSE(files_.OpenFileClick());
  if (k.message) {
    ASSERT_EQ(ui_.shown.size(), 1u);
    EXPECT_EQ(ui_.shown[0].text, k.message);
    EXPECT_EQ(ui_.shown[0].caption, k.caption);
  } else {
    EXPECT_TRUE(ui_.shown.empty());
  }
  EXPECT_TRUE(BuildConfigFile(*config_) == before);
  EXPECT_EQ(config_->Serv.FileMode, 0);
  EXPECT_EQ(config_->Serv.Modified, 1);
  EXPECT_EQ(config_->Serv.StateFlags[0], 0);
  EXPECT_FALSE(state_.labelFileVisible);
  EXPECT_EQ(views_, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpenFailures,
    ::testing::Values(OpenFailure{"missing", 0, "Файл не удается открыть", "Открытие файла"},
                      OpenFailure{"folder", 1, "Файл не удается открыть", "Открытие файла"},
                      OpenFailure{"wrong_size", 2, "Файл не опознан", "Предупреждение"},
                      OpenFailure{"cancelled", 3, nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileOperations, ARefusedNewFileDoesNotSkipTheNextDialog) {
  state_.fileName = Path("gone.lur");
  config_->Serv.StateFlags[0] = 1;
  EXPECT_FALSE(files_.OpenFileClick());
  EXPECT_EQ(config_->Serv.StateFlags[0], 0);
  ui_.files = {std::nullopt};
  EXPECT_FALSE(files_.OpenFileClick());
  EXPECT_EQ(ui_.fileDialogs.size(), 1u);
}

}  // namespace
}  // namespace lur
