// Fuzz entry of the function block table: every way bytes from outside (a
// controller answer, a configuration file) reach the table, followed by the
// services that later index with what was loaded.
#include <algorithm>
#include <cstring>

#include "model/TProgFBClass.h"

namespace lur {

namespace {

// Exercises the consumers of loaded data; false when a lookup leaves its range.
bool ConsumeLoaded(TProgFBClass& t, std::uint8_t a, std::uint8_t c) {
  bool ok = true;
  t.FindNFB();
  t.CountCalc();
  ok &= t.NFB >= 0 && t.NFB <= t.Capacity();
  ok &= t.FreeFB() >= 0 && t.FreeFB() <= t.Capacity();
  for (int i = 0; i < TProgFBClass::kSlots; ++i) {
    (void)t.GetLimitText(i);
    (void)t.GetConstText(i, 1);
    (void)t.GetConstText(i, 2);
    (void)t.GetAlgName(i);
    for (int n : t.AlgMembers(i)) ok &= n >= 1 && n <= t.Capacity();
  }
  for (int n = 0; n <= 255; ++n) {
    if (auto alg = t.FindAlgOfBlock(n)) ok &= *alg >= 0 && *alg < t.AlgCount();
  }
  t.RebuildAlgHead();
  t.DelDiskrRefs(a, c);
  t.ShiftUpDiskrRefs(a, c);
  t.ReplaceDiskrRefs(a, c, a);
  t.ShiftDownAnRefs(a, c);
  t.ReplaceAnRefs(a, c, c);
  t.ShiftUpAnRefs(a, c);
  t.OpenGapFB(a % TProgFBClass::kSlots, 0, c % 8, t.NFB);
  t.ClearSignallingBeyondLimit();
  return ok;
}

}  // namespace

bool FuzzProgFBLoaders(std::span<const std::uint8_t> data) {
  bool ok = true;
  const std::uint8_t a = data.empty() ? 0 : data[0];
  const std::uint8_t c = data.size() < 2 ? 0 : data[1];

  // A page answer, asked for as the page it echoes and as page 0.
  {
    TProgFBClass t;
    const int echoed = data.size() > 3 ? data[3] - TProgFBClass::kFirstPageCode : 0;
    for (int p : {echoed, 0}) {
      if (t.PutPageFromAnswer(data, p)) {
        ok &= t.StorePage(p) && t.LoadPage(p);
        ok &= std::equal(t.PageBuffer().begin(), t.PageBuffer().end(), data.begin() + 4);
      }
    }
    ok &= ConsumeLoaded(t, a, c);
  }

  // The record pages and the algorithm section of a file, in both layouts.
  for (int cap : {TProgFBClass::MaxFB, 60}) {
    TProgFBClass t;
    t.CapFB = cap;
    if (t.PutRecordsFromFile(data)) {
      const auto out = t.RecordsToFile();
      ok &= std::equal(out.begin(), out.end(), data.begin());
    }
    if (t.PutAlgFromFile(data)) {
      const auto out = t.AlgToFile();
      ok &= std::equal(out.begin(), out.end(), data.begin());
    }
    ok &= ConsumeLoaded(t, a, c);
  }

  // Single pages of a file.
  {
    TProgFBClass t;
    if (t.PutPageFromFile(data)) ok &= t.StorePage(TProgFBClass::kPageCount - 1);
    if (t.PutNamePageFromFile(data)) ok &= t.StoreNamePage(TProgFBClass::kPageCount - 1);
    ok &= ConsumeLoaded(t, a, c);
  }
  return ok;
}

}  // namespace lur
