#include "live/views/TQtModuleLiveViews.h"

#include "model/ModuleTypes.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"
#include "ui/TQtUserInterface.h"

namespace lur {

TQtModuleLiveViews::TQtModuleLiveViews(TSession& session, TEditorRegistry& editors, TQtUserInterface* ui,
                                       QWidget* mainWindow)
    : session_(session),
      editors_(editors),
      ui_(ui),
      mainWindow_(mainWindow),
      inputs_(std::make_unique<TFormVhDController>(session)),
      outputs_(std::make_unique<TFormVyhOnLController>(session)) {
  inputs_->AttachTimer(inputsTimer_);
  outputs_->AttachTimer(outputsTimer_);
  inputsWindow_ = new TFormVhD(*inputs_, mainWindow);
  outputsWindow_ = new TFormVyhOnL(*outputs_, mainWindow);
}

TQtModuleLiveViews::~TQtModuleLiveViews() {
  // The windows go before the controllers they call.
  delete inputsWindow_;
  delete outputsWindow_;
}

void TQtModuleLiveViews::Register() {
  editors_.Register(TEditor::DiscreteInputView, [this](const TEditorRequest& r) {
    return OpenInputs(r.slot, r.type != 0 ? ModuleTypeName(r.type) : std::string_view{});
  });
  editors_.Register(TEditor::DiscreteOutputView, [this](const TEditorRequest& r) {
    return OpenOutputs(r.slot, r.type != 0 ? ModuleTypeName(r.type) : std::string_view{});
  });
}

std::string_view TQtModuleLiveViews::TypeName(int slot, std::string_view given) const {
  return given.empty() ? ModuleTypeName(session_.config.Serv.GetModuleType(slot - 1)) : given;
}

int TQtModuleLiveViews::OpenInputs(int position, std::string_view typeName) {
  if (!inputs_->Open(position, TypeName(position, typeName))) return kModalCancel;
  return Run(inputsWindow_);
}

int TQtModuleLiveViews::OpenOutputs(int slot, std::string_view typeName) {
  if (!outputs_->Open(slot, TypeName(slot, typeName))) return kModalCancel;
  return Run(outputsWindow_);
}

int TQtModuleLiveViews::Run(TModuleLiveWindow* window) {
  if (!window) return kModalCancel;
  if (ui_) ui_->SetParent(window);
  window->ExecForm();
  if (ui_) ui_->SetParent(mainWindow_);
  // The windows return no error to their openers.
  return kModalOk;
}

}  // namespace lur
