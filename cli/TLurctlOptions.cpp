#include "cli/TLurctlOptions.h"

#include <cstdlib>

namespace lur {

const char* const kLurctlUsage =
    "usage: lurctl [--port PATH] [--device N] [--baud B] [--parity N|O|E] [--stop 1|2] [--request-delay MS]\n"
    "              [--trace] COMMAND [ARGS]\n"
    "  --trace                print every frame sent (->) and received (<-) and each request's result\n"
    "                         (=>) on stderr, with seconds since the start\n"
    "commands:\n"
    "  identify               print the controller's identity\n"
    "  raw FUNC [BYTE ...]    send one request (hexadecimal bytes), print the answer frame\n"
    "  read -o FILE           read the whole configuration into a .lur file\n"
    "  read --all [--from A --to B] [--timeout MS] -o DIR\n"
    "                         scan the bus, read every controller found into DIR/device-N.lur\n"
    "  scan [--from A --to B] [--timeout MS] [--json]\n"
    "                         list the controllers that answer function 17 at addresses A..B\n"
    "                         (1..31), one attempt each within MS (300) milliseconds\n"
    "  write FILE [--password TEXT] [--password-file PATH] [--no-verify]\n"
    "                         write a .lur file into the controller (no password: refused), then read\n"
    "                         every page back and check it (exit 3 when the check fails)\n"
    "  fb read FILE -o OUT    the function block table from the controller into FILE's configuration,\n"
    "                         saved as OUT, as the function block editor's F9 reads it\n"
    "  fb write FILE [--password TEXT] [--password-file PATH]\n"
    "                         FILE's function block table into the controller, as the editor's F10\n"
  "  new --modules XXXXXXXX --display 0..4 [--fb 60|120] -o FILE\n"
    "                         create a new configuration file (no port needed)\n"
    "  dump FILE [--json]     show what a .lur file holds (no port needed)\n"
    "  diff A B               differences of two .lur files (exit 0 equal, 1 different, 2 error)\n"
    "  diff FILE --port PATH [--device N]\n"
    "                         differences of a .lur file and the controller, same exit codes\n"
    "  live VIEW [--interval MS] [--count K] [--json]\n"
    "                         poll a live view as its window does, one line a poll (Ctrl+C stops)\n"
    "  clock [--json]         read the controller's clock: time, date and day of week\n"
    "  clock --watch [--interval MS] [--count K] [--json]\n"
    "                         read it every 100 ms as the time and date window does\n"
    "  clock --set now|YYYY-MM-DDTHH:MM:SS [--password TEXT] [--password-file PATH]\n"
    "                         set every controller's clock with the broadcast 0x46\n";

namespace {

bool ParseInt(const std::string& text, int low, int high, int& value) {
  if (text.empty() || text.size() > 6) return false;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || v < low || v > high) return false;
  value = static_cast<int>(v);
  return true;
}

}  // namespace

std::optional<TLurctlOptions> ParseLurctlOptions(const std::vector<std::string>& args, std::string& error) {
  TLurctlOptions o;
  std::size_t i = 0;
  auto value = [&](const std::string& name) -> std::optional<std::string> {
    if (i + 1 >= args.size()) {
      error = name + " needs a value";
      return std::nullopt;
    }
    return args[++i];
  };
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--port") {
      auto v = value(a);
      if (!v) return std::nullopt;
      o.port = *v;
    } else if (a == "--device") {
      auto v = value(a);
      if (!v || !ParseInt(*v, 1, 31, o.device)) {
        if (error.empty()) error = "--device takes a device number 1..31";
        return std::nullopt;
      }
    } else if (a == "--request-delay") {
      auto v = value(a);
      if (!v || !ParseInt(*v, 1, 100, o.requestDelay)) {
        if (error.empty()) error = "--request-delay takes 1..100 ms";
        return std::nullopt;
      }
    } else if (a == "--trace") {
      o.trace = true;
    } else if (a == "--baud") {
      auto v = value(a);
      if (!v) return std::nullopt;
      o.baud = *v;
    } else if (a == "--parity") {
      auto v = value(a);
      if (!v) return std::nullopt;
      if (*v != "N" && *v != "O" && *v != "E") {
        error = "--parity takes N, O or E";
        return std::nullopt;
      }
      o.parity = *v;
    } else if (a == "--stop") {
      auto v = value(a);
      if (!v) return std::nullopt;
      if (*v != "1" && *v != "2") {
        error = "--stop takes 1 or 2";
        return std::nullopt;
      }
      o.stop = *v;
    } else if (o.command.empty() && !a.empty() && a[0] != '-') {
      o.command = a;
      // Everything after the command is its own (raw bytes may look like anything).
      o.arguments.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
      break;
    } else {
      error = "unknown option " + a;
      return std::nullopt;
    }
  }
  if (o.command.empty()) {
    error = "no command";
    return std::nullopt;
  }
  return o;
}

}  // namespace lur
