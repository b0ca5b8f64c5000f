#pragma once
// The number dialog ("Ввод номера программируемого входа", callers replace
// the caption): one signal number, a range of numbers, or the first number of
// an insertion, of which the caller shows one group. It is the only dialog of
// the editor with a cancel; OK refuses a bad entry with the inline marker and
// stays open. One instance lives for the run.
#include <cstddef>
#include <optional>
#include <string>

namespace lur {

struct TSession;

class TFormVhController {
 public:
  static constexpr const char* kCaption = "Ввод номера программируемого входа";
  static constexpr const char* kNoSuchInput = "Вход с таким № не существует";
  static constexpr const char* kLabNameInitial = "**********";
  static constexpr std::size_t kFieldChars = 10;

  explicit TFormVhController(TSession& session) : session_(session) {}

  // The caller shows one group: 1 (EditNVh), 2 (Edit1, Edit2), 3 (Edit3).
  void ShowGroup(int group);
  // Showing: the first field of the visible group takes the focus.
  void FormShow();
  // OK or the close box: kModalOk for a valid entry, otherwise kModalError
  // after the inline marker (or, in group 1, the box kNoSuchInput for a
  // number past ProcessedDiscreteCount) and the dialog stays open. A number
  // too long for any range is too large: kNoSuchInput in group 1,
  // tooLargeText (the caller's message) in group 3.
  int OKClick();
  int CancelClick();  // kModalCancel

  // The values of a valid entry (after kModalOk).
  std::optional<int> NVh() const;    // group 1
  std::optional<int> First() const;  // group 2
  std::optional<int> Last() const;   // group 2
  std::optional<int> Start() const;  // group 3

  std::string caption = kCaption;
  int group = 1;
  std::string editNVh;                     // GroupBox1
  std::string labName = kLabNameInitial;   // the caller's identifier
  std::string edit1, edit2;                // GroupBox2
  std::string edit3;                       // GroupBox3
  std::string tooLargeText;                // group 3: the caller's message
  std::string focused;                     // objectName of the focused field

 private:
  // How a field's text reads: a number 1..INT_MAX, or why not.
  enum class Reading { Good, Bad, TooLarge };
  struct FieldValue {
    Reading reading = Reading::Bad;
    int value = 0;
  };
  static FieldValue ReadField(const std::string& text);
  // Reports a failing field; false when it failed.
  bool Check(const std::string& field, const FieldValue& value, const std::string& tooLarge);

  TSession& session_;
};

}  // namespace lur
