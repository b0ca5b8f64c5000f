#include "cli/CmdRead.h"

#include <cstdio>
#include <functional>
#include <memory>

#include "link/TComPortClass.h"
#include "shell/TConfigTransfer.h"
#include "shell/TFileOperations.h"
#include "ui/TUserInterface.h"

namespace lur {

int RunRead(const TLurctlOptions& options, TComPortClass& link, TUserInterface& ui) {
  std::string output;
  const auto& args = options.arguments;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == "-o" || args[i] == "--output") && i + 1 < args.size() && output.empty()) {
      output = args[++i];
    } else {
      std::fprintf(stderr, "lurctl: read takes -o FILE\n");
      return 2;
    }
  }
  if (output.empty()) {
    std::fprintf(stderr, "lurctl: read needs -o FILE\n");
    return 2;
  }

  const auto config = std::make_unique<TConfiguration>();
  TMainState state;
  const std::function<void()> noRefresh;
  TShellContext context{*config, link, ui, state, noRefresh, noRefresh};
  TConfigTransfer transfer(context);
  transfer.CBoxUstrClick(options.device);
  if (!transfer.InPortButClick()) return 1;
  return TFileOperations(*config, ui, state, noRefresh, noRefresh).WriteConfigFile(output) ? 0 : 1;
}

}  // namespace lur
