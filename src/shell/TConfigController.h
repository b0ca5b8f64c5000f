#pragma once
// The logic of the dialog "Задание конфигурации" (TConfig): the display type
// and the module of each of the eight slots of a configuration made without
// a controller, which slots keep their data from the open configuration,
// and the check and reordering of the module set when the dialog closes.
// The controller holds the dialog's state only; the tables change when the
// new configuration's file has been written (TNewConfiguration).
#include <array>
#include <string>

#include "model/ModuleTypes.h"
#include "model/TServClass.h"
#include "session/TModalWindow.h"

namespace lur {

struct TConfiguration;
class TUserInterface;

// The module set the dialog closed with, in the controller's slot order.
struct TNewModuleSet {
  std::array<int, kSlotCount> types{};
  // The dialog slot each module was chosen in (its place in the open
  // configuration), -1 for an empty slot.
  std::array<int, kSlotCount> origin{};
  std::array<bool, kSlotCount> keep{};        // keep the module's data ("Сохранить БД")
  std::array<bool, kSlotCount> newVersion{};  // a type-8 module of the new version
  int display = 0;
  int mode = 1;  // RegimCreat: 0 from the open configuration, 1 anew
  int discreteModules = 0, analogModules = 0, outputModules = 0, type5Modules = 0;
  TServClass::Identity identity{};
};

class TConfigController {
 public:
  enum class Result { None, Ok, Error };
  enum { kModeFromOpen = 0, kModeAnew = 1 };

  TConfigController(const TConfiguration& config, TUserInterface& ui);

  // Before the dialog is shown: from the configuration in memory and the
  // main window's module digits. In file mode the dialog starts from the open
  // configuration, otherwise anew.
  void Prepare(const std::string& mainModuleDigits);

  // ---- the dialog's controls (the view shows them) -------------------------
  std::array<int, kSlotCount> M{};  // M1..M8: item index = module type code
  std::string EditModif = "00000000";
  int RegimCreat = kModeAnew;
  std::array<bool, kSlotCount> SaveBD{};
  std::array<bool, kSlotCount> SaveBDEnabled{};
  std::array<bool, kSlotCount> MVSTNew{};
  std::array<bool, kSlotCount> MVSTNewEnabled{};
  std::array<bool, kSlotCount> MVSTNewVisible{};
  int TModInd = 0;
  bool ErrorTextVisible = false;  // "ошибка" beside EditModif, with kInputErrorMessage

  // ---- handlers ----------------------------------------------------------------
  // The list of `slot` (0..7) now shows module type `type`.
  void M1Click(int slot, int type);
  void RegimCreatClick(int mode);
  void SaveBDClick(int slot, bool checked);
  void MVSTNewClick(int slot, bool checked);
  void TModIndClick(int display);
  // A key typed into EditModif: the character to insert (hexadecimal digits
  // in upper case, backspace as it is), or 0 when the key is refused. The
  // reserved codes B, D and F are input errors.
  char EditModifKeyPress(char key);
  // The field's whole new text (typing, deleting, pasting). A text that is
  // not up to eight digits of known module types is refused with the input
  // error and the field keeps its text: false. The lists follow the digits.
  bool EditModifChange(const std::string& text);
  void ErrorTextMouseMove() { ErrorTextVisible = false; }
  // The close check. True lets the dialog close; Result() then tells whether
  // it closed with a module set or with an error.
  bool FormCloseQuery();

  // ---- outcome -------------------------------------------------------------------
  Result GetResult() const { return result_; }
  const TNewModuleSet& Choice() const { return choice_; }
  // The counts of the configuration the dialog started from.
  int RememberedDiModules() const { return rememberedDi_; }
  int RememberedAiModules() const { return rememberedAi_; }
  int RememberedProcessedDiscrete() const { return rememberedDiscrete_; }
  int RememberedProcessedAnalog() const { return rememberedAnalog_; }

 private:
  int CurrentType(int slot) const;
  bool CurrentNewVersion(int slot) const;
  // The slot's list changed: its keep box and new-version box follow.
  void SlotTypeChanged(int slot, int type);
  void SetDigit(int slot, int type);
  void ShowSlotsOfOpenConfiguration();
  bool CheckAndReorder();

  const TConfiguration& config_;
  TUserInterface& ui_;
  std::string mainDigits_ = "00000000";
  int rememberedDi_ = 0, rememberedAi_ = 0, rememberedDiscrete_ = 0, rememberedAnalog_ = 0;
  Result result_ = Result::None;
  TNewModuleSet choice_;
};

// The dialog "Задание конфигурации" shown over its controller: kModalOk when
// the controller's close check let it close, kModalCancel when it went away
// without that check (nothing is created then).
using TConfigDialog = TModalWindow<TConfigController>;

}  // namespace lur
