#pragma once
// The local network editor as the program runs it: its controller and
// window, with the block dialog (and its scaling and live windows) and the
// function-15 dialog it opens, made once for the run and registered for the
// main window's three commands. While the editor is open the user's boxes
// and the writes' progress bar are on its window.
#include <QPointer>
#include <memory>

#include "network/TF15Dialog.h"
#include "network/TFormF15Controller.h"
#include "network/TFormLNetController.h"
#include "network/views/TFormF15.h"
#include "network/views/TFormLNet.h"
#include "network/views/TQtMBMDialog.h"
#include "network/views/TQtNetworkLiveWindow.h"
#include "network/views/TQtScalingWindow.h"
#include "session/TEditorRegistry.h"

class QWidget;

namespace lur {

class TQtUserInterface;
class TReportPrinter;

class TQtLNetEditor {
 public:
  // Everything given must outlive this; `parent` owns the windows.
  TQtLNetEditor(TSession& session, TEditorRegistry& editors, TQtUserInterface& ui, TReportPrinter* printer,
                QWidget* parent);
  ~TQtLNetEditor();
  TQtLNetEditor(const TQtLNetEditor&) = delete;
  TQtLNetEditor& operator=(const TQtLNetEditor&) = delete;

  // LocalNetFunctions, LocalNetF15 and LocalNetExchange.
  void Register();
  int Open(TLNetMode mode);

  TFormLNetController& Form() { return form_; }
  TFormLNet* Window() const { return window_; }

 private:
  TEditorRegistry& editors_;
  TQtUserInterface& ui_;
  TQtScalingWindow scaling_;
  TQtNetworkLiveWindow live_;
  TQtMBMDialog blocks_;
  TFormF15Controller f15Form_;
  TQtF15Window f15Window_;
  TF15DialogRunner f15_;
  TFormLNetController form_;
  QPointer<TFormLNet> window_;
};

}  // namespace lur
