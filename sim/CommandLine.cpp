#include "sim/CommandLine.h"

#include <charconv>
#include <string_view>
#include <utility>

#include "sim/ModuleSet.h"

namespace lur::sim {

namespace {

std::optional<long> ParseNumber(std::string_view text, long min, long max) {
  long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < min || value > max)
    return std::nullopt;
  return value;
}

// Decimal, or hexadecimal after 0x: function codes read better in hex.
std::optional<long> ParseCode(std::string_view text, long min, long max) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
    if (ec != std::errc() || end != text.data() + text.size() || value < min || value > max)
      return std::nullopt;
    return value;
  }
  return ParseNumber(text, min, max);
}

// FUNC:START (and :CODE when withCode): a live request and an exception code.
std::optional<std::pair<LiveRequest, std::uint8_t>> ParseLiveRequest(std::string_view text, bool withCode) {
  const auto first = text.find(':');
  if (first == std::string_view::npos) return std::nullopt;
  const auto second = text.find(':', first + 1);
  if ((second != std::string_view::npos) != withCode) return std::nullopt;
  const auto function = ParseCode(text.substr(0, first), 0, 255);
  const auto start = ParseCode(text.substr(first + 1, second == std::string_view::npos ? std::string_view::npos
                                                                                       : second - first - 1),
                               0, 65535);
  const auto code = withCode ? ParseCode(text.substr(second + 1), 1, 255) : std::optional<long>(0);
  if (!function || !start || !code) return std::nullopt;
  return std::pair{LiveRequest{static_cast<std::uint8_t>(*function), static_cast<int>(*start)},
                   static_cast<std::uint8_t>(*code)};
}

// HH:MM:SS,DD.MM.YY,W: a time the controller could be set to.
std::optional<ClockTime> ParseClock(std::string_view text) {
  if (text.size() != 19 || text[2] != ':' || text[5] != ':' || text[8] != ',' || text[11] != '.' ||
      text[14] != '.' || text[17] != ',') {
    return std::nullopt;
  }
  const auto part = [text](std::size_t at, std::size_t length) {
    return ParseNumber(text.substr(at, length), 0, 99).value_or(-1);
  };
  ClockTime t;
  t.hour = static_cast<int>(part(0, 2));
  t.minute = static_cast<int>(part(3, 2));
  t.second = static_cast<int>(part(6, 2));
  t.day = static_cast<int>(part(9, 2));
  t.month = static_cast<int>(part(12, 2));
  t.year = static_cast<int>(part(15, 2));
  t.weekday = static_cast<int>(part(18, 1));
  if (!IsValidClockTime(t)) return std::nullopt;
  return t;
}

}  // namespace

std::string UsageText() {
  return "usage: lursim --link PATH [options]\n"
         "  --device N            device number 1..31 (default 1)\n"
         "  --modules XXXXXXXX    module type codes of slots 1..8, hexadecimal (default 17300000)\n"
         "  --display D           display type 0..4 (default 1)\n"
         "  --fb 60|120           function block capacity (default 120)\n"
         "  --silent              answer nothing\n"
         "  --bad-crc N           every Nth answer carries a corrupt CRC\n"
         "  --truncate N          every Nth answer is cut short\n"
         "  --busy-polls K        completion polls answered busy after each page write (default 0)\n"
         "  --busy-forever        the completion poll always answers busy\n"
         "  --exception PAGE:CODE reads and writes of PAGE answer exception CODE (repeatable)\n"
         "  --poll-exception CODE every completion poll (function 14) answers exception CODE\n"
         "  --poll-truncate       every completion poll answer is cut short\n"
         "  --mute FUNC:START     never answer requests of function FUNC starting at START\n"
         "                        (the address of functions 1..6, 15, 16, the page of 0x44 and\n"
         "                        0x45, the first channel of 0x47; decimal or 0x hex; repeatable)\n"
         "  --live-exception FUNC:START:CODE\n"
         "                        such requests answer exception CODE (repeatable)\n"
         "  --live-toggle MS      the discrete input states flip every MS milliseconds\n"
         "  --faulty SLOT         the module in SLOT 1..8 reports a fault (repeatable)\n"
         "  --unreliable N        discrete signal N 1..192 reports itself unreliable (repeatable)\n"
         "  --coil ADDR=0|1       coil ADDR starts off or on, e.g. a regulator's lamps 790/791 + 8r,\n"
         "                        its \"AP\" 785 + 8r or automatic mode 784 + 8r (repeatable)\n"
         "  --pace BAUD           delay each answer by its wire time at BAUD\n"
         "  --corrupt-after-write PAGE:OFFSET\n"
         "                        after each write of PAGE, invert the byte at OFFSET (after the\n"
         "                        page number) of the page stored\n"
         "  --write-fault PAGE:CODE:N\n"
         "                        the next N writes of PAGE answer exception CODE, later ones\n"
         "                        are taken (repeatable)\n"
         "  --clock HH:MM:SS,DD.MM.YY,W\n"
         "                        the clock's time at the start, W the day of week 1..7\n"
         "                        (Monday = 1; default: the host's local time)\n"
         "  --clock-stopped       the clock stands still; a clock broadcast still sets it\n"
         "  --analog-status SIGNAL:BYTE\n"
         "                        analog signal SIGNAL 1..48 reports status BYTE (hexadecimal);\n"
         "                        bit 5 is still added while it is selected (repeatable)\n"
         "  --silent-after N      answer the first N requests, then none\n"
         "  --config FILE         serve the pages of a .lur configuration file; its modules,\n"
         "                        display and block count unless given above\n"
         "  --save FILE           on exit, write the configuration held as a .lur file\n"
         "  --verbose             log requests and answers to standard error, each line after\n"
         "                        the milliseconds since the start\n"
         "                        (a refused clock set on a line of its own)\n";
}

