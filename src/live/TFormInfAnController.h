#pragma once
// The analog input detail ("Информация об аналоговом входе"): one limit
// signal of an analog input of the controller's own modules, read-only. One
// instance lives for the run; every filling rewrites all its fields.
#include <string>
#include <vector>

namespace lur {

struct TConfiguration;

class TFormInfAnController {
 public:
  static constexpr const char* kCaption = "Информация об аналоговом входе";
  static constexpr const char* kLabel11 = "Модуль аналогового ввода   № ";

  // The model of an analog module by its type code: 6 "ГАРП-3", 7 "ЮНАК-3",
  // 8 "БЕРТ-3", 9 "ФИЛО-3"; any other code (13 among them) an empty label,
  // never the model of a module shown before.
  static std::string ModuleModelName(int type);

  // Fills the fields for signal entry `entry` (0-based: the list's row
  // entry + 1), which must be a limit signal of an own analog input
  // (DiCount <= entry < DiCount + 4 x AiCount). Any other entry changes
  // nothing and returns false.
  bool Fill(const TConfiguration& config, int entry);

  // What the window shows (UTF-8); all of it is display only.
  std::string label2;       // signal caption
  std::string labNMod;      // analog module number, from 1
  std::string labTMod;      // module model
  std::string label1;       // input number of the module, from 1
  std::string labTextRecv;  // the signal's text
  std::vector<std::string> razm1;  // the units list
  int razm1Index = -1;             // the channel's unit
  std::string poz1;
  std::string nsk1;
  std::string vsk1;
  std::string labUstLL;  // "уставка LL" .. "уставка HH"
  std::string ust1LL;    // that set point
};

}  // namespace lur
