#pragma once
// The discrete schema as the view draws it: for every row its rectangles in
// the scroll area's content coordinates, its texts, its block values and its
// colours. The controller computes it from the tables and its selection; the
// view only draws it and maps mouse positions back to rows and elements.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lur {

struct TSchemaRect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  bool Contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
  bool operator==(const TSchemaRect&) const = default;
};

// What part of a row a mouse position falls on.
enum class TSchemaElement {
  None,           // the background of the schema
  Band,           // the row's band, outside its controls
  NumberLabel,
  TextLabel,
  ContactButton,
  ArchiveButton,
  InputPanel,
  Line,
  Sign,
  Zader,
  MR,
};

struct TSchemaHit {
  int row = -1;  // position, -1 on the background below the last row
  TSchemaElement element = TSchemaElement::None;
};

struct TSchemaRow {
  static constexpr int kHeight = 54;        // band height, rows stacked from 0
  static constexpr int kInputLeft = 212;    // input panel and line
  static constexpr int kSignLeft = 402;     // blocks at 190, 310, 410 from the input column
  static constexpr int kZaderLeft = 522;
  static constexpr int kMRLeft = 622;

  int position = 0;  // p
  int signal = 0;    // n
  bool bandSelected = false;   // sky blue band (current or marked row)
  bool panelSelected = false;  // sky blue input panel (current row, a search hit)

  std::string numberText;  // "  № на схеме " + (p + 1) + "\n\n" + "  № в базе " + (n + 1)
  std::string text;        // "  " + the signal's text
  std::string identifier;  // the input panel's caption
  std::string hint;        // the input panel's hint
  bool contactDown = false;
  bool archiveDown = false;

  bool hasSign = false;
  int tipS = 0;  // signalling type 0..3
  int nTabS = 0;
  bool hasZader = false;
  int timeZ = 0;
  int factor = 1;  // 1 or 10
  bool hasMR = false;
  std::array<std::uint8_t, 5> mr{};  // shown modules' bytes; modules past the count stay 0
  int mrModules = 0;                 // output modules shown (DoModuleCount)

  TSchemaRect band, numberLabel, textLabel, contactButton, archiveButton, inputPanel, line;
  TSchemaRect sign, zader, mrPanel;        // empty (w = 0) when absent
  std::vector<TSchemaRect> markers;        // one 9 x 9 marker per present block
};

struct TSchemaLayout {
  std::vector<TSchemaRow> rows;
  int columnHeight = TSchemaRow::kHeight;  // ShVh1 / ShVyh1: NHandlers x 54 + 54; the scroll range follows

  // The row and element under a content position.
  TSchemaHit HitTest(int x, int y) const;
};

}  // namespace lur
