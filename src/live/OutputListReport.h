#pragma once
// The report of the output information window: a title line (the file, or
// the controller with its module codes and number), ten blanks and the
// table's label, the two header rows, one line for each output and an empty
// line, on landscape pages with margins of 29 points. In a line the number
// comes first, two blanks, the text padded with blanks to 18 characters,
// then the other cells, each after a tab.
#include <string>

#include "live/OutputSignalRows.h"
#include "reports/TReport.h"

namespace lur {

inline constexpr int kOutputTextReportChars = 18;

// One line of the report for a row of the table.
std::string OutputReportLine(const TOutputRow& row);

// The report of the first `outputs` outputs of `grid` (header rows included).
TReport OutputListReport(const std::string& title, const std::string& label, const TOutputGrid& grid,
                         int outputs);

}  // namespace lur
