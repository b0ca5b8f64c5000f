#include "live/InputDetail.h"

#include "model/TConfiguration.h"

namespace lur {

TInputDetailKind InputDetailKind(const TServClass& serv, int entry) {
  if (entry < serv.GetDiCount() || entry >= serv.GetProcessedDiscreteCount() || entry >= kMaxInputSignals) {
    return TInputDetailKind::None;
  }
  if (entry < serv.GetDiCount() + kLimitsPerAnalogInput * serv.GetAiCount()) return TInputDetailKind::Analog;
  return TInputDetailKind::Network;
}

int ShowInputDetail(const TConfiguration& config, int entry, TDetailForms& forms, const TDetailWindows& windows) {
  switch (InputDetailKind(config.Serv, entry)) {
    case TInputDetailKind::Analog:
      if (!forms.infAn.Fill(config, entry)) return kModalCancel;
      return windows.infAn.ShowModal(forms.infAn);
    case TInputDetailKind::Network:
      if (!forms.infNetAn.Fill(config, entry)) return kModalCancel;
      return windows.infNetAn.ShowModal(forms.infNetAn);
    case TInputDetailKind::None:
      break;
  }
  return kModalCancel;
}

int ShowOutputDetail(const TConfiguration& config, int entry, TDetailForms& forms, const TDetailWindows& windows) {
  if (!forms.infVyh.Fill(config, entry)) return kModalCancel;
  return windows.infVyh.ShowModal(forms.infVyh);
}

void RegisterDetailWindows(TEditorRegistry& registry, const TConfiguration& config, TDetailForms& forms,
                           const TDetailWindows& windows) {
  registry.Register(TEditor::InputDetail, [&config, &forms, windows](const TEditorRequest& request) {
    return ShowInputDetail(config, request.entry, forms, windows);
  });
  registry.Register(TEditor::OutputDetail, [&config, &forms, windows](const TEditorRequest& request) {
    return ShowOutputDetail(config, request.entry, forms, windows);
  });
}

}  // namespace lur
