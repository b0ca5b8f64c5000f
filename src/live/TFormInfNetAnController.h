#pragma once
// The network input detail ("Информация о сетевом  входе"): one input signal
// an exchange block of the controller's own network master receives, with
// the block, its slave and, for an analog value, its scaling. Read-only; one
// instance lives for the run and every filling rewrites all its fields.
#include <string>
#include <vector>

namespace lur {

struct TConfiguration;
class TServClass;

class TFormInfNetAnController {
 public:
  static constexpr const char* kCaption = "Информация о сетевом  входе";
  static constexpr const char* kLabel11 = "Функциональный блок ModBus Master   №  ";
  static constexpr const char* kLabel5 = "Адрес Slave в локальной сети";
  static constexpr const char* kLabel4 = "        Тип  устройства Slave";
  static constexpr const char* kGroupBox1 = "Данные масштабирования аналогового входа";

  // Where a network input lies: exchange block `block` (0..15), place
  // `position` among the block's entries (one per discrete value, four per
  // analog value).
  struct Place {
    bool found = false;
    int block = 0;
    int position = 0;
  };
  // The network entries follow the own inputs from DiCount + 4 x AiCount in
  // block order. All sixteen blocks are walked, an unconfigured block in
  // between taking no entry, so a block after a gap is found and nothing
  // past the sixteenth is read. Not found: block and position 0.
  static Place FindNetInput(const TServClass& serv, int entry);

  // Fills the fields for signal entry `entry` (0-based: the list's row
  // entry + 1), a network input (entry >= DiCount + 4 x AiCount, below 192).
  // Any other entry changes nothing and returns false.
  bool Fill(const TConfiguration& config, int entry);

  // What the window shows (UTF-8); all of it is display only.
  std::string label2;       // signal caption
  std::string labNMod;      // exchange block number, from 1
  std::string labAdrSlave;  // slave address
  std::string labTUst;      // slave device type
  std::string label1;       // value (register) number in the block, from 1
  std::string labTextRecv;  // the signal's text
  // The scaling group: hidden for a block of discrete values. A channel
  // record outside the 48 there are leaves its fields empty.
  bool groupBox1Visible = false;
  std::vector<std::string> razm1;
  int razm1Index = -1;
  std::string poz1;
  std::string nsk1;
  std::string vsk1;
  std::string labUstLL;
  std::string ust1LL;

 private:
  void ClearScaling();
};

}  // namespace lur
