#include "live/OutputListReport.h"

#include <algorithm>

#include "model/Cp1251.h"

namespace lur {
namespace {

constexpr int kMarginPoints = 29;

// Padded by characters, not bytes: a Cyrillic letter is two bytes of UTF-8
// but one place of the monospaced line.
std::string PadText(const std::string& utf8, int chars) {
  std::string bytes = Utf8ToCp1251(utf8);
  if (bytes.size() < static_cast<std::size_t>(chars))
    bytes.append(static_cast<std::size_t>(chars) - bytes.size(), ' ');
  return Cp1251ToUtf8(bytes);
}

}  // namespace

std::string OutputReportLine(const TOutputRow& row) {
  std::string line = row[0] + "  " + PadText(row[kOutputTextColumn], kOutputTextReportChars);
  for (int c = kOutputTextColumn + 1; c < kOutputColumns; ++c)
    line += '\t' + row[static_cast<std::size_t>(c)];
  return line;
}

TReport OutputListReport(const std::string& title, const std::string& label, const TOutputGrid& grid,
                         int outputs) {
  TReport report;
  report.orientation = TPageOrientation::Landscape;
  report.marginPoints = kMarginPoints;
  report.pageSetup = true;
  report.AddParagraph(title);
  report.AddParagraph(std::string(10, ' ') + label);
  const int rows = kOutputHeaderRows + std::clamp(outputs, 0, kOutputGridRows - kOutputHeaderRows);
  for (int r = 0; r < rows; ++r) report.AddParagraph(OutputReportLine(grid[static_cast<std::size_t>(r)]));
  report.AddParagraph("");
  return report;
}

}  // namespace lur
