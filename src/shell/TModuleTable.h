#pragma once
// The device panel and the module table of the main window as texts: what
// the identity record and the identifiers say about each slot. Pure functions
// of the service record; RefreshView puts their results into TMainState.
#include <string>

#include "shell/TMainState.h"

namespace lur {

class TServClass;

// "Невозможно программировать ЖОКА -  нет аналог. входов"
extern const char* const kNoAnalogForLoopModule;
// The caption of a row button whose window does not exist yet.
extern const char* const kWindowComesLater;

// EditModif: one upper-case hexadecimal digit per slot.
std::string ModuleCodesText(const TServClass& serv);
// StLUR: "ЛУР-05-", the display type's designation, the codes of its slots.
std::string DeviceDesignation(const TServClass& serv);
// The caption of an analog input module of type 6..9 ("" for other types):
// model, document designation, firmware version and code.
std::string AnalogModelCaption(int type);

// The row of one slot: caption, code, ranges, button caption and whether the
// button has something to program. A control loop module without processed
// analog signals shows "нет" on a disabled button.
TModuleRow ModuleRowOf(const TServClass& serv, int slot);

// Device panel, counts and the eight rows. Returns true when a control loop
// module cannot be programmed for want of analog signals (the caller warns).
bool FillModuleTable(const TServClass& serv, TMainState& state);

}  // namespace lur
