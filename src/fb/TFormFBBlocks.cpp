// Creating, programming, inserting and deleting function blocks.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "fb/FBAlgorithmUpkeep.h"
#include "fb/FBRecordMoves.h"
#include "fb/TFormFBController.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

std::size_t At(int position) { return static_cast<std::size_t>(position); }

// The bytes a block's type gives meaning to (type, inputs, settings); b9 and
// on (signalling, archiving, relay outputs) belong to the block whatever its type.
constexpr std::size_t kTypeBytes = 9;

// The controller keeps archiving for blocks 1..62 only.
bool ArchivingAllowed(int position) { return position >= 0 && position < TProgFBClass::kSignallingBlocks; }

}  // namespace

int TFormFBController::NewBlockPosition() const {
  const TProgFBClass& fb = FB();
  switch (fb.CreatMode) {
    case kCreateAtEnd:
      return std::max(fb.NFB, 0);
    case kInsertBefore:
      return IsBlock(fb.PopupPos) ? fb.PopupPos : -1;
    case kAddAfter:
      return IsBlock(fb.PopupPos) ? fb.PopupPos + 1 : -1;
    default:
      return -1;
  }
}

void TFormFBController::CreatFuncButClick() {
  CreateOrProgram();
  FB().CreatMode = kCreateAtEnd;
  FB().PopupPos = -1;
}

void TFormFBController::CreateOrProgram() {
  TProgFBClass& fb = FB();
  TBlockDialog& dialog = dialogs_.block;
  const bool program = fb.CreatMode == kProgram;
  // Where a new block goes; a right click that named no block places none.
  const int position = program ? fb.CurPosFB : NewBlockPosition();
  if (!program && position < 0) return;

  fb.FBModifiedSave = fb.FBModified;
  dialog.Reset();
  if (program) {
    if (!IsBlock(position)) {
      ClearChoice();
      return Warn(kNotChosen);
    }
    dialog.PrepareFromRecord(position, ArchivingAllowed(position));
  } else {
    ClearSelection();
    if (fb.FreeFB() < fb.NFB + 1) return Warn(kAllCreated);
    dialog.PrepareNew(fb.NFB + 1, ArchivingAllowed(position));
  }
  // Filling the dialog is no change.
  fb.FBModified = fb.FBModifiedSave;
  if (dialog.ShowModal() != kModalOk) {
    fb.FBModified = fb.FBModifiedSave;
    return;
  }
  const int type = dialog.ChosenType();
  if (type == 0) return ClearChoice();
  const int n = dialog.Number();

  if (program) {
    const int i = n - 1;
    if (!IsBlock(i)) {
      ClearChoice();
      return Warn(kBadNumber);
    }
    const TProgFBClass::Record before = fb.GetRecord(i);
    if (type != fb.GetTipFB(i)) {
      TProgFBClass::Record cleared = before;
      std::fill_n(cleared.begin(), kTypeBytes, std::uint8_t{0});
      fb.SetRecord(i, cleared);
    }
    dialog.WriteRecord(i);
    if (fb.GetRecord(i) != before) MarkChanged();
    FillSources(fb, i);
    Choose(i);
    scrollTarget_ = i;
    Changed();
    return;
  }

  // The number must be the next free one: anything else would leave a gap
  // that hides every block after it, or overwrite a block.
  if (n < 1 || n > fb.FreeFB()) {
    ClearChoice();
    return Warn(kBadNumber);
  }
  if (n <= fb.NFB) {
    ClearChoice();
    return Warn(kExists + std::to_string(n));
  }
  if (n != fb.NFB + 1) {
    ClearChoice();
    return Warn(kBadNumber);
  }
  // The calculation records after the blocks make room for the new one.
  OpenRecord(fb, fb.NFB, fb.NFB + CalcRecordCount(fb) - 1);
  dialog.WriteRecord(fb.NFB);
  PlaceNewBlock(position);
}

void TFormFBController::PlaceNewBlock(int position) {
  TProgFBClass& fb = FB();
  const int old = fb.NFB;
  if (position < old) {
    const TProgFBClass::Record added = fb.GetRecord(old);
    for (int i = old - 1; i >= position; --i) fb.SetRecord(i + 1, fb.GetRecord(i));
    fb.SetRecord(position, added);
    ShiftRefsForInsert(fb, position, old + 1);
    fb.ClearSignallingBeyondLimit();
  }
  fb.NFB = old + 1;
  if (position == old) {
    AlgAddBlockAtEnd(fb, old + 1);
  } else {
    AlgInsertBlock(fb, position);
  }
  MarkChanged();
  RebuildDiagram();
  Choose(position);
  scrollTarget_ = position;
}

void TFormFBController::PMenu1FBClick() {
  FB().CreatMode = kProgram;
  CreatFuncButClick();
}

void TFormFBController::InsertBlClick() {
  TProgFBClass& fb = FB();
  const int p = fb.PopupPos;
  if (!IsBlock(p)) return;
  MarkChanged();
  for (int q = p; IsBlock(q); ++q) {
    if (fb.Selected[At(q)] != 0) {
      ClearSelection();
      break;
    }
  }
  fb.CurPosFB = p;
  fb.CurFB = fb.PosFB[At(p)];
  fb.CreatMode = kInsertBefore;
  CreatFuncButClick();
}

void TFormFBController::DelChooseClick() {
  TProgFBClass& fb = FB();
  if (IsBlock(fb.CurPosFB)) fb.Selected[At(fb.CurPosFB)] = 1;
  std::vector<int> doomed;
  for (int p = 0; IsBlock(p); ++p) {
    if (fb.Selected[At(p)] != 0) doomed.push_back(p);
  }
  if (doomed.empty()) return Warn(kNoneSelected);
  const MsgAnswer answer = session_.ui.Message(
      {kAskDelete, kAskDeleteCaption, MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::No});
  if (answer != MsgAnswer::Yes) return;

  fb.DeleteShift = 0;
  for (const int p : doomed) {
    fb.PopupPos = p - fb.DeleteShift;
    DeleteBlClick();
    ++fb.DeleteShift;
  }
  fb.Selected.fill(0);
  fb.PopupPos = -1;
  RebuildDiagram();
  fb.NSelectedFB = 0;
}

void TFormFBController::DeleteBlClick() {
  TProgFBClass& fb = FB();
  const int q = fb.PopupPos;
  if (!IsBlock(q)) return;
  MarkChanged();
  const int blocks = fb.NFB;
  ShiftRefsForDelete(fb, q, blocks);
  // The blocks after it and the whole calculation area move down once.
  RemoveRecord(fb, q, blocks - 1 + CalcRecordCount(fb));
  for (int p = q; p + 1 < blocks; ++p) {
    fb.PlaceFB[At(p)] = fb.PlaceFB[At(p + 1)];
    fb.PlaceFB[At(p)].record = p;
    fb.HasSignPanel[At(p)] = fb.HasSignPanel[At(p + 1)];
    fb.HasMRPanel[At(p)] = fb.HasMRPanel[At(p + 1)];
  }
  fb.PlaceFB[At(blocks - 1)] = {};
  fb.HasSignPanel[At(blocks - 1)] = 0;
  fb.HasMRPanel[At(blocks - 1)] = 0;
  fb.PosFB[At(blocks - 1)] = -1;
  fb.NFB = blocks - 1;
  ClearChoice();
  AlgDeleteBlock(fb, q);
  for (int i = 0; i < fb.NFB; ++i) FillSources(fb, i);
  fb.HasFB = fb.NFB > 0 ? 1 : 0;
  Changed();
}

}  // namespace lur
