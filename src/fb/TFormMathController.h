#pragma once
// The math block window ("Информация о  математических блоках"): the 24
// arithmetic block places as buttons showing each block's operation. A click
// programs the block through the editor; the context menu deletes one, the
// blocks after it moving down, and renumbers every reference to the
// calculated values. It tells the editor, through ComparatorsRenumbered(),
// that the diagram's comparator captions must follow.
//
// One instance lives for the run.
#include <array>
#include <functional>
#include <string>

namespace lur {

struct TSession;
class TProgFBClass;

class TFormMathController {
 public:
  static constexpr const char* kCaption = "Информация о  математических блоках";
  static constexpr const char* kGroupCaption = "Математические блоки";
  static constexpr const char* kDeleteItem = "Удаление математического блока ";
  static constexpr int kButtons = 24;
  // The operation symbols of SubTip 1..5; a place without a block shows none.
  static constexpr const char* kSymbols[6] = {"", "+", "-", "X", ":", "SQRT"};

  explicit TFormMathController(TSession& session);

  // The editor's programming of the arithmetic block CalcMode 3 and CurMat
  // name. Unset: a click programs nothing.
  std::function<void()> programBlock;

  // ---- what the editor calls -------------------------------------------------
  // Every caption from the table (empty without arithmetic blocks), the
  // group shown, the comparator flag cleared.
  void Fill();
  // Read after the window closed: a deletion renumbered comparators.
  bool ComparatorsRenumbered() const { return comparatorFlag_; }
  void ClearComparatorFlag() { comparatorFlag_ = false; }

  // ---- handlers ---------------------------------------------------------------
  void FormCreate();  // hints "МБ" 1..24, captions empty
  // Button i (0-based): an arithmetic block is programmed (CalcMode 3,
  // CurMat i, then the editor) and its caption follows; CurMat is -1 after.
  void Button1Click(int i);
  // A mouse press on button i: the right button names it for the menu.
  void Button1MouseDown(int i, bool right);
  // "Удаление математического блока " for the button under the last right
  // click: references to its result become 0 and those to later results fall
  // by one (operands of the other blocks, comparators), the blocks after it
  // move down one place with their result addresses, NMat falls by one.
  void DeleteBlClick();
  int OKClick();  // kModalOk

  // The symbol of record r's operation, empty when it is no arithmetic block.
  static std::string SymbolOf(const TProgFBClass& fb, int r);

  std::array<std::string, kButtons> captions;
  std::array<std::string, kButtons> hints;
  bool groupBox1Visible = false;

 private:
  TProgFBClass& FB();
  int FirstRecord() const;  // record of arithmetic block 1

  TSession& session_;
  bool comparatorFlag_ = false;
};

}  // namespace lur
