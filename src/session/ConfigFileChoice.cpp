#include "session/ConfigFileChoice.h"

#include "model/ConfigFileKind.h"
#include "model/TFileAccess.h"

namespace lur {

std::optional<std::vector<std::uint8_t>> ChooseConfigFileStart(TUserInterface& ui, const std::string& title) {
  TFileChoice choice;
  choice.title = title;
  choice.filter = kConfigFileFilter;
  choice.defaultSuffix = "lur";
  const auto path = ui.ChooseFile(choice);
  if (!path) return std::nullopt;
  auto bytes = ReadFileStart(*path, kConfigFileSize120 + 1);
  if (!bytes) {
    ui.Message({kFileNotOpened, kFileNotOpenedCaption, MsgIcon::Warning, MsgButtons::Ok, MsgAnswer::Ok});
    return std::nullopt;
  }
  return bytes;
}

}  // namespace lur
