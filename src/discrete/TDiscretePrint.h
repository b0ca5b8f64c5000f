#pragma once
// The printout of the discrete schema as pages: which rows each page shows,
// the page's heading, and the relay outputs of its rows as text lines. A
// pure function of the schema and the headings; the view paints the pages
// (the row images, the fonts) and the print dialog chooses which of them go
// to the printer.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "discrete/TSchemaLayout.h"

namespace lur {

// What the first page's heading names besides the schema.
struct TDiscretePrintHeading {
  std::string mainCaption;   // the main window's caption
  std::string editorCaption;
  std::string fileLabel;     // the main window's file label; empty in controller mode
  std::string displayLine;   // display type and execution code, as the window shows them
};

struct TDiscretePrintPage {
  static constexpr int kFirstHeadingPoints = 12;
  static constexpr int kLaterHeadingPoints = 10;
  static constexpr int kRelayTitlePoints = 12;
  static constexpr int kRelayLinePoints = 8;

  int number = 1;  // from 1
  std::vector<std::string> heading;
  int headingPoints = kFirstHeadingPoints;
  int firstRow = 0;  // schema positions firstRow .. firstRow + rowCount - 1
  int rowCount = 0;
  std::vector<std::string> relayLines;  // one per row of the page
};

struct TDiscretePrintout {
  static constexpr int kRowsPerPage = 11;
  static constexpr const char* kRelayTitle = "Информация о модулях реле:";
  static constexpr const char* kNoRelay = "нет выхода на модуль реле";
  static constexpr const char* kPageWord = "   страница ";
  std::vector<TDiscretePrintPage> pages;
};

// The hint of relay module m (0..4) of a row's relay block, as the block
// shows it: "MP m+1: " and, for a module the row switches, its outputs
// ("1,3,").
std::string RelayModuleHint(const TSchemaRow& row, int m);

// A row's relay line: its text, then the five module hints, each after two
// blanks; a row without a relay block: its text, three blanks and kNoRelay.
std::string RelayLine(const TSchemaRow& row);

// One page per kRowsPerPage rows, rounded up; none without rows. The first
// page carries the heading's lines, every later one the main caption with
// its page number.
TDiscretePrintout MakeDiscretePrintout(const TDiscretePrintHeading& heading, const TSchemaLayout& layout);

}  // namespace lur
