#include "network/TFormR_MBMController.h"

#include <cstdio>

#include "model/Cp1251.h"
#include "reports/ReportOutput.h"
#include "session/TSession.h"
#include "ui/NumericText.h"

namespace lur {
namespace {

using Real = TProgMBMClass::ChannelReal;

Real RealOf(TR_MBMColumn column) { return static_cast<Real>(static_cast<int>(column)); }

bool Analog(int kodF) { return kodF == 3 || kodF == 4; }

}  // namespace

TFormR_MBMController::TFormR_MBMController(TSession& session, TReportPrinter* printer)
    : session_(session), printer_(printer) {}

std::string TFormR_MBMController::NumberName(int e, TR_MBMColumn column) {
  const std::string k = std::to_string(e + 1);
  switch (column) {
    case TR_MBMColumn::NSK:
      return "NSK" + k;
    case TR_MBMColumn::VSK:
      return "VSK" + k;
    case TR_MBMColumn::UstLL:
      return "Ust" + k + "LL";
    case TR_MBMColumn::UstL:
      return "Ust" + k + "L";
    case TR_MBMColumn::UstH:
      return "Ust" + k + "H";
    case TR_MBMColumn::UstHH:
      return "Ust" + k + "HH";
    case TR_MBMColumn::Count:
      break;
  }
  return "";
}

std::vector<std::string> TFormR_MBMController::UnitNames() const {
  std::vector<std::string> names;
  for (int u = 0; u < TProgMBAClass::kUnitCount; ++u) names.push_back(Cp1251ToUtf8(session_.config.MBA.GetUnitText(u)));
  return names;
}

int TFormR_MBMController::FirstChannel() const {
  const TConfiguration& cfg = session_.config;
  return cfg.MBM.GetStAddr_Beg2(block_) - cfg.Serv.GetAiCount();
}

int TFormR_MBMController::ChannelCount() const {
  const TProgMBMClass& mbm = session_.config.MBM;
  const int e0 = FirstChannel();
  const int n = Analog(mbm.GetKodF(block_)) ? mbm.GetKolVh(block_) : 0;
  // A block whose channels would leave the table has none to edit.
  if (n <= 0 || e0 < 0 || e0 + n > kRows) return 0;
  return n;
}

bool TFormR_MBMController::Editable(int e) const {
  return e >= 0 && e < kRows && rows_[static_cast<std::size_t>(e)].enabled;
}

std::string TFormR_MBMController::StoredNumber(int e, TR_MBMColumn column) const {
  return session_.config.MBM.GetRealText(e, RealOf(column));
}

void TFormR_MBMController::Open(int block) {
  const TConfiguration& cfg = session_.config;
  const TProgMBMClass& mbm = cfg.MBM;
  block_ = block;
  const int aiCount = cfg.Serv.GetAiCount();
  for (int e = 0; e < kRows; ++e) {
    TR_MBMRow& row = rows_[static_cast<std::size_t>(e)];
    row = TR_MBMRow{};
    const int n = 6 * cfg.Serv.GetAiModuleCount() + e + 1;
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X", (n - 1) & 0xFF);
    row.hint = "номер аналогового сигнала в базе " + std::to_string(n) + " (адрес 0x" + hex + ")";
  }
  for (int b = 0; b < TProgMBMClass::kBlockCount; ++b) {
    if (!Analog(mbm.GetKodF(b))) continue;
    const int e0 = mbm.GetStAddr_Beg2(b) - aiCount;
    for (int j = 0; j < mbm.GetKolVh(b); ++j) {
      const int e = e0 + j;
      if (e < 0 || e >= kRows) continue;  // a start pointing outside the channel table
      TR_MBMRow& row = rows_[static_cast<std::size_t>(e)];
      row.labN = std::to_string(aiCount + e + 1);
      row.razm = mbm.GetRazm(e);
      row.poz = Cp1251ToUtf8(mbm.GetPoz(e));
      for (int c = 0; c < static_cast<int>(TR_MBMColumn::Count); ++c) {
        row.numbers[static_cast<std::size_t>(c)] = StoredNumber(e, static_cast<TR_MBMColumn>(c));
      }
      row.enabled = b == block;
    }
  }
}

void TFormR_MBMController::MarkGroups() {
  TConfiguration& cfg = session_.config;
  cfg.MBM.GroupsClean = 0;
  if (cfg.Serv.FileMode == 1) cfg.Serv.Modified = 1;
}

void TFormR_MBMController::NumberExit(int e, TR_MBMColumn column, const std::string& text) {
  if (!Editable(e) || column == TR_MBMColumn::Count) return;
  TProgMBMClass& mbm = session_.config.MBM;
  std::string& shown = rows_[static_cast<std::size_t>(e)].numbers[static_cast<std::size_t>(column)];
  const TNumericText checked = CheckNumericText(text, 0);
  const auto group = mbm.GetGroup(e / TProgMBMClass::kChannelsPerGroup);
  if (checked.error != TFieldTextError::None || !mbm.SetRealText(e, RealOf(column), text)) {
    session_.ui.InputError(NumberName(e, column));
    shown = StoredNumber(e, column);
    return;
  }
  shown = text;
  if (mbm.GetGroup(e / TProgMBMClass::kChannelsPerGroup) != group) MarkGroups();
}

void TFormR_MBMController::RazmClick(int e, int unit) {
  if (!Editable(e) || unit < 0 || unit >= TProgMBAClass::kUnitCount) return;
  TProgMBMClass& mbm = session_.config.MBM;
  rows_[static_cast<std::size_t>(e)].razm = unit;
  if (mbm.GetRazm(e) == unit) return;
  mbm.SetRazm(e, unit);
  MarkGroups();
}

void TFormR_MBMController::PozChange(int e, const std::string& text) {
  if (Editable(e)) rows_[static_cast<std::size_t>(e)].poz = text;
}

void TFormR_MBMController::FormCloseQuery() {
  TProgMBMClass& mbm = session_.config.MBM;
  const int n = ChannelCount();
  const int e0 = FirstChannel();
  bool changed = false;
  for (int e = e0; e < e0 + n; ++e) {
    const int g = e / TProgMBMClass::kChannelsPerGroup;
    const auto group = mbm.GetGroup(g);
    const TR_MBMRow& row = rows_[static_cast<std::size_t>(e)];
    mbm.SetPoz(e, Utf8ToCp1251(row.poz));
    mbm.SetRazm(e, row.razm);
    changed = changed || mbm.GetGroup(g) != group;
  }
  if (changed) MarkGroups();
}

TReport TFormR_MBMController::Report() const {
  TReport report;
  report.title = kHeading;
  report.AddParagraph("Функциональный блок ModBus Master " + std::to_string(block_ + 1));
  TReportTable& table = report.AddTable(std::vector<std::string>(std::begin(kHeaders), std::end(kHeaders)));
  const std::vector<std::string> units = UnitNames();
  for (int e = 0; e < kRows; ++e) {
    const TR_MBMRow& row = rows_[static_cast<std::size_t>(e)];
    if (!row.enabled) continue;
    std::vector<std::string> cells{std::to_string(e + 1), row.labN,
                                   row.razm >= 0 && row.razm < static_cast<int>(units.size())
                                       ? units[static_cast<std::size_t>(row.razm)]
                                       : "",
                                   row.poz};
    for (const std::string& number : row.numbers) cells.push_back(number);
    table.rows.push_back(std::move(cells));
  }
  return report;
}

void TFormR_MBMController::BNew1Click() { OutputReport(session_.ui, printer_, Report()); }

}  // namespace lur
