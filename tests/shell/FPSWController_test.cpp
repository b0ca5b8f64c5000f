#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/TProgLurClass.h"
#include "shell/TFPSWController.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

namespace fs = std::filesystem;

// A user who types one text per showing and presses Enter.
struct TypedEntries : TPasswordDialog {
  std::deque<std::string> entries;
  std::vector<bool> labelShown;
  int ShowModal(TFPSWController& form) override {
    labelShown.push_back(form.label1Visible);
    form.text = entries.empty() ? std::string() : entries.front();
    if (!entries.empty()) entries.pop_front();
    form.FormClose();
    return kModalOk;
  }
};

struct PasswordFixture : ::testing::Test {
  fs::path dir =
      fs::temp_directory_path() / ("lurprog-psw-" + std::to_string(::getpid()) + "-" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::string file = (dir / "lurprog" / "FParol.dat").string();
  std::unique_ptr<TProgLurClass> lur = std::make_unique<TProgLurClass>();
  TScriptedUserInterface ui;
  TypedEntries dialog;
  TFPSWController form{*lur, ui, file};

  ~PasswordFixture() override { fs::remove_all(dir); }
  void PutFile(std::vector<std::uint8_t> bytes) {
    fs::create_directories(fs::path(file).parent_path());
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  std::vector<std::uint8_t> FileBytes() const {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
};

TEST_F(PasswordFixture, StartupWithoutPasswordFile) {
  const struct {
    const char* typed;
    int fullAccess;
  } cases[] = {{"9362", 1}, {"", 0}};
  for (const auto& c : cases) {
    dialog.entries = {c.typed};
    lur->FullAccess = 1 - c.fullAccess;
    EXPECT_TRUE(form.StartupCheck(dialog)) << c.typed;
    EXPECT_EQ(lur->FullAccess, c.fullAccess) << c.typed;
  }
  EXPECT_TRUE(ui.shown.empty());

  // Any other number is refused; Retry asks again.
  dialog.entries = {"1234", "09362", "9362"};
  ui.answers = {MsgAnswer::Retry, MsgAnswer::Retry};
  EXPECT_TRUE(form.StartupCheck(dialog));
  EXPECT_EQ(lur->FullAccess, 1);
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text, "Введенный пароль неверен");
  EXPECT_EQ(ui.shown[0].caption, "Ошибка");
  EXPECT_EQ(ui.shown[0].icon, MsgIcon::Error);
  EXPECT_EQ(ui.shown[0].buttons, MsgButtons::RetryCancel);

  // Cancel ends the program.
  dialog.entries = {"1"};
  ui.answers = {MsgAnswer::Cancel};
  EXPECT_FALSE(form.StartupCheck(dialog));
  EXPECT_EQ(lur->FullAccess, 0);
}

TEST_F(PasswordFixture, StartupWithPasswordFile) {
  PutFile({0x67, 0x12});  // 4711
  dialog.entries = {"4711"};
  EXPECT_TRUE(form.StartupCheck(dialog));
  EXPECT_EQ(lur->FullAccess, 1);

  // The built-in password no longer opens, nor the number with a leading zero.
  dialog.entries = {"9362", "04711", ""};
  ui.answers = {MsgAnswer::Retry, MsgAnswer::Retry};
  EXPECT_TRUE(form.StartupCheck(dialog));
  EXPECT_EQ(lur->FullAccess, 0);
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Введенный пароль неверен", "Введенный пароль неверен"}));

  // A file shorter than 2 bytes is no file: the built-in password applies.
  PutFile({0x67});
  dialog.entries = {"9362"};
  EXPECT_TRUE(form.StartupCheck(dialog));
  EXPECT_EQ(lur->FullAccess, 1);
}

TEST_F(PasswordFixture, AnyKeyButDigitsAndEditingEmptiesTheField) {
  form.text = "12";
  EXPECT_EQ(form.Edit1KeyDown(TPasswordKey::Digit), TKeyVerdict::Pass);
  EXPECT_EQ(form.Edit1KeyDown(TPasswordKey::Editing), TKeyVerdict::Pass);
  EXPECT_EQ(form.Edit1KeyDown(TPasswordKey::Enter), TKeyVerdict::Close);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(form.Edit1KeyDown(TPasswordKey::Other), TKeyVerdict::Refused);
  EXPECT_EQ(form.text, "");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Пароль - цифровой");

  for (const char* ok : {"", "0", "65535", "99999"}) EXPECT_TRUE(TFPSWController::IsFieldText(ok)) << ok;
  for (const char* bad : {"123456", "12a", "1 2", "-1", "1.5", "٣"})
    EXPECT_FALSE(TFPSWController::IsFieldText(bad)) << bad;
}

TEST_F(PasswordFixture, ChangingThePasswordNeedsFullAccess) {
  lur->FullAccess = 0;
  form.N1ParolClick(dialog);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Ваш уровень доступа не позволяет\nменять пароль");
  EXPECT_EQ(ui.shown[0].caption, "Предупреждение");
  EXPECT_TRUE(dialog.labelShown.empty());
  EXPECT_FALSE(fs::exists(file));
}

TEST_F(PasswordFixture, ANewPasswordIsWrittenAndOpensTheNextStart) {
  lur->FullAccess = 1;
  ui.answers = {MsgAnswer::No};
  form.N1ParolClick(dialog);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Будете менять пароль?"});
  EXPECT_EQ(ui.shown[0].caption, "Подтвердите замену пароля");
  EXPECT_TRUE(dialog.labelShown.empty());

  ui.shown.clear();
  ui.answers = {MsgAnswer::Yes};
  dialog.entries = {"4711"};
  form.N1ParolClick(dialog);
  EXPECT_EQ(dialog.labelShown, std::vector<bool>{true});
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Будете менять пароль?", "Пароль заменен!"}));
  EXPECT_EQ(FileBytes(), (std::vector<std::uint8_t>{0x67, 0x12}));
  EXPECT_EQ(lur->PswChange, 0);
  EXPECT_EQ(lur->FullAccess, 1);  // the running program keeps its level
  EXPECT_FALSE(form.label1Visible);
  // Nothing is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(file).parent_path()), fs::directory_iterator{}), 1);

  dialog.entries = {"4711"};
  EXPECT_TRUE(form.StartupCheck(dialog));
  EXPECT_EQ(lur->FullAccess, 1);
}

TEST_F(PasswordFixture, RefusedNewPasswordsWriteNothing) {
  PutFile({0x67, 0x12});
  lur->FullAccess = 1;
  const struct {
    const char* typed;
    const char* message;
  } cases[] = {
      {"", "Будьте внимательнее при вводе"},
      {"65536", "Введите число не более 65535"},
      {"99999", "Введите число не более 65535"},
      {"0123", "Пароль не может начинаться с нуля"},
  };
  for (const auto& c : cases) {
    ui.shown.clear();
    ui.answers = {MsgAnswer::Yes};
    dialog.entries = {c.typed};
    form.N1ParolClick(dialog);
    EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Будете менять пароль?", c.message, "Пароль не заменен"}))
        << c.typed;
    EXPECT_EQ(FileBytes(), (std::vector<std::uint8_t>{0x67, 0x12})) << c.typed;
  }

  // The extremes are fine: 0 and 65535.
  for (const auto& [typed, bytes] : {std::pair{"0", std::vector<std::uint8_t>{0, 0}},
                                     std::pair{"65535", std::vector<std::uint8_t>{0xFF, 0xFF}}}) {
    ui.answers = {MsgAnswer::Yes};
    dialog.entries = {typed};
    form.N1ParolClick(dialog);
    EXPECT_EQ(FileBytes(), bytes) << typed;
  }
}

TEST_F(PasswordFixture, AFileThatCannotBeCreatedIsReported) {
  // The folder's place is taken by a plain file.
  fs::create_directories(dir);
  std::ofstream(dir / "lurprog") << "x";
  lur->FullAccess = 1;
  ui.answers = {MsgAnswer::Yes};
  dialog.entries = {"4711"};
  form.N1ParolClick(dialog);
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Будете менять пароль?", "Файл не удается создать"}));
  EXPECT_EQ(lur->PswChange, 1);
  EXPECT_FALSE(WritePasswordFile(file, 1));
}

}  // namespace
}  // namespace lur
