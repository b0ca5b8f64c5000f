#pragma once
// The printout of the function block diagram as pages: which band of the
// diagram each page shows, its heading, and the relay output section after
// the diagram. A pure function of the layout and the headings; the view
// paints each band from the same layout at the printer's resolution, and
// the print dialog chooses which pages go to the printer.
#include <string>
#include <vector>

#include "fb/TDiagramLayout.h"

namespace lur {

// What every page's heading names.
struct TFBPrintHeading {
  std::string mainCaption;    // the main window's caption
  std::string editorCaption;  // this window's caption
  std::string fileLabel;      // the file label in file mode; empty in controller mode
};

struct TFBPrintPage {
  int number = 1;  // from 1
  std::vector<std::string> heading;
  // The diagram's band y .. y + height (screen pixels); height 0 on the
  // pages of the relay section.
  int bandTop = 0;
  int bandHeight = 0;
  bool relayTitle = false;               // the page starts the relay section
  std::vector<std::string> relayLines;   // on the pages of the relay section
};

struct TFBPrintout {
  static constexpr int kRowsPerPage = 5;
  static constexpr int kBandHeight = 610;  // five rows of blocks, as on the screen
  static constexpr int kRelayLinesPerPage = 30;
  static constexpr const char* kRelayTitle = "Информация о модулях реле:";
  static constexpr const char* kNoRelay = "нет выхода на модуль реле";
  static constexpr const char* kPageWord = "   страница ";
  std::vector<TFBPrintPage> pages;
};

// A block's relay line: its mark ("ФБ" n), then the five module hints
// ("MP m: 1,3,") each after two blanks; a block without relay outputs: its
// mark, three blanks and kNoRelay.
std::string FBRelayLine(const TDiagramBlock& block);

// One page per five rows of blocks, then the relay section with one line a
// block; no page at all without blocks. Every page carries the heading and
// its number.
TFBPrintout MakeFBPrintout(const TFBPrintHeading& heading, const TDiagramLayout& layout);

}  // namespace lur
