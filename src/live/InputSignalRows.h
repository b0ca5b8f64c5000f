#pragma once
// The two signal lists of the input information window as a function of the
// configuration: every discrete signal entry the controller processes, and
// the analog channels (own modules first, then the network's). Texts are
// UTF-8; the tables keep Windows-1251 bytes.
#include <array>
#include <string>

#include "session/TEditorRegistry.h"

namespace lur {

struct TConfiguration;

struct TInputGrids {
  static constexpr int kRows1 = 193;  // row 0 fixed, then signal entries 0..191
  static constexpr int kColumns1 = 5;
  static constexpr int kRows2 = 61;   // row 0 fixed, then analog channels 0..59
  static constexpr int kColumns2 = 4;
  static constexpr int kTextColumn = 3;
  static constexpr int kIdColumn = 1;

  static constexpr const char* kHeader1[kColumns1] = {"  № ", "Идентификатор ", "   Адрес", "Текст.реквизит",
                                                       "вых на МР"};
  static constexpr const char* kHeader2[kColumns2] = {"  № ", "Идентификатор ", "   Адрес", "Технолог. поз."};
  // Column 4: the signal drives a relay output, or not; the function block
  // editor's fill leaves eight blanks.
  static constexpr const char* kRelayMark = "       V";
  static constexpr const char* kNoRelayMark = "       -";
  static constexpr const char* kFunctionBlockMark = "        ";

  TInputGrids();

  using Row1 = std::array<std::string, kColumns1>;
  using Row2 = std::array<std::string, kColumns2>;
  std::array<Row1, kRows1> grid1;
  std::array<Row2, kRows2> grid2;
};

// " 0x" followed by n as at least two upper-case hexadecimal digits.
std::string SignalAddressText(int n);

// Rewrites rows 1.. of both lists from the configuration as `fill` fills
// them. Every walk stops at the end of its list: no more than 192 signal
// entries, 60 analog rows, and the network walk never reads past entry 191.
void FillInputGrids(const TConfiguration& config, TInformFill fill, TInputGrids& grids);

// Column 3 of the discrete rows again (after texts were replaced).
void RefillInputTexts(const TConfiguration& config, TInputGrids& grids);

}  // namespace lur
