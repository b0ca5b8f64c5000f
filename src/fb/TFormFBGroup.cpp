// Copying a run of blocks and inserting it before a block or after the last
// one. The copy buffer belongs to the configuration's copy blocks, not to
// the window: a group copied here can be inserted after the window was
// reopened or another configuration was loaded, so every reference a copied
// block carries is checked against the configuration it lands in.
#include <algorithm>
#include <cstddef>

#include "fb/FBAlgorithmUpkeep.h"
#include "fb/FBRecordMoves.h"
#include "fb/TFormFBController.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

using C = TFormFBControl;
using Copy = TCopyBlocksClass;

std::size_t At(int index) { return static_cast<std::size_t>(index); }

constexpr int kRelayModules = 5;
// A display type of this many cells keeps no cell numbers of its own.
constexpr int kCellsOfSignalBase = 192;

// Where the group comes from and where it goes.
struct TGroupPlace {
  int first = 0;   // buffer index of the first copied record
  int last = 0;    // and of the last one
  int at = 0;      // record the group starts at
  int blocks = 0;  // NFB before the insertion
  int free = 0;    // FreeFB
};

// The counts of the configuration the group lands in.
struct TTargetCounts {
  int discrete = 0;  // ProcessedDiscreteCount
  int analog = 0;    // ProcessedAnalogCount
  int cells = 0;     // GetDisplayTypeCount
  int modules = 0;   // relay output modules
  int arithmetic = 0;
};

// A block-output reference of a copied block: one inside the group follows
// it, one past the old last block names nothing here, one at or after the
// insertion point follows the blocks pushed up.
int GroupBlockRef(int n, const TGroupPlace& g) {
  const int count = g.last - g.first + 1;
  if (n < 1 || n > g.free) return n;  // unconnected, or a КВУ number
  int moved = n;
  if (n >= g.first + 1 && n <= g.last + 1) {
    moved = n + g.at - g.first;
  } else if (n > g.blocks) {
    moved = 0;
  } else if (n >= g.at + 1) {
    moved = n + count;
  }
  return moved > g.free ? 0 : moved;
}

// A signal reference that names no signal of this configuration is cleared.
int SignalRef(int kind, int n, const TTargetCounts& t) {
  switch (kind) {
    case TProgFBClass::kKindDiscrete:
    case TProgFBClass::kKindDiscreteFlag:
      return n > t.discrete ? 0 : n;
    case TProgFBClass::kKindAnalogFlag:
      return n > t.analog ? 0 : n;
    default:
      return n;
  }
}

void FixCopiedBlock(TProgFBClass& fb, int i, const TGroupPlace& g, const TTargetCounts& t) {
  const bool comparator = fb.GetTipFB(i) == TProgFBClass::kComparatorType;
  const int inputs = fb.InputCount(i);
  for (int j = 0; j < inputs; ++j) {
    const int kind = comparator ? fb.GetKindVhComp(i) : fb.GetKindVh(i, j);
    const int n = comparator ? fb.GetNVhComp(i) : fb.GetNVh(i, j);
    const int fixed = kind == TProgFBClass::kKindBlockOutput ? GroupBlockRef(n, g) : SignalRef(kind, n, t);
    if (comparator) {
      fb.SetNVhComp(i, fixed);
    } else {
      fb.SetNVh(i, j, fixed);
    }
  }
  if (comparator) {
    // An analog input, or the output of an arithmetic block.
    const int limit = fb.GetKindAn(i) == 0 ? t.analog : t.arithmetic;
    if (fb.GetAnVh(i) > limit) fb.SetAnVh(i, 0);
  }

  const int cell = fb.GetNTabS(i);
  if (cell > t.cells || (t.cells == kCellsOfSignalBase && cell != 0)) fb.SetNTabS(i, 0);
  if (fb.GetNTabS(i) == 0 && t.cells != kCellsOfSignalBase) fb.SetTipS(i, 0);

  for (int m = t.modules + 1; m <= kRelayModules; ++m) fb.SetMR(i, m, 0);
}

}  // namespace

void TFormFBController::EnableGroupItems() {
  const bool copied = session_.config.Copy.CopyFBCount > 0;
  controls_.Enable({C::PMenu1InsertGroup, C::PMenu3AddGroup}, copied);
}

