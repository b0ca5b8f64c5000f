#include "loops/views/TQtLoopDialog.h"

#include "session/TSession.h"

namespace lur {

TQtLoopDialog::TQtLoopDialog(TSession& session, const TEditorRegistry& editors, QWidget* parent)
    : form_(session, editors), window_(session.ui, parent), dialog_(form_, window_) {}

}  // namespace lur
