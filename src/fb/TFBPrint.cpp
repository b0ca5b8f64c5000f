#include "fb/TFBPrint.h"

#include <algorithm>

namespace lur {
namespace {

constexpr int kRelayModules = 5;
constexpr int kOutputsPerModule = 8;

std::vector<std::string> Heading(const TFBPrintHeading& heading, int number) {
  std::vector<std::string> lines = {heading.mainCaption, heading.editorCaption};
  if (!heading.fileLabel.empty()) lines.push_back(heading.fileLabel);
  lines.push_back(TFBPrintout::kPageWord + std::to_string(number));
  return lines;
}

}  // namespace

std::string FBRelayLine(const TDiagramBlock& block) {
  if (!block.relayPanel) return block.markText + "   " + TFBPrintout::kNoRelay;
  std::string line = block.markText;
  for (int m = 0; m < kRelayModules; ++m) {
    line += "  MP " + std::to_string(m + 1) + ": ";
    const unsigned mask = static_cast<unsigned>(block.relayMasks[static_cast<std::size_t>(m)]);
    for (int k = 0; k < kOutputsPerModule; ++k) {
      if (mask & (1u << k)) line += std::to_string(k + 1) + ",";
    }
  }
  return line;
}

TFBPrintout MakeFBPrintout(const TFBPrintHeading& heading, const TDiagramLayout& layout) {
  TFBPrintout printout;
  if (layout.blocks.empty()) return printout;
  const int rows = layout.blocks.back().row + 1;
  constexpr int kPerPage = TFBPrintout::kRowsPerPage;
  int number = 1;
  for (int first = 0; first < rows; first += kPerPage, ++number) {
    TFBPrintPage page;
    page.number = number;
    page.heading = Heading(heading, number);
    page.bandTop = first * kDiagramRowPitch;
    page.bandHeight = TFBPrintout::kBandHeight;
    printout.pages.push_back(std::move(page));
  }
  std::vector<std::string> lines;
  for (const TDiagramBlock& block : layout.blocks) lines.push_back(FBRelayLine(block));
  for (std::size_t first = 0; first < lines.size(); first += TFBPrintout::kRelayLinesPerPage, ++number) {
    TFBPrintPage page;
    page.number = number;
    page.heading = Heading(heading, number);
    page.relayTitle = first == 0;
    const std::size_t last = std::min(lines.size(), first + TFBPrintout::kRelayLinesPerPage);
    page.relayLines.assign(lines.begin() + static_cast<std::ptrdiff_t>(first),
                           lines.begin() + static_cast<std::ptrdiff_t>(last));
    printout.pages.push_back(std::move(page));
  }
  return printout;
}

}  // namespace lur