void TFormFBController::EnableBlockMenuGroupItems(bool single) {
  controls_.Enable(C::PMenu1Copy, true);
  controls_.Enable(C::PMenu1InsertGroup, single && session_.config.Copy.CopyFBCount > 0);
  controls_.Enable(C::PMenu3AddGroup, session_.config.Copy.CopyFBCount > 0);
}

void TFormFBController::CopyGroupClick() {
  const TProgFBClass& fb = FB();
  const int end = std::min(fb.NFB, Copy::kBlocks);
  int count = 0;
  for (int p = 0; p < end; ++p) count += fb.Selected[At(p)] != 0 ? 1 : 0;
  // A key press with nothing selected must not throw the copied group away.
  if (count == 0) return;

  Copy& copy = session_.config.Copy;
  // Every mark goes, not only those below this configuration's free slots:
  // a mark left from a larger configuration would join the next group.
  copy.CopyFBMark.fill(0);
  copy.CopyFBCount = 0;
  for (int p = 0; p < end; ++p) {
    if (fb.Selected[At(p)] == 0) continue;
    ++copy.CopyFBCount;
    copy.CopyFBMark[At(p)] = 1;
    copy.CopyFB[At(p)] = fb.GetRecord(p);
  }
  EnableGroupItems();
}

void TFormFBController::InsertGroupClick() {
  FB().GroupInsert = 1;
  InsertFB();
}

void TFormFBController::AddGroupClick() {
  FB().GroupInsert = 0;
  InsertFB();
}

void TFormFBController::InsertFB() {
  TProgFBClass& fb = FB();
  const Copy& copy = session_.config.Copy;
  const int blocks = fb.NFB;
  const int free = fb.FreeFB();
  const bool before = fb.GroupInsert == 1;
  const int popup = fb.PopupPos;
  fb.PopupPos = -1;
  // The menu item before a block needs a block under the right click.
  if (before && !IsBlock(popup)) return;

  // The group: the first run of marks, starting below this configuration's
  // free slots.
  int first = 0;
  while (first < std::min(free, Copy::kBlocks) && copy.CopyFBMark[At(first)] == 0) ++first;
  if (first >= std::min(free, Copy::kBlocks)) return Warn(kGroupNone);
  int last = first;
  while (last + 1 < Copy::kBlocks && copy.CopyFBMark[At(last + 1)] != 0) ++last;
  for (int k = last + 1; k <= Copy::kBlocks; ++k) {
    if (copy.CopyFBMark[At(k)] != 0) return Warn(kGroupGap);
  }
  const int count = last - first + 1;
  const int at = before ? popup : blocks;
  if (free - blocks < count) return Warn(kGroupTooLarge);

  MarkChanged();
  fb.Relayout = 1;
  if (before) {
    fb.OpenGapFB(at, first, last, blocks);
  } else if (CalcRecordCount(fb) > 0) {
    // The calculation records follow the function blocks.
    OpenRecords(fb, at, count);
  }

  TServClass& serv = session_.config.Serv;
  const TGroupPlace place{first, last, at, blocks, free};
  const TTargetCounts target{serv.GetProcessedDiscreteCount(), serv.GetProcessedAnalogCount(),
                             serv.GetDisplayTypeCount(), serv.GetDoModuleCount(), fb.NMat};
  for (int k = 0; k < count && at + k < free; ++k) {
    fb.SetRecord(at + k, copy.CopyFB[At(first + k)]);
    FixCopiedBlock(fb, at + k, place, target);
  }
  fb.ClearSignallingBeyondLimit();

  if (before) {
    AlgInsertGroup(fb, at, count);
  } else {
    AlgAddGroupAtEnd(fb, blocks + 1, count);
  }

  RebuildDiagram();
  fb.Relayout = 0;
  ClearSelection();
  for (int p = at; p < at + count && IsBlock(p); ++p) fb.Selected[At(p)] = 1;
  fb.NSelectedFB = count;
  if (count == 1) Choose(at);
  scrollTarget_ = at;
}

void TFormFBController::AddAfterClick() {
  TProgFBClass& fb = FB();
  // From the main menu no block was right-clicked: the chosen one counts.
  if (!IsBlock(fb.PopupPos)) fb.PopupPos = fb.CurPosFB;
  if (!IsBlock(fb.PopupPos)) {
    fb.PopupPos = -1;
    return Warn(kNotChosen);
  }
  fb.CreatMode = kAddAfter;
  CreatFuncButClick();
}

}  // namespace lur
