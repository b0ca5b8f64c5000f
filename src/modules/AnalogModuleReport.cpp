#include "modules/AnalogModuleReport.h"

namespace lur {
namespace {

std::string TabbedLine(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t c = 0; c < cells.size(); ++c) {
    if (c > 0) line += '\t';
    line += cells[c];
  }
  return line;
}

}  // namespace

TReport AnalogModuleReport(const TAnalogModuleSheet& sheet) {
  TReport report;
  report.orientation = TPageOrientation::Portrait;
  report.AddParagraph(sheet.title);
  report.AddParagraph("");
  report.AddParagraph(std::string(10, ' ') + sheet.module);
  report.AddParagraph("");
  report.AddParagraph(TabbedLine({"№", "Позиция", "Шкала", "Ед.", "min", "max", "LL", "L", "H", "HH", "Вх. сигнал"}),
                      true);
  report.AddParagraph("");
  for (const TAnalogChannelLine& c : sheet.channels) {
    report.AddParagraph(TabbedLine({c.number, c.tag, c.scale, c.unit, c.min, c.max, c.ll, c.l, c.h, c.hh, c.input}));
  }
  return report;
}

}  // namespace lur
