#include "fb/TFormMathController.h"

#include <cstddef>

#include "model/TProgFBClass.h"
#include "session/MarkEdited.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"

namespace lur {
namespace {

constexpr int kSquareRoot = 5;

std::size_t At(int i) { return static_cast<std::size_t>(i); }

bool IsArithmetic(const TProgFBClass& fb, int r) {
  return fb.GetTipFB(r) == TProgFBClass::kCalcType && fb.GetSubTip(r) >= 1 && fb.GetSubTip(r) <= kSquareRoot;
}

// The key of a block's result address: b9 for sum and difference, b6 for the others.
int AdrYKey(int operation) { return operation == 1 || operation == 2 ? 1 : 2; }

// A reference to calculated value n after result a is gone.
int Renumbered(int n, int a) { return n == a ? 0 : n > a ? n - 1 : n; }

}  // namespace

TFormMathController::TFormMathController(TSession& session) : session_(session) { FormCreate(); }

TProgFBClass& TFormMathController::FB() { return session_.config.FB; }

int TFormMathController::FirstRecord() const {
  const TProgFBClass& fb = session_.config.FB;
  return fb.NFB + (fb.NIntegr > 0 ? 2 : 0);
}

std::string TFormMathController::SymbolOf(const TProgFBClass& fb, int r) {
  return IsArithmetic(fb, r) ? kSymbols[fb.GetSubTip(r)] : "";
}

void TFormMathController::FormCreate() {
  for (int i = 0; i < kButtons; ++i) {
    hints[At(i)] = "МБ" + std::to_string(i + 1);
    captions[At(i)].clear();
  }
  groupBox1Visible = false;
}

void TFormMathController::Fill() {
  const TProgFBClass& fb = FB();
  for (auto& caption : captions) caption.clear();
  if (fb.NMat > 0) {
    const int first = FirstRecord();
    for (int i = 0; i < kButtons && first + i < fb.Capacity(); ++i) captions[At(i)] = SymbolOf(fb, first + i);
  }
  groupBox1Visible = true;
  comparatorFlag_ = false;
}

void TFormMathController::Button1Click(int i) {
  if (i < 0 || i >= kButtons) return;
  TProgFBClass& fb = FB();
  const int r = FirstRecord() + i;
  if (IsArithmetic(fb, r) && programBlock) {
    fb.CalcMode = 3;
    fb.CurMat = i;
    programBlock();
    // A cancelled dialog left the record, and so its symbol, as it was.
    captions[At(i)] = SymbolOf(fb, r);
  }
  fb.CurMat = -1;
}

void TFormMathController::Button1MouseDown(int i, bool right) {
  if (right && i >= 0 && i < kButtons) FB().MatPopup = i;
}

void TFormMathController::DeleteBlClick() {
  TProgFBClass& fb = FB();
  const int first = FirstRecord();
  const int d = first + fb.MatPopup;
  if (fb.MatPopup < 0 || fb.MatPopup >= kButtons || !IsArithmetic(fb, d)) return;
  const int a = fb.GetAdrY(d, AdrYKey(fb.GetSubTip(d)));
  const int last = first + fb.NMat - 1;

  // Operands naming calculated values.
  for (int r = first; r <= last; ++r) {
    if (!IsArithmetic(fb, r)) continue;
    if (fb.GetKindX1(r) == 1) fb.SetNX1(r, Renumbered(fb.GetNX1(r), a));
    if (fb.GetSubTip(r) < kSquareRoot && fb.GetKindX2(r) == 1) fb.SetNX2(r, Renumbered(fb.GetNX2(r), a));
  }
  // Comparators comparing calculated values; any comparator's caption may
  // need the diagram rebuilt.
  comparatorFlag_ = false;
  for (int i = 0; i < fb.NFB && i < TProgFBClass::kSlots; ++i) {
    if (fb.GetTipFB(i) != TProgFBClass::kComparatorType) continue;
    comparatorFlag_ = true;
    if (fb.GetKindAn(i) == 1) fb.SetAnVh(i, Renumbered(fb.GetAnVh(i), a));
  }
  // Results of the later blocks move down with them.
  for (int r = d; r <= last; ++r) {
    if (!IsArithmetic(fb, r)) continue;
    const int key = AdrYKey(fb.GetSubTip(r));
    fb.SetAdrY(r, key, fb.GetAdrY(r, key) - 1);
  }
  for (int r = d; r <= last; ++r) {
    const int button = r - first;
    if (r + 1 <= last && IsArithmetic(fb, r + 1)) {
      fb.SetRecord(r, fb.GetRecord(r + 1));
      if (button < kButtons) captions[At(button)] = SymbolOf(fb, r);
      if (button + 1 < kButtons) captions[At(button + 1)].clear();
    } else {
      fb.ClearRecord(r);
      if (button < kButtons) captions[At(button)].clear();
    }
  }
  fb.NMat = fb.NMat - 1;
  MarkEdited(session_, fb.FBModified);
}

int TFormMathController::OKClick() { return kModalOk; }

}  // namespace lur
