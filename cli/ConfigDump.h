#pragma once
// What `lurctl dump` shows of a configuration: every table decoded into a
// tree (texts in UTF-8, reals as numbers, fields under the tables' own
// names), and a short text summary with the module table as the main window
// shows it.
#include <memory>
#include <ostream>
#include <string>

#include "cli/TDumpNode.h"
#include "model/TConfiguration.h"

namespace lur {

class TUserInterface;

// A configuration file opened as the main window opens it (its refusals
// reported through ui); nothing when it cannot be read.
std::unique_ptr<TConfiguration> OpenConfigurationFile(const std::string& path, TUserInterface& ui);

// The whole configuration, tables in the order of the configuration file.
TDumpNode DumpConfiguration(const TConfiguration& config);

// Identity, module table, the main window's counts and one line per table.
void WriteConfigurationSummary(std::ostream& out, const TConfiguration& config);

}  // namespace lur
