#include "session/TTrafficLog.h"

#include <cstdio>
#include <span>

#include "link/TComPortClass.h"
#include "model/HexText.h"
#include "model/TFileAccess.h"
#include "ui/TUserInterface.h"

namespace lur {

const char* const kTrafficSuccess = "успешно";

namespace {

std::string Seconds(std::int64_t ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%10.3f", static_cast<double>(ms) / 1000.0);
  return text;
}

}  // namespace

TTrafficLog::TTrafficLog(std::int64_t originMs, Words words, std::size_t frameCapacity)
    : origin_(originMs), words_(std::move(words)), capacity_(frameCapacity > 0 ? frameCapacity : 1) {}

TTrafficLog::TTrafficLog(std::int64_t originMs, const TComPortClass& link)
    : TTrafficLog(originMs, [&link](int deviceIndex, int code) { return link.ErrorText(deviceIndex, code); }) {}

void TTrafficLog::Frame(std::int64_t ms, TrafficDirection direction, std::span<const std::uint8_t> bytes) {
  if (frames_ == capacity_) DropOldest();
  entries_.push_back({ms, false, direction, 0, {bytes.begin(), bytes.end()}, {}});
  ++frames_;
}

void TTrafficLog::Result(std::int64_t ms, int deviceIndex, int code) {
  // The words are taken now: the port's name may change later.
  std::string words = code == 0 ? std::string(kTrafficSuccess) : (words_ ? words_(deviceIndex, code) : std::string());
  entries_.push_back({ms, true, TrafficDirection::Sent, code, {}, std::move(words)});
}

void TTrafficLog::DropOldest() {
  // The oldest frame goes, with the results logged before it (they belong
  // to transactions whose frames are gone).
  while (!entries_.empty()) {
    const bool frame = !entries_.front().isResult;
    entries_.pop_front();
    ++first_;
    if (frame) {
      --frames_;
      break;
    }
  }
  while (!entries_.empty() && entries_.front().isResult) {
    entries_.pop_front();
    ++first_;
  }
}

void TTrafficLog::Clear() {
  first_ += entries_.size();
  entries_.clear();
  frames_ = 0;
}

std::string TTrafficLog::Line(std::uint64_t number) const {
  if (number < first_ || number >= EndLine()) return {};
  const TEntry& e = entries_[static_cast<std::size_t>(number - first_)];
  if (e.isResult) return FormatResult(e.ms - origin_, e.code, e.words);
  return FormatFrame(e.ms - origin_, e.direction, e.bytes);
}

std::string TTrafficLog::Text() const {
  std::string text;
  for (std::uint64_t n = FirstLine(); n < EndLine(); ++n) {
    text += Line(n);
    text += '\n';
  }
  return text;
}

std::string TTrafficLog::FormatFrame(std::int64_t sinceOriginMs, TrafficDirection direction,
                                     std::span<const std::uint8_t> bytes) {
  std::string line = Seconds(sinceOriginMs);
  line += direction == TrafficDirection::Sent ? " ->" : " <-";
  if (!bytes.empty()) line += ' ' + HexBytes(bytes);
  return line;
}

std::string TTrafficLog::FormatResult(std::int64_t sinceOriginMs, int code, const std::string& words) {
  std::string line = Seconds(sinceOriginMs) + " => ";
  if (code != 0) line += std::to_string(code) + ": ";
  for (const char c : words) line += (c == '\n' || c == '\r') ? ' ' : c;
  return line;
}

bool SaveTrafficLog(TUserInterface& ui, const TTrafficLog& log) {
  TFileChoice choice;
  choice.save = true;
  choice.title = "Сохранить журнал обмена";
  choice.filter = "Текстовые файлы|*.txt|Все файлы|*.*";
  choice.defaultSuffix = "txt";
  const std::optional<std::string> path = ui.ChooseFile(choice);
  if (!path || path->empty()) return false;

  const std::string text = log.Text();
  if (WriteFileReplacing(*path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())) ==
      TFileWriteResult::Written) {
    return true;
  }
  ShowError(ui, "Невозможно записать файл " + *path);
  return false;
}

}  // namespace lur
