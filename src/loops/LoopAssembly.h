#pragma once
// The control loops as the regulator editor sees them. The controller keeps
// no list of loops: a loop is one or two regulator records and perhaps a
// setter record that name each other by index. Here those records become
// loops and panels (the map fields of TProgRegClass), a new loop is stored
// into free records, and loops are deleted with every index renumbered, so
// the records stay packed in loop order.
//
// The codes come from the controller or a file, so nothing here trusts them:
// a code that names no record names nothing (the class's lookups), and a
// record belongs to a loop only where the map found it there.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/TProgRegClass.h"

namespace lur {

// Panel types of the editor's picture: a signal repeater, a regulator, a
// program setter.
enum class TRegType { rtPS, rtPID, rtPZ };
// Output direction of a regulator panel.
enum class TTypeOut { toDirect, toInverse };

// One loop of the map, in the editor's drawing order. Panels are the indices
// of the map fields (PanelReg, PZPanelRec); -1 where the loop has none.
struct TLoopPanels {
  int loop = -1;
  int kind = 0;          // LoopKind of the loop's first record (raw TReg for unknown roles)
  int mainPanel = -1;    // MainPanelOf(loop)
  int innerPanel = -1;   // the inner regulator of a cascade, when its record points back
  int setterPanel = -1;  // SetterPanelOf(loop)
};

// Clears the map and the selection (PanelLoop, PZPanelLoop -1; NLoops, NRegs,
// NPZ 0; CurReg, CurPanel, CurLoop -1) and derives it again from the
// records; returns the loops in order.
std::vector<TLoopPanels> BuildLoopMap(TProgRegClass& reg);

// The loop's main regulator panel: the last of its panels whose record is
// not a cascade's inner regulator; a loop whose role codes fit no kind falls
// back to its first panel. -1 for a loop the map does not hold.
int MainPanelOf(const TProgRegClass& reg, int loop);
// The loop's setter panel, or -1.
int SetterPanelOf(const TProgRegClass& reg, int loop);

// Panel type and output direction of a regulator panel's record.
TRegType PanelTypeOf(const TProgRegClass& reg, int record);
TTypeOut OutputTypeOf(const TProgRegClass& reg, int record);

// Numbers (1-based) a new loop gets: the next loop, the record after the
// last one in use, the first setter no regulator in use names.
struct TLoopSlot {
  int loop = 0;
  int regulator = 0;
  int setter = 0;
};
// nullopt when no regulator record or no setter record is free ("Все
// регуляторы созданы").
std::optional<TLoopSlot> NewLoopSlot(const TProgRegClass& reg);

// What the loop dialog hands over on OK, already checked by it. Numbers are
// the dialog's fields: 1-based, as the engineer sees them.
struct TLoopValues {
  int kind = 0;        // 0 repeater, 1 single, 2 cascade, 3 program setter, 4 none
  int regulator = 0;   // EditNReg: the record n + 1 the loop is stored in
  int anVh = 0;        // EditAnVh
  int direction = 0;   // CBoxTOut: 0 direct, 1 reverse
  int output = 0;      // EditAdOUT: DAC output 1..6, or a cascade's inner regulator number
  std::array<std::string, 6> params;  // EditKp, EditTi, EditTd, EditOL, EditOH, EditdSP
  // Cascade (kind 2): the inner regulator.
  int innerAnVh = 0;       // EditAnVh1
  int innerDirection = 0;  // CBoxTOut1
  int innerOutput = 0;     // EditAdOUT1: DAC output 1..6
  std::array<std::string, 6> innerParams;  // EditKp1 .. EditdSP1
  // Program setter (kind 3).
  int setter = 0;  // EditNPZ
  int aReg = 0;    // EditAReg
  std::array<int, TProgRegClass::kPoints> times{};     // Edit1..Edit6, seconds 0..65535
  std::array<double, TProgRegClass::kPoints> values{};  // Edit7..Edit12, in the controlled variable's units
};

// Writes the dialog's values into the records (the setter values with
// ScaleLow..ScaleHigh), rebuilds the map and makes the stored loop the
// selected one (CurPanel, CurLoop, CurReg, Reg_Choose).
void StoreLoop(TProgRegClass& reg, const TLoopValues& values);

// Deletes loop j: exactly the records the map gave it, every later index
// renumbered; marks the table modified. The map is rebuilt afterwards.
void DeleteLoop(TProgRegClass& reg, int loop);
// Deletes the loops whose main panel is selected (Reg_Choose), as if one at a
// time; then the map is rebuilt, ActPanel = -1, N_Ctrl = 0.
void DeleteSelectedLoops(TProgRegClass& reg);

}  // namespace lur
