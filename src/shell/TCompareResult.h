#pragma once
// What a comparison with the controller found (the compare window's and the
// check after a write's): the differences of what it could read, and where
// the reading stopped when it did not get everything.
#include <string>
#include <vector>

#include "shell/ConfigCompare.h"

namespace lur {

// The check after a write found every page as it was sent.
inline constexpr const char* kVerifiedText = "Запись проверена: расхождений нет";
// A comparison that read everything and found nothing.
inline constexpr const char* kNoDifferencesText = "нет расхождений";

struct TCompareResult {
  std::vector<TConfigDifference> differences;
  // Empty when everything was read; otherwise where and why the reading
  // stopped, and what was therefore not compared.
  std::string stopped;
  std::vector<std::string> notCompared;

  bool Complete() const { return stopped.empty(); }
  bool Equal() const { return Complete() && differences.empty(); }
};

// One line for the window and the terminal: "нет расхождений", the count of
// differences, or where the reading stopped and what it left out. Never
// "нет расхождений" for a comparison that stopped.
std::string CompareSummary(const TCompareResult& result);

// The whole result as text: one line a difference in the words of `lurctl
// diff`, then the summary. What Copy and Save give.
std::string CompareText(const TCompareResult& result);

}  // namespace lur
