#pragma once
// The scaling window of the network analog signals ("Программирование
// масштабирования аналоговых сигналов локальной сети"): unit, position tag,
// scale limits and the four alarm set points of each analog value the
// exchange blocks receive. All 48 channel rows are shown, only those of the
// block being programmed can be edited. Numbers are stored as a field is
// left, tags and units when the window closes; any stored change clears
// GroupsClean, so the network editor writes the groups.
#include <array>
#include <string>
#include <vector>

#include "reports/TReport.h"

namespace lur {

struct TSession;
class TReportPrinter;

// The number columns of a row, in the row's order.
enum class TR_MBMColumn { NSK, VSK, UstLL, UstL, UstH, UstHH, Count };

struct TR_MBMRow {
  std::string labN = "_";  // signal number, "_" for a channel no block has
  std::string hint;        // "номер аналогового сигнала в базе N (адрес 0xHH)"
  int razm = 0;            // unit index
  std::string poz;         // UTF-8
  std::array<std::string, static_cast<std::size_t>(TR_MBMColumn::Count)> numbers;
  bool enabled = false;
};

class TFormR_MBMController {
 public:
  static constexpr int kRows = 48;
  static constexpr const char* kCaption = "Программирование масштабирования аналоговых сигналов локальной сети";
  static constexpr const char* kHeading = "Аналоговые входы локальной сети ModBus";
  static constexpr const char* kHeaders[] = {"№",          "сигнал",          "размерн.",        "технолог. позиция",
                                             "  min шкалы", "  max шкалы",      "уставка      LL", "уставка       L",
                                             "уставка       H", "уставка      HH"};

  explicit TFormR_MBMController(TSession& session, TReportPrinter* printer = nullptr);

  // Fills every row for block b (0-based) and enables only its rows.
  void Open(int block);
  // A number field of row e left with `text`: a text that is not a whole
  // number within -32767..32767 (decimal comma) shows the input error box
  // and the field gets back its stored value; a good one is stored.
  void NumberExit(int e, TR_MBMColumn column, const std::string& text);
  // A unit chosen in row e.
  void RazmClick(int e, int unit);
  // A tag typed into row e (stored on closing).
  void PozChange(int e, const std::string& text);
  // Stores the tags and units of the block's channels; the window always
  // closes.
  void FormCloseQuery();
  // "Создание и печать файла .rtf": the block's rows with the window's
  // columns, through the one report road.
  void BNew1Click();
  TReport Report() const;

  // The unit names of the list (UTF-8).
  std::vector<std::string> UnitNames() const;
  // Control names of a row's fields, k = e + 1: Poz1, NSK1, Ust1LL ...
  static std::string NumberName(int e, TR_MBMColumn column);
  static std::string PozName(int e) { return "Poz" + std::to_string(e + 1); }
  static std::string RazmName(int e) { return "Razm" + std::to_string(e + 1); }
  static std::string LabNName(int e) { return "LabN" + std::to_string(e + 1); }
  static std::string LabelName(int e) { return "Label" + std::to_string(e + 1); }

  const TR_MBMRow& Row(int e) const { return rows_[static_cast<std::size_t>(e)]; }
  int Block() const { return block_; }
  // The block's channels, or an empty range when it has none in the table.
  int FirstChannel() const;
  int ChannelCount() const;

 private:
  bool Editable(int e) const;
  std::string StoredNumber(int e, TR_MBMColumn column) const;
  void MarkGroups();

  TSession& session_;
  TReportPrinter* printer_;
  std::array<TR_MBMRow, kRows> rows_{};
  int block_ = 0;
};

}  // namespace lur
