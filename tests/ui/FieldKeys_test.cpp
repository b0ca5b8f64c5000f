#include "ui/FieldKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace lur {
namespace {

using V = TFieldKeyVerdict;
using K = TKey;

struct KeyCase {
  TKeyStroke stroke;
  bool empty;
  V integer;
  V hex;
  V real;
};

TKeyStroke Plain(K k) { return {k, false, false}; }
TKeyStroke Shifted(K k) { return {k, true, false}; }
TKeyStroke WithCtrl(K k) { return {k, false, true}; }

// One row per key: what an integer, a hexadecimal and a real field do with it.
const KeyCase kKeys[] = {
    {Plain(K::Digit), false, V::Pass, V::Pass, V::Pass},
    {Plain(K::KeypadDigit), true, V::Pass, V::Pass, V::Pass},
    // Shift with a digit types a sign: refused everywhere, real fields included.
    {Shifted(K::Digit), false, V::InputError, V::InputError, V::InputError},
    {Shifted(K::KeypadDigit), false, V::InputError, V::InputError, V::InputError},
    {Plain(K::Backspace), false, V::Pass, V::Pass, V::Pass},
    {Plain(K::Delete), false, V::Pass, V::Pass, V::Pass},
    {Plain(K::Shift), false, V::Pass, V::Pass, V::Pass},
    {Plain(K::Ctrl), false, V::Pass, V::Pass, V::Pass},
    {Plain(K::Left), false, V::Pass, V::Pass, V::Pass},
    {Shifted(K::Right), false, V::Pass, V::Pass, V::Pass},
    {Plain(K::NumLock), false, V::Pass, V::Pass, V::Pass},
    {Plain(K::CapsLock), false, V::Pass, V::Pass, V::Pass},
    {Plain(K::Escape), false, V::Pass, V::Pass, V::Pass},
    {Plain(K::HexLetter), false, V::InputError, V::Pass, V::Pass},
    {Shifted(K::HexLetter), false, V::InputError, V::Pass, V::Pass},
    {Plain(K::Letter), false, V::InputError, V::InputError, V::Pass},
    {WithCtrl(K::Letter), false, V::Pass, V::Pass, V::Pass},
    {WithCtrl(K::HexLetter), false, V::Pass, V::Pass, V::Pass},
    {WithCtrl(K::Other), false, V::InputError, V::InputError, V::Pass},
    {Plain(K::Other), false, V::InputError, V::InputError, V::Pass},
    {Plain(K::Enter), false, V::NextControl, V::NextControl, V::Pass},
    {Plain(K::Enter), true, V::InputError, V::InputError, V::Pass},
};

TEST(FieldKeys, EachKindTakesItsKeys) {
  int row = 0;
  for (const KeyCase& c : kKeys) {
    SCOPED_TRACE("row " + std::to_string(row++));
    EXPECT_EQ(ClassifyFieldKey(TFieldKind::Integer, c.stroke, c.empty), c.integer);
    EXPECT_EQ(ClassifyFieldKey(TFieldKind::Hexadecimal, c.stroke, c.empty), c.hex);
    EXPECT_EQ(ClassifyFieldKey(TFieldKind::Real, c.stroke, c.empty), c.real);
    EXPECT_EQ(ClassifyFieldKey(TFieldKind::Text, c.stroke, c.empty), V::Pass);
  }
}

struct TextCase {
  const char* text;
  bool integer;
  bool hex;
  bool real;
  bool textField;
};

const TextCase kTexts[] = {
    {"", true, true, true, true},
    {"0123456789", true, true, true, true},
    {"-5", false, false, true, true},
    {"1A", false, true, true, true},
    {"ff", false, true, true, true},
    {"1G", false, false, true, true},
    {"1,5", false, false, true, true},
    {"12!", false, false, false, true},
    {"(1)", false, false, false, true},
    {"\xE2\x84\x96" "5", false, false, false, true},  // №5: Shift+3 on the Russian layout
    {"5?", false, false, false, true},
    {"Насос Н-1", false, false, true, true},
    {"\xE2\x82\xAC", false, false, true, true},        // € has a Windows-1251 form
    {"\xE6\x97\xA5", false, false, false, false},      // 日 has none
    {"\xF0\x9F\x98\x80", false, false, false, false},  // an emoji has none
    {"\xD0", false, false, false, false},              // malformed UTF-8
    {"\xD9\xA1", false, false, false, false},          // an Arabic-Indic digit is no digit
};

TEST(FieldKeys, PastedTextPassesTheSameFilter) {
  for (const TextCase& c : kTexts) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(IsFieldText(TFieldKind::Integer, c.text), c.integer);
    EXPECT_EQ(IsFieldText(TFieldKind::Hexadecimal, c.text), c.hex);
    EXPECT_EQ(IsFieldText(TFieldKind::Real, c.text), c.real);
    EXPECT_EQ(IsFieldText(TFieldKind::Text, c.text), c.textField);
  }
}

TEST(FieldKeys, Cp1251Form) {
  // Every character Windows-1251 defines has a form; the one hole (0x98)
  // decodes to U+FFFD, which has none.
  EXPECT_TRUE(HasCp1251Form("ЁёЇїЄє№«»—…"));
  EXPECT_FALSE(HasCp1251Form("\xEF\xBF\xBD"));  // U+FFFD
  EXPECT_FALSE(HasCp1251Form("Ā"));
}

}  // namespace
}  // namespace lur
