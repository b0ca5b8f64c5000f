#include "cli/CmdFB.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/CmdWrite.h"
#include "fb/FBPages.h"
#include "link/TComPortClass.h"
#include "link/TPageWriter.h"
#include "shell/TAccessLevel.h"
#include "shell/TFileOperations.h"
#include "shell/TMainState.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

struct TFBArguments {
  std::string action;
  std::string file;
  std::string output;
  std::string password;
  std::string passwordFile = DefaultPasswordFile();
};

bool Parse(const std::vector<std::string>& args, TFBArguments& a) {
  if (args.empty() || (args[0] != "read" && args[0] != "write")) return false;
  a.action = args[0];
  const bool read = a.action == "read";
  for (std::size_t i = 1; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (read && (args[i] == "-o" || args[i] == "--output") && hasValue && a.output.empty()) {
      a.output = args[++i];
    } else if (!read && args[i] == "--password" && hasValue) {
      a.password = args[++i];
    } else if (!read && args[i] == "--password-file" && hasValue) {
      a.passwordFile = args[++i];
    } else if (a.file.empty() && !args[i].empty() && args[i][0] != '-') {
      a.file = args[i];
    } else {
      return false;
    }
  }
  return !a.file.empty() && (!read || !a.output.empty());
}

}  // namespace

int RunFB(const TLurctlOptions& options, TComPortClass& link, TUserInterface& ui) {
  TFBArguments a;
  if (!Parse(options.arguments, a)) {
    std::fprintf(stderr, "lurctl: fb takes read FILE -o OUT, or write FILE [--password TEXT] [--password-file PATH]\n");
    return 2;
  }
  bool fullAccess = false;
  if (a.action == "write") {
    const TPasswordCheck access = TAccessLevel::CheckPassword(a.password, a.passwordFile);
    if (!access.accepted) {
      ShowError(ui, "Введенный пароль неверен");
      return 1;
    }
    fullAccess = access.fullAccess;
  }

  const auto config = std::make_unique<TConfiguration>();
  TMainState state;
  const std::function<void()> noRefresh;
  TFileOperations files(*config, ui, state, noRefresh, noRefresh);
  if (!files.OpenFile(a.file)) return 1;
  // The file is the editor's table; the exchange is the controller's, as in
  // the editor when the configuration came from the controller.
  config->Serv.FileMode = 0;
  config->Lur.FullAccess = fullAccess ? 1 : 0;
  link.SetAccessQuery([fullAccess] { return fullAccess; });
  TFixedAddressing addressing(options.device - 1, options.device - 1);
  TSession session{*config, link, ui, addressing};
  TEditorPages<TProgFBClass> pages = FunctionBlockPages(session);
  pages.askWhenUnchanged = false;
  TEditorTransfer<TProgFBClass> transfer(session, std::move(pages));

  if (a.action == "write") return transfer.Write() == TransferOutcome::Done ? 0 : 1;
  if (transfer.Read() != TransferOutcome::Done) return 1;
  return files.WriteConfigFile(a.output) ? 0 : 1;
}

}  // namespace lur
