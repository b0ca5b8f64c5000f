#include "cli/CmdWrite.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>

#include "link/TComPortClass.h"
#include "shell/TAccessLevel.h"
#include "shell/TConfigTransfer.h"
#include "shell/TFileOperations.h"
#include "shell/TWriteVerifier.h"
#include "ui/TUserInterface.h"

namespace lur {

std::string DefaultPasswordFile() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  std::string folder;
  if (xdg != nullptr && xdg[0] == '/') {
    folder = xdg;
  } else {
    folder = std::string(home != nullptr ? home : "") + "/.config";
  }
  return folder + "/lurprog/" + std::string(kPasswordFileName);
}

int RunWrite(const TLurctlOptions& options, TComPortClass& link, TUserInterface& ui) {
  std::string file;
  std::string password;
  std::string passwordFile = DefaultPasswordFile();
  bool verify = true;
  const auto& args = options.arguments;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--password" && i + 1 < args.size()) {
      password = args[++i];
    } else if (args[i] == "--password-file" && i + 1 < args.size()) {
      passwordFile = args[++i];
    } else if (args[i] == "--no-verify") {
      verify = false;
    } else if (file.empty() && !args[i].empty() && args[i][0] != '-') {
      file = args[i];
    } else {
      std::fprintf(stderr, "lurctl: write takes FILE [--password TEXT] [--password-file PATH] [--no-verify]\n");
      return 2;
    }
  }
  if (file.empty()) {
    std::fprintf(stderr, "lurctl: write needs a configuration file\n");
    return 2;
  }

  const TPasswordCheck access = TAccessLevel::CheckPassword(password, passwordFile);
  if (!access.accepted) {
    ShowError(ui, "Введенный пароль неверен");
    return 1;
  }

  const auto config = std::make_unique<TConfiguration>();
  TMainState state;
  const std::function<void()> noRefresh;
  if (!TFileOperations(*config, ui, state, noRefresh, noRefresh).OpenFile(file)) return 1;
  config->Lur.FullAccess = access.fullAccess ? 1 : 0;
  link.SetAccessQuery([fullAccess = access.fullAccess] { return fullAccess; });

  TShellContext context{*config, link, ui, state, noRefresh, noRefresh};
  TConfigTransfer transfer(context);
  transfer.CBoxUstrClick(options.device);
  if (!transfer.OutPortClick()) return 1;
  if (!verify) return 0;
  const TCompareResult result = TWriteVerifier(link, ui, transfer.LastWrite()).Run();
  if (result.Equal()) {
    ShowInformation(ui, kVerifiedText);
    return 0;
  }
  for (const auto& d : result.differences) std::printf("%s\n", DifferenceLine(d).c_str());
  std::fprintf(stderr, "lurctl: %s\n", CompareSummary(result).c_str());
  return kVerifyFailed;
}

}  // namespace lur
