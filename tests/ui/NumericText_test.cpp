#include "ui/NumericText.h"

#include <gtest/gtest.h>

#include <climits>

#include "ui/RangeMessages.h"

namespace lur {
namespace {

using E = TFieldTextError;

struct NumericCase {
  const char* text;
  int kind;
  E error;
  double value;  // checked when there is a number
};

const NumericCase kNumeric[] = {
    {"", 0, E::Empty, 0},
    {"   ", 0, E::Empty, 0},
    {"12", 0, E::None, 12},
    {" -12,5 ", 1, E::None, -12.5},
    {",5", 2, E::None, 0.5},
    {"-32767", 0, E::None, -32767},
    {"32767", 2, E::None, 32767},
    {"32767,5", 2, E::OutOfRange, 32767.5},
    {"-32768", 1, E::OutOfRange, -32768},
    {"40000", 0, E::OutOfRange, 40000},
    {"99999999999999999999", 0, E::OutOfRange, 1e20},
    {"1,2,3", 0, E::BadForm, 0},
    {"1,", 0, E::BadForm, 0},
    {",", 0, E::BadForm, 0},
    {"?", 0, E::BadForm, 0},
    {"1?5", 3, E::BadForm, 0},
    {"1б5", 0, E::BadForm, 0},
    {"1Б5", 0, E::BadForm, 0},
    {"--5", 0, E::BadForm, 0},
    {"5-", 0, E::BadForm, 0},
    {"1-2", 0, E::BadForm, 0},
    {"-", 0, E::BadForm, 0},
    {"1.5", 0, E::BadForm, 0},  // the separator is the comma
    {"1e5", 0, E::BadForm, 0},
    {"12 3", 0, E::BadForm, 0},
    // Kind 5: 0..3.
    {"3", 5, E::None, 3},
    {"0", 5, E::None, 0},
    {"4", 5, E::OutOfRange, 4},
    {"-1", 5, E::OutOfRange, -1},
    // Other kinds: the form only.
    {"123456", 3, E::None, 123456},
    {"-0,001", 4, E::None, -0.001},
};

TEST(NumericText, CheckByTable) {
  for (const NumericCase& c : kNumeric) {
    SCOPED_TRACE(std::string(c.text) + " kind " + std::to_string(c.kind));
    const TNumericText r = CheckNumericText(c.text, c.kind);
    EXPECT_EQ(r.error, c.error);
    if (r.error == E::None || r.error == E::OutOfRange) {
      EXPECT_DOUBLE_EQ(r.value, c.value);
    }
  }
}

TEST(NumericText, TooManyDigitsForADoubleAreOutOfRange) {
  const std::string huge(400, '9');
  EXPECT_EQ(CheckNumericText(huge, 0).error, E::OutOfRange);
  EXPECT_EQ(CheckNumericText(huge, 3).error, E::OutOfRange);  // no range, still no number
  EXPECT_EQ(CheckNumericText("-" + huge, 4).error, E::OutOfRange);
}

struct IntCase {
  const char* text;
  int lo, hi, base;
  E error;
  int value;
};

const IntCase kInts[] = {
    {"00", 0, 120, 10, E::None, 0},
    {"120", 0, 120, 10, E::None, 120},
    {"121", 0, 120, 10, E::OutOfRange, 0},
    {"-1", 0, 120, 10, E::OutOfRange, 0},
    {" 7 ", 1, 10, 10, E::None, 7},
    {"", 1, 10, 10, E::Empty, 0},
    {"-", 1, 10, 10, E::BadForm, 0},
    {"1a", 0, 100, 10, E::BadForm, 0},
    {"+5", 0, 100, 10, E::BadForm, 0},
    // Ten digits: beyond any int, out of range rather than wrapped.
    {"4294967297", INT_MIN, INT_MAX, 10, E::OutOfRange, 0},  // 2^32 + 1 would wrap to 1
    {"9999999999", 1, 192, 10, E::OutOfRange, 0},
    {"2147483647", INT_MIN, INT_MAX, 10, E::None, INT_MAX},
    {"2147483648", INT_MIN, INT_MAX, 10, E::OutOfRange, 0},
    {"-2147483648", INT_MIN, INT_MAX, 10, E::None, INT_MIN},
    {"-2147483649", INT_MIN, INT_MAX, 10, E::OutOfRange, 0},
    {"00000000000000000000000000000042", 0, 100, 10, E::None, 42},
    {"99999999999999999999999999999999", 0, 100, 10, E::OutOfRange, 0},
    {"9999999999999999999999999999999x", 0, 100, 10, E::BadForm, 0},
    // Hexadecimal fields.
    {"FF", 0, 0xFFFF, 16, E::None, 255},
    {"abCD", 0, 0xFFFF, 16, E::None, 0xABCD},
    {"10000", 0, 0xFFFF, 16, E::OutOfRange, 0},
    {"FG", 0, 0xFFFF, 16, E::BadForm, 0},
    {"100000000", 0, INT_MAX, 16, E::OutOfRange, 0},  // 2^32 would wrap to 0
};

TEST(NumericText, IntegersByTable) {
  for (const IntCase& c : kInts) {
    SCOPED_TRACE(std::string(c.text) + " base " + std::to_string(c.base));
    const TIntText r = ParseIntText(c.text, c.lo, c.hi, c.base);
    EXPECT_EQ(r.error, c.error);
    if (c.error == E::None) {
      EXPECT_EQ(r.value, c.value);
    }
  }
}

TEST(RangeMessages, FilledAsPercentG) {
  EXPECT_EQ(RangeMessage(-32767, 32767), "Величина вне диапазона -32767 - 32767");
  EXPECT_EQ(RangeMessage(0.1, 1000), "Величина вне диапазона 0.1 - 1000");
  EXPECT_EQ(RangeMessage(0.1, 10000), "Величина вне диапазона 0.1 - 10000");
  EXPECT_EQ(ShortRangeMessage(0, 23), "Вне диапазона 0 - 23");
  EXPECT_EQ(ShortRangeMessage(1, 10), "Вне диапазона 1 - 10");
  // Six significant digits, exponents as %g writes them.
  EXPECT_EQ(GText(1000000), "1e+06");
  EXPECT_EQ(GText(123456.7), "123457");
  EXPECT_EQ(GText(0.0001), "0.0001");
  EXPECT_EQ(GText(0.00001), "1e-05");
  EXPECT_EQ(GText(-2.5), "-2.5");
}

}  // namespace
}  // namespace lur
