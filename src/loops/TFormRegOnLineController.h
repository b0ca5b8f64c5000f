#pragma once
// "Режим on line": one control loop of the running controller, live. A panel
// per regulator of the loop (two for a cascade: the outer, then the inner),
// each with its controlled variable (PV), set point (SP) and output (OUT),
// two lamps, the automatic/manual and "AP" switches and the step buttons.
// Each poll reads the values of all six regulators (function 3 from 672, 36
// registers) and their status coils (function 1 from 784, 48 coils) into the
// loop table's RegValues and RegStatus.
//
// Everything the window sends changes the controller, so each write asks
// OutputAllowed first and is sent before anything is stored or shown: a
// refused or failed write leaves the switch, the value and the menu as they
// were, with one report. A write never runs inside a poll nor a poll inside a
// write (the link's waits service timers and events).
//
// The window attaches its timer; lurctl runs the same controller on a poller
// of its own.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "live/TPollTimerRelay.h"
#include "session/TControlStates.h"
#include "session/TLivePoller.h"
#include "session/TLiveReader.h"
#include "session/TLiveView.h"

namespace lur {

struct TSession;

// The items of PopupMenu1 the window switches ("Изменить PV" is never shown).
enum class TRegOnLineMenu { ChangeSP, ChangeOUT, Count };

// One regulator panel (TPanRegVis) as the controller knows it.
struct TRegOnLinePanel {
  int record = 0;  // the regulator r = 0..5 it shows
  int left = 20;   // 20 for the outer (or only) panel, 220 for a cascade's inner one
  int top = 10;
  bool switches = true;    // "+", "-", "AP" and the automatic switch (not for a signal repeater)
  bool apAllowed = false;  // "AP" may be pressed: a setter loop's main panel, a cascade's inner one
  double low = 0;          // the controlled variable's scale, for PV and SP
  double high = 0;
  // What the panel shows; nullopt until the first poll brought it.
  std::optional<float> sp;
  std::optional<float> out;
  std::optional<float> pv;
  std::optional<bool> automatic;  // the automatic/manual switch down
  std::optional<bool> ap;         // the "AP" switch down
  bool inputLampRed = true;       // as the panel is made: input red, output green
  bool outputLampRed = false;
  bool skyBlue = false;  // a click on the panel toggles clSkyBlue / clBtnFace
};

// Which value the in-place editor changes.
enum class TRegValue { SP, OUT };

class TFormRegOnLineController : public TLiveView {
 public:
  static constexpr int kPeriodMs = 3000;
  static constexpr int kValueRegister = 672;  // SP, OUT, PV of r at 672 + 6r, + 2, + 4
  static constexpr int kValueRegisters = 36;
  static constexpr int kStatusCoil = 784;  // 8 coils of r from 784 + 8r
  static constexpr int kStatusCoils = 48;
  static constexpr int kAutomaticBit = 0;
  static constexpr int kApBit = 1;
  static constexpr int kStepUpCoil = 104;  // + r
  static constexpr int kStepDownCoil = 112;
  static constexpr int kEditTextLength = 14;

  explicit TFormRegOnLineController(TSession& session);
  ~TFormRegOnLineController() override;
  TFormRegOnLineController(const TFormRegOnLineController&) = delete;
  TFormRegOnLineController& operator=(const TFormRegOnLineController&) = delete;

  // The window's timer; the handlers below need one.
  void AttachTimer(TPollTimer& timer);

  // Fills the heading and the panels' records and scales for loop (0-based)
  // of the map the loop table's records give; false for a loop the map does
  // not hold.
  bool Open(int loop);

  // FormShow: the in-place editor hidden and emptied, the old panels gone,
  // both change items enabled, polling on (the first poll one period later,
  // which makes the panels). FormClose: polling off. Timer1Timer: a tick.
  // Button2Click ("Таймер"): polling off or on; the panels stay.
  void FormShow();
  void FormClose();
  void Timer1Timer();
  void Button2Click();
  bool Polling() const { return poller_ && poller_->Polling(); }
  const TLivePoller* Poller() const { return poller_.get(); }

  // The panel's automatic/manual switch pressed (down) or released; its
  // "AP" switch; its "+" and "-". Each returns whether the write was made;
  // otherwise the panel shows what it showed.
  bool AutoSwitchClick(int panel, bool down);
  bool APSwitchClick(int panel, bool down);
  bool StepClick(int panel, bool up);
  // A left click on a panel toggles its colour.
  void PanelClick(int panel);

  // A right click addresses the panel; the menu's items follow its mode.
  void PanelRightClick(int panel);
  // "Изменить SP" / "Изменить OUT": the in-place editor opens over the
  // addressed panel with the current value. False when the item is disabled
  // or no panel is addressed.
  bool ChangeSPClick() { return OpenEditor(TRegValue::SP); }
  bool ChangeOUTClick() { return OpenEditor(TRegValue::OUT); }
  // Leaving the in-place editor with its text: checked, written, then shown.
  // The editor closes either way. True when the value was written.
  bool EditTextExit(const std::string& text);

  // Told whenever anything shown changed.
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

  // The heading (UTF-8), as Open filled it.
  std::string labNReg;
  std::string labTip;
  std::string editNReg;
  std::string editAnVh;
  std::string editNReg1;
  std::string editAnVh1;
  bool innerVisible = false;  // EditNReg1, EditAnVh1, Label4, Label6
  bool label1Visible = false;
  // The in-place editor.
  bool editTextVisible = false;
  std::string editText;
  int EditPanel() const { return editPanel_; }
  TRegValue EditValue() const { return editValue_; }

  int Loop() const { return loop_; }
  int Kind() const { return kind_; }
  // The panels of the loop, whether or not made yet.
  const std::vector<TRegOnLinePanel>& Panels() const { return panels_; }
  // Made by the first poll after showing; until then the window shows none.
  bool PanelsMade() const { return panelsMade_; }
  const TControlStates<TRegOnLineMenu>& Menu() const { return menu_; }
  int AddressedPanel() const { return addressed_; }

  // TLiveView
  int PeriodMs() const override { return kPeriodMs; }
  int Poll() override;
  void ClearCells() override;
  void PollingChanged(bool on) override;
  std::vector<TLiveCell> Cells() const override;

 private:
  bool ValidPanel(int panel) const { return panel >= 0 && panel < static_cast<int>(panels_.size()); }
  // A write may start: no poll and no other write under way.
  bool Idle() const;
  // Function 5 on one coil; 0 or the failure's code, reported once.
  int WriteCoil(int coil, bool on);
  // Function 16: a float into two registers at start.
  int WriteFloat(int start, float value);
  int Send(std::uint8_t function, const std::uint8_t* data, int length);
  void Report(int code);
  void SetStatusBit(int record, int bit, bool on);
  void SwitchMenu(bool automatic);
  bool OpenEditor(TRegValue value);
  void CloseEditor();
  void Changed() const;

  TSession& session_;
  TLiveReader reader_;
  std::unique_ptr<TPollTimerRelay> relay_;
  std::unique_ptr<TLivePoller> poller_;
  std::function<void()> onChange_;
  std::vector<TRegOnLinePanel> panels_;
  TControlStates<TRegOnLineMenu> menu_;
  int loop_ = -1;
  int kind_ = 0;
  bool panelsMade_ = false;
  bool writing_ = false;
  int addressed_ = -1;
  int editPanel_ = -1;
  TRegValue editValue_ = TRegValue::SP;
};

// The words of LabTip for a loop kind (empty for a kind the list has not).
std::string LoopKindText(int kind);

}  // namespace lur
