#pragma once
// "Создание файла конфигурации": a configuration made without a controller.
// The dialog "Задание конфигурации" chooses the display and the modules; a
// configuration file with default contents (or with data kept from the open
// configuration) is written, then opened as any configuration file. The
// open configuration changes only through that opening: a cancelled name,
// a No or a file that cannot be written leave it as it was.
#include <cstdint>
#include <vector>

#include "shell/TConfigController.h"

namespace lur {

struct TConfiguration;
class TFileOperations;

// The new configuration's file, computed from the open configuration and the
// dialog's outcome (its Result must be Ok); the open configuration is not
// changed.
std::vector<std::uint8_t> NewConfigurationFile(const TConfiguration& open, const TConfigController& dialog);

class TNewConfiguration {
 public:
  TNewConfiguration(TFileOperations& files, TConfigDialog& runner) : files_(files), runner_(runner) {}

  // Prepares and shows the dialog, asks for the file name, writes the file
  // and opens it. True when the new configuration is open.
  bool CreatFileClick();

 private:
  TFileOperations& files_;
  TConfigDialog& runner_;
};

}  // namespace lur
