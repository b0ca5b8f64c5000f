#pragma once
// The analog module editor ("Программирование МВА"): the six channels of one
// analog input module, edited in place in the module's block of the analog
// table. Lists store at once; typed fields keep their text until they are
// left and store only when the user changed it since the fill, so a window
// opened and closed untouched changes no byte (a shown "0,0000" is not the
// stored 0.00003). A code read from the block that lies outside its list
// (a scale code, an input type, a six-bit range index) shows no selection
// and is never used as an index; closing then asks for a choice.
//
// BlockSaved of the slot goes to 0 with the first byte changed and stays 0
// across openings until a confirmed write, No or Отмена, or a file-mode
// close: a write that failed or was refused is asked for again at the next
// closing.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/TProgMBAClass.h"
#include "reports/TReport.h"
#include "session/TEditorRegistry.h"

namespace lur {

struct TSession;
class TReportPrinter;

// The typed fields of a channel row.
enum class TProgEdit { Poz, NSK, VSK, UstLL, UstL, UstH, UstHH, ZonaIns, Count };
// The lists of a channel row.
enum class TProgList { Razm, Sk, MinSk, MaxSk, TInp, Count };

struct TProgListState {
  std::vector<std::string> items;
  int index = -1;  // -1: nothing selected, the list's text is empty
  std::string Text() const;
};

struct TProgChannel {
  std::array<std::string, static_cast<std::size_t>(TProgEdit::Count)> text;    // shown
  std::array<std::string, static_cast<std::size_t>(TProgEdit::Count)> filled;  // as the fill put it
  std::array<TProgListState, static_cast<std::size_t>(TProgList::Count)> lists;
  // A thermo channel whose sensor has a range list shows MinSk/MaxSk;
  // every other channel shows the typed NSK/VSK.
  bool rangeLists = false;

  const std::string& Text(TProgEdit e) const { return text[static_cast<std::size_t>(e)]; }
  const TProgListState& List(TProgList l) const { return lists[static_cast<std::size_t>(l)]; }
};

class TFormPROGController {
 public:
  static constexpr const char* kCaption = "Программирование МВА";
  static constexpr int kChannels = 6;
  static constexpr int kEditChars = 7;  // typing limit of the numeric fields
  static constexpr int kPozChars = 8;
  static constexpr const char* kChangedQuestion = "База  была изменена. Передать в прибор?";
  static constexpr const char* kChangedCaption = "Подтвердите передачу базы данных";
  static constexpr const char* kErrorQuestion = "Ошибка программирования \nЗакончить?";
  static constexpr const char* kErrorCaption = "Подтвердите окончание программирования";

  // objectName of a channel's field or list, c = 0..5 ("NSK3", "Ust2LL", "MinSk1").
  static std::string EditName(TProgEdit e, int c);
  static std::string ListName(TProgList l, int c);

  // `printer` prints the report when the user asks for it (none: not printed).
  TFormPROGController(TSession& session, const TEditorRegistry& editors, TReportPrinter* printer = nullptr);

  // The opening for the main window's request: slot 1..8 of an analog module
  // type, request.module its place among the analog modules (1..8). Fills
  // every control; BlockSaved is left as it is. False, nothing changed, for a
  // request of no analog module.
  bool Open(const TEditorRequest& request);
  // Fills the controls from the block (the opening and after a replace).
  void Fill();

  // ---- field handlers (c = 0..5) -----------------------------------------------
  void RazmChange(int c, int index);
  void TInpChange(int c, int index);
  void SkChange(int c, int index);
  void MinSkChange(int c, int index);
  void MaxSkChange(int c, int index);
  // Leaving a list: an empty scale, sensor or range list flashes red with a beep.
  void ListExit(int c, TProgList list);
  // The user typed, pasted or deleted in a field: its shown text. A '.' is
  // taken as the decimal comma in the numeric fields.
  void EditChange(int c, TProgEdit e, const std::string& text);
  // Leaving a field: checks and stores it if the user changed its text.
  void EditExit(int c, TProgEdit e);

  // ---- whole module -------------------------------------------------------------
  void CopyBaseClick();
  void ChangeBaseClick();
  // Opens the calibration window of the module; its modal result (0: none).
  int ButKalibrClick();
  // The module report: file dialog, write, "Печатать?".
  void BNew1Click();
  TReport Report() const;

  // ---- closing ------------------------------------------------------------------
  // True when the window may close; ModalResult() then tells how (2, 3, 6).
  bool FormCloseQuery(bool cancelPressed);
  // The block write (page a + 1); true when the controller confirmed it.
  bool SaveClick();

  // ---- what the view shows --------------------------------------------------------
  int Module() const { return module_; }  // 1..8 among the analog modules
  int Type() const { return type_; }
  bool NewVersion() const;
  std::string LabNMod() const { return std::to_string(module_); }
  const std::string& LabTMod() const { return typeName_; }
  std::string LabN() const { return "входы " + inputs_; }
  // "номер аналогового сигнала в базе N (адрес 0xNN)" of Label1..Label6.
  std::string LabelHint(int c) const;
  const TProgChannel& Channel(int c) const { return channels_[static_cast<std::size_t>(c)]; }
  bool InputTypeShown() const;  // TInp1..6 and Label10
  bool ChangeEnabled() const;   // "Заменить базу модуля"
  bool KalibrEnabled() const;   // ButKalibr
  int ModalResult() const { return modalResult_; }
  int Revision() const { return revision_; }  // grows with every change the view must show

  // The field that flashes red with a beep (no box); the view paints it.
  std::function<void(const std::string& field)> flash;
  // Supplies the configuration file's name for the report's title in file mode.
  std::function<std::string()> fileName;

 private:
  int A() const { return module_ - 1; }
  bool ValidChannel(int c) const { return module_ > 0 && c >= 0 && c < kChannels; }
  TProgChannel& Row(int c) { return channels_[static_cast<std::size_t>(c)]; }
  void FillChannel(int c);
  void FillRangeLists(int c);
  void FillMaxima(int c, int min);
  void SetEditText(int c, TProgEdit e, const std::string& text);  // shown and as filled
  std::string StoredText(int c, TProgEdit e) const;
  bool StoreEdit(int c, TProgEdit e);
  void Flash(const std::string& field);
  // Marks the block changed when its bytes differ from `before`.
  void Change(const std::function<void(TProgMBAClass&)>& change);
  bool CheckBeforeClose();
  void RestoreBlock();

  TSession& session_;
  const TEditorRegistry& editors_;
  TReportPrinter* printer_;
  int slot_ = 0;
  int module_ = 0;
  int type_ = 0;
  std::string typeName_;
  std::string inputs_;
  std::array<TProgChannel, kChannels> channels_{};
  int modalResult_ = 0;
  int revision_ = 0;
};

}  // namespace lur
