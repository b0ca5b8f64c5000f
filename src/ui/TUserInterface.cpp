#include "ui/TUserInterface.h"

namespace lur {

const char* const kCaptionWarning = "Предупреждение";
const char* const kCaptionError = "Ошибка";
const char* const kCaptionConfirmation = "Подтверждение";

void ShowWarning(TUserInterface& ui, const std::string& text) {
  ui.Message({text, kCaptionWarning, MsgIcon::Warning, MsgButtons::Ok, MsgAnswer::Ok});
}

void ShowError(TUserInterface& ui, const std::string& text) {
  ui.Message({text, kCaptionError, MsgIcon::Error, MsgButtons::Ok, MsgAnswer::Ok});
}

void ShowInformation(TUserInterface& ui, const std::string& text) {
  ui.Message({text, kCaptionConfirmation, MsgIcon::Information, MsgButtons::Ok, MsgAnswer::Ok});
}

}  // namespace lur
