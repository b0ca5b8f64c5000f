#pragma once
// "Калибровка аналоговых входов ЛУР-05": the live state of the six inputs of
// one analog input module (and the cold junction "Тхс" of a thermo module),
// read every 3 s, and the calibration of one input at a time: a row's button
// selects the input in the controller (coil 0x10nn, nn = 16 n + k for input
// k of analog module n), "Min" and "Max" take the present converter code as
// the scale's beginning or end (coils 0x11nn, 0x12nn).
//
// The selection is remembered with its module and device, so that only that
// module of that device opens with the row pressed. Closing releases the
// selected input in the controller. Every command asks OutputAllowed first
// and never runs inside a poll, nor a poll inside a command: the link's waits
// and the boxes service timers.
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
#include "modules/KalibrRows.h"
#include "session/TEditorRegistry.h"
#include "session/TLivePoller.h"
#include "session/TLiveView.h"

namespace lur {

struct TSession;

// The input selected for calibration: which input of which module of which
// device.
struct TCalibrSelection {
  int device = -1;  // the device index the commands went to
  int module = 0;   // analog module, 1-based
  int input = 0;    // 1..7, 0 none
  bool operator==(const TCalibrSelection&) const = default;
};

// One row as the window shows it.
struct TKalibrRow {
  std::string label;  // "Вход 1" .. "Вход 6", "Тхс"
  std::string tag;    // UTF-8
  std::string unitOfChannel;
  int inputType = 0;
  std::optional<int> status;  // the last status byte read, nullopt until one was read
  std::string value;          // the 7 characters of the value, UTF-8
};

class TFormKalibrController : public TLiveView {
 public:
  static constexpr const char* kCaption = "Калибровка аналоговых входов ЛУР-05";
  static constexpr const char* kColumns =
      "Позиция       код MIN       код  АЦП      код MAX      Тек. знач.    Размер.    Наруш.   Сост ";
  static constexpr const char* kNoCodesText = "Модуль не обслуживает запрос кодов АЦП";
  static constexpr const char* kEndedWithErrorText = "калибровка закончена с ошибкой";
  static constexpr const char* kCalibrateCaption = "Подтвердите готовность к калибровке шкалы";
  static constexpr const char* kMinQuestion =
      "Внимание! Сейчас будет произведена калибровка\nначала шкалы измерения \nУбедитесь, подан ли на вход "
      "сигнал,\nсоответствующий началу шкалы?";
  static constexpr const char* kMaxQuestion =
      "Внимание! Сейчас будет произведена калибровка\nконца шкалы измерения \nУбедитесь, подан ли на вход "
      "сигнал,\nсоответствующий концу шкалы?";
  static constexpr int kPeriodMs = 3000;
  static constexpr int kInputs = 6;
  static constexpr int kRowsMax = 7;
  static constexpr int kSelectCommand = 0x10;
  static constexpr int kBeginCommand = 0x11;
  static constexpr int kEndCommand = 0x12;
  static constexpr int kColdJunctionFirst = 127;  // 0x47 start n + 127 for module n
  static constexpr int kFirstCodesPage = 59;      // page 59 + n

  explicit TFormKalibrController(TSession& session);
  ~TFormKalibrController() override;
  TFormKalibrController(const TFormKalibrController&) = delete;
  TFormKalibrController& operator=(const TFormKalibrController&) = delete;

  // The window's timer; the handlers below need one.
  void AttachTimer(TPollTimer& timer);

  // The opening for analog module request.module (1-based) of type
  // request.type: the states, the cold junction of a thermo module, the row
  // buttons, the converter codes (a failure there only warns). False, with
  // the failure reported, when the window must not open; in file mode or
  // for a module that is not an analog input module nothing is sent.
  bool Open(const TEditorRequest& request);

  // FormShow: polling on (the first reading one period later). FormClose:
  // polling off and the selected input released in the controller; a failed
  // release is reported once and the selection stays remembered.
  // Timer1Timer: a tick. Button1Click: the reading on or off.
  void FormShow();
  void FormClose();
  void Timer1Timer();
  void Button1Click();
  bool Polling() const { return poller_ && poller_->Polling(); }
  const TLivePoller* Poller() const { return poller_.get(); }

  // Row button k (1..7) pressed (down) or released. Pressing another row
  // while one is selected releases the old input first. The buttons show
  // Selected() afterwards, whatever happened.
  void SpButClick(int row, bool down);
  // "Min" / "Max" of row k: the question, then the command. True when it
  // was sent and answered.
  bool KalMinClick(int row) { return Calibrate(row, kBeginCommand, kMinQuestion); }
  bool KalMaxClick(int row) { return Calibrate(row, kEndCommand, kMaxQuestion); }

  // Told whenever anything shown changed.
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

  // ---- what the window shows ----
  int Module() const { return module_; }
  int ModuleType() const { return type_; }
  int Rows() const { return static_cast<int>(rows_.size()); }
  const TKalibrRow& Row(int row) const { return rows_[static_cast<std::size_t>(row - 1)]; }
  // The selected input of this window, 0 none: its button is down, its
  // "Min" and "Max" are enabled, "Калибровка" is black.
  int Selected() const;
  bool KalibrLabelBlack() const { return Selected() != 0; }
  bool label1Visible = false;  // "запущен таймер"
  TKalibrCell State(int row) const;
  TKalibrCell Violation(int row) const;
  std::string Unit(int row) const;
  std::string Value(int row) const;
  // "код MIN", "код АЦП", "код MAX" as decimal numbers; empty until the codes
  // were read at this opening.
  std::string CodeMin(int row) const;
  std::string CodeNow(int row) const;
  std::string CodeMax(int row) const;

  // The selection remembered across openings.
  const TCalibrSelection& Remembered() const { return remembered_; }

  // TLiveView
  int PeriodMs() const override { return kPeriodMs; }
  int Poll() override;
  void ClearCells() override;
  void PollingChanged(bool on) override;
  std::vector<TLiveCell> Cells() const override;

 private:
  bool ValidRow(int row) const { return row >= 1 && row <= Rows(); }
  // No poll and no command under way.
  bool Idle() const;
  int ReadStates();
  int ReadColdJunction();
  int ReadCodes();
  // Function 5 on command coil command/16 n + row; 0 or the failure's code,
  // reported once.
  int WriteCoil(int command, int row, bool on);
  bool Select(int row);
  bool Release();
  bool Calibrate(int row, int command, const char* question);
  int Device() const;
  void Changed() const;

  TSession& session_;
  std::unique_ptr<TPollTimerRelay> relay_;
  std::unique_ptr<TLivePoller> poller_;
  std::function<void()> onChange_;
  TCalibrSelection remembered_;
  std::vector<TKalibrRow> rows_;
  int module_ = 0;
  int type_ = 0;
  bool codesRead_ = false;
  bool busy_ = false;
};

}  // namespace lur
