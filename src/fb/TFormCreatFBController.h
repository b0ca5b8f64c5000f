#pragma once
// The function block programming dialog ("Программирование функционального
// блока"): one block's type, its inputs, the settings of its type (timer,
// trigger, comparator, counter) and the archiving of its output. It holds the
// state of every control and runs the handlers; the dialog itself changes
// nothing in the table but FBModified. The editor prepares it for a new block
// or from a record (PrepareForNewBlock, PrepareFromRecord), shows it, and
// after OK writes it into a record (WriteIntoRecord).
//
// A list shows no choice (index kNoChoice) for a value it does not hold: a
// type 10 or 11, a timer type 6..15, a trigger type 2..15, a time
// discreteness 3, a source kind 3 or 5..7 from a file or a controller. Such a
// list, left without a choice, writes back the record's own value, so the
// record keeps its bytes unless the user picks a value.
//
// One instance lives for the run.
#include <array>
#include <functional>
#include <string>

#include "model/TProgFBClass.h"
#include "session/TControlStates.h"
#include "ui/FieldKeys.h"

namespace lur {

struct TSession;

// The dialog's controls that can be enabled or disabled.
enum class TCreatFBControl {
  RadioGroup1,
  SBVkl,
  ComboBox1,  // row 1 direction
  ComboBox2,  // row 1 source kind
  ComboBox3,
  ComboBox4,
  ComboBox5,
  ComboBox6,
  ComboBox7,
  ComboBox8,
  EditVx1,
  EditVx2,
  EditVx3,
  EditVx4,
  RadioGroup3,
  GBTimer,
  RadioGroup2,
  RadioGroup4,
  EditT,
  RadioGroup5,
  EditAdrT,
  EditHour,
  EditMin,
  EditSec,
  GBComp,
  EditAnVh,
  ComboBox9,
  CBoxCond,
  RadioGroup6,
  EditLim,
  EditAdrUst,
  EditGist,
  GBCount,
  EditLimCount,
  Count
};

class TFormCreatFBController {
 public:
  static constexpr const char* kCaption = "Программирование функционального блока";
  static constexpr const char* kCreating = "создание";
  static constexpr const char* kProgramming = "программирование";
  static constexpr const char* kArchivingOn = "включено";
  static constexpr const char* kArchivingOff = "отключено";
  static constexpr int kNoChoice = -1;
  static constexpr int kRows = 4;
  static constexpr int kAlarmClock = 5;  // RadioGroup2 item of the alarm clock
  static constexpr int kFixed = 0;       // RadioGroup5, RadioGroup6 items
  static constexpr int kAdjustable = 1;
  static constexpr int kMaxTime = 120;
  static constexpr int kMaxGisterezis = 31;
  static constexpr int kMaxLimitCount = 31;

  // RadioGroup1: item k is TipFB k + 1.
  static constexpr const char* kTypeItems[9] = {
      "\"И\" (4 входа)",           "\"И-НЕ\" (4 входа)",        "\"ИЛИ\" (4 входа)",
      "\"ИЛИ-НЕ\" (4 входа)",      "\"ГСТ\"гистерезис (2 вх.)", "\"Т\" таймер  (2 входа)",
      "\"Тр\"  триггер (4 входа)", "\"СМР\" компаратор (4 вх)", "\"СЧ\" счетчик (4вх)"};
  static constexpr const char* kTimerItems[6] = {
      "T0 - задержка вкл.",    "T1 - задержка вкл. с запоминанием", "T2 - задержка откл.",
      "T3 - короткий импульс", "T4 - удлиненный импульс",           "T5 - \"будильник\""};
  static constexpr const char* kTriggerItems[2] = {"приоритет сброса       (R-S)", "приоритет установки (S-R)"};
  static constexpr const char* kDiscretenessItems[3] = {"сотни миллисекунд", "секунды", "десятки секунд"};
  static constexpr const char* kSetPointItems[2] = {"фиксированная", "корректируемая"};
  static constexpr const char* kDirectionItems[2] = {"инверсный", "прямой"};
  // Source kind items; the fourth is stored as kind 4.
  static constexpr const char* kKindItems[4] = {"вход. диск. сигнал", "выход ФБ или № КВУ",
                                                "флаг недост. анал. сигн.", "флаг недост. диск. сигн."};
  static constexpr const char* kAnalogSourceItems[2] = {"аналог. вход", "вых. мат. блока"};
  static constexpr const char* kConditionItems[2] = {"L", "H"};

  // One input row: direction list, source kind list, source number field.
  struct TInputRow {
    int direction = kNoChoice;  // 0 "инверсный", 1 "прямой"
    int kind = kNoChoice;       // list index; item 3 is kind 4
    std::string number = "000";
  };

  explicit TFormCreatFBController(TSession& session);

