#pragma once
// The function block diagram as a pure function of the configuration: where
// every block and its parts go, what the block panel shows and in which
// colour. The editor's view draws exactly this and maps the mouse back to a
// block with BlockAt; nothing here knows a widget.
//
// Placement: three columns of 250 pixels, rows 120 apart from 15. A block
// starts a new row after a block in column 2, after a block with relay
// outputs (its panel sits at 750 and takes the rest of the row) and when it
// heads an algorithm.
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace lur {

struct TConfiguration;

struct TDiagramRect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  bool Contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
  bool operator==(const TDiagramRect&) const = default;
};

struct TDiagramColor {
  int r = 0;
  int g = 0;
  int b = 0;
  bool operator==(const TDiagramColor&) const = default;
};

// The link shapes, numbered as the widgets number them.
enum TDiagramLink { kLinkZigzag0, kLinkZigzag1, kLinkZigzag2, kLinkZigzag3 };

struct TDiagramInput {
  std::string caption;  // UTF-8
  bool inverse = false;
};

// What the block panel shows besides its inputs, taken from the record. The
// values are the record's, clamped where the panel clamps; the view applies
// those its type uses.
struct TBlockSettings {
  int subTip = 0;          // timer type, trigger type; the comparator's set-point address
  int timerD = 0;          // 0 ms x 100, 1 s, 2 s x 10
  int timerTime = 0;       // 0..120
  int timerAdjustable = 0; // TimerTUstT: 0 fixed, 1 adjustable set-point
  int timerAdrUst = 0;
  int timeHour = 0;
  int timeMin = 0;
  int timeSec = 0;
  int compCond = 0;        // 0 L, 1 H
  int compAdjustable = 0;  // 0 a fixed limit, 1 the set-point at address subTip
  std::string limitText;   // the fixed limit as the table writes it
  int gisterezis = 0;      // 0..31
  int limitCount = 0;
};

struct TDiagramBlock {
  int record = 0;  // the block is number record + 1
  int row = 0;
  int column = 0;
  int type = 0;  // TipFB - 1: the widgets' block type (unknown values pass as they are)
  TDiagramRect rect;   // background, widened over the relay panel and line
  TDiagramRect panel;  // the block panel, 150 x 110
  TDiagramRect mark;   // the number mark under the output
  std::string markText;
  std::array<TDiagramInput, 4> inputs{};
  TBlockSettings settings;
  // The link shape at the block's output: a zigzag into an input of the
  // next block, or the line into the relay panel; none when hidden.
  TDiagramRect linkAt;  // its top left (the shape sizes itself by type)
  std::optional<TDiagramLink> link;
  bool signPanel = false;
  TDiagramRect signPanelRect;
  TDiagramRect signLinkAt;
  int tipS = 0;
  int nTabS = 0;
  bool relayPanel = false;
  TDiagramRect relayPanelRect;
  TDiagramRect relayLine;
  std::array<int, 5> relayMasks{};  // modules 1..5
  bool highlighted = false;         // chosen or selected
  TDiagramColor color;
};

struct TAlgorithmCaption {
  int algorithm = 0;
  std::string text;  // UTF-8
  int x = 0;
  int y = 0;
};

struct TDiagramLayout {
  std::vector<TDiagramBlock> blocks;
  std::vector<TAlgorithmCaption> captions;
  int height = 0;  // the scroll range: the last block's bottom + 20
};

inline constexpr int kDiagramColumnWidth = 250;
inline constexpr int kDiagramRowPitch = 120;
inline constexpr int kDiagramTop = 15;
inline constexpr int kBlockPanelWidth = 150;
inline constexpr int kBlockPanelHeight = 110;
inline constexpr int kRelayPanelLeft = 750;
inline constexpr TDiagramColor kAlgorithmCaptionColor{0, 128, 128};
inline constexpr TDiagramColor kSelectionColor{166, 202, 240};
// Stands for the system's button face; the view paints its own.
inline constexpr TDiagramColor kButtonFaceColor{240, 240, 240};

// The diagram of records 0, 1, ... while their type is a function block
// (1..11) and within CapFB. A block has a signalling panel when its record
// has a signal type or the editor just added one (HasSignPanel), a relay
// panel likewise (a relay mask, or HasMRPanel); it is highlighted while
// chosen (CurPosFB) or selected.
TDiagramLayout LayOutDiagram(const TConfiguration& config);

// The caption of an input of kind `kind` from source `n`, as the panel shows it.
std::string InputCaption(const TConfiguration& config, const std::vector<std::string>& analogIds, int kind, int n);

// The block whose rectangle holds the point, or none.
std::optional<int> BlockAt(const TDiagramLayout& layout, int x, int y);

}  // namespace lur
