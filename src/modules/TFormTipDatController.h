#pragma once
// The sensor types of one discrete-signal module ("Программирование модуля
// ЛЕНС-9"): a dry contact or a NAMUR sensor for each of its 12 inputs, kept
// as the module's word in the sensor-type block of the discrete base and
// written to the controller (page 98) when the window closes. The window
// keeps nothing of its own: the block, the module's position and its
// "sent" flag live in the discrete base, so an unsent change outlives the
// window and the next closing asks again.
#include <string>

#include "session/TEditorRegistry.h"
#include "session/TSession.h"

namespace lur {

class TFormTipDatController {
 public:
  static constexpr const char* kCaption = "Программирование модуля  ЛЕНС-9";
  static constexpr int kSensors = 12;
  static constexpr const char* kChangedQuestion = "База  была изменена. Передать в прибор?";
  static constexpr const char* kChangedCaption = "Подтвердите передачу базы данных";

  TFormTipDatController(TSession& session, const TEditorRegistry& editors);

  // Opening for the module at position `position` (1..8, TipDatModule) with
  // the main window's texts of its row; false, nothing changed, for a
  // position outside 1..8.
  bool FormShow(int position, const std::string& typeName, const std::string& inputs);

  int Position() const;
  std::string LabNMod() const { return std::to_string(Position()); }
  const std::string& LabTMod() const { return typeName_; }
  std::string LabN() const { return "входы " + inputs_; }
  // Selector i (0-based): 0 "Сухой контакт", 1 "NAMUR".
  int Selector(int i) const;
  // "номер дискретного сигнала в базе n (адрес 0xNN)" of selector i and its label.
  std::string Hint(int i) const;

  void RadioGroup1Click(int i, int index);
  void OKClick() { cancelUsed_ = false; }
  void CancelClick() { cancelUsed_ = true; }
  // True when the window may close.
  bool FormCloseQuery();
  // Page 98 with its completion poll; true when the controller confirmed it.
  bool SaveClick();
  // The live view of the module's inputs.
  void ButOnLineClick();

 private:
  void RestoreWord();  // the module's word back from the reserve
  int& Sent();

  TSession& session_;
  const TEditorRegistry& editors_;
  std::string typeName_;
  std::string inputs_;
  bool cancelUsed_ = false;
};

}  // namespace lur
