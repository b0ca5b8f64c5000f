#pragma once
// The control loop programming dialog ("Программирование контура
// регулирования"): one loop's kind, its regulator (and a cascade's inner
// regulator) and its program setter. The regulator editor resets it, fills it
// for a new loop or from the loop's main record, shows it and, after OK,
// stores Values() with StoreLoop. The dialog itself writes nothing into the
// records; any change the user makes marks the table (RegModified).
//
// The records come from a controller or a file, so the dialog checks what it
// hands over: every number has a record, a DAC output or a 16-bit code to go
// to, and a cascade's inner regulator is a record no other loop holds.
//
// One instance lives for the run.
#include <array>
#include <string>
#include <vector>

#include "loops/LoopAssembly.h"
#include "session/TControlStates.h"
#include "session/TEditorRegistry.h"
#include "ui/FieldKeys.h"

namespace lur {

struct TSession;

// The dialog's text fields, by their control names.
enum class TCreatRegField {
  EditNKReg,  // loop number (read-only)
  EditNReg,   // regulator number (read-only)
  EditAnVh,
  EditAdOUT,
  EditKp,
  EditTi,
  EditTd,
  EditOL,
  EditOH,
  EditdSP,
  EditVhPZ,  // setter number (read-only)
  EditNReg1,
  EditAnVh1,
  EditAdOUT1,
  EditKp1,
  EditTi1,
  EditTd1,
  EditOL1,
  EditOH1,
  EditdSP1,
  EditVhSP,  // the outer regulator number (read-only)
  EditNPZ,
  EditAReg,
  Edit1,  // Edit1..Edit6: point intervals, seconds
  Edit2,
  Edit3,
  Edit4,
  Edit5,
  Edit6,
  Edit7,  // Edit7..Edit12: point set values
  Edit8,
  Edit9,
  Edit10,
  Edit11,
  Edit12,
  Count
};

// The fields the dialog fills and the user never types into.
bool IsReadOnlyField(TCreatRegField field);

// The controls whose enabled state changes.
enum class TCreatRegControl { CBoxTReg, GBComp, GBRegInt, GBPZ, EditAReg, EditVhPZ, InformBut, Count };

class TFormCreatRegController {
 public:
  static constexpr const char* kCaption = "Программирование контура регулирования";
  static constexpr const char* kCreating = "создание";
  static constexpr const char* kProgramming = "программирование";
  static constexpr const char* kDacOutput = "Выход ЦАП №";
  static constexpr const char* kInnerRegulator = "Регулятор внутр.       контура №";
  static constexpr const char* kInfoHeader = "позиция    НШК       ВШК        разм";
  static constexpr const char* kDacUsed = "Такой выход ЦАП уже использован";
  static constexpr int kNoChoice = -1;
  static constexpr int kKinds = 5;  // the fifth item is empty
  static constexpr const char* kKindItems[kKinds] = {"повторитель сигнала", "одноконтурный  регулятор",
                                                     "каскадная схема", "регулятор с прогр. задатч.", ""};
  static constexpr const char* kDirectionItems[2] = {"прямой", "обратный"};
  static constexpr int kOutputs = 6;          // DAC outputs and regulator records
  static constexpr int kMaxInterval = 65535;  // TimePZ holds 16 bits

  TFormCreatRegController(TSession& session, const TEditorRegistry& editors);

  // ---- what the editor (through the loop dialog seam) calls ----------------------
  // Every field at its starting text, the parameters at the table's
  // defaults, the inner regulator and setter groups disabled, no error shown.
  void Reset();
  // A new loop with the numbers NewLoopSlot gave: "создание", no kind chosen
  // (GBComp disabled until one is).
  void FillCreate(const TLoopSlot& slot);
  // Programming the loop whose main regulator record is `record`, numbered
  // as the current map shows it: "программирование", the kind fixed, every
  // field from the records (a cascade's inner record is the one the map
  // found). False, nothing filled, for a record no loop of the map starts.
  bool FillEdit(int record);
  // The values to store after OK: the fields as numbers (the parameters as
  // typed), the kind a role code the list does not know kept raw.
  TLoopValues Values() const;

