#pragma once
// What `lurctl dump` shows of a configuration: the tree of every table
// (shell/ConfigTree.h), and a short text summary with the module table as the
// main window shows it.
#include <memory>
#include <ostream>
#include <string>

#include "model/TConfiguration.h"
#include "shell/ConfigTree.h"

namespace lur {

class TUserInterface;

// A configuration file opened as the main window opens it (its refusals
// reported through ui); nothing when it cannot be read.
std::unique_ptr<TConfiguration> OpenConfigurationFile(const std::string& path, TUserInterface& ui);

// Identity, module table, the main window's counts and one line per table.
void WriteConfigurationSummary(std::ostream& out, const TConfiguration& config);

}  // namespace lur
