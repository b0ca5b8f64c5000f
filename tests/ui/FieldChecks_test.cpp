#include "ui/FieldChecks.h"

#include <gtest/gtest.h>

#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

struct IntFieldCase {
  const char* text;
  int lo, hi;
  TRangeWording wording;
  const char* error;  // "" when the field is good
};

const IntFieldCase kIntFields[] = {
    {"23", 0, 23, TRangeWording::Short, ""},
    {"24", 0, 23, TRangeWording::Short, "Вне диапазона 0 - 23"},  // an alarm hour of 24
    {"0", 1, 10, TRangeWording::Short, "Вне диапазона 1 - 10"},   // a set-point address of 0
    {"", 0, 120, TRangeWording::Short, " Ошибка ввода "},
    {"1x", 0, 120, TRangeWording::Long, " Ошибка ввода "},
    {"121", 0, 120, TRangeWording::Long, "Величина вне диапазона 0 - 120"},
    {"9999999999", 1, 31, TRangeWording::Long, "Величина вне диапазона 1 - 31"},
};

TEST(FieldChecks, IntegerFieldTexts) {
  for (const IntFieldCase& c : kIntFields) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(IntFieldErrorText(c.text, c.lo, c.hi, c.wording), c.error);
  }
}

struct RealFieldCase {
  std::string text;
  double lo, hi;
  const char* error;
};

const RealFieldCase kRealFields[] = {
    {"40000", -32767, 32767, "Величина вне диапазона -32767 - 32767"},
    {"-12,5", -32767, 32767, ""},
    {"0,05", 0.1, 1000, "Величина вне диапазона 0.1 - 1000"},
    {"1000", 0.1, 1000, ""},
    {"", 0, 100, " Ошибка ввода "},
    {"1,2,3", 0, 100, " Ошибка ввода "},
    {"1б5", 0, 100, " Ошибка ввода "},
    {std::string(400, '9'), 0, 100, "Величина вне диапазона 0 - 100"},
};

TEST(FieldChecks, RealFieldTexts) {
  for (const RealFieldCase& c : kRealFields) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(RealFieldErrorText(c.text, c.lo, c.hi, TRangeWording::Long), c.error);
  }
}

TEST(FieldChecks, ReadingReportsAtTheFieldTheWayAsked) {
  TScriptedUserInterface ui;
  EXPECT_EQ(ReadIntField(ui, "EditHour", "7", 0, 23), 7);
  EXPECT_EQ(ReadIntField(ui, "EditHour", "24", 0, 23, {TRangeWording::Short, TFieldReport::Inline}), std::nullopt);
  EXPECT_EQ(ReadRealField(ui, "EditKp", "2,5", 0.1, 1000), 2.5);
  EXPECT_EQ(ReadRealField(ui, "SP", "150", 0, 100, {TRangeWording::Long, TFieldReport::Box}), std::nullopt);
  EXPECT_EQ(ui.inlineErrors, (std::vector<TFieldError>{{"EditHour", "Вне диапазона 0 - 23"}}));
  EXPECT_EQ(ui.inputErrors, (std::vector<TFieldError>{{"SP", "Величина вне диапазона 0 - 100"}}));
  EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace lur