  // ---- what the editor calls -------------------------------------------------
  // Prepares the dialog for a new block numbered `number` (1-based):
  // "создание", no type chosen, every input row disabled with source "000"
  // and empty lists, every setting at its default ("00", first items), every
  // settings group disabled, the archiving switch up ("отключено") and
  // enabled only when `archivingEnabled` (the block will be among 1..62).
  void PrepareForNewBlock(int number, bool archivingEnabled);
  // Prepares the dialog to program the block of record i: "программирование",
  // number i + 1, then every setting of the record in the order the controls
  // depend on each other (type, timer type and set-point kind, inputs, the
  // type's settings); each radio choice runs its click handling. The
  // archiving switch shows Arh and is enabled for records 0..61; from record
  // 62 on it is disabled and "отключено". Filling is no change: FBModified is
  // as it was before, and FBModifiedSave holds it for Cancel.
  void PrepareFromRecord(int i);
  // Writes the dialog's values into record i after OK. False, and nothing
  // written, when no type is chosen. When the chosen type differs from the
  // record's, b0..b8 are cleared first (signalling, archiving and relay
  // outputs stay); an alarm clock made an ordinary timer loses its alarm
  // time. Values no check on closing covers are clamped (EditT to
  // 0..120, EditGist to 0..31, EditLimCount to 31); an input source that
  // does not exist (a signal past the processed count, a block number no
  // block or integrator holds, a number no byte holds) and a compared value
  // that does not exist are written as 0 and the field shows 0. Arh is the
  // archiving switch.
  bool WriteIntoRecord(int i);

  // The editor's "Входные сигналы": fills the input information window and
  // shows it unless InformSilent is set. Unset: the button does nothing.
  std::function<void()> informButClick;

  // ---- handlers ---------------------------------------------------------------
  void FormCreate();  // every control at its construction state
  // Focus on RadioGroup1; the input signal lists filled silently.
  void FormShow();
  void InformButClick();
  // A type chosen (item 0..8): the type's defaults and enabling.
  void RadioGroup1Click(int item);
  // A timer type chosen (only for a timer): its inputs and alarm fields.
  void RadioGroup2Click(int item);
  void RadioGroup3Click(int item);  // trigger type
  void RadioGroup4Click(int item);  // time discreteness
  // Set-point kind of the timer (5) or comparator (6): the value or the
  // address field enabled, the other reset to "00" and disabled.
  void RadioGroup5Click(int item);
  void RadioGroup6Click(int item);
  // A choice in one of the lists ComboBox1..ComboBox9 or CBoxCond.
  void ComboBox1Change(TCreatFBControl list, int item);
  // A text typed into one of the fields.
  void EditVx1Change(TCreatFBControl field, const std::string& text);
  void SBVklClick(bool down);
  // Key filters: integer fields (EditVx1..4, EditT and the other number
  // fields) and EditLim (refuses only Shift with a digit). A refused key is
  // reported at the field with the input error box.
  TFieldKeyVerdict EditVx1KeyDown(TCreatFBControl field, TKeyStroke key);
  TFieldKeyVerdict EditTKeyDown(TCreatFBControl field, TKeyStroke key);
  TFieldKeyVerdict EditLimKeyDown(TKeyStroke key);
  void ErrorTextMouseMove();
  // OK, or the close box: the checks; kModalOk when the dialog closes,
  // kModalError when a check keeps it open.
  int OKClick();
  int CancelClick();  // kModalCancel, without checks; FBModified put back
  // The checks on closing; false keeps the dialog open.
  bool FormCloseQuery();
  void FormClose();

  // ---- state --------------------------------------------------------------------
  bool Enabled(TCreatFBControl c) const { return enabled.IsEnabled(c); }
  // The text of a field (EditVx1..4, EditT, ... EditLimCount).
  std::string& Text(TCreatFBControl field);
  const std::string& Text(TCreatFBControl field) const;
  // The block number the dialog shows (EditNFB), 0 when it shows none.
  int BlockNumber() const;
  // TipFB of the chosen type, 0 when none is chosen.
  int ChosenType() const { return radioGroup1 == kNoChoice ? 0 : radioGroup1 + 1; }
  bool Cancelled() const { return cancel_; }
  static const char* Name(TCreatFBControl c);

  std::string editNFB;                 // the block number
  std::string labCreatProg = kCreating;
  int radioGroup1 = kNoChoice;         // type item
  bool sbVkl = false;                  // down = archived
  std::string sbVklCaption = kArchivingOff;
  std::array<TInputRow, kRows> rows;
  std::array<std::string, kRows> labRS;  // role labels "S", "R", ...
  int radioGroup3 = 0;  // trigger type
  int radioGroup2 = 0;  // timer type
  int radioGroup4 = 0;  // time discreteness
  int radioGroup5 = 0;  // timer set-point kind
  int radioGroup6 = 0;  // comparator set-point kind
  std::string editT = "00", editAdrT = "00", editHour = "00", editMin = "00", editSec = "00";
  std::string editAnVh = "00", editLim = "00", editAdrUst = "00", editGist = "00", editLimCount = "00";
  int comboBox9 = 0;  // compared value source
  int cBoxCond = 0;   // "L", "H"
  TControlStates<TCreatFBControl> enabled;
  // The inline error marker.
  bool errorTextVisible = false;
  std::string errorText = "ошибка";
  std::string errorField;  // the field it stands at
  std::string focused;     // the control that has the focus

 private:
  void Reset();
  void MarkChanged();
  void EnableRow(int row, bool on);
  void SetPointKind(int item, TCreatFBControl value, TCreatFBControl address);
  void InlineError(TCreatFBControl field, const std::string& text);
  bool CheckRange(TCreatFBControl field, int lo, int hi);
  void FillInputs(int i);
  void FillSettings(int i);
  void WriteSettings(int i, int t, const TProgFBClass::Record& before);
  void WriteInputs(int i, int t, const TProgFBClass::Record& before);
  int InputCount(int t, int timerType) const;
  bool SourceExists(int kind, int n) const;

  TSession& session_;
  bool cancel_ = false;
};

}  // namespace lur
