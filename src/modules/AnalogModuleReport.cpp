#include "modules/AnalogModuleReport.h"

namespace lur {

TReport AnalogModuleReport(const TAnalogModuleSheet& sheet) {
  TReport report;
  report.orientation = TPageOrientation::Portrait;
  report.AddParagraph(sheet.title);
  report.AddParagraph("");
  report.AddParagraph(std::string(10, ' ') + sheet.module);
  report.AddParagraph("");
  TReportTable& table = report.AddTable(
      {"№", "Позиция", "Шкала", "Ед.изм.", "min", "max", "LL", "L", "H", "HH", "Вх. сигнал"},
      {3, 7, 7, 5, 7, 7, 7, 7, 7, 7, 8});
  for (const TAnalogChannelLine& c : sheet.channels) {
    table.rows.push_back({c.number, c.tag, c.scale, c.unit, c.min, c.max, c.ll, c.l, c.h, c.hh, c.input});
  }
  return report;
}

}  // namespace lur
