#pragma once
// The printed sheet of one analog module: the title line the information
// windows' reports begin with, an empty line, the module line, an empty
// line, the column names, an empty line, then one line per channel (number,
// tag, scale or sensor, unit, scale limits, the four set-points, input
// signal), its cells separated by tabs, on portrait pages.
#include <string>
#include <vector>

#include "reports/TReport.h"

namespace lur {

struct TAnalogChannelLine {
  std::string number, tag, scale, unit, min, max, ll, l, h, hh, input;
};

struct TAnalogModuleSheet {
  std::string title;   // "ЛУР-05HMI  ..." or "Файл ..."
  std::string module;  // "Модуль 1  ... входы ..."
  std::vector<TAnalogChannelLine> channels;
};

TReport AnalogModuleReport(const TAnalogModuleSheet& sheet);

}  // namespace lur
