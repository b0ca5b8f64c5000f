#include "cli/CmdNew.h"

#include <cstdio>
#include <functional>
#include <memory>

#include "shell/TConfigController.h"
#include "session/TModalWindow.h"
#include "model/TConfiguration.h"
#include "shell/TFileOperations.h"
#include "shell/TMainState.h"
#include "shell/TNewConfiguration.h"
#include "ui/TTerminalUserInterface.h"

namespace lur {
namespace {

struct TNewArguments {
  std::string modules;
  int display = -1;
  int blocks = TProgFBClass::MaxFB;
  std::string output;
};

bool ParseNewArguments(const std::vector<std::string>& args, TNewArguments& a) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (i + 1 >= args.size()) return false;
    const std::string& value = args[++i];
    if (name == "--modules") {
      a.modules = value;
    } else if (name == "--display") {
      if (value.size() != 1 || value[0] < '0' || value[0] > '0' + kMaxDisplayType) return false;
      a.display = value[0] - '0';
    } else if (name == "--fb") {
      if (value != "60" && value != "120") return false;
      a.blocks = std::stoi(value);
    } else if (name == "-o" || name == "--output") {
      a.output = value;
    } else {
      return false;
    }
  }
  return !a.modules.empty() && a.display >= 0 && !a.output.empty();
}

// The dialog as the command line fills it: created anew, the digits typed
// into the field, the display chosen, then OK once.
class TArgumentsDialog : public TConfigDialog {
 public:
  explicit TArgumentsDialog(const TNewArguments& a) : a_(a) {}
  int ShowModal(TConfigController& dialog) override {
    dialog.RegimCreatClick(TConfigController::kModeAnew);
    if (!dialog.EditModifChange(a_.modules)) return kModalCancel;
    dialog.TModIndClick(a_.display);
    return dialog.FormCloseQuery() ? kModalOk : kModalCancel;
  }

 private:
  const TNewArguments& a_;
};

// The name is offered once: a refused name ends the command instead of
// being offered again for ever.
class TOneFileUserInterface : public TUserInterface {
 public:
  explicit TOneFileUserInterface(TTerminalUserInterface& terminal) : terminal_(terminal) {}
  MsgAnswer Message(const TMessage& message) override { return terminal_.Message(message); }
  std::optional<std::string> ChooseFile(const TFileChoice& choice) override {
    if (used_) return std::nullopt;
    used_ = true;
    return terminal_.ChooseFile(choice);
  }
  void ProgressShow(int maximum, int step) override { terminal_.ProgressShow(maximum, step); }
  void ProgressStepIt() override { terminal_.ProgressStepIt(); }
  void ProgressHide() override { terminal_.ProgressHide(); }

 private:
  TTerminalUserInterface& terminal_;
  bool used_ = false;
};

}  // namespace

int RunNew(const TLurctlOptions& options, TTerminalUserInterface& terminal) {
  TNewArguments a;
  if (!ParseNewArguments(options.arguments, a)) {
    std::fprintf(stderr, "lurctl: new takes --modules XXXXXXXX --display 0..4 [--fb 60|120] -o FILE\n");
    return 2;
  }
  // Naming FILE is the permission to replace it; a refused module set ends.
  terminal.questionAnswer = MsgAnswer::Yes;
  terminal.filePath = a.output;
  TOneFileUserInterface ui(terminal);

  const auto config = std::make_unique<TConfiguration>();
  config->FB.CapFB = a.blocks;
  TMainState state;
  const std::function<void()> noRefresh;
  TFileOperations files(*config, ui, state, noRefresh, noRefresh);
  TArgumentsDialog dialog(a);
  return TNewConfiguration(files, dialog).CreatFileClick() ? 0 : 1;
}

}  // namespace lur
