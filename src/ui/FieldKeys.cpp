#include "ui/FieldKeys.h"

#include <algorithm>

#include "model/Cp1251.h"

namespace lur {
namespace {

bool IsDigitKey(TKey key) { return key == TKey::Digit || key == TKey::KeypadDigit; }

// Keys that edit or move within the field, or are only held for another key.
bool IsEditingKey(TKey key) {
  switch (key) {
    case TKey::Backspace:
    case TKey::Delete:
    case TKey::Shift:
    case TKey::Ctrl:
    case TKey::Left:
    case TKey::Right:
    case TKey::NumLock:
    case TKey::CapsLock:
    case TKey::Escape:
      return true;
    default:
      return false;
  }
}

bool IsLetterKey(TKey key) { return key == TKey::HexLetter || key == TKey::Letter; }

// What Shift with a digit types on the Latin layout (!@#$%^&*()) and on the
// Russian one (!"№;%:?*()).
constexpr std::string_view kShiftedDigitSigns = "!@#$%^&*()\";:?";
constexpr std::string_view kNumeroSign = "\xE2\x84\x96";  // №

}  // namespace

TFieldKeyVerdict ClassifyFieldKey(TFieldKind kind, TKeyStroke stroke, bool fieldEmpty) {
  const TKey key = stroke.key;
  switch (kind) {
    case TFieldKind::Text:
      return TFieldKeyVerdict::Pass;
    case TFieldKind::Real:
      return IsDigitKey(key) && stroke.shift ? TFieldKeyVerdict::InputError : TFieldKeyVerdict::Pass;
    case TFieldKind::Integer:
    case TFieldKind::Hexadecimal:
      break;
  }
  if (key == TKey::Enter) return fieldEmpty ? TFieldKeyVerdict::InputError : TFieldKeyVerdict::NextControl;
  if (IsDigitKey(key)) return stroke.shift ? TFieldKeyVerdict::InputError : TFieldKeyVerdict::Pass;
  if (IsEditingKey(key)) return TFieldKeyVerdict::Pass;
  // Ctrl with a letter: the field's own commands (select all, copy, cut,
  // paste, undo); what a paste brings in is checked by IsFieldText.
  if (IsLetterKey(key) && stroke.ctrl) return TFieldKeyVerdict::Pass;
  if (key == TKey::HexLetter && kind == TFieldKind::Hexadecimal) return TFieldKeyVerdict::Pass;
  return TFieldKeyVerdict::InputError;
}

bool HasCp1251Form(std::string_view utf8) {
  // Characters without a form come back as '?', malformed sequences as
  // U+FFFD; either way the round trip differs from the original.
  return Cp1251ToUtf8(Utf8ToCp1251(utf8)) == utf8;
}

bool IsFieldText(TFieldKind kind, std::string_view utf8) {
  switch (kind) {
    case TFieldKind::Integer:
      return std::all_of(utf8.begin(), utf8.end(), [](char c) { return c >= '0' && c <= '9'; });
    case TFieldKind::Hexadecimal:
      return std::all_of(utf8.begin(), utf8.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
      });
    case TFieldKind::Real:
      return HasCp1251Form(utf8) && utf8.find_first_of(kShiftedDigitSigns) == std::string_view::npos &&
             utf8.find(kNumeroSign) == std::string_view::npos;
    case TFieldKind::Text:
      return HasCp1251Form(utf8);
  }
  return false;
}

}  // namespace lur
