#pragma once
// The main window's logic: the device panel and module table drawn from the
// one configuration, the device numbers, the menu's operations, the module
// and editor buttons, the units list, the access level and the closing
// check. No widgets: the Qt window TForm1 calls these and draws TMainState.
#include <string>

#include "shell/TConfigTransfer.h"
#include "session/TEditorRegistry.h"
#include "shell/TCompareFlow.h"
#include "shell/TConfigController.h"
#include "shell/TFPSWController.h"
#include "shell/TFileOperations.h"
#include "shell/TShellContext.h"
#include "shell/TUnitsList.h"

namespace lur {

class TComPortClass;
class TUserInterface;

// "программирование закончено с ошибкой"
extern const char* const kProgrammingFailed;

class TForm1Controller {
 public:
  // Everything is held by reference: the program creates the configuration,
  // the link and the windows once for the run.
  TForm1Controller(TConfiguration& config, TComPortClass& link, TUserInterface& ui, TMainState& state,
                   const TEditorRegistry& editors, std::string passwordFile);
  TForm1Controller(const TForm1Controller&) = delete;
  TForm1Controller& operator=(const TForm1Controller&) = delete;

  TShellContext& Context() { return context_; }
  TConfiguration& Config() { return context_.config; }
  TMainState& State() { return context_.state; }
  TUserInterface& Ui() { return context_.ui; }
  TComPortClass& Link() { return context_.link; }
  TFPSWController& Password() { return password_; }
  TUnitsList& Units() { return units_; }
  // The check after a write and "Сравнить с прибором".
  TCompareFlow& Compare() { return compare_; }

  // Device number 1 for requests and configuration; nothing to edit yet.
  void FormCreate();
  // The start-up password. False: the user gave up and the program ends.
  bool FormShow(TPasswordDialog& dialog);
  // Device panel and module table from the tables; warns when a control loop
  // module has no analog signals to work on.
  void RefreshView();
  void RefreshUnits();

  // CBoxUstr: which controller the requests go to. Nothing is sent.
  void CBoxUstrClick(int number);
  // CBoxUstrZ: renumber the addressed controller to `number` (page 99).
  void CBoxUstrZClick(int number);

  // "Создание файла конфигурации": the dialog TConfig, then the new file.
  bool CreatFileClick(TConfigDialog& dialog);
  bool OpenFileClick();   // F3
  bool SaveFileClick();   // F2
  bool InPortButClick();  // F9
  // F10; a write that succeeded is then checked when the exchange settings
  // ask for it (the check's outcome does not change the result).
  bool OutPortClick();
  bool CompareClick() { return compare_.CompareClick(); }  // ACompare
  void N1ParolClick(TPasswordDialog& dialog);

  // Whether the window behind a named button (ButProgDiskr, LocalNet1, ...)
  // or behind the row button of a slot (0..7) exists in this build.
  bool ControlAvailable(TForm1Control control) const;
  bool RowAvailable(int slot) const;
  // Prg1..Prg8 (n = 1..8): the editor of the slot's module.
  void Prg1Click(int n);
  // ButProgDiskr, ButTimeDate, LocalNet1, LocNet15, LocNetObm, InformBut,
  // InformButMR.
  void ControlClick(TForm1Control control);

  // FormCloseQuery: false keeps the window open.
  bool FormCloseQuery();

 private:
  int OpenEditor(const TEditorRequest& request);

  TShellContext context_;
  const TEditorRegistry& editors_;
  TConfigTransfer transfer_;
  TFileOperations files_;
  TFPSWController password_;
  TUnitsList units_;
  TCompareFlow compare_{context_};
};

}  // namespace lur
