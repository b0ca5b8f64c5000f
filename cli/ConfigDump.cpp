#include "cli/ConfigDump.h"

#include <functional>
#include <string>

#include "model/Cp1251.h"
#include "shell/TConfigFile.h"
#include "shell/TFileOperations.h"
#include "shell/TMainState.h"
#include "shell/TModuleTable.h"

namespace lur {
namespace {

// Windows-1251 bytes as UTF-8, without the blanks that pad them.
std::string Decoded(const std::string& bytes) {
  const auto end = bytes.find_last_not_of(' ');
  return Cp1251ToUtf8(end == std::string::npos ? std::string() : bytes.substr(0, end + 1));
}

}  // namespace

std::unique_ptr<TConfiguration> OpenConfigurationFile(const std::string& path, TUserInterface& ui) {
  auto config = std::make_unique<TConfiguration>();
  TMainState state;
  const std::function<void()> noRefresh;
  if (!TFileOperations(*config, ui, state, noRefresh, noRefresh).OpenFile(path)) return nullptr;
  return config;
}

void WriteConfigurationSummary(std::ostream& out, const TConfiguration& c) {
  const TServClass& s = c.Serv;
  out << "Устр. № " << s.GetDeviceIndex() + 1 << "\n";
  out << "Исполнение " << ModuleCodesText(s) << "\n";
  out << "Тип модуля индикации " << DisplayTypeCaption(s.GetDisplayType()) << "\n";
  out << DeviceDesignation(s) << "\n";
  out << "Таблица модулей ввода-вывода\n";
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (s.GetModuleType(slot) == kModuleEmpty) continue;
    TModuleRow row = ModuleRowOf(s, slot);
    for (char& ch : row.caption) {
      if (ch == '\n') ch = ' ';
    }
    out << "  " << slot << "  " << row.code << "  " << row.caption;
    if (!row.inputs.empty()) out << "  входы " << row.inputs;
    if (!row.outputs.empty()) out << "  выходы " << row.outputs;
    out << "\n";
  }
  out << "Количество аналоговых входов " << s.GetAiCount() << "\n";
  out << "Количество дискретных входов " << s.GetDiCount() << "\n";
  out << "Количество обрабатываемых дискретных сигналов " << s.GetProcessedDiscreteCount() << "\n";
  out << "Количество дискретных выходов " << s.GetDoCount() << "\n";
  out << "Количество обрабатываемых аналоговых сигналов " << s.GetProcessedAnalogCount() << "\n";

  int exchangeBlocks = 0;
  for (int b = 0; b < TProgMBMClass::kBlockCount; ++b) exchangeBlocks += c.MBM.GetKodF(b) != 0;
  int f15Blocks = 0;
  for (int b = 0; b < TProgF15Class::kBlockCount; ++b) f15Blocks += c.F15.GetKodF(b) != 0;
  int handlers = 0;
  for (int n = 0; n < TProgLurClass::kRecordCount; ++n) handlers += c.Lur.HasHandler(n);
  int usedBlocks = 0;
  for (int i = 0; i < ConfigFileBlockCount(c); ++i) usedBlocks += c.FB.GetRecord(i) != TProgFBClass::Record{};
  int texts = 0;
  for (int e = 0; e < kMaxOutputs; ++e) texts += !Decoded(s.GetOutputText(e)).empty();
  out << "tables:\n";
  out << "  analog modules: " << s.GetAiModuleCount() << "\n";
  out << "  network analog groups: " << kSlotCount - s.GetAiModuleCount() << "\n";
  out << "  exchange blocks in use: " << exchangeBlocks << " (network inputs: " << s.GetNetDiscreteTotal()
      << " discrete, " << s.GetNetAnalogTotal() << " analog)\n";
  out << "  function-15 blocks in use: " << f15Blocks << "\n";
  out << "  discrete signals with handlers: " << handlers << "\n";
  out << "  function blocks: " << usedBlocks << " records of " << ConfigFileBlockCount(c) << ", algorithms "
      << c.FB.AlgCount() << "\n";
  out << "  control loop regulators: " << c.Reg.UsedRegs() << "\n";
  out << "  output texts: " << texts << "\n";
  out << "  units:";
  std::vector<std::string> units;
  c.MBA.FillUnitList(units);
  for (const auto& u : units) out << " " << Cp1251ToUtf8(u);
  out << "\n";
}

}  // namespace lur
