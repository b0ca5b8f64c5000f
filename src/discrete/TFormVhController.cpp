#include "discrete/TFormVhController.h"

#include <climits>

#include "session/TModalWindow.h"
#include "session/TSession.h"
#include "ui/NumericText.h"

namespace lur {
namespace {

// The box the dialog shows for a number past what exists: no caption, no icon.
void PlainBox(TUserInterface& ui, const std::string& text) {
  ui.Message({text, "", MsgIcon::None, MsgButtons::Ok, MsgAnswer::Ok});
}

}  // namespace

void TFormVhController::ShowGroup(int newGroup) {
  if (newGroup >= 1 && newGroup <= 3) group = newGroup;
}

void TFormVhController::FormShow() {
  switch (group) {
    case 1:
      focused = "EditNVh";
      break;
    case 2:
      focused = "Edit1";
      break;
    default:
      focused = "Edit3";
      break;
  }
}

TFormVhController::FieldValue TFormVhController::ReadField(const std::string& text) {
  // Ten digits do not fit a 32-bit number: read without wrapping, such a
  // number is too large, never a small or negative one.
  const TIntText read = ParseIntText(text, 1, INT_MAX);
  if (read.error == TFieldTextError::None) return {Reading::Good, read.value};
  if (read.error == TFieldTextError::OutOfRange && text.find('-') == std::string::npos) {
    const TIntText small = ParseIntText(text, 0, 0);
    if (small.error != TFieldTextError::None) return {Reading::TooLarge, 0};
  }
  return {Reading::Bad, 0};
}

bool TFormVhController::Check(const std::string& field, const FieldValue& value,
                              const std::string& tooLarge) {
  if (value.reading == Reading::Good) return true;
  if (value.reading == Reading::TooLarge && !tooLarge.empty()) {
    PlainBox(session_.ui, tooLarge);
  } else {
    session_.ui.InlineError(field);
  }
  return false;
}

int TFormVhController::OKClick() {
  bool good = false;
  switch (group) {
    case 1: {
      FieldValue nvh = ReadField(editNVh);
      if (nvh.reading == Reading::Good && nvh.value > session_.config.Serv.GetProcessedDiscreteCount())
        nvh.reading = Reading::TooLarge;
      good = Check("EditNVh", nvh, kNoSuchInput);
      break;
    }
    case 2:
      good = Check("Edit1", ReadField(edit1), "") && Check("Edit2", ReadField(edit2), "");
      break;
    default:
      good = Check("Edit3", ReadField(edit3), tooLargeText);
      break;
  }
  return good ? kModalOk : kModalError;
}

int TFormVhController::CancelClick() { return kModalCancel; }

std::optional<int> TFormVhController::NVh() const {
  const FieldValue v = ReadField(editNVh);
  if (v.reading != Reading::Good || v.value > session_.config.Serv.GetProcessedDiscreteCount())
    return std::nullopt;
  return v.value;
}

std::optional<int> TFormVhController::First() const {
  const FieldValue v = ReadField(edit1);
  return v.reading == Reading::Good ? std::optional<int>(v.value) : std::nullopt;
}

std::optional<int> TFormVhController::Last() const {
  const FieldValue v = ReadField(edit2);
  return v.reading == Reading::Good ? std::optional<int>(v.value) : std::nullopt;
}

std::optional<int> TFormVhController::Start() const {
  const FieldValue v = ReadField(edit3);
  return v.reading == Reading::Good ? std::optional<int>(v.value) : std::nullopt;
}

}  // namespace lur
