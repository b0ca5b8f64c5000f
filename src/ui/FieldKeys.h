#pragma once
// What the input fields of the editors and dialogs let through, key by key
// and character by character. The windows map their toolkit's key events to
// TKeyStroke; the decision is made here, without widgets, so every field of
// a kind behaves the same in every window.
#include <string_view>

namespace lur {

enum class TFieldKind {
  Integer,      // decimal digits only
  Hexadecimal,  // decimal digits and A..F
  Real,         // anything but the characters Shift with a digit types
  Text,         // any character with a Windows-1251 form
};

// A key as the filters tell keys apart.
enum class TKey {
  Digit,        // 0..9 of the main keyboard
  KeypadDigit,  // 0..9 of the numeric keypad
  HexLetter,    // A..F
  Letter,       // G..Z
  Backspace,
  Delete,
  Shift,
  Ctrl,
  Left,
  Right,
  NumLock,
  CapsLock,
  Escape,
  Enter,  // Return or the keypad's Enter
  Other,  // everything else: blanks, signs, punctuation, other arrows, F-keys
};

struct TKeyStroke {
  TKey key = TKey::Other;
  bool shift = false;  // Shift held
  bool ctrl = false;   // Ctrl held
};

enum class TFieldKeyVerdict {
  Pass,         // the key reaches the field
  NextControl,  // swallowed; the focus moves to the next control
  InputError,   // swallowed; the input error box is shown
};

// The key filter of a field of `kind` holding text (`fieldEmpty` tells
// whether it holds none).
// Integer and hexadecimal fields: digits of either keyboard, Backspace,
// Delete, Shift, Ctrl, Left, Right, Num Lock, Caps Lock, Escape and letters
// typed with Ctrl held pass (hexadecimal fields also A..F); Enter moves to
// the next control when the field holds text; anything else, Enter in an
// empty field and a digit typed with Shift (which types a sign, not a digit)
// are input errors. Real fields refuse only Shift with a digit. Text fields
// let every key through; their characters are checked by IsFieldText.
TFieldKeyVerdict ClassifyFieldKey(TFieldKind kind, TKeyStroke stroke, bool fieldEmpty);

// Whether a UTF-8 text may stand in a field of `kind`, whether typed,
// pasted or dropped: integer fields hold ASCII digits, hexadecimal fields
// digits and A..F in either case; real fields anything with a Windows-1251
// form except what Shift with a digit types on the Latin or the Russian
// layout (! @ # $ % ^ & * ( ) " № ; : ?); text fields anything with a
// Windows-1251 form. The empty text may stand in every field.
bool IsFieldText(TFieldKind kind, std::string_view utf8);

// Whether a UTF-8 text can be written as Windows-1251 bytes without loss
// (malformed UTF-8 cannot).
bool HasCp1251Form(std::string_view utf8);

}  // namespace lur
