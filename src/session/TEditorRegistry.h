#pragma once
// The windows the main window opens: the module editors of its table rows
// and the editors and information windows of its buttons and menu items.
// The program registers each window as its subsystem arrives; the main
// window keeps the button of a window that is not registered disabled.
#include <functional>
#include <map>
#include <string>

namespace lur {

enum class TEditor {
  DiscreteInputView,   // "on line" of a discrete input module (live inputs)
  DiscreteOutputView,  // "on line" of a relay output module (live outputs)
  Regulator,           // control loop module
  RelayModule,         // relay output module
  SensorTypeModule,    // discrete-signal module of type 10
  AnalogModule,        // analog input module
  AnalogCalibration,   // calibration of an analog module's inputs (ButKalibr of the module window)
  DiscreteProcessing,  // ButProgDiskr
  LocalNetFunctions,   // LocalNet1: exchange blocks of functions 1..4
  LocalNetF15,         // LocNet15
  LocalNetExchange,    // LocNetObm
  TimeDate,            // ButTimeDate
  InputInform,         // InformBut
  OutputInform,        // InformButMR
  FunctionBlocks,      // the function block editor (AFB of the discrete editor)
  InputDetail,         // "Информация о входе": an analog or network input, request.entry
  OutputDetail,        // "Информация о дискретном выходе": output request.entry
};

// How a caller fills the input information window (InputInform) before it
// shows it: as the main window does, or as the function block editor and
// its dialog do (no relay mark in the last column).
enum class TInformFill { Main, FunctionBlock };

struct TEditorRequest {
  TEditor editor;
  int slot = 0;    // 1-based slot of the row (module editors)
  int module = 0;  // 1-based number of the module in its own table
  int type = 0;    // the slot's module type code
  int entry = -1;  // 0-based signal or output entry of a detail window
  // The row's texts as the main window shows them (module editors): the
  // type caption and the range of its inputs.
  std::string typeName = {};
  std::string inputs = {};
  // The input information window: the caller's fill, and whether the window
  // is only filled and not shown (InformSilent).
  TInformFill informFill = TInformFill::Main;
  bool silent = false;
};

// The request of a caller's "Входные сигналы".
inline TEditorRequest InformRequest(TInformFill fill, bool silent = false) {
  TEditorRequest request{TEditor::InputInform};
  request.informFill = fill;
  request.silent = silent;
  return request;
}

class TEditorRegistry {
 public:
  // Shows the window modally for a request and returns its modal result.
  using Opener = std::function<int(const TEditorRequest&)>;

  void Register(TEditor editor, Opener opener) { openers_[editor] = std::move(opener); }
  bool Available(TEditor editor) const { return openers_.count(editor) != 0; }
  // The window's modal result; an unregistered window is a cancelled one.
  int Open(const TEditorRequest& request) const;

 private:
  std::map<TEditor, Opener> openers_;
};

}  // namespace lur
