#pragma once
// The windows the main window opens: the module editors of its table rows
// and the editors and information windows of its buttons. Each arrives with
// its own subsystem; until then the main window keeps its button disabled.
namespace lur {

enum class TEditor {
  DiscreteInputView,   // "on line" of a discrete input module (live inputs)
  Regulator,           // control loop module
  RelayModule,         // relay output module
  SensorTypeModule,    // discrete-signal module of type 10
  AnalogModule,        // analog input module
  DiscreteProcessing,  // ButProgDiskr
  LocalNetFunctions,   // LocalNet1: exchange blocks of functions 1..4
  LocalNetF15,         // LocNet15
  LocalNetExchange,    // LocNetObm
  TimeDate,            // ButTimeDate
  InputInform,         // InformBut
  OutputInform,        // InformButMR
};

// The modal result with which a window says its programming ended with an
// error.
constexpr int kModalResultError = 6;

struct TEditorRequest {
  TEditor editor;
  int slot = 0;    // 1-based slot of the row (module editors)
  int module = 0;  // 1-based number of the module in its own table
  int type = 0;    // the slot's module type code
};

class TEditorWindows {
 public:
  virtual ~TEditorWindows() = default;
  // Whether the window exists in this build.
  virtual bool Available(TEditor editor) const = 0;
  // Shows it modally; returns its modal result.
  virtual int Open(const TEditorRequest& request) = 0;
};

// The build as it stands: no editor window yet.
class TNoEditorWindows : public TEditorWindows {
 public:
  bool Available(TEditor) const override { return false; }
  int Open(const TEditorRequest&) override { return 2; }
};

}  // namespace lur
