#pragma once
// The calculation block dialog ("Программирование расчетных блоков"): the
// two flow integrators (12 channels each, the hour the accounting day
// begins) and one arithmetic block (operation, operands X1 and X2 with their
// sources, constants C1 and C2, result address). It holds every control's
// value and enabled state and runs the handlers; it never writes the table,
// only FBModified. The editor prepares it for its CalcMode (Prepare), shows
// it, and after OK writes the table from the values left here.
//
// One instance lives for the run.
#include <array>
#include <string>

#include "session/TControlStates.h"
#include "ui/FieldKeys.h"

namespace lur {

struct TSession;
class TProgFBClass;

// The dialog's controls that are enabled or disabled, or that take errors.
enum class TFBCalcControl {
  Edit1,
  Edit2,
  Edit3,
  Edit4,
  Edit5,
  Edit6,
  Edit7,
  Edit8,
  Edit9,
  Edit10,
  Edit11,
  Edit12,
  Edit13,
  Edit14,
  Edit15,
  Edit16,
  Edit17,
  Edit18,
  Edit19,
  Edit20,
  Edit21,
  Edit22,
  Edit23,
  Edit24,
  GroupBox2,
  EditNFB1,
  EditNFB2,
  HourBeginDay,
  RadioGroup1,
  GroupBox3,
  EditNFB3,
  UpDown1,
  ComboBox1,
  ComboBox2,
  EditX1,
  EditX2,
  EditC1,
  EditC2,
  EditY,
  Count
};

class TFormFBCalcController {
 public:
  static constexpr const char* kCaption = "Программирование расчетных блоков";
  static constexpr const char* kCreatingIntegrators = "создание интеграторов расхода";
  static constexpr const char* kCreatingArithmetic = "создание арифметических блоков";
  static constexpr const char* kProgrammingIntegrators = "программирование интеграторов расхода";
  static constexpr const char* kProgrammingArithmetic = "программирование арифметических блоков";
  static constexpr const char* kNotCreated =
      "Для создания арифметического блока \nвоспользуйтесь меню Создание";
  static constexpr int kNoChoice = -1;
  static constexpr int kChannels = 24;  // 12 per integrator block
  static constexpr int kBlockChannels = 12;
  static constexpr int kIntegrators = 0;   // RadioGroup1 item 0
  static constexpr int kSquareRoot = 5;    // the one operation without X2
  static constexpr int kAnalogSource = 0;  // ComboBox1/2 items: KindX1/2
  static constexpr int kCalculatedSource = 1;
  static constexpr int kMaxConstant = 32767;
  static constexpr int kMaxResult = 24;  // result addresses 1..24
  static constexpr int kMaxHour = 23;

  // RadioGroup1 "Тип арифметического блока": item k is SubTip k.
  static constexpr const char* kOperationItems[6] = {"Интегратор расхода",
                                                     "\"Суммирование       Y=C1*X1+C2*X2",
                                                     "Вычитание                Y=C1*X1-C2*X2",
                                                     "Умножение              Y=C1*X1*X2",
                                                     "Деление                   Y=C1*X1/X2",
                                                     "Квадратный корень Y=SQRT(C1*X1)"};
  static constexpr const char* kSourceItems[2] = {"аналоговый сигнал", "расчетная величина"};

  explicit TFormFBCalcController(TSession& session);

  // ---- what the editor calls -------------------------------------------------
  // Every control reset, then filled for the table's CalcMode (0 create
  // integrators, 1 create an arithmetic block, 2 program the integrators,
  // 3 program arithmetic block CurMat + 1, or the first when CurMat is -1).
  // Filling is no change: FBModified is as before, FBModifiedSave holds it.
  void Prepare();

  // ---- handlers ---------------------------------------------------------------
  void FormCreate();  // every control at its construction state
  // A text typed into a field, or a choice in a source list (ComboBox1/2).
  void Edit1Change(TFBCalcControl field, const std::string& text);
  void ComboBoxChange(TFBCalcControl list, int item);
  // An operation chosen (item 0..5), corrected where the mode does not allow it.
  void RadioGroup1Click(int item);
  // Leaving a field: an empty one, a channel past the analog signals, an
  // operand past its source's range is reported inline; a used channel
  // enables the next.
  void Edit1Exit(TFBCalcControl field);
  // The arithmetic block whose number EditNFB3 shows is loaded. False when
  // that record is no arithmetic block: the box is shown and the dialog is
  // to close as cancelled.
  bool EditNFB3Exit();
  // The spinner: the number one up or down, kept within its range, then loaded.
  bool UpDown1Click(bool up);
  // Key filters: integer fields (Edit1..Edit24, EditNFB3 and the other
  // number fields), and EditC1/EditC2 (they refuse only Shift with a digit).
  TFieldKeyVerdict Edit1KeyDown(TFBCalcControl field, TKeyStroke key);
  TFieldKeyVerdict EditC1KeyDown(TFBCalcControl field, TKeyStroke key);
  // What reaches an integer field: the digits and Backspace only.
  static bool HourBeginDayKeyPress(char c);
  void ErrorTextMouseMove();
  // OK: the checks; kModalOk when the dialog closes, kModalError when a
  // check keeps it open.
  int OKClick();
  int CancelClick();  // kModalCancel without checks; FBModified put back
  bool FormCloseQuery();

  // ---- state --------------------------------------------------------------------
  bool Enabled(TFBCalcControl c) const { return enabled.IsEnabled(c); }
  // The text of a field (Edit1..Edit24, HourBeginDay, EditNFB1..3, EditX1..EditY).
  std::string& Text(TFBCalcControl field);
  const std::string& Text(TFBCalcControl field) const;
  static const char* Name(TFBCalcControl c);
  static TFBCalcControl Channel(int c) { return static_cast<TFBCalcControl>(c); }  // 0..23
  bool Cancelled() const { return cancel_; }
  // The value of an integer field, 0 when it holds none.
  int Value(TFBCalcControl field) const;

  std::string labCreatProg;
  std::string labNFB1, editNFB1, labNFB2, editNFB2;
  std::array<std::string, kChannels> channels;
  std::string hourBeginDay = "00";
  int radioGroup1 = kNoChoice;
  std::string labNFB3, editNFB3;
  int upDownMin = 0;
  int upDownMax = 0;
  int comboBox1 = kNoChoice;
  int comboBox2 = kNoChoice;
  std::string editX1 = "0", editX2 = "0", editC1 = "0", editC2 = "0", editY = "0";
  TControlStates<TFBCalcControl> enabled;
  // The inline error marker.
  bool errorTextVisible = false;
  std::string errorText = "ошибка";
  std::string errorField;  // the control it stands at

 private:
  TProgFBClass& FB();
  int G() const;  // 2 when integrators are in use
  int ProcessedAnalog() const;
  void Reset();
  void MarkChanged();
  // Channels, their enabling, block 2's labels and the hour from the records.
  void FillIntegrators();
  // Arithmetic block of record r into the fields, enabling as for programming.
  void FillArithmetic(int r);
  void ShowBlock2();
  void InlineError(TFBCalcControl field, const std::string& text);
  bool CheckInt(TFBCalcControl field, int lo, int hi);
  bool CheckConstant(TFBCalcControl field);
  // The range of operand field X1/X2 by its source list.
  int OperandMax(int source) const;

  TSession& session_;
  bool cancel_ = false;
};

}  // namespace lur
