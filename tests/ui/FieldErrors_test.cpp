#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ui/TScriptedUserInterface.h"
#include "ui/TTerminalUserInterface.h"

namespace lur {
namespace {

std::string Contents(std::FILE* f) {
  std::rewind(f);
  std::string s;
  for (int c; (c = std::fgetc(f)) != EOF;) s.push_back(static_cast<char>(c));
  return s;
}

// Without windows a field error is its text on a line of its own.
TEST(FieldErrors, TerminalPrintsTheText) {
  std::FILE* out = std::tmpfile();
  ASSERT_NE(out, nullptr);
  TTerminalUserInterface ui(out);
  ui.InputError("EditT");
  ui.InlineError("EditHour", "Вне диапазона 0 - 23");
  EXPECT_EQ(Contents(out), " Ошибка ввода \nВне диапазона 0 - 23\n");
  std::fclose(out);
}

// The scripted user keeps the two kinds apart, with field and text, and
// shows no box for them.
TEST(FieldErrors, ScriptedUserRecordsFieldAndText) {
  TScriptedUserInterface ui;
  TUserInterface& asSeenByAController = ui;
  asSeenByAController.InputError("EditT");
  asSeenByAController.InlineError("EditAdrUst", "Вне диапазона 1 - 10");
  EXPECT_EQ(ui.inputErrors, (std::vector<TFieldError>{{"EditT", " Ошибка ввода "}}));
  EXPECT_EQ(ui.inlineErrors, (std::vector<TFieldError>{{"EditAdrUst", "Вне диапазона 1 - 10"}}));
  EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace lur
