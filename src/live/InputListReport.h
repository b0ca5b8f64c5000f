#pragma once
// The reports of the input information window: the title, an empty line,
// ten blanks and the list's label, an empty line, the header cells joined by
// tabs, an empty line, then one line a row, the identifier and text columns
// filled up with blanks to 14 characters so the monospace lines up. Portrait,
// with no page set up: the reader's own defaults apply.
#include <string>

#include "live/InputSignalRows.h"
#include "reports/TReport.h"

namespace lur {

// `rows`: how many rows from row 1 the report lists (clamped to the grid).
TReport DiscreteListReport(const std::string& title, const std::string& label, const TInputGrids& grids, int rows);
TReport AnalogListReport(const std::string& title, const std::string& label, const TInputGrids& grids, int rows);

// `text` filled up with blanks to `width` characters (UTF-8 aware); a
// longer text stays as it is.
std::string PadToWidth(const std::string& text, std::size_t width);

}  // namespace lur
