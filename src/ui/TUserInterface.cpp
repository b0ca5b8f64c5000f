#include "ui/TUserInterface.h"

namespace lur {

const char* const kCaptionWarning = "Предупреждение";
const char* const kCaptionError = "Ошибка";
const char* const kCaptionConfirmation = "Подтверждение";
const char* const kInputErrorMessage = " Ошибка ввода ";
const char* const kErrorMarkerText = "ошибка";

void TUserInterface::ShowInputError(const std::string&, const std::string& text) { ShowError(*this, text); }
void TUserInterface::ShowInlineError(const std::string&, const std::string& text) { ShowError(*this, text); }

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
