#pragma once
// The one comparison of two configurations: `lurctl diff`, the check after a
// write and the main window's compare with the controller all list their
// differences with it, field by field in the words of the configuration tree.
#include <cstddef>
#include <string>
#include <vector>

#include "model/TConfiguration.h"

namespace lur {

// One differing field. ours is the configuration in memory (or the first
// file, or what was sent), theirs the controller's (or the second file); each
// a JSON value, "" when that side has none.
struct TConfigDifference {
  std::string table;   // "discrete signals"
  std::string record;  // "signal 5"; "" for a field of the table itself
  std::string field;   // "TimeZ"; "" when the record is a value of its own
  std::string ours;
  std::string theirs;

  // The path in words: "discrete signals, signal 5, TimeZ".
  std::string Where() const;
};

enum class TCompareScope {
  Whole,
  // Leaves out what a controller never holds, so that it never differs from
  // a file: the identifiers of inputs and outputs (made from the module
  // set), the output texts and the algorithms of the function blocks.
  ControllerHeld,
};

std::vector<TConfigDifference> CompareConfigurations(const TConfiguration& ours, const TConfiguration& theirs,
                                                     TCompareScope scope = TCompareScope::Whole);

// `lurctl diff`'s line of a difference, without the line break:
// "discrete signals, signal 5, TimeZ: 5 -> 7" ("(none)" for a missing side).
std::string DifferenceLine(const TConfigDifference& difference);
// "1 difference", "3 differences".
std::string DifferenceCount(std::size_t count);

}  // namespace lur
