#pragma once
// The relay output dialog ("Программирование выходов ЛУР-05"): eight output
// toggles for each output module in use, held as one byte per module (bit j
// = output j + 1). A toggle flips its bit; the panel's colour follows the
// byte, so the two can never disagree. One instance lives for the run.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "discrete/TDialogChangeMark.h"

namespace lur {

class TProgLurClass;

class TFormVyhController {
 public:
  static constexpr const char* kCaption = "Программирование выходов ЛУР-05";
  static constexpr int kModules = 5;
  static constexpr int kOutputs = 8;
  // Label1..Label5: "MP №1".."MP №5", the letters M and P Latin.
  static std::string ModuleLabel(int module);  // module 0..4
  static constexpr std::uint32_t kColorOn = 0x808000;   // olive
  static constexpr std::uint32_t kColorOff = 0xC0C0C0;  // silver

  explicit TFormVyhController(TProgLurClass& lur) : lur_(lur) {}

  // The caller's preset: modules 0..moduleCount - 1 shown with their bytes,
  // the others hidden and zero.
  void Preset(int moduleCount, const std::array<std::uint8_t, kModules>& bytes);
  // A click on output j (0..7) of module k (0..4) of a shown module flips
  // its bit and marks a change.
  void OutputClick(int k, int j);
  // A right-button press on that output: InfMR = k, InfOut = j, then the
  // pop-up's "Информация о дискретном выходе" may run onInfVyh.
  void OutputRightPress(int k, int j);
  int OKClick();  // kModalOk

  bool ModuleShown(int k) const { return k >= 0 && k < moduleCount_; }
  bool OutputOn(int k, int j) const;
  std::uint32_t OutputColor(int k, int j) const { return OutputOn(k, j) ? kColorOn : kColorOff; }
  std::uint8_t Byte(int k) const { return k >= 0 && k < kModules ? bytes_[static_cast<std::size_t>(k)] : 0; }
  const std::array<std::uint8_t, kModules>& Bytes() const { return bytes_; }

  std::string labNVh = "Вход №";  // what the label names: "Вход №", or "ФБ №" for a function block
  std::string labelName;  // the caller's signal label
  TDialogChangeMark marksChange;
  std::function<void()> onInfVyh;  // the caller's InfVyhClick

 private:
  TProgLurClass& lur_;
  int moduleCount_ = 0;
  std::array<std::uint8_t, kModules> bytes_{};
};

}  // namespace lur
