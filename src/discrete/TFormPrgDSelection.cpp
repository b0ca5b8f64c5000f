// The selection of the discrete schema: the current row, the rows marked for
// group operations, their sky-blue highlights, and the Row menu's items.
#include <algorithm>
#include <vector>

#include "discrete/TFormPrgDController.h"

namespace lur {

void TFormPrgDController::SetHighlight(int position, bool band, bool panel) {
  if (!HasRow(position)) return;
  bandSelected_[static_cast<std::size_t>(position)] = band;
  panelSelected_[static_cast<std::size_t>(position)] = panel;
}

void TFormPrgDController::ClearSelection() {
  Lur().PosMark.fill(0);
  bandSelected_.fill(false);
  panelSelected_.fill(false);
}

void TFormPrgDController::RowClick(int row, bool ctrl) {
  TProgLurClass& lur = Lur();
  if (!HasRow(row)) return;
  scrollTarget_ = -1;
  const auto i = static_cast<std::size_t>(row);
  if (!ctrl) {
    const bool wasCurrent = row == lur.CurPos;
    ClearSelection();
    if (!wasCurrent) {
      lur.NSelected = 0;
      lur.CurPos = row;
      lur.CurSignal = lur.PosSignal[i];
    }
    SetHighlight(row, true, true);
    lur.PosMark[i] = 1;
    Refresh();
    return;
  }
  if (bandSelected_[i]) {
    SetHighlight(row, false, false);
    lur.PosMark[i] = 0;
    lur.NSelected = std::max(0, lur.NSelected - 1);
    // Unmarking the current row leaves no current row.
    if (row == lur.CurPos) lur.CurPos = lur.CurSignal = -1;
    int marked = 0;
    int only = -1;
    for (int p = 0; HasRow(p); ++p) {
      if (lur.PosMark[static_cast<std::size_t>(p)] == 1) {
        ++marked;
        only = p;
      }
    }
    if (marked == 1) {
      lur.CurPos = only;
      lur.CurSignal = lur.PosSignal[static_cast<std::size_t>(only)];
      lur.NSelected = 0;
      SetHighlight(only, true, true);
    }
  } else {
    bandSelected_[i] = true;
    lur.PosMark[i] = 1;
    ++lur.NSelected;
    if (HasCurrentRow()) {
      lur.PosMark[static_cast<std::size_t>(lur.CurPos)] = 1;
      ++lur.NSelected;
    }
  }
  if (lur.NSelected > 1) {
    lur.CurPos = lur.CurSignal = -1;
    panelSelected_.fill(false);
  }
  Refresh();
}

void TFormPrgDController::ScrollBox1Click() {
  CommitInPlaceEdit();
  TProgLurClass& lur = Lur();
  scrollTarget_ = -1;
  ClearSelection();
  lur.CurPos = lur.CurSignal = -1;
  lur.NSelected = 0;
  lur.CopyPos = -1;
  Refresh();
}

TFormPrgDController::TPopup TFormPrgDController::RightClick(int row, bool onRowElement) {
  const bool onSelected = HasRow(row) && bandSelected_[static_cast<std::size_t>(row)];
  const bool besideCurrent = !onRowElement && HasCurrentRow() && row == CurPos();
  if (!onSelected && !besideCurrent) return TPopup::Schema;
  UpdateRowMenuStates();
  return TPopup::Row;
}

void TFormPrgDController::UpdateRowMenuStates() {
  using A = TFormPrgDAction;
  const TProgLurClass& lur = Lur();
  static const std::vector<A> kRowItems = {A::AInfAnalog, A::AChange, A::ABSign,   A::ABZader,   A::ABVyh,
                                           A::ASign,      A::AZader,  A::ABlVyh,   A::ADelSign,  A::ADelZader,
                                           A::ADelVyh,    A::AArhiv,  A::AText};
  // A group, or no single current row: nothing that works on one row.
  if (lur.NSelected > 1 || !HasCurrentRow() || lur.CurSignal < 0) {
    actions_.Enable(kRowItems, false);
    return;
  }
  const auto i = static_cast<std::size_t>(lur.CurPos);
  // Own discrete inputs have no information window of their own.
  actions_.Enable(A::AInfAnalog,
                  lur.CurSignal + 1 > Serv().GetDiCount() && editors_.Available(TEditor::InputDetail));
  actions_.Enable(A::AChange, lur.CopyPos != -1);
  actions_.Enable(A::ABSign, !hasSign_[i]);
  actions_.Enable({A::ASign, A::ADelSign}, hasSign_[i]);
  actions_.Enable(A::ABZader, !hasZader_[i]);
  actions_.Enable({A::AZader, A::ADelZader}, hasZader_[i]);
  actions_.Enable(A::ABVyh, !hasMR_[i]);
  actions_.Enable({A::ABlVyh, A::ADelVyh}, hasMR_[i]);
  actions_.Enable({A::AArhiv, A::AText}, true);
}

void TFormPrgDController::Preamble(int row, bool block) {
  if (row < 0 || !HasRow(row)) return;
  RowClick(row, false);
  if (block) Lur().PosMark[static_cast<std::size_t>(row)] = 1;
}

}  // namespace lur
