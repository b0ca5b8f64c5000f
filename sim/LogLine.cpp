#include "sim/LogLine.h"

#include <cstdio>

namespace lur::sim {

std::string LogLine(std::chrono::steady_clock::duration sinceStart, std::string_view text) {
  const double ms = std::chrono::duration<double, std::milli>(sinceStart).count();
  char stamp[48];
  std::snprintf(stamp, sizeof stamp, "%10.3f ", ms);
  std::string line(stamp);
  line.append(text);
  return line;
}

}  // namespace lur::sim
