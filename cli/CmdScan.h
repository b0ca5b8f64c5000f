#pragma once
// lurctl scan [--from A --to B] [--timeout MS] [--json]: the controllers on
// the bus, as the window "Поиск приборов" finds them.
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "cli/TLurctlOptions.h"
#include "shell/BusScan.h"

namespace lur {

class TComPortClass;
class TUserInterface;

// Takes args[i] (and its value) when it is --from, --to or --timeout:
// true when taken, with i on its value; error set when the value is bad.
bool TakeScanOption(const std::vector<std::string>& args, std::size_t& i, TScanOptions& options, std::string& error);

// A line a controller found ("device 7: modules 16300000, display 0
// 12+ЖКИ(4х20), ЛУР-05-4A 1630") and a last line with the count and the
// time against its bound; with --json one object. Addresses whose answer
// could not be used go to stderr. 0 when a controller answered, 1 when none
// did or the port failed, 2 for bad arguments.
int RunScan(const TLurctlOptions& options, TComPortClass& link, TUserInterface& ui, std::ostream& out);

}  // namespace lur
