#include "live/OutputSignalRows.h"

#include <algorithm>

#include "live/TFormInfVyhController.h"
#include "model/Cp1251.h"
#include "model/ModuleTypes.h"
#include "model/TConfiguration.h"

namespace lur {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// The detail dialog words an output's settings exactly as the table's
// columns do, so both take them from one place; its fields are the table's
// columns without the text.
constexpr std::array<int, kOutputColumns> kFieldOfColumn = {
    TFormInfVyhController::Nomer,       -1,
    TFormInfVyhController::Adr,         TFormInfVyhController::Id,
    TFormInfVyhController::TipVyh,      TFormInfVyhController::KvitBlock,
    TFormInfVyhController::KvitMind,    TFormInfVyhController::KvitTopLevel,
    TFormInfVyhController::VxKvit,      TFormInfVyhController::SbrMind,
    TFormInfVyhController::SbrTopLevel, TFormInfVyhController::VhSbr};

std::array<TOutputRow, kOutputHeaderRows> MakeHeaderRows() {
  std::array<TOutputRow, kOutputHeaderRows> rows;
  for (int c = 0; c < kOutputColumns; ++c) {
    const int field = kFieldOfColumn[At(c)];
    if (field < 0) continue;
    rows[0][At(c)] = TFormInfVyhController::kHeadings[At(field)].top;
    rows[1][At(c)] = TFormInfVyhController::kHeadings[At(field)].bottom;
  }
  rows[0][kOutputTextColumn] = "Наименование";
  rows[1][kOutputTextColumn] = std::string(12, ' ');
  return rows;
}

}  // namespace

const std::array<TOutputRow, kOutputHeaderRows>& OutputHeaderRows() {
  static const std::array<TOutputRow, kOutputHeaderRows> rows = MakeHeaderRows();
  return rows;
}

int OutputRowCount(const TConfiguration& config) {
  return kOutputsPerDoModule * std::clamp(config.Serv.GetDoModuleCount(), 0, kMaxOutputModules);
}

TOutputRow OutputRow(const TConfiguration& config, int entry) {
  TOutputRow row;
  if (entry < 0 || entry >= OutputRowCount(config)) return row;
  TFormInfVyhController detail;
  if (!detail.Fill(config, entry)) return row;
  for (int c = 0; c < kOutputColumns; ++c) {
    const int field = kFieldOfColumn[At(c)];
    if (field >= 0) row[At(c)] = detail.fields[At(field)];
  }
  row[kOutputTextColumn] = Cp1251ToUtf8(config.Serv.GetOutputText(entry));
  return row;
}

TOutputGrid OutputGrid(const TConfiguration& config) {
  TOutputGrid grid;
  const auto& header = OutputHeaderRows();
  std::copy(header.begin(), header.end(), grid.begin());
  const int rows = OutputRowCount(config);
  for (int e = 0; e < rows; ++e) grid[At(kOutputHeaderRows + e)] = OutputRow(config, e);
  return grid;
}

}  // namespace lur
