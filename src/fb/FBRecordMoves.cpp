#include "fb/FBRecordMoves.h"

#include <algorithm>

namespace lur {

int CalcRecordCount(const TProgFBClass& fb) {
  return std::max(fb.NMat, 0) + (fb.NIntegr > 0 ? 2 : 0);
}

void OpenRecord(TProgFBClass& fb, int at, int last) {
  const int top = fb.Capacity() - 1;
  if (at < 0 || at > top) return;
  for (int i = std::min(last, top - 1); i >= at; --i) fb.SetRecord(i + 1, fb.GetRecord(i));
  fb.ClearRecord(at);
}

void OpenRecords(TProgFBClass& fb, int at, int count) {
  const int top = fb.Capacity() - 1;
  if (at < 0 || at > top || count < 1) return;
  count = std::min(count, top - at + 1);
  for (int i = top - count; i >= at; --i) fb.SetRecord(i + count, fb.GetRecord(i));
  for (int i = at; i < at + count; ++i) fb.ClearRecord(i);
}

void RemoveRecord(TProgFBClass& fb, int at, int last) {
  const int top = fb.Capacity() - 1;
  if (at < 0 || at > top) return;
  last = std::clamp(last, at, top);
  for (int i = at; i < last; ++i) fb.SetRecord(i, fb.GetRecord(i + 1));
  fb.ClearRecord(last);
}

namespace {

template <class F>
void RenumberBlockRefs(TProgFBClass& fb, int blocks, F rule) {
  const int free = fb.FreeFB();
  const int end = std::clamp(blocks, 0, TProgFBClass::kSlots);
  for (int i = 0; i < end; ++i) {
    if (fb.GetTipFB(i) == TProgFBClass::kComparatorType) {
      const int n = fb.GetNVhComp(i);
      if (fb.GetKindVhComp(i) == TProgFBClass::kKindBlockOutput && n >= 1 && n <= free) fb.SetNVhComp(i, rule(n));
      continue;
    }
    const int inputs = fb.InputCount(i);
    for (int j = 0; j < inputs; ++j) {
      const int n = fb.GetNVh(i, j);
      if (fb.GetKindVh(i, j) == TProgFBClass::kKindBlockOutput && n >= 1 && n <= free) fb.SetNVh(i, j, rule(n));
    }
  }
}

}  // namespace

void ShiftRefsForInsert(TProgFBClass& fb, int p, int blocks) {
  const int free = fb.FreeFB();
  RenumberBlockRefs(fb, blocks, [&](int n) {
    if (n < p + 1) return n;
    // Past the last block slot it would name an integrator or a КВУ.
    return n + 1 > free ? 0 : n + 1;
  });
}

void ShiftRefsForDelete(TProgFBClass& fb, int q, int blocks) {
  RenumberBlockRefs(fb, blocks, [&](int n) { return n == q + 1 ? 0 : n > q + 1 ? n - 1 : n; });
}

void FillSources(TProgFBClass& fb, int i) {
  if (i < 0 || i >= TProgFBClass::kSlots) return;
  auto& place = fb.PlaceFB[static_cast<std::size_t>(i)];
  place.source.fill(0);
  const int free = fb.FreeFB();
  const auto source = [&](int kind, int n) { return kind == TProgFBClass::kKindBlockOutput && n >= 1 && n <= free ? n : 0; };
  if (fb.GetTipFB(i) == TProgFBClass::kComparatorType) {
    place.source[0] = source(fb.GetKindVhComp(i), fb.GetNVhComp(i));
    return;
  }
  const int inputs = std::min(fb.InputCount(i), 4);
  for (int j = 0; j < inputs; ++j) place.source[static_cast<std::size_t>(j)] = source(fb.GetKindVh(i, j), fb.GetNVh(i, j));
}

}  // namespace lur
