#pragma once
// The logic of the port settings dialog ("Настройка СОМ-порта"): its lists,
// the choices it remembers for the run, and the refusal of even parity with
// two stop bits.
#include <string>
#include <vector>

#include "session/TModalWindow.h"

namespace lur {

class TFormPortController {
 public:
  static const std::vector<std::string>& SpeedItems();   // "9600" ... "115200"
  static const std::vector<std::string>& ParityItems();  // "нет", "нечет", "чет"
  static const std::vector<std::string>& StopBitItems(); // "1", "2"

  // Showing: the remembered speed, parity and stop bits are selected again,
  // the port list is filled afresh and the remembered port (the first port on
  // the first showing) selected.
  void FormShow(std::vector<std::string> ports);
  // The user picked another port: remembered at once.
  void CBoxPortChange(int index);
  // OK: kModalError for even parity with two stop bits (nothing
  // remembered), otherwise the choices are remembered and the result is
  // kModalOk.
  int OKClick();

  // What the controls show now.
  std::vector<std::string> ports;
  int portIndex = -1;
  int speedIndex = 0;
  int parityIndex = 0;
  int stopIndex = 1;

  // The settings texts of the confirmed choice.
  std::string PortName() const;
  std::string BaudText() const;
  std::string ParityText() const;
  std::string StopBitsText() const;

 private:
  bool shown_ = false;
  std::string rememberedPort_;
  int rememberedSpeed_ = 0;
  int rememberedParity_ = 0;
  int rememberedStop_ = 1;
};

}  // namespace lur
