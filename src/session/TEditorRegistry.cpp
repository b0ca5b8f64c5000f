#include "session/TEditorRegistry.h"

#include "session/TModalWindow.h"

namespace lur {

int TEditorRegistry::Open(const TEditorRequest& request) const {
  const auto it = openers_.find(request.editor);
  return it == openers_.end() ? kModalCancel : it->second(request);
}

}  // namespace lur
