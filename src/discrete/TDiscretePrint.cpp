#include "discrete/TDiscretePrint.h"

#include <algorithm>

namespace lur {
namespace {

constexpr int kRelayModules = 5;
constexpr int kOutputsPerModule = 8;

}  // namespace

std::string RelayModuleHint(const TSchemaRow& row, int m) {
  std::string hint = "MP " + std::to_string(m + 1) + ": ";
  if (m < 0 || m >= kRelayModules || m >= row.mrModules) return hint;
  const unsigned mask = row.mr[static_cast<std::size_t>(m)];
  for (int k = 0; k < kOutputsPerModule; ++k) {
    if (mask & (1u << k)) hint += std::to_string(k + 1) + ",";
  }
  return hint;
}

std::string RelayLine(const TSchemaRow& row) {
  if (!row.hasMR) return row.text + "   " + TDiscretePrintout::kNoRelay;
  std::string line = row.text;
  for (int m = 0; m < kRelayModules; ++m) line += "  " + RelayModuleHint(row, m);
  return line;
}

TDiscretePrintout MakeDiscretePrintout(const TDiscretePrintHeading& heading, const TSchemaLayout& layout) {
  TDiscretePrintout printout;
  const int rows = static_cast<int>(layout.rows.size());
  constexpr int kPerPage = TDiscretePrintout::kRowsPerPage;
  for (int first = 0; first < rows; first += kPerPage) {
    TDiscretePrintPage page;
    page.number = first / kPerPage + 1;
    page.firstRow = first;
    page.rowCount = std::min(kPerPage, rows - first);
    if (page.number == 1) {
      page.headingPoints = TDiscretePrintPage::kFirstHeadingPoints;
      page.heading = {heading.mainCaption, heading.editorCaption};
      if (!heading.fileLabel.empty()) page.heading.push_back(heading.fileLabel);
      page.heading.push_back(heading.displayLine);
    } else {
      page.headingPoints = TDiscretePrintPage::kLaterHeadingPoints;
      page.heading = {heading.mainCaption + TDiscretePrintout::kPageWord + std::to_string(page.number)};
    }
    for (int p = first; p < first + page.rowCount; ++p)
      page.relayLines.push_back(RelayLine(layout.rows[static_cast<std::size_t>(p)]));
    printout.pages.push_back(std::move(page));
  }
  return printout;
}

}  // namespace lur
