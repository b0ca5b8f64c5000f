#include "live/InputListReport.h"

#include <algorithm>

namespace lur {
namespace {

constexpr std::size_t kPaddedWidth = 14;

std::size_t Characters(const std::string& utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

template <class Row>
std::string Joined(const Row& cells) {
  std::string line;
  for (std::size_t c = 0; c < cells.size(); ++c) {
    if (c > 0) line += '\t';
    line += cells[c];
  }
  return line;
}

TReport Heading(const std::string& title, const std::string& label, const std::string& header) {
  TReport report;
  report.pageSetup = false;
  report.AddParagraph(title);
  report.AddParagraph("");
  report.AddParagraph(std::string(10, ' ') + label);
  report.AddParagraph("");
  report.AddParagraph(header);
  report.AddParagraph("");
  return report;
}

}  // namespace

std::string PadToWidth(const std::string& text, std::size_t width) {
  const std::size_t n = Characters(text);
  return n >= width ? text : text + std::string(width - n, ' ');
}

TReport DiscreteListReport(const std::string& title, const std::string& label, const TInputGrids& grids, int rows) {
  TReport report = Heading(title, label, Joined(grids.grid1[0]));
  const int last = std::clamp(rows, 0, TInputGrids::kRows1 - 1);
  for (int r = 1; r <= last; ++r) {
    const TInputGrids::Row1& row = grids.grid1[r];
    report.AddParagraph(row[0] + '\t' + PadToWidth(row[1], kPaddedWidth) + '\t' + row[2] + '\t' +
                        PadToWidth(row[3], kPaddedWidth) + '\t' + row[4]);
  }
  return report;
}

TReport AnalogListReport(const std::string& title, const std::string& label, const TInputGrids& grids, int rows) {
  TReport report = Heading(title, label, Joined(grids.grid2[0]));
  const int last = std::clamp(rows, 0, TInputGrids::kRows2 - 1);
  for (int r = 1; r <= last; ++r) {
    const TInputGrids::Row2& row = grids.grid2[r];
    report.AddParagraph(row[0] + '\t' + PadToWidth(row[1], kPaddedWidth) + '\t' + row[2] + '\t' + row[3]);
  }
  return report;
}

}  // namespace lur
