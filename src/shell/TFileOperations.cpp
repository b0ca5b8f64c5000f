#include "shell/TFileOperations.h"

#include <algorithm>
#include <filesystem>

#include "shell/TConfigFile.h"
#include "model/TConfiguration.h"
#include "model/TFileAccess.h"
#include "shell/TMainState.h"
#include "shell/TModuleTable.h"
#include "shell/TShellContext.h"
#include "session/EditorChanges.h"
#include "ui/TUserInterface.h"

namespace lur {

namespace {

namespace fs = std::filesystem;

constexpr const char* kOpenTitle = "Открытие файла конфигурации";
constexpr const char* kFileModeLabel = "Режим работы с файлом ";

// The caption begins with a Latin C, as the program has always shown it.
constexpr const char* kWrongNameCaption = "Cохранение данных в файл";
constexpr const char* kWrongName = "Неверно задано имя файла";
constexpr const char* kReplaceCaption = "Сохранение файла";
constexpr const char* kReplaceQuestion = "Файл с таким именем существует.\nЗаменить?";
constexpr const char* kMismatchCaption = "Проверка конфигурации";
constexpr const char* kMismatchQuestion =
    "Передаваемая конфигурация\nне соответствует конфигурации в файле.\nСохранить в другом файле";
constexpr const char* kCreateCaption = "Создание файла";
constexpr const char* kNotCreated = "Файл  не удается создать";
constexpr const char* kNotWritten = "Файл не удается записать";
constexpr const char* kOpenCaption = kFileNotOpenedCaption;
constexpr const char* kNotOpened = kFileNotOpened;

// The identity's module codes sit in bytes 2..9 of a file (after the device
// index and the module count).
constexpr std::size_t kFileHeadSize = 1 + TServClass::kIdFirstSlot + kSlotCount;

MsgAnswer Ask(TUserInterface& ui, const char* text, const char* caption) {
  return ui.Message({text, caption, MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::No});
}

void Warn(TUserInterface& ui, const std::string& text, const char* caption) {
  ui.Message({text, caption, MsgIcon::Warning, MsgButtons::Ok, MsgAnswer::Ok});
}

// True when the file at path was made for the same modules in the same
// slots. A file too short to tell, or one that cannot be read, is not.
bool SameModules(const std::string& path, const TServClass& serv) {
  const auto head = ReadFileStart(path, kFileHeadSize);
  if (!head || head->size() < kFileHeadSize) return false;
  for (int s = 0; s < kSlotCount; ++s) {
    if ((*head)[1 + TServClass::kIdFirstSlot + static_cast<std::size_t>(s)] != serv.GetModuleType(s))
      return false;
  }
  return true;
}

}  // namespace

TFileOperations::TFileOperations(TShellContext& context)
    : TFileOperations(context.config, context.ui, context.state, context.refreshView, context.refreshUnits) {}

TFileOperations::TFileOperations(TConfiguration& config, TUserInterface& ui, TMainState& state,
                                 const std::function<void()>& refreshView,
                                 const std::function<void()>& refreshUnits)
    : config_(config), ui_(ui), state_(state), refreshView_(refreshView), refreshUnits_(refreshUnits) {}

TFileChoice ConfigFileChoice(bool save, const std::string& title, const std::string& initialPath) {
  TFileChoice choice;
  choice.save = save;
  choice.title = title;
  choice.filter = kConfigFileFilter;
  choice.defaultSuffix = "lur";
  choice.initialPath = initialPath;
  return choice;
}

std::optional<std::string> ConfigFileName(const std::string& chosen) {
  const std::string extension = fs::path(chosen).extension().string();
  if (extension.empty()) return chosen + ".lur";
  if (extension == ".lur") return chosen;
  return std::nullopt;
}

std::string TFileOperations::CheckSaveName(const std::string& chosen, bool& again) {
  again = false;
  const auto fileName = ConfigFileName(chosen);
  if (!fileName) {
    Warn(ui_, kWrongName, kWrongNameCaption);
    again = true;
    return {};
  }
  const std::string& name = *fileName;
  if (!FileExists(name)) return name;
  if (Ask(ui_, kReplaceQuestion, kReplaceCaption) != MsgAnswer::Yes) {
    again = true;
    return {};
  }
  if (SameModules(name, config_.Serv)) return name;
  again = Ask(ui_, kMismatchQuestion, kMismatchCaption) == MsgAnswer::Yes;
  return {};
}

bool TFileOperations::SaveFileClick() {
  for (;;) {
    const auto chosen = ui_.ChooseFile(ConfigFileChoice(true, "", state_.fileName));
    if (!chosen) return false;
    bool again = false;
    const std::string name = CheckSaveName(*chosen, again);
    if (again) continue;
    if (name.empty()) return false;
    return WriteConfigFile(name);
  }
}

bool TFileOperations::WriteConfigFile(const std::string& path) {
  switch (WriteFileReplacing(path, BuildConfigFile(config_))) {
    case TFileWriteResult::NotCreated:
      Warn(ui_, kNotCreated, kCreateCaption);
      return false;
    case TFileWriteResult::NotWritten:
      Warn(ui_, std::string(kNotWritten) + "\n" + path, kReplaceCaption);
      return false;
    case TFileWriteResult::Written:
      break;
  }
  config_.Serv.Modified = 0;
  config_.Lur.DiskrModified = 0;
  state_.fileName = path;
  return true;
}

bool TFileOperations::OpenFileClick() {
  int& chosenByNewConfiguration = config_.Serv.StateFlags[0];
  if (chosenByNewConfiguration == 1 && !state_.fileName.empty()) return OpenFile(state_.fileName);
  const auto chosen = ui_.ChooseFile(ConfigFileChoice(false, kOpenTitle, state_.fileName));
  if (!chosen) {
    chosenByNewConfiguration = 0;
    return false;
  }
  return OpenFile(*chosen);
}

bool TFileOperations::OpenFile(const std::string& path) {
  TServClass& serv = config_.Serv;
  // Every way out clears the name a new configuration left, so the next
  // F3 asks again.
  serv.StateFlags[0] = 0;
  // One byte more than the longest layout: any longer file is as
  // unrecognised as that.
  const auto bytes = ReadFileStart(path, kConfigFileSize120 + 1);
  if (!bytes) {
    Warn(ui_, kNotOpened, kOpenCaption);
    return false;
  }
  if (!LoadConfigFile(config_, *bytes, ui_)) return false;

  state_.editModif = ModuleCodesText(serv);
  state_.tipModInd = std::string(DisplayTypeCaption(serv.GetDisplayType()));
  if (refreshView_) refreshView_();
  state_.Enable(TForm1Control::GBoxRazm, true);
  if (refreshUnits_) refreshUnits_();
  state_.Enable(EditorButtons(), true);

  std::error_code ec;
  const fs::path full = fs::absolute(path, ec);
  state_.labelFile = kFileModeLabel + (ec ? path : full.string());
  state_.labelFileVisible = true;
  state_.fileName = path;
  serv.FileMode = 1;
  serv.Modified = 0;
  ClearEditorChanges(config_);
  return true;
}

}  // namespace lur
