#include "shell/TCompareResult.h"

namespace lur {

std::string CompareSummary(const TCompareResult& result) {
  std::string summary;
  if (result.Equal()) return kNoDifferencesText;
  if (!result.differences.empty()) summary = "расхождений: " + std::to_string(result.differences.size());
  if (!result.Complete()) {
    summary += (summary.empty() ? "" : "; ") + result.stopped;
    if (!result.notCompared.empty()) {
      summary += "; не сравнено:";
      for (std::size_t i = 0; i < result.notCompared.size(); ++i) {
        summary += (i == 0 ? " " : ", ") + result.notCompared[i];
      }
    }
  }
  return summary;
}

std::string CompareText(const TCompareResult& result) {
  std::string text;
  for (const auto& d : result.differences) text += DifferenceLine(d) + "\n";
  return text + CompareSummary(result) + "\n";
}

}  // namespace lur
