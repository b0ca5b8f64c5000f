#pragma once
// The lursim command line:
//   lursim --link PATH [--device N] [--modules XXXXXXXX] [--display D] [--fb 60|120]
//          [--silent] [--bad-crc N] [--truncate N] [--busy-polls K] [--busy-forever]
//          [--exception PAGE:CODE]... [--poll-exception CODE] [--poll-truncate]
//          [--mute FUNC:START]... [--live-exception FUNC:START:CODE]... [--live-toggle MS]
//          [--faulty SLOT]... [--unreliable N]... [--coil ADDR=0|1]...
//          [--pace BAUD] [--corrupt-after-write PAGE:OFFSET] [--write-fault PAGE:CODE:N]...
//          [--analog-status SIGNAL:BYTE]... [--silent-after N]
//          [--config FILE] [--save FILE] [--verbose]
//          [--clock HH:MM:SS,DD.MM.YY,W] [--clock-stopped]
// Every option with a value also takes the form --option=value.
#include <optional>
#include <string>
#include <vector>

#include "sim/SimOptions.h"

namespace lur::sim {

struct CommandLine {
  std::string linkPath;
  SimOptions options;
  bool verbose = false;  // log every request and answer to standard error
  bool help = false;
  std::string configPath;  // serve this configuration file's pages
  std::string savePath;    // write what the controller holds here on exit
  // Given on the command line, so not taken from the configuration file.
  bool modulesGiven = false;
  bool displayGiven = false;
  bool functionBlocksGiven = false;
};

struct CommandLineResult {
  std::optional<CommandLine> line;  // set on success
  std::string error;                // why the arguments were refused
};

// args without the program name.
CommandLineResult ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();

}  // namespace lur::sim