CommandLineResult ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  auto fail = [](std::string error) { return CommandLineResult{std::nullopt, std::move(error)}; };
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> inlineValue;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      inlineValue = name.substr(eq + 1);
      name.resize(eq);
    }
    auto value = [&]() -> std::optional<std::string> {
      if (inlineValue) return inlineValue;
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    auto flag = [&](bool& target) {
      if (inlineValue) return false;
      target = true;
      return true;
    };
    auto number = [&](long min, long max) -> std::optional<long> {
      const auto text = value();
      if (!text) return std::nullopt;
      return ParseNumber(*text, min, max);
    };

    SimOptions& o = line.options;
    if (name == "--help" || name == "-h") {
      line.help = true;
    } else if (name == "--link") {
      const auto path = value();
      if (!path || path->empty()) return fail("--link needs a path");
      line.linkPath = *path;
    } else if (name == "--device") {
      const auto n = number(1, 31);
      if (!n) return fail("--device needs a number 1..31");
      o.device = static_cast<int>(*n);
    } else if (name == "--modules") {
      const auto text = value();
      const auto types = text ? ModuleSet::ParseTypes(*text) : std::nullopt;
      if (!types) return fail("--modules needs eight hexadecimal digits, one type code per slot");
      if (ModuleSet(*types, 0).OutputModules() > ModuleSet::kMaxOutputModules) {
        return fail("--modules: at most 5 output modules");
      }
      o.modules = *types;
      line.modulesGiven = true;
    } else if (name == "--display") {
      const auto n = number(0, 4);
      if (!n) return fail("--display needs a number 0..4");
      o.display = static_cast<std::uint8_t>(*n);
      line.displayGiven = true;
    } else if (name == "--fb") {
      const auto n = number(60, 120);
      if (!n || (*n != 60 && *n != 120)) return fail("--fb needs 60 or 120");
      o.functionBlocks = static_cast<int>(*n);
      line.functionBlocksGiven = true;
    } else if (name == "--silent") {
      if (!flag(o.silent)) return fail("--silent takes no value");
    } else if (name == "--busy-forever") {
      if (!flag(o.busyForever)) return fail("--busy-forever takes no value");
    } else if (name == "--poll-truncate") {
      if (!flag(o.pollTruncate)) return fail("--poll-truncate takes no value");
    } else if (name == "--poll-exception") {
      const auto text = value();
      const auto code = text ? ParseCode(*text, 1, 255) : std::nullopt;
      if (!code) return fail("--poll-exception needs a code 1..255");
      o.pollException = static_cast<std::uint8_t>(*code);
    } else if (name == "--mute") {
      const auto text = value();
      const auto request = text ? ParseLiveRequest(*text, false) : std::nullopt;
      if (!request) return fail("--mute needs FUNC:START with function 0..255 and start 0..65535");
      o.mutedRequests.insert(request->first);
    } else if (name == "--live-exception") {
      const auto text = value();
      const auto request = text ? ParseLiveRequest(*text, true) : std::nullopt;
      if (!request) {
        return fail("--live-exception needs FUNC:START:CODE with function 0..255, start 0..65535, code 1..255");
      }
      o.liveExceptions[request->first] = request->second;
    } else if (name == "--live-toggle") {
      const auto n = number(1, 86400000);
      if (!n) return fail("--live-toggle needs milliseconds from 1");
      o.liveToggleMs = static_cast<unsigned>(*n);
    } else if (name == "--faulty") {
      const auto n = number(1, 8);
      if (!n) return fail("--faulty needs a slot 1..8");
      o.faultySlots.insert(static_cast<int>(*n));
    } else if (name == "--unreliable") {
      const auto n = number(1, 192);
      if (!n) return fail("--unreliable needs a signal 1..192");
      o.unreliableSignals.insert(static_cast<int>(*n));
    } else if (name == "--coil") {
      const auto text = value();
      const auto eq = text ? text->find('=') : std::string::npos;
      const auto coil = eq != std::string::npos ? ParseCode(std::string_view(*text).substr(0, eq), 0, 0x12FF)
                                                : std::nullopt;
      const auto on = eq != std::string::npos ? ParseNumber(std::string_view(*text).substr(eq + 1), 0, 1)
                                              : std::nullopt;
      if (!coil || !on) return fail("--coil needs ADDR=0 or ADDR=1 with a coil address 0..4863");
      o.presetCoils[static_cast<int>(*coil)] = *on == 1;
    } else if (name == "--verbose") {
      if (!flag(line.verbose)) return fail("--verbose takes no value");
    } else if (name == "--bad-crc") {
      const auto n = number(1, 1000000);
      if (!n) return fail("--bad-crc needs a number from 1");
      o.badCrcEvery = static_cast<unsigned>(*n);
    } else if (name == "--truncate") {
      const auto n = number(1, 1000000);
      if (!n) return fail("--truncate needs a number from 1");
      o.truncateEvery = static_cast<unsigned>(*n);
    } else if (name == "--busy-polls") {
      const auto n = number(0, 1000000);
      if (!n) return fail("--busy-polls needs a number from 0");
      o.busyPolls = static_cast<unsigned>(*n);
    } else if (name == "--pace") {
      const auto n = number(1, 10000000);
      if (!n) return fail("--pace needs a baud rate");
      o.paceBaud = static_cast<unsigned>(*n);
    } else if (name == "--config" || name == "--save") {
      const auto path = value();
      if (!path || path->empty()) return fail(name + " needs a file");
      (name == "--config" ? line.configPath : line.savePath) = *path;
    } else if (name == "--corrupt-after-write") {
      const auto text = value();
      const auto colon = text ? text->find(':') : std::string::npos;
      const auto page = colon == std::string::npos ? std::nullopt
                                                   : ParseNumber(std::string_view(*text).substr(0, colon), 1, 255);
      const auto offset = colon == std::string::npos ? std::nullopt
                                                     : ParseNumber(std::string_view(*text).substr(colon + 1), 0, 255);
      if (!page || !offset) return fail("--corrupt-after-write needs PAGE:OFFSET with page 1..255 and offset 0..255");
      o.corruptAfterWrite = SimOptions::ByteCorruption{static_cast<std::uint8_t>(*page), static_cast<int>(*offset)};
    } else if (name == "--write-fault") {
      const auto text = value();
      const std::string_view t = text ? std::string_view(*text) : std::string_view();
      const auto first = t.find(':');
      const auto second = first == std::string_view::npos ? std::string_view::npos : t.find(':', first + 1);
      const auto page = second == std::string_view::npos ? std::nullopt : ParseNumber(t.substr(0, first), 0, 255);
      const auto code = page ? ParseNumber(t.substr(first + 1, second - first - 1), 1, 255) : std::nullopt;
      const auto count = code ? ParseNumber(t.substr(second + 1), 1, 1000000) : std::nullopt;
      if (!page || !code || !count) {
        return fail("--write-fault needs PAGE:CODE:N with page 0..255, code 1..255 and N 1..1000000");
      }
      o.writeFaults[static_cast<std::uint8_t>(*page)] =
          SimOptions::WriteFault{static_cast<std::uint8_t>(*code), static_cast<unsigned>(*count)};
    } else if (name == "--clock") {
      const auto text = value();
      const auto start = text ? ParseClock(*text) : std::nullopt;
      if (!start) return fail("--clock needs HH:MM:SS,DD.MM.YY,W with a date that exists and W 1..7");
      o.clockStart = *start;
    } else if (name == "--clock-stopped") {
      if (!flag(o.clockStopped)) return fail("--clock-stopped takes no value");
    } else if (name == "--analog-status") {
      const auto text = value();
      const auto colon = text ? text->find(':') : std::string::npos;
      const auto signal = colon == std::string::npos ? std::nullopt
                                                     : ParseNumber(std::string_view(*text).substr(0, colon), 1, 48);
      std::optional<long> status;
      if (signal) {
        const std::string_view hex = std::string_view(*text).substr(colon + 1);
        long byte = 0;
        const auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), byte, 16);
        if (!hex.empty() && ec == std::errc() && end == hex.data() + hex.size() && byte >= 0 && byte <= 0xFF)
          status = byte;
      }
      if (!signal || !status) return fail("--analog-status needs SIGNAL:BYTE with signal 1..48 and a hexadecimal byte");
      o.analogStatus[static_cast<int>(*signal)] = static_cast<std::uint8_t>(*status);
    } else if (name == "--silent-after") {
      const auto n = number(0, 1000000000);
      if (!n) return fail("--silent-after needs a number of requests from 0");
      o.silentAfter = static_cast<unsigned>(*n);
    } else if (name == "--exception") {
      const auto text = value();
      const auto colon = text ? text->find(':') : std::string::npos;
      if (colon == std::string::npos) return fail("--exception needs PAGE:CODE");
      const auto page = ParseNumber(std::string_view(*text).substr(0, colon), 0, 255);
      const auto code = ParseNumber(std::string_view(*text).substr(colon + 1), 1, 255);
      if (!page || !code) return fail("--exception needs PAGE:CODE with page 0..255 and code 1..255");
      o.pageExceptions[static_cast<std::uint8_t>(*page)] = static_cast<std::uint8_t>(*code);
    } else {
      return fail("unknown option " + args[i]);
    }
  }
  if (!line.help && line.linkPath.empty()) return fail("--link PATH is required");
  return CommandLineResult{std::move(line), {}};
}

}  // namespace lur::sim
