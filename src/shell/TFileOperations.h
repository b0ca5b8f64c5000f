#pragma once
// "Сохранить как ..." (F2) and "Открыть файл конфигурации" (F3): the
// configuration to and from a ".lur" file, with the main window's questions
// and the file mode that an opened file starts.
#include <functional>
#include <optional>
#include <string>

#include "session/ConfigFileChoice.h"  // kConfigFileFilter
#include "ui/TUserInterface.h"

namespace lur {

struct TConfiguration;
struct TMainState;
struct TShellContext;
class TUserInterface;

// The file dialog of configuration files: filter, suffix, the name offered.
TFileChoice ConfigFileChoice(bool save, const std::string& title, const std::string& initialPath);
// The file a chosen name stands for: ".lur" appended when it has no
// extension; nothing when it has another one.
std::optional<std::string> ConfigFileName(const std::string& chosen);

class TFileOperations {
 public:
  explicit TFileOperations(TShellContext& context);
  // Without a link: the command line's file commands. The refreshes are held
  // by reference and may be empty.
  TFileOperations(TConfiguration& config, TUserInterface& ui, TMainState& state,
                  const std::function<void()>& refreshView, const std::function<void()>& refreshUnits);

  // Asks for a name (".lur" appended when it has no extension, any other
  // extension refused), asks before replacing a file and refuses to replace
  // one made for other modules; then writes. True only when the file was
  // written; the tables never change, Modified and DiskrModified are cleared.
  bool SaveFileClick();

  // Asks for a file (or takes the one a new configuration has just created,
  // StateFlags element 0) and opens it. True when a configuration was read:
  // file mode, nothing modified, the editors enabled.
  bool OpenFileClick();

  // The same without a dialog.
  bool OpenFile(const std::string& path);
  // The configuration as a file at path, replacing what was there in one
  // step; failures are reported. True when written.
  bool WriteConfigFile(const std::string& path);

  TConfiguration& Config() { return config_; }
  TUserInterface& Ui() { return ui_; }
  TMainState& State() { return state_; }

 private:
  // Steps 2..4 of saving for one chosen name: the final name, or nothing
  // when the user is to choose again (again = true) or saving ends.
  std::string CheckSaveName(const std::string& chosen, bool& again);

  TConfiguration& config_;
  TUserInterface& ui_;
  TMainState& state_;
  const std::function<void()>& refreshView_;
  const std::function<void()>& refreshUnits_;
};

}  // namespace lur
