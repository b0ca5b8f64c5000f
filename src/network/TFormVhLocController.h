#pragma once
// The range dialog of the discrete live view of an exchange block
// ("Ввод начального адреса и количества входов блока MBM"): which of a
// block's entries to show when it has more than twelve. It has no close box:
// it ends only through OK with a start inside the block and a count the
// checks take.
#include <cstdint>
#include <string>

namespace lur {

class TUserInterface;

class TFormVhLocController {
 public:
  static constexpr const char* kCaption = "Ввод начального адреса и количества входов блока MBM";
  static constexpr const char* kEdit1Caption = "Начальный адрес";
  static constexpr const char* kEdit2Caption = "Количество";
  static constexpr int kMaxDigits = 10;

  explicit TFormVhLocController(TUserInterface& ui) : ui_(ui) {}

  // Shown for a block of n entries from entry s1: the fields offer the
  // block's first entry and twelve rows (fewer for a smaller block).
  void Open(int s1, int n);

  // Field exits: an empty field shows the inline error at it; otherwise its
  // value is taken at once. False when the text was not taken.
  bool Edit1Exit();
  bool Edit2Exit();
  // The checks of closing, in order, each failure at its field: true when
  // the dialog may close.
  bool OKClick();

  // What the dialog holds: the start F and the count C (the count may still
  // exceed twelve; the window limits it).
  std::int64_t First() const { return first_; }
  std::int64_t Count() const { return count_; }
  int S1() const { return s1_; }
  int N() const { return n_; }

  std::string edit1;  // UTF-8 texts of the fields
  std::string edit2;

 private:
  // An integer of the field, at most ten digits; nothing when it is empty
  // or not a whole number.
  static bool Parse(const std::string& text, std::int64_t& value);

  TUserInterface& ui_;
  int s1_ = 0;
  int n_ = 0;
  std::int64_t first_ = 0;
  std::int64_t count_ = 0;
};

}  // namespace lur
