#include "live/InputSignalRows.h"

#include <algorithm>

#include "live/DetailTexts.h"
#include "model/Cp1251.h"
#include "model/ModuleTypes.h"
#include "model/TConfiguration.h"

namespace lur {
namespace {

// The first `parts` identifier parts of entry `entry`, joined.
std::string IdParts(const TServClass& serv, int entry, int parts) {
  std::string id;
  for (int slot = 0; slot < parts; ++slot) id += serv.GetInputIdSlot(entry, slot);
  return Cp1251ToUtf8(id);
}

bool DrivesRelay(const TProgLurClass& lur, int n) {
  for (int k = TProgLurClass::kFirstMRByte; k < TProgLurClass::kFirstMRByte + kMaxOutputModules; ++k) {
    if (lur.GetRecByte(n, k) != 0) return true;
  }
  return false;
}

void FillDiscrete(const TConfiguration& config, TInformFill fill, TInputGrids& grids) {
  const TServClass& serv = config.Serv;
  const int count = std::min(serv.GetProcessedDiscreteCount(), TInputGrids::kRows1 - 1);
  for (int n = 0; n < count; ++n) {
    TInputGrids::Row1& row = grids.grid1[n + 1];
    row[0] = std::to_string(n + 1);
    row[1] = Cp1251ToUtf8(serv.GetInputId(n));
    row[2] = SignalAddressText(n);
    row[3] = Cp1251ToUtf8(serv.GetInputText(n));
    if (fill == TInformFill::FunctionBlock) {
      row[4] = TInputGrids::kFunctionBlockMark;
    } else {
      row[4] = DrivesRelay(config.Lur, n) ? TInputGrids::kRelayMark : TInputGrids::kNoRelayMark;
    }
  }
}

// Own analog channels; returns how many rows they took.
int FillOwnAnalog(const TConfiguration& config, TInputGrids& grids) {
  const TServClass& serv = config.Serv;
  const int channels = std::min(kInputsPerAiModule * serv.GetAiModuleCount(), TInputGrids::kRows2 - 1);
  for (int r = 0; r < channels; ++r) {
    const int a = r / kInputsPerAiModule;
    const int c = r % kInputsPerAiModule;
    TInputGrids::Row2& row = grids.grid2[r + 1];
    row[0] = std::to_string(r + 1);
    row[1] = IdParts(serv, serv.GetDiCount() + kLimitsPerAnalogInput * (kInputsPerAiModule * a + c), 5);
    row[2] = SignalAddressText(r);
    row[3] = Cp1251ToUtf8(config.MBA.GetPozText(a, c));
  }
  return channels;
}

// Network analog channels after the own ones: each analog network value
// takes four signal entries, a discrete one one; anything else ends the walk.
void FillNetAnalog(const TConfiguration& config, int first, TInputGrids& grids) {
  const TServClass& serv = config.Serv;
  int e = serv.GetDiCount() + kLimitsPerAnalogInput * serv.GetAiCount();
  for (int k = 0; k != serv.GetNetAnalogTotal() && e < kMaxInputSignals && first + k < TInputGrids::kRows2 - 1;) {
    const std::string kind = serv.GetInputIdSlot(e, 2);
    if (kind == "A") {
      const int r = first + k;
      TInputGrids::Row2& row = grids.grid2[r + 1];
      row[0] = std::to_string(r + 1);
      row[1] = IdParts(serv, e, 7);
      row[2] = SignalAddressText(r);
      row[3] = Cp1251ToUtf8(config.MBM.GetPoz(k));
      e += kLimitsPerAnalogInput;
      ++k;
    } else if (kind == "D") {
      ++e;
    } else {
      break;
    }
  }
}

}  // namespace

TInputGrids::TInputGrids() {
  for (int c = 0; c < kColumns1; ++c) grid1[0][c] = kHeader1[c];
  for (int c = 0; c < kColumns2; ++c) grid2[0][c] = kHeader2[c];
}

std::string SignalAddressText(int n) { return " 0x" + TwoHexDigits(n); }

void FillInputGrids(const TConfiguration& config, TInformFill fill, TInputGrids& grids) {
  for (int r = 1; r < TInputGrids::kRows1; ++r) grids.grid1[r] = {};
  for (int r = 1; r < TInputGrids::kRows2; ++r) grids.grid2[r] = {};
  FillDiscrete(config, fill, grids);
  FillNetAnalog(config, FillOwnAnalog(config, grids), grids);
}

void RefillInputTexts(const TConfiguration& config, TInputGrids& grids) {
  const int count = std::min(config.Serv.GetProcessedDiscreteCount(), TInputGrids::kRows1 - 1);
  for (int n = 0; n < count; ++n) grids.grid1[n + 1][TInputGrids::kTextColumn] = Cp1251ToUtf8(config.Serv.GetInputText(n));
}

}  // namespace lur
