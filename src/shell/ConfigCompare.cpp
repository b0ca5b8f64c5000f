#include "shell/ConfigCompare.h"

#include "shell/ConfigTree.h"

namespace lur {
namespace {

TConfigDifference FromDump(const TDumpDifference& d) {
  TConfigDifference out;
  out.ours = d.before;
  out.theirs = d.after;
  if (d.steps.empty()) return out;
  out.table = d.steps.front().words;
  std::size_t recordEnd = d.steps.size();
  // The last step is the field when it names a member of a record (or of
  // the table); an element step ends in a record with no field.
  if (d.steps.size() > 1 && !d.steps.back().element) {
    out.field = d.steps.back().words;
    --recordEnd;
  }
  for (std::size_t i = 1; i < recordEnd; ++i) {
    out.record += (out.record.empty() ? "" : ", ") + d.steps[i].words;
  }
  return out;
}

bool ControllerNeverHolds(const TConfigDifference& d) {
  if (d.table == "algorithms") return true;
  if (d.table == "relay outputs") return d.field == "id" || d.field == "text";
  if (d.table == "discrete signals") return d.field == "id";
  return false;
}

}  // namespace

std::string TConfigDifference::Where() const {
  std::string where = table;
  for (const std::string* part : {&record, &field}) {
    if (!part->empty()) where += (where.empty() ? "" : ", ") + *part;
  }
  return where;
}

std::vector<TConfigDifference> CompareConfigurations(const TConfiguration& ours, const TConfiguration& theirs,
                                                     TCompareScope scope) {
  std::vector<TConfigDifference> out;
  for (const auto& d : CompareDumps(DumpConfiguration(ours), DumpConfiguration(theirs))) {
    TConfigDifference difference = FromDump(d);
    if (scope == TCompareScope::ControllerHeld && ControllerNeverHolds(difference)) continue;
    out.push_back(std::move(difference));
  }
  return out;
}

std::string DifferenceLine(const TConfigDifference& d) {
  return d.Where() + ": " + (d.ours.empty() ? "(none)" : d.ours) + " -> " + (d.theirs.empty() ? "(none)" : d.theirs);
}

std::string DifferenceCount(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " difference" : " differences");
}

}  // namespace lur
