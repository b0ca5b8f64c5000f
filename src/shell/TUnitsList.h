#pragma once
// The units-of-measure list of the main window (`GBoxRazm`): rename one of
// the sixteen entries or restore the default list. In controller mode each
// change goes to the controller at once (page 35); in file mode it changes
// memory and marks the configuration modified.
#include <string>

namespace lur {

struct TShellContext;

class TUnitsList {
 public:
  explicit TUnitsList(TShellContext& context) : context_(context) {}

  // The list from the table: entries up to their first blank, entry 0
  // selected, nothing pending.
  void Refresh();
  // An entry was picked: it becomes the one a typed text renames.
  void CBoxRazmChangeClick(int index);
  // "Применить". text is what the list's field shows; typed is true when it
  // no longer shows the selected entry unchanged.
  void ButRazmClick(const std::string& text, bool typed);
  // "По умолчанию".
  void ButDefaultClick();

 private:
  // After the list changed in memory: mark the file modified, or write page
  // 35 (full access only). The list is refreshed unless the write failed.
  void Apply();

  TShellContext& context_;
};

}  // namespace lur
