#pragma once
// Moving the controller's signal lists when signals are removed or inserted:
// the discrete entries (12 per discrete module, four limit alarms per analog
// input, then the network values of the exchange blocks) and the analog
// signals (six per analog module, then the network analog values). Every
// table that names a signal by its number follows, by one rule: a reference
// to a removed signal becomes 0, one after the removed or inserted signals
// moves by their count, one pushed past the end of its list becomes 0.
//
// Who names signals: the function block inputs (the table's own services),
// the function-15 blocks (numbers 1..192; 193..254 are block outputs and
// never move), the relay outputs' external acknowledge and reset inputs, and
// the regulators' controlled variable (a regulator whose variable is
// removed loses its whole loop). The discrete processing records and the
// input texts move with the discrete entries themselves.
//
// Plain table work on the model: no session, no user. The caller learns in
// TSignalMoveMarks what changed and marks the tables with MarkMovedTables,
// as each table's own editor would; the whole write moves an outgoing copy
// and marks nothing.
#include <array>

#include "model/ModuleTypes.h"
#include "model/TConfiguration.h"

namespace lur {

// What a move changed.
struct TSignalMoveMarks {
  bool base = false;       // discrete processing records and input texts moved
  bool fb = false;         // a function block input changed
  bool f15 = false;        // a function-15 signal number changed
  bool regulator = false;  // a controlled variable changed or a loop went
  std::array<bool, kMaxOutputModules> relay{};  // relay module m: an input number changed
  bool channels = false;   // network analog channel records moved or reset

  bool Any() const;
  void Merge(const TSignalMoveMarks& other);
};

// References only. `at` is the 0-based entry after which signals go or come
// (signals numbered at + 1 .. are affected), `count` how many.
void DeleteDiscreteRefs(TConfiguration& cfg, int at, int count, TSignalMoveMarks& marks);
void InsertDiscreteRefs(TConfiguration& cfg, int at, int count, TSignalMoveMarks& marks);
void DeleteAnalogRefs(TConfiguration& cfg, int at, int count, TSignalMoveMarks& marks);
void InsertAnalogRefs(TConfiguration& cfg, int at, int count, TSignalMoveMarks& marks);

// The discrete entries themselves with their references: processing records
// and texts of entries at .. at + count - 1 go (the freed tail is empty,
// without text), or a gap of count empty entries with default texts opens
// at `at` (entries pushed past 191 are lost).
void DeleteDiscreteSignals(TConfiguration& cfg, int at, int count, TSignalMoveMarks& marks);
void InsertDiscreteSignals(TConfiguration& cfg, int at, int count, TSignalMoveMarks& marks);

// One exchange block changing its places in the lists: its first discrete
// entry and first analog signal (0-based, absolute), its spans before and
// after, and how many of its leading places keep their meaning (values of
// the same kind: min of the spans; a change between discrete and analog
// values keeps none).
// The places after the kept ones are dropped, the new ones opened, and
// everything after the block moves by the difference. Analog places also
// move the network channel records (channel = analog index - AiCount); the
// block's channels take the defaults whenever its analog span changed.
struct TBlockSpanChange {
  int discreteStart = 0;
  int analogStart = 0;
  int oldDiscrete = 0;
  int newDiscrete = 0;
  int keptDiscrete = 0;
  int oldAnalog = 0;
  int newAnalog = 0;
  int keptAnalog = 0;
};
void MoveBlockSignals(TConfiguration& cfg, const TBlockSpanChange& change, TSignalMoveMarks& marks);

// Marks what the moves changed as each table's editor marks its own edits:
// FBToWrite (the function block pages go with the network pages),
// F15Changed, RegModified, the relay module's MrSent cleared, BaseRewrite
// for the base and texts, GroupsClean cleared for the channels.
void MarkMovedTables(TConfiguration& cfg, const TSignalMoveMarks& marks);

}  // namespace lur
