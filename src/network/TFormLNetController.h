#pragma once
// The local network editor ("Локальная сеть RS-485"): the exchange blocks of
// functions 1..4 as sixteen buttons, the exchange settings (speed and frame
// format on byte 193 of the exchange table) or the two function-15 blocks,
// by the mode the main window opens it in. It opens the block dialogs,
// deletes blocks with every reference following, and on closing writes
// what changed or discards it.
//
// Flags (TableClean, GroupsClean, BaseRewrite, SettingsChanged, FBToWrite,
// F15Changed) are left as they are when the window is shown, so a change a
// failed write left behind is still offered; each is cleared only once the
// controller has confirmed its pages. The reserve takes only confirmed
// pages. No puts back the state the window was shown with, references moved
// in other tables included.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/TConfiguration.h"
#include "network/TF15Dialog.h"
#include "network/TMBMDialog.h"
#include "session/TModalWindow.h"

namespace lur {

struct TSession;

enum class TLNetMode { Functions, Exchange, F15 };

// How a write of the window's pages ended.
enum class TLNetWrite { Done, Failed, BadSettings, NotAllowed };

class TFormLNetController {
 public:
  static constexpr const char* kFunctionsCaption = "Локальная сеть RS-485 ModBus ф1,ф2,ф3,ф4";
  static constexpr const char* kExchangeCaption = "Локальная сеть RS-485";
  static constexpr const char* kF15Caption = "Локальная сеть RS-485 ModBus ф15";
  static constexpr const char* kBlockFailed = "программирование закончено с ошибкой ";
  static constexpr const char* kBlockFailedCaption = "Ошибка";
  static constexpr const char* kBadSettings = "ошибка настроек обмена";
  static constexpr const char* kQuestion = "База  была изменена. Передать в прибор?";
  static constexpr const char* kQuestionCaption = "Подтвердите передачу данных ";
  static constexpr const char* kSpeedItems[4] = {"9600", "19200", "57600", "115200"};
  static constexpr const char* kFrameItems[4] = {"2 стоп-бита без контр. четности", "1 стоп-бит с контр. нечетности",
                                                 "1 стоп-бит с контр. четности", "1 стоп-бит без контр. четности"};
  static constexpr int kPauseMs = 3000;
  static constexpr int kNoChoice = -1;

  // Either dialog may be null: its buttons then open nothing.
  TFormLNetController(TSession& session, TMBMDialog* blocks, TF15Dialog* f15);
  ~TFormLNetController();

  // ---- showing ------------------------------------------------------------------
  void FormShow(TLNetMode mode);

  // ---- exchange blocks (b = 0..15) ------------------------------------------------
  void ButtonClick(int b);
  void ButtonRightClick(int b) { popupBlock_ = b; }
  void DeleteBlClick();
  // Removes exchange block b; an empty one is left alone (false).
  bool DeleteBlock(int b);

  // ---- exchange settings ------------------------------------------------------------
  void SkorClick(int item);
  void ParitClick(int item);

  // ---- function-15 blocks (k = 0, 1) -----------------------------------------------
  void LocNet15Click(int k);
  void LocNet15RightClick(int k) { popup15_ = k; }
  void DeleteBl15Click();
  bool DeleteBlock15(int k);

  // ---- writing and closing -----------------------------------------------------------
  // Save: the exchange write, steps 1..8. Save15: the function-15 table.
  TLNetWrite SaveClick();
  TLNetWrite Save15Click();
  // True when the window may close. Result() then holds its modal result.
  bool FormCloseQuery();
  bool OKClick() { return FormCloseQuery(); }

  // ---- what the view shows -------------------------------------------------------------
  TLNetMode Mode() const { return mode_; }
  int Result() const { return result_; }
  std::string caption;
  bool groupBox1Visible = false;
  bool groupBox2Visible = false;
  bool groupBox3Visible = false;
  std::array<std::string, TProgMBMClass::kBlockCount> buttons;
  std::array<std::string, 2> buttons15;
  int skor = kNoChoice;
  int parit = kNoChoice;
  bool labelFileVisible = false;
  bool indicatorVisible = false;
  // Called when "Идет запись " shows or hides, so the view can paint it
  // while the pages go.
  std::function<void()> indicatorChanged;
  // The block's error flag: 1 after its block dialog was rejected.
  int BlockError(int b) const;

 private:
  void ShowButtons();
  void Bookkeeping();
  bool ExchangePending() const;
  bool MovedTablesChanged() const;
  bool MovedF15Pending() const;
  void RestoreShown();
  // Write steps.
  bool WriteGroups();
  bool WriteTable();
  bool WriteBase();
  bool WriteFB();
  bool WriteMovedPages();
  bool Send(const std::vector<std::uint8_t>& data);
  void Finish();
  void ShowIndicator(bool visible);

  TSession& session_;
  TMBMDialog* blocks_;
  TF15Dialog* f15_;
  TLNetMode mode_ = TLNetMode::Functions;
  int result_ = kModalOk;
  int popupBlock_ = -1;
  int popup15_ = -1;
  std::array<int, TProgMBMClass::kBlockCount> blockErrors_{};
  // Memory as the window was shown.
  std::unique_ptr<TConfiguration> shown_;
};

}  // namespace lur
