#pragma once
// The exchange journal: the last frames on the line and the result of each
// transaction, as lines of text. It observes the link; the journal window
// shows its lines and lurctl --trace prints them as they come.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "link/TTrafficObserver.h"

namespace lur {

class TComPortClass;

class TTrafficLog : public TTrafficObserver {
 public:
  // How many frames the journal keeps; the oldest go first.
  static constexpr std::size_t kFrameCapacity = 10000;
  // What a failed transaction's code means (the link's ErrorText).
  using Words = std::function<std::string(int deviceIndex, int code)>;

  // originMs: the waiter time shown as 0.000.
  TTrafficLog(std::int64_t originMs, Words words, std::size_t frameCapacity = kFrameCapacity);
  // Words from the link's own texts.
  TTrafficLog(std::int64_t originMs, const TComPortClass& link);

  void Frame(std::int64_t ms, TrafficDirection direction, std::span<const std::uint8_t> bytes) override;
  void Result(std::int64_t ms, int deviceIndex, int code) override;

  // Lines are numbered from the first ever logged: those held are
  // [FirstLine(), EndLine()). A view appends what came after its last line
  // and drops what went before FirstLine().
  std::uint64_t FirstLine() const { return first_; }
  std::uint64_t EndLine() const { return first_ + entries_.size(); }
  // The text of a held line (without a line end).
  std::string Line(std::uint64_t number) const;
  // Every held line, each ending with "\n".
  std::string Text() const;
  std::size_t FrameCount() const { return frames_; }
  void Clear();

  // "     1.250 -> 01 44 0A 93 07": seconds since the origin, the direction
  // (-> sent, <- received) and the bytes in hexadecimal.
  static std::string FormatFrame(std::int64_t sinceOriginMs, TrafficDirection direction,
                                 std::span<const std::uint8_t> bytes);
  // "     1.300 => успешно" or "     9.425 => 130: устройство 1 COM1 не
  // отвечает на запрос" (on one line).
  static std::string FormatResult(std::int64_t sinceOriginMs, int code, const std::string& words);

 private:
  struct TEntry {
    std::int64_t ms;
    bool isResult;
    TrafficDirection direction;
    int code;
    std::vector<std::uint8_t> bytes;  // a frame's bytes
    std::string words;                // a result's words
  };
  void DropOldest();

  std::int64_t origin_;
  Words words_;
  std::size_t capacity_;
  std::deque<TEntry> entries_;
  std::size_t frames_ = 0;
  std::uint64_t first_ = 0;
};

// The words of success in the journal.
extern const char* const kTrafficSuccess;  // "успешно"

class TUserInterface;

// "Сохранить в файл": the user chooses a file and every held line is written
// there as UTF-8 text, through a temporary file renamed over it, so that a
// failed save never leaves a half-written journal in place of the old file.
// False when the user cancelled or the file could not be written (then one
// error box says so).
bool SaveTrafficLog(TUserInterface& ui, const TTrafficLog& log);

}  // namespace lur