  // ---- handlers ---------------------------------------------------------------------
  void FormShow();  // the focus on the kind list (create) or the signal field
  // A kind chosen (create mode only): the groups and defaults of the kind.
  void CBoxTRegClick(int item);
  void CBoxTOutClick(int item);
  void CBoxTOut1Click(int item);
  // A text typed into a field: the field takes it and the table is marked.
  void EditChange(TCreatRegField field, const std::string& text);
  // Leaving EditAnVh: the signal's position, scale and unit, and the scale the
  // setter points convert with. A number that names no signal clears them
  // silently (the check on closing reports it).
  void EditAnVhExit();
  // Leaving EditAnVh1: the same for the inner regulator, without the scale;
  // a number that names no signal is reported at once.
  void EditAnVh1Exit();
  // Leaving EditAdOUT of a cascade: the inner regulator number is checked and
  // shown in EditNReg1, or reported at the field.
  void EditAdOUTExit();
  // Key filters: the integer fields, and the real-number fields (which
  // refuse only Shift with a digit). A refused key is reported with the
  // input error box at the field.
  TFieldKeyVerdict EditAnVhKeyDown(TCreatRegField field, TKeyStroke key);
  TFieldKeyVerdict EditKpKeyDown(TCreatRegField field, TKeyStroke key);
  static TFieldKind KindOf(TCreatRegField field);
  void ErrorTextMouseMove();
  // The input information window; does nothing while the program has none.
  void InformButClick();
  // The checks on closing with OK, in order; the first that fails shows the
  // inline error at its field and keeps the dialog open.
  bool FormCloseQuery();
  // kModalOk when the checks pass (file mode: a marked table marks the
  // configuration), kModalError when one keeps the dialog open.
  int OKClick();
  int CancelClick();  // kModalCancel at once, without checks
  // Whether the last OK passed its checks and nothing changed since.
  bool Passed() const { return passed_; }

  // ---- state --------------------------------------------------------------------------
  bool Enabled(TCreatRegControl c) const { return enabled.IsEnabled(c); }
  std::string& Text(TCreatRegField field) { return texts_[static_cast<std::size_t>(field)]; }
  const std::string& Text(TCreatRegField field) const { return texts_[static_cast<std::size_t>(field)]; }
  static const char* Name(TCreatRegField field);
  static const char* Name(TCreatRegControl control);
  // The loop kind the dialog stands for: the list's item, or the raw kind of
  // a record whose role code the list does not hold; kNoChoice for none.
  int Kind() const { return cBoxTReg; }
  bool Creating() const { return mode_ == 0; }
  TProgRegClass& Table();

  int cancelled = 0;  // 1 after Cancel or the close box
  int cBoxTReg = kNoChoice;
  int cBoxTOut = 0;
  int cBoxTOut1 = 0;
  std::string labCreatProg = kCreating;
  std::string labAdOUT = kDacOutput;
  std::string labInf1, labInf, labInf2, labInf3;
  // Razm1 / Razm2: the unit names (UTF-8) a unit index turns into.
  std::vector<std::string> razm1, razm2;
  TControlStates<TCreatRegControl> enabled;
  // The inline error marker.
  bool errorTextVisible = false;
  std::string errorText = "ошибка";
  std::string errorField;
  std::string focused;  // the control that gets the focus on showing

 private:
  using F = TCreatRegField;

  void SetParams(bool inner, const std::array<std::string, 6>& texts);
  std::array<std::string, 6> DefaultParams() const;
  void FillRecordParams(bool inner, int record);
  // The info header and line of the signal a field names, with its scale;
  // false, both texts empty, when the number names none.
  bool SignalInfo(TCreatRegField field, std::string& header, std::string& line, double& low,
                  double& high) const;
  void MarkChanged();
  void InlineError(TCreatRegField field, const std::string& text);
  bool NotEmpty(std::initializer_list<TCreatRegField> fields);
  bool CheckInt(TCreatRegField field, int lo, int hi);
  bool CheckParams(bool inner, bool ranges);
  bool CheckCascadeInner();
  bool CheckSetter();
  bool CheckDacUnique();
  // The inner regulator number a cascade must name, and whether that record
  // may be taken by this loop.
  int ExpectedInner() const;
  bool InnerRecordFree(int record) const;
  int IntOf(TCreatRegField field) const;

  TSession& session_;
  const TEditorRegistry& editors_;
  std::array<std::string, static_cast<std::size_t>(TCreatRegField::Count)> texts_;
  int mode_ = 0;          // 0 creates, 1 programs
  int loop_ = -1;         // the loop programmed (map index), -1 when creating
  int mappedInner_ = -1;  // its inner record as the map found it
  int slotSetter_ = 0;    // the setter number a new setter loop gets
  bool passed_ = false;
};

}  // namespace lur
