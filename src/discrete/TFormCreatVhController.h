#pragma once
// The input identifier dialog ("Создание  и замена идентификатора входа"):
// which signal a row of the discrete schema stands for (an own discrete
// input, an own analog input's limit, or a network input of an exchange
// block), with its text, contact type and archiving. It only holds values
// and keeps its choices within what the configuration has; the caller
// computes the signal number from them. One instance lives for the run.
#include <cstddef>
#include <string>

namespace lur {

struct TSession;

class TFormCreatVhController {
 public:
  static constexpr const char* kCaption = "Создание  и замена идентификатора входа";
  static constexpr const char* kOwnPageCaption = "Создание собственного входа";
  static constexpr const char* kNetPageCaption = "Создание  сетевого входа";
  static constexpr const char* kKindItems[2] = {"дискретный", "аналоговый"};
  static constexpr const char* kLimitItems[4] = {"LL", "L", "H", "HH"};
  static constexpr const char* kTipKItems[2] = {"Нормально замкнутый", "Нормально разомкнутый"};
  static constexpr std::size_t kTextChars = 14;
  // The up-downs never go below 1; their maxima follow the configuration.
  static constexpr int kSpinMin = 1;

  enum Page { kOwnPage = 0, kNetPage = 1 };
  enum Kind { kDiscrete = 0, kAnalog = 1 };

  explicit TFormCreatVhController(TSession& session) : session_(session) {}

  // ---- behaviour ------------------------------------------------------------
  // Showing: the block maximum follows NetBlockTotal, then the active page's
  // show rule runs.
  void FormShow();
  // The own page shown or selected: the kind forced to what the modules
  // allow, the module and input maxima and the limit list follow the kind.
  void OwnPageShow();
  // The network page shown: disabled with empty slave labels when the
  // configuration has no network inputs.
  void NetPageShow();
  // A page selected by the user (Page).
  void PageControl1Change(int page);
  // The own kind chosen: forced as above, module and input back to 1, limit "LL".
  void CBoxTipVhClick(int kind);
  // The network kind chosen: forced by the totals and by the block, the
  // register maximum and the limit list follow, limit back to "LL".
  void CBoxTipVhNetClick(int kind);
  // Up-downs and typed values: each held inside its current range.
  void SetModule(int module);
  void SetInput(int input);
  void SetBlock(int block);  // the block changed: register back to 1, slave labels, kind forced
  void SetRegister(int reg);
  void CBoxTipSignClick(int limit);
  void CBoxTipSignNetClick(int limit);
  // A change of the text: the processing table is marked changed and
  // InputTextsEdited = 1. A text with a character that has no Windows-1251
  // form is refused (nothing changes); a longer one is cut to 14 characters.
  void EditTextChange(const std::string& text);
  void TipKClick(int index);  // marks the processing table changed
  void ArhClick(bool checked);  // marks the processing table changed
  int OKClick();  // kModalOk; the dialog hides

  // ---- what the controls show --------------------------------------------------
  std::string caption = kCaption;
  std::string labNVh;      // "№ созд. входа на схеме" or "№ ред. входа на схеме"
  std::string labN;        // the row number, read back by the caller
  std::string editText;    // UTF-8, at most 14 characters with a Windows-1251 form
  int page = kOwnPage;     // PageControl1
  bool ownPageEnabled = true;
  bool netPageEnabled = true;
  // Own page.
  int kind = kDiscrete;    // CBoxTipVh
  int module = 1;          // EditNMod, UpDown1: 1..moduleMax
  int moduleMax = 8;
  int input = 1;           // EditNVhMod, UpDown2: 1..inputMax
  int inputMax = 24;
  int limit = 0;           // CBoxTipSign: 0..3 = LL, L, H, HH
  bool limitEnabled = false;
  // Network page.
  int netKind = kDiscrete;  // CBoxTipVhNet
  int block = 1;            // EditNB_MBM, UpDown3: 1..blockMax
  int blockMax = 8;
  int reg = 1;              // EditNVhNet, UpDown4: 1..regMax
  int regMax = 24;
  int netLimit = 0;         // CBoxTipSignNet
  bool netLimitEnabled = false;
  std::string labTipSlave;  // slave type name of the block
  std::string labAdrSlave;  // slave address of the block
  // Both pages.
  int tipK = 0;             // 0 "Нормально замкнутый", 1 "Нормально разомкнутый"
  bool arh = false;

 private:
  // The own kind forced to what the modules allow; maxima and the limit
  // list follow it; module and input held inside their ranges.
  void ApplyOwnKind();
  // The network kind forced by the totals, then by block `block`; the
  // register maximum and the limit list follow; the register held inside.
  void ApplyNetKind();
  void ShowSlave();

  TSession& session_;
};

}  // namespace lur
