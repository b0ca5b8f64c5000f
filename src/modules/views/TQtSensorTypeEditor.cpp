#include "modules/views/TQtSensorTypeEditor.h"

#include "session/TModalWindow.h"

namespace lur {

TQtSensorTypeEditor::TQtSensorTypeEditor(TSession& session, TEditorRegistry& editors, QWidget* parent)
    : editors_(editors), form_(session, editors), window_(new TFormTipDat(form_, parent)) {}

TQtSensorTypeEditor::~TQtSensorTypeEditor() { delete window_; }

void TQtSensorTypeEditor::Register() {
  editors_.Register(TEditor::SensorTypeModule, [this](const TEditorRequest& request) { return Open(request); });
}

int TQtSensorTypeEditor::Open(const TEditorRequest& request) {
  if (!window_ || !form_.FormShow(request.slot, request.typeName, request.inputs)) return kModalCancel;
  window_->Draw();
  return window_->exec();
}

}  // namespace lur
