#pragma once
// The regulator editor's picture as a pure function of the configuration:
// one frame per loop, its regulator and setter panels with every text they
// show, the marks under them, the connectors between them, and the colours
// of the selection. The view paints exactly this and maps the mouse back to
// a loop with LoopAt; nothing here knows a widget.
//
// Frames are 600 x 320 at the left margin 24, one under the other every 320
// pixels from the top; the scroll range ends 20 pixels below the last frame.
#include <optional>
#include <string>
#include <vector>

#include "loops/LoopAssembly.h"

namespace lur {

struct TConfiguration;

struct TLoopRect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  int Bottom() const { return y + h; }
  bool Contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
  bool operator==(const TLoopRect&) const = default;
};

struct TLoopColor {
  int r = 0;
  int g = 0;
  int b = 0;
  bool operator==(const TLoopColor&) const = default;
};

// A panel: a regulator (rtPS, rtPID) or a program setter (rtPZ), with its
// lines of text from the top.
struct TLoopPanel {
  TRegType type = TRegType::rtPID;
  TTypeOut direction = TTypeOut::toDirect;  // regulator panels
  int record = -1;                          // regulator record, or setter record for rtPZ
  TLoopRect rect;
  std::vector<std::string> lines;  // UTF-8
};

// A text under or beside a panel: "вых ЦАП №1", "на рег 3".
struct TLoopMark {
  TLoopRect rect;
  std::string text;  // UTF-8
};

struct TLoopFrame {
  int loop = 0;
  int kind = 0;
  TLoopRect rect;
  std::vector<TLoopPanel> panels;  // the main regulator first, then the inner one, then the setter
  std::vector<TLoopMark> marks;    // one per panel, in the panels' order
  std::vector<TLoopRect> connectors;
  bool selected = false;
  TLoopColor color;  // frame, panels, marks and connectors
};

struct TLoopDrawing {
  std::vector<TLoopFrame> frames;
  int height = 0;  // the scroll range
};

inline constexpr int kLoopFrameLeft = 24;
inline constexpr int kLoopFrameWidth = 600;
inline constexpr int kLoopFrameHeight = 320;
inline constexpr int kLoopFramePitch = 320;
inline constexpr int kLoopBottomMargin = 20;
inline constexpr int kLoopWheelStep = 10;
// Stands for the system's button face, as the other editors' views use it.
inline constexpr TLoopColor kLoopFaceColor{240, 240, 240};
inline constexpr TLoopColor kLoopSelectedColor{166, 202, 240};  // clSkyBlue
inline constexpr TLoopColor kLoopOutlineColor{153, 180, 209};   // the active caption's colour

// The picture of the loops the records hold (the map as BuildLoopMap makes
// it, taken on a copy). A loop is selected, and drawn in the selection
// colour, while its main panel is chosen (Reg_Choose).
TLoopDrawing DrawLoops(const TConfiguration& config);

// The top of loop q's frame.
int LoopFrameTop(int loop);

// The loop whose frame holds the point, or none.
std::optional<int> LoopAt(const TLoopDrawing& drawing, int x, int y);

// The numbers as the panels show them, with the comma: Kp, Td and OSF with
// 4 decimals up to 10, 3 up to 100, 2 up to 1000, none above; Ti also 1
// up to 10000; the output limits with 2; a setter's set value with 2 up to
// 100, 1 up to 1000, none above.
std::string GainText(double value);
std::string TimeText(double value);
std::string LimitText(double value);
std::string SetValueText(double value);

}  // namespace lur
