#include "shell/TFPSWController.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "model/TProgLurClass.h"
#include "shell/TAccessLevel.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

constexpr unsigned kMaxPassword = 65535;

bool AllDigits(std::string_view text) {
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

TFPSWController::TFPSWController(TProgLurClass& lur, TUserInterface& ui, std::string passwordFilePath)
    : lur_(lur), ui_(ui), passwordFile_(std::move(passwordFilePath)) {}

bool TFPSWController::IsFieldText(std::string_view text) {
  return text.size() <= static_cast<std::size_t>(kMaxLength) && AllDigits(text);
}

void TFPSWController::Plain(const std::string& message) {
  ui_.Message({message, "", MsgIcon::None, MsgButtons::Ok, MsgAnswer::Ok});
}

TKeyVerdict TFPSWController::Edit1KeyDown(TPasswordKey key) {
  switch (key) {
    case TPasswordKey::Digit:
    case TPasswordKey::Editing:
      return TKeyVerdict::Pass;
    case TPasswordKey::Enter:
      return TKeyVerdict::Close;
    case TPasswordKey::Other:
      break;
  }
  Plain("Пароль - цифровой");
  text.clear();
  return TKeyVerdict::Refused;
}

void TFPSWController::FormClose() {
  if (lur_.PswChange == 1) {
    ChangePassword();
    return;
  }
  const TPasswordCheck check = TAccessLevel::CheckPassword(text, passwordFile_);
  accepted_ = check.accepted;
  fullAccess_ = check.fullAccess;
}

bool TFPSWController::StartupCheck(TPasswordDialog& dialog) {
  lur_.FullAccess = 0;
  lur_.PswChange = 0;
  label1Visible = false;
  for (;;) {
    text.clear();
    accepted_ = false;
    fullAccess_ = false;
    dialog.ShowModal(*this);
    if (accepted_) break;
    const MsgAnswer a = ui_.Message({"Введенный пароль неверен", kCaptionError, MsgIcon::Error,
                                     MsgButtons::RetryCancel, MsgAnswer::Retry});
    if (a != MsgAnswer::Retry) return false;
  }
  // An empty text is the limited level: read, open, edit and save.
  if (fullAccess_) lur_.FullAccess = 1;
  text.clear();
  return true;
}

void TFPSWController::N1ParolClick(TPasswordDialog& dialog) {
  if (lur_.FullAccess != 1) {
    ShowWarning(ui_, "Ваш уровень доступа не позволяет\nменять пароль");
    return;
  }
  lur_.PswChange = 0;
  const MsgAnswer a = ui_.Message({"Будете менять пароль?", "Подтвердите замену пароля", MsgIcon::Question,
                                   MsgButtons::YesNo, MsgAnswer::Yes});
  if (a != MsgAnswer::Yes) return;
  lur_.PswChange = 1;
  label1Visible = true;
  text.clear();
  dialog.ShowModal(*this);
  label1Visible = false;
  text.clear();
}

void TFPSWController::ChangePassword() {
  const char* const notChanged = "Пароль не заменен";
  if (text.empty()) {
    Plain("Будьте внимательнее при вводе");
    Plain(notChanged);
    return;
  }
  if (!AllDigits(text)) {
    Plain("Пароль - цифровой");
    Plain(notChanged);
    text.clear();
    return;
  }
  // The entry compares texts: a password kept as 123 is typed "123", so a
  // new "0123" would lock its author out at the next start.
  if (text.size() > 1 && text[0] == '0') {
    Plain("Пароль не может начинаться с нуля");
    Plain(notChanged);
    text.clear();
    return;
  }
  const unsigned long number = text.size() > 5 ? kMaxPassword + 1ul : std::stoul(text);
  if (number > kMaxPassword) {
    Plain("Введите число не более 65535");
    Plain(notChanged);
    text.clear();
    return;
  }
  if (!WritePasswordFile(passwordFile_, static_cast<unsigned>(number))) {
    Plain("Файл не удается создать");
    return;
  }
  Plain("Пароль заменен!");
  lur_.PswChange = 0;
}

bool WritePasswordFile(const std::string& path, unsigned number) {
  namespace fs = std::filesystem;
  if (number > kMaxPassword) return false;
  std::error_code ec;
  const fs::path target(path);
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  std::string temp = path + ".tmp-XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return false;
  const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(number & 0xFF),
                                 static_cast<std::uint8_t>(number >> 8)};
  const bool written = write(fd, bytes, sizeof bytes) == static_cast<ssize_t>(sizeof bytes) && fsync(fd) == 0;
  const bool closed = close(fd) == 0;
  if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
    unlink(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace lur
