#pragma once
// The report of the algorithm window: its title, an empty line, ten blanks
// and the block list's label, then the block list and the algorithm list,
// one line a row with its cells separated by tabs (header rows first, empty
// rows left out), on landscape pages with margins of 29 points.
#include <string>
#include <vector>

#include "reports/TReport.h"

namespace lur {

struct TAlgorithmLists {
  // Whole grids, header rows included; a row whose first cell is empty is
  // no row of the list.
  std::vector<std::vector<std::string>> blocks;
  std::vector<std::vector<std::string>> algorithms;
  int headerRows = 2;
};

TReport AlgorithmReport(const std::string& title, const std::string& label, const TAlgorithmLists& lists);

}  // namespace lur
