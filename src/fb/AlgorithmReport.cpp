#include "fb/AlgorithmReport.h"

namespace lur {
namespace {

constexpr int kMarginPoints = 29;

std::string TabbedLine(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t c = 0; c < cells.size(); ++c) {
    if (c > 0) line += '\t';
    line += cells[c];
  }
  return line;
}

void AddList(TReport& report, const std::vector<std::vector<std::string>>& grid, int headerRows) {
  for (std::size_t r = 0; r < grid.size(); ++r) {
    const bool header = static_cast<int>(r) < headerRows;
    if (!header && (grid[r].empty() || grid[r][0].empty())) continue;
    report.AddParagraph(TabbedLine(grid[r]), header);
  }
}

}  // namespace

TReport AlgorithmReport(const std::string& title, const std::string& label, const TAlgorithmLists& lists) {
  TReport report;
  report.orientation = TPageOrientation::Landscape;
  report.marginPoints = kMarginPoints;
  report.pageSetup = true;
  report.AddParagraph(title);
  report.AddParagraph("");
  report.AddParagraph(std::string(10, ' ') + label);
  report.AddParagraph("");
  AddList(report, lists.blocks, lists.headerRows);
  report.AddParagraph("");
  AddList(report, lists.algorithms, lists.headerRows);
  return report;
}

}  // namespace lur
