#pragma once
// The archiving dialog ("Архивирование дискретных сигналов ЛУР-05"): one
// toggle, archiving on or off. One instance lives for the run.
#include <string>

namespace lur {

struct TSession;

class TFormVklController {
 public:
  static constexpr const char* kCaption = "Архивирование дискретных сигналов ЛУР-05";
  static constexpr const char* kOnCaption = "включено";
  static constexpr const char* kOffCaption = "отключено";

  explicit TFormVklController(TSession& session) : session_(session) {}

  // The caller's preset: the toggle and its caption, without marking a change.
  void Preset(bool down);
  // A click on SBVkl: the toggle's new state; its caption follows and the
  // processing table is marked as changed.
  void SBVklClick(bool down);
  int OKClick();  // kModalOk (also the background and the close box)

  std::string label2;  // the caller's signal label
  bool sbVkl = false;  // down = archiving on
  std::string sbVklCaption = kOffCaption;

 private:
  TSession& session_;
};

}  // namespace lur
