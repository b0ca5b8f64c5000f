#pragma once
// lurctl's command line: the link options every command shares, the command
// and its own arguments.
#include <optional>
#include <string>
#include <vector>

namespace lur {

struct TLurctlOptions {
  std::string port;
  int device = 1;  // 1..31
  std::string baud = "9600";
  std::string parity = "N";
  std::string stop = "2";
  int requestDelay = 25;  // ms before each request, 1..100 as in the exchange settings
  bool trace = false;     // every frame and result on stderr
  std::string command;
  std::vector<std::string> arguments;
};

// Parses argv; on a mistake returns nothing and sets error to the reason.
std::optional<TLurctlOptions> ParseLurctlOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kLurctlUsage;

}  // namespace lur
