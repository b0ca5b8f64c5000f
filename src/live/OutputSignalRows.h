#pragma once
// The discrete output table ("Дискретные выходы") as a function of the
// configuration: two header rows, then one row for each output of the relay
// modules (8 per module, at most 40), twelve cells a row. The output
// information window shows it and its report prints it.
#include <array>
#include <string>

namespace lur {

struct TConfiguration;

inline constexpr int kOutputColumns = 12;
inline constexpr int kOutputHeaderRows = 2;
inline constexpr int kOutputGridRows = 42;  // two header rows and 40 outputs
inline constexpr int kOutputTextColumn = 1;

using TOutputRow = std::array<std::string, kOutputColumns>;  // UTF-8
using TOutputGrid = std::array<TOutputRow, kOutputGridRows>;

// The two header rows, as they stand (column 6's first text ends in a Latin c).
const std::array<TOutputRow, kOutputHeaderRows>& OutputHeaderRows();

// The outputs the table shows: 8 x DoModuleCount, at most 40.
int OutputRowCount(const TConfiguration& config);

// The cells of output entry `entry` (0-based; output k = entry + 1): number,
// text, address, identifier and the eight settings of its relay record.
// An entry outside the shown outputs gives empty cells.
TOutputRow OutputRow(const TConfiguration& config, int entry);

// The whole table: the header rows, a row for each shown output, every
// other row empty.
TOutputGrid OutputGrid(const TConfiguration& config);

}  // namespace lur
