#pragma once
// "Информация о входе" and "Информация о дискретном выходе": the detail
// windows of one input signal or one discrete output, filled from the
// configuration and shown modally. The discrete processing editor opens them
// through the main window's registry, the input information window directly.
#include "live/TFormInfAnController.h"
#include "live/TFormInfNetAnController.h"
#include "live/TFormInfVyhController.h"
#include "session/TEditorRegistry.h"
#include "session/TModalWindow.h"

namespace lur {

struct TConfiguration;
class TServClass;

// One instance of each window's fields for the run.
struct TDetailForms {
  TFormInfAnController infAn;
  TFormInfNetAnController infNetAn;
  TFormInfVyhController infVyh;
};

// The modal windows that show them (Qt dialogs in the program, scripts in tests).
struct TDetailWindows {
  TModalWindow<TFormInfAnController>& infAn;
  TModalWindow<TFormInfNetAnController>& infNetAn;
  TModalWindow<TFormInfVyhController>& infVyh;
};

enum class TInputDetailKind { None, Analog, Network };

// Which detail signal entry `entry` (0-based) has: none for an input of the
// own discrete modules or an entry outside the processed signals, the analog
// detail for a limit signal of an own analog input, the network detail for
// the rest.
TInputDetailKind InputDetailKind(const TServClass& serv, int entry);

// Fills and shows the detail of signal entry `entry`; its modal result, or
// kModalCancel when the entry has no detail (nothing is shown).
int ShowInputDetail(const TConfiguration& config, int entry, TDetailForms& forms, const TDetailWindows& windows);
// Fills and shows output entry `entry` (0-based); kModalCancel, showing
// nothing, for an output the configuration does not have.
int ShowOutputDetail(const TConfiguration& config, int entry, TDetailForms& forms, const TDetailWindows& windows);

// Registers both under TEditor::InputDetail and TEditor::OutputDetail, each
// showing the request's entry. The configuration, forms and windows must
// outlive the registry's use.
void RegisterDetailWindows(TEditorRegistry& registry, const TConfiguration& config, TDetailForms& forms,
                           const TDetailWindows& windows);

}  // namespace lur
