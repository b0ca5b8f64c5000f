#include "shell/TForm1Controller.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>

#include "link/TComPortClass.h"
#include "model/PageCatalogue.h"
#include "session/AccessGate.h"
#include "session/EditorChanges.h"
#include "session/LinkReports.h"
#include "shell/TModuleTable.h"
#include "shell/TNewConfiguration.h"
#include "ui/TUserInterface.h"

namespace lur {

const char* const kProgrammingFailed = "программирование закончено с ошибкой";

namespace {

constexpr int kDeviceNumbers = 31;

// The editor a row button opens for a module type; nothing for empty and
// reserved codes, whose buttons stay disabled.
std::optional<TEditor> EditorOfType(int type) {
  switch (type) {
    case 1:
    case 2:
      return TEditor::DiscreteInputView;
    case 14:
      return TEditor::Regulator;
    case 3:
    case 4:
    case 5:
    case 12:
      return TEditor::RelayModule;
    case 10:
      return TEditor::SensorTypeModule;
    case 6:
    case 7:
    case 8:
    case 9:
    case 13:
      return TEditor::AnalogModule;
    default:
      return std::nullopt;
  }
}

const std::map<TForm1Control, TEditor>& ButtonEditors() {
  using C = TForm1Control;
  static const std::map<C, TEditor> editors = {
      {C::ButProgDiskr, TEditor::DiscreteProcessing}, {C::ButTimeDate, TEditor::TimeDate},
      {C::LocalNet1, TEditor::LocalNetFunctions},     {C::LocNet15, TEditor::LocalNetF15},
      {C::LocNetObm, TEditor::LocalNetExchange},      {C::InformBut, TEditor::InputInform},
      {C::InformButMR, TEditor::OutputInform},
  };
  return editors;
}

}  // namespace

TForm1Controller::TForm1Controller(TConfiguration& config, TComPortClass& link, TUserInterface& ui,
                                   TMainState& state, const TEditorRegistry& editors, std::string passwordFile)
    : context_{config, link, ui, state, [this] { RefreshView(); }, [this] { RefreshUnits(); }},
      editors_(editors),
      transfer_(context_),
      files_(context_),
      password_(config.Lur, ui, std::move(passwordFile)),
      units_(context_) {}

void TForm1Controller::FormCreate() {
  TMainState& state = State();
  transfer_.CBoxUstrClick(1);
  state.editModif = "00000000";
  state.Enable(EditorButtons(), false);
  state.Enable({TForm1Control::GBoxRazm, TForm1Control::MParol}, false);
  for (auto& row : state.rows) row = TModuleRow{};
}

bool TForm1Controller::FormShow(TPasswordDialog& dialog) {
  if (!password_.StartupCheck(dialog)) return false;
  State().Enable(TForm1Control::MParol, Config().Lur.FullAccess == 1);
  return true;
}

void TForm1Controller::RefreshView() {
  TConfiguration& config = Config();
  const bool loopModuleIdle = FillModuleTable(config.Serv, State());
  config.Reg.HasRegModule = State().hasType14 ? 1 : 0;
  config.Lur.HasTipDatMod = State().hasType10 ? 1 : 0;
  if (loopModuleIdle) ShowWarning(Ui(), kNoAnalogForLoopModule);
}

void TForm1Controller::RefreshUnits() { units_.Refresh(); }

void TForm1Controller::CBoxUstrClick(int number) {
  // The number already selected changes nothing.
  if (number == Config().Serv.GetAddressIndex() + 1) return;
  transfer_.CBoxUstrClick(number);
}

void TForm1Controller::CBoxUstrZClick(int number) {
  if (number < 1 || number > kDeviceNumbers) return;
  // Renumbering writes into the controller: at the limited level the list
  // keeps the number the controller has.
  if (!OutputAllowed(context_)) return;
  TServClass& serv = Config().Serv;
  const int oldAddress = serv.GetAddressIndex();
  const int oldDevice = serv.GetDeviceIndex();
  serv.SetDeviceIndex(number - 1);
  const std::array<std::uint8_t, 2> request = {page::kDeviceNumber, static_cast<std::uint8_t>(number - 1)};
  if (WritePage(Ui(), Link(), context_.addressing, request) != kResultOk) {
    // Reported by the page write. The controller did not confirm its new
    // number: requests keep going where they went, and both lists say so.
    serv.SetDeviceIndex(oldDevice);
    serv.SetAddressIndex(oldAddress);
    State().ustr = oldAddress + 1;
    State().ustrZ = oldDevice + 1;
    return;
  }
  serv.SetAddressIndex(serv.GetDeviceIndex());
  State().ustr = number;
  State().ustrZ = number;
}

bool TForm1Controller::CreatFileClick(TConfigDialog& dialog) {
  return TNewConfiguration(files_, dialog).CreatFileClick();
}

bool TForm1Controller::OpenFileClick() { return files_.OpenFileClick(); }

bool TForm1Controller::SaveFileClick() { return files_.SaveFileClick(); }

bool TForm1Controller::InPortButClick() { return transfer_.InPortButClick(); }

bool TForm1Controller::OutPortClick() {
  if (!transfer_.OutPortClick()) return false;
  if (compare_.VerifyAfterWrite()) compare_.VerifyWrite(transfer_.LastWrite());
  return true;
}

void TForm1Controller::N1ParolClick(TPasswordDialog& dialog) { password_.N1ParolClick(dialog); }

bool TForm1Controller::ControlAvailable(TForm1Control control) const {
  const auto it = ButtonEditors().find(control);
  return it == ButtonEditors().end() || editors_.Available(it->second);
}

bool TForm1Controller::RowAvailable(int slot) const {
  const auto editor = EditorOfType(context_.config.Serv.GetModuleType(slot));
  return editor && editors_.Available(*editor);
}

int TForm1Controller::OpenEditor(const TEditorRequest& request) {
  if (!editors_.Available(request.editor)) return 0;
  return editors_.Open(request);
}

void TForm1Controller::Prg1Click(int n) {
  if (n < 1 || n > kSlotCount) return;
  TConfiguration& config = Config();
  TServClass& serv = config.Serv;
  const int type = serv.GetModuleType(n - 1);
  const auto editor = EditorOfType(type);
  if (!editor || !editors_.Available(*editor)) return;
  serv.SetCurrentSlot(n);
  TEditorRequest request{*editor, n, n, type};
  const TModuleRow row = ModuleRowOf(serv, n - 1);
  request.typeName = row.caption;
  request.inputs = row.inputs;
  switch (*editor) {
    case TEditor::Regulator:
      config.Reg.RegModulePos = n - 1;
      break;
    case TEditor::RelayModule:
      // The slot's place among the output modules: counting by the module
      // counts would take a control loop module before the outputs for
      // one. The relay table holds five modules.
      request.module = serv.GroupIndexOfSlot(n - 1) + 1;
      if (request.module < 1 || request.module > kMaxOutputModules) return;
      config.MR.SetMrSlot(n);
      config.MR.SetMrSlot2(n);
      break;
    case TEditor::DiscreteInputView:
    case TEditor::SensorTypeModule:
      config.Lur.SetTipDatModule(n);
      break;
    case TEditor::AnalogModule:
      request.module = n - serv.GetDiModuleCount();
      config.MBA.EditSlot = n;
      break;
    default:
      break;
  }
  const int result = OpenEditor(request);
  if (*editor != TEditor::AnalogModule) return;
  // Only the analog module editor ends with an error.
  if (result == kModalError) ShowError(Ui(), kProgrammingFailed);
  config.MBA.SetBlockError(n, result == kModalError ? 1 : 0);
}

void TForm1Controller::ControlClick(TForm1Control control) {
  const auto it = ButtonEditors().find(control);
  if (it == ButtonEditors().end()) return;
  // The discrete editor's first showing only rebuilds its schema from what
  // is in memory: it has just been read, opened or created here.
  if (it->second == TEditor::DiscreteProcessing && editors_.Available(it->second)) Config().Lur.PrgDShown = 0;
  const int result = OpenEditor({it->second});
  // The local network editor ends with 6 when its settings were rejected.
  const bool localNet = it->second == TEditor::LocalNetFunctions || it->second == TEditor::LocalNetF15 ||
                        it->second == TEditor::LocalNetExchange;
  if (localNet && result == kModalError) ShowError(Ui(), kProgrammingFailed);
}

bool TForm1Controller::FormCloseQuery() {
  TConfiguration& config = Config();
  if (config.Serv.FileMode == 0 && UnsentEditorChanges(config)) {
    // An editor could not write its changes into the controller; the file
    // is the only place left to keep them.
    const MsgAnswer save =
        Ui().Message({"Данные были изменены. Сохранить в файле?", "Подтвердите запись в файл",
                      MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes});
    if (save == MsgAnswer::Yes && !SaveFileClick()) return false;
  } else if (config.Serv.FileMode == 1 && config.Serv.Modified == 1) {
    const MsgAnswer save =
        Ui().Message({"Данные были изменены. Сохранить в файле?", "Подтвердите запись в файл",
                      MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes});
    // A cancelled file dialog or a failed save leaves the changes unsaved:
    // the window stays open so that they are not lost.
    if (save == MsgAnswer::Yes && !SaveFileClick()) return false;
    if (config.Lur.FullAccess == 1) {
      const MsgAnswer send =
          Ui().Message({"Данные были изменены. Передать в прибор?", "Подтвердите передачу данных",
                        MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes});
      // A failed write of changes that were not saved either keeps them.
      if (send == MsgAnswer::Yes && !OutPortClick() && config.Serv.Modified == 1) return false;
    }
  }
  Link().ClosePort();
  return true;
}

}  // namespace lur
