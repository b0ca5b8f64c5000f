#pragma once
// The exchange block dialog ("Программирование функционального блока MBM"):
// one block of the Modbus master table created or corrected. It checks the
// block against the rules of its slave device type, gives it its places in
// the controller's discrete and analog signal lists, moves the signals of
// the following blocks (and every reference to them) when the block's size
// or function changed, and recomputes the network bookkeeping.
//
// The dialog works on the tables in place and keeps the state it opened
// with: a rejected block puts memory back exactly as it was, references
// moved in other tables included. The reserve is never touched: it holds
// only what the controller or the file holds.
//
// One instance lives for the run; the network editor reaches it through the
// TMBMDialog seam (TMBMBlockDialog).
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/TConfiguration.h"
#include "network/TMBMDialog.h"
#include "network/moves/SignalMoves.h"
#include "session/TControlStates.h"
#include "ui/FieldKeys.h"

namespace lur {

struct TSession;

// The dialog's text fields, by their control names.
enum class TMBMField { EditKolVh, EditXMax, EditUstr, EditAdBegDat, EditKolDat, Count };

// The controls whose enabled state changes.
enum class TMBMControl { EditXMax, TipDate, Byte_Order, Scaling, ButOnLine, Count };

class TFormMBMController {
 public:
  static constexpr const char* kCaption = "Программирование функционального блока MBM";
  static constexpr const char* kLabFB = "Функциональный блок ModBus Master";
  static constexpr const char* kCreating = "Создание";
  static constexpr const char* kCorrecting = "Коррекция";
  static constexpr const char* kErrorCaption = " Ошибка ввода ";
  static constexpr const char* kNoNetPlaces = "нет свободных адресов лок.сети";
  static constexpr const char* kNoAnalogPlaces = "нет свободных адресов аналог.сигн.лок.сети";
  static constexpr const char* kBadFunction = "недопустимая функция";
  static constexpr const char* kValueMissing = "значение не задано\n";
  static constexpr const char* kNoType = "тип устройства не задан\n";
  static constexpr const char* kNoFunction = "код функции не задан\n";
  static constexpr const char* kNoSlave = "адрес Slave в локальной сети не задан\n";
  static constexpr const char* kBadSlave = "адрес Slave в локальной сети задан неверно\n";
  static constexpr const char* kNoCount = "количество выходов блока не задано\n";
  static constexpr const char* kNoXMax = "макс.значение кода не задано\n";
  static constexpr const char* kNoStart = "нач адр данных в запросе не задан\n";
  static constexpr const char* kNoQuantity = "количество данных в запросе не задано\n";
  static constexpr const char* kBadXMax = "ошибка в максимальном значении кода\n";
  static constexpr const char* kNoDiscretePlaces = "не хватает свободных адресов лок. сети\n";
  static constexpr const char* kNoAnalogInputs = " Не хватает адресов для аналоговых входов\n";

  static constexpr int kNoChoice = -1;
  static constexpr int kTypeItems = 16;
  static constexpr const char* kTypeNames[kTypeItems] = {
      "ЛУР-01", "ТЕРН",   "СУР-ЛО", "СУР-ЛЕ", "ВЕДА",   "ЛУР-05", "резерв", "резерв",
      "резерв", "резерв", "резерв", "резерв", "резерв", "резерв", "резерв", "другие "};
  static constexpr const char* kFunctionItems[4] = {"1", "2", "3", "4"};
  static constexpr const char* kDataTypeItems[2] = {"целочисл. 16-разр. код", "веществ. число IEEE754"};
  static constexpr const char* kByteOrderItems[2] = {"старш. регистром вперед", "младш. регистром вперед"};

  TFormMBMController(TSession& session, TMBMWindows windows = {});

  // ---- what the network editor (through the seam) calls ---------------------------
  // Fills the dialog for block b and keeps the state memory is in. A new
  // block with no free discrete place left shows "нет свободных адресов
  // лок.сети" and is not opened (false); with no free analog place the
  // dialog opens after "нет свободных адресов аналог.сигн.лок.сети".
  bool Open(int block);
  // After the dialog closed: memory back as it was when opened (rejection).
  void RestoreOpening();

  // ---- handlers -------------------------------------------------------------------
  void TipUstrClick(int item);
  void CBoxKodFClick(int item);
  void TipDateClick(int item);
  void Byte_OrderClick(int item);
  // A text typed into a field.
  void EditChange(TMBMField field, const std::string& text);
  // Leaving a field: an empty one is reported ("значение не задано\n").
  void EditExit(TMBMField field);
  // Key filters: decimal fields, and the hexadecimal start address.
  TFieldKeyVerdict EditKeyDown(TMBMField field, TKeyStroke key);
  static TFieldKind KindOf(TMBMField field);
  void ScalingClick();
  void ButOnLineClick();
  // The checks on closing (OK or the close box): type, function, slave
  // address and the empty fields stop at the first failure; then every rule
  // of the device type and the code maximum report each failure; then the
  // places in the lists; then the moves and the bookkeeping. kModalOk for
  // an accepted block (the scaling window then opens for an analog one);
  // kModalError, memory as at opening, for a rejected one. The dialog
  // closes either way.
  int FormCloseQuery();
  int OKClick() { return FormCloseQuery(); }

  // ---- state ------------------------------------------------------------------------
  int Block() const { return block_; }
  bool Creating() const { return creating_; }
  bool Closed() const { return closed_; }
  int Result() const { return result_; }
  bool Enabled(TMBMControl c) const { return enabled.IsEnabled(c); }
  std::string& Text(TMBMField field) { return texts_[static_cast<std::size_t>(field)]; }
  const std::string& Text(TMBMField field) const { return texts_[static_cast<std::size_t>(field)]; }
  static const char* Name(TMBMField field);
  static const char* Name(TMBMControl control);
  // The caption the network editor gives the block's button: "Ф" and KodF.
  std::string ButtonCaption() const;
  // What the last acceptance moved (the network editor writes those tables).
  const TSignalMoveMarks& Moved() const { return moved_; }
  // Whether the last acceptance changed the block, the counts or the groups.
  bool TableChanged() const { return tableChanged_; }
  TSession& Session() { return session_; }

  std::string labNMBM;             // block number b + 1
  std::string label9;              // "Создание" or "Коррекция"
  std::string stAddrBeg1;          // read-only starts
  std::string stAddrBeg2;
  int tipUstr = kNoChoice;         // TipUstr item
  int cBoxKodF = kNoChoice;        // KodF - 1
  int tipDate = kNoChoice;         // data type item, kNoChoice empty
  int byteOrder = kNoChoice;       // register order item, kNoChoice empty
  bool fileMode = false;           // LabelFile shown
  TControlStates<TMBMControl> enabled;

 private:
  using F = TMBMField;

  void Warn(const std::string& text);
  void ClearDataLists();
  int IntOf(F field) const;
  int HexOf(F field) const;
  std::string StoredText(F field) const;
  bool CheckHead();      // type, function, slave address, empty fields
  bool CheckRules();     // the device type's rules and the code maximum
  bool AssignAndMove();  // the places, the moves, the bookkeeping
  void Bookkeeping();
  void ShowStored();

  TSession& session_;
  TMBMWindows windows_;
  std::array<std::string, static_cast<std::size_t>(F::Count)> texts_;
  int block_ = 0;
  bool creating_ = false;
  bool closed_ = false;
  int result_ = 0;
  bool tableChanged_ = false;
  TSignalMoveMarks moved_;
  // Memory as the dialog found it.
  std::unique_ptr<TConfiguration> opening_;
};

}  // namespace lur
