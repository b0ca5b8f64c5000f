#include "fb/FBAlgorithmUpkeep.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace lur {
namespace {

constexpr int kEnd = TProgFBClass::kNoEntry;

// Row a <- members, ended by 255 (the rest of the row cleared too).
void SetMembers(TProgFBClass& fb, int a, const std::vector<int>& members) {
  for (int k = 0; k < TProgFBClass::kSlots; ++k) {
    fb.SetAlgFB(a, k, k < static_cast<int>(members.size()) ? members[static_cast<std::size_t>(k)] : kEnd);
  }
}

void Append(TProgFBClass& fb, int a, int n) {
  auto members = fb.AlgMembers(a);
  if (static_cast<int>(members.size()) >= fb.Capacity()) return;  // a full row takes nobody
  members.push_back(n);
  SetMembers(fb, a, members);
}

}  // namespace

void AlgAddBlockAtEnd(TProgFBClass& fb, int n) {
  const int count = fb.AlgCount();
  if (count == 0) return;
  Append(fb, count - 1, n);
  fb.RebuildAlgHead();
}

void AlgInsertBlock(TProgFBClass& fb, int p) {
  const int n = p + 1;
  const int count = fb.AlgCount();
  const auto holder = fb.FindAlgOfBlock(n);
  const bool headsHolder = holder && !fb.AlgMembers(*holder).empty() && fb.AlgMembers(*holder).front() == n;

  for (int a = 0; a < count; ++a) {
    auto members = fb.AlgMembers(a);
    for (int& m : members) {
      if (m >= n) ++m;
    }
    // A member pushed past the table ends the list, as the table cannot hold it.
    members.erase(std::find_if(members.begin(), members.end(), [&](int m) { return m > fb.Capacity(); }),
                  members.end());
    SetMembers(fb, a, members);
  }

  if (holder && headsHolder && *holder > 0) {
    Append(fb, *holder - 1, n);
  } else if (holder) {
    auto members = fb.AlgMembers(*holder);
    members.insert(std::lower_bound(members.begin(), members.end(), n), n);
    if (static_cast<int>(members.size()) > fb.Capacity()) members.pop_back();
    SetMembers(fb, *holder, members);
  }
  fb.RebuildAlgHead();
}

void AlgAddGroupAtEnd(TProgFBClass& fb, int n, int count) {
  const int algs = fb.AlgCount();
  if (algs == 0) return;
  for (int k = 0; k < count; ++k) Append(fb, algs - 1, n + k);
  fb.RebuildAlgHead();
}

void AlgInsertGroup(TProgFBClass& fb, int p, int count) {
  if (count < 1) return;
  const int n = p + 1;
  const int algs = fb.AlgCount();
  const int free = fb.FreeFB();
  const auto holder = fb.FindAlgOfBlock(n);
  const bool headsHolder = holder && fb.AlgMembers(*holder).front() == n;

  for (int a = 0; a < algs; ++a) {
    auto members = fb.AlgMembers(a);
    for (int& m : members) {
      if (m >= n) m += count;
    }
    members.erase(std::find_if(members.begin(), members.end(), [&](int m) { return m > free; }), members.end());
    SetMembers(fb, a, members);
  }

  if (holder && headsHolder && *holder > 0) {
    for (int k = 0; k < count; ++k) Append(fb, *holder - 1, n + k);
  } else if (holder) {
    auto members = fb.AlgMembers(*holder);
    const auto at = std::lower_bound(members.begin(), members.end(), n);
    std::vector<int> group;
    for (int k = 0; k < count; ++k) group.push_back(n + k);
    members.insert(at, group.begin(), group.end());
    if (static_cast<int>(members.size()) > fb.Capacity()) members.resize(static_cast<std::size_t>(fb.Capacity()));
    SetMembers(fb, *holder, members);
  }
  fb.RebuildAlgHead();
}

void AlgDeleteBlock(TProgFBClass& fb, int q) {
  const int n = q + 1;
  const int count = fb.AlgCount();
  const auto holder = fb.FindAlgOfBlock(n);

  for (int a = 0; a < count; ++a) {
    auto members = fb.AlgMembers(a);
    members.erase(std::remove(members.begin(), members.end(), n), members.end());
    for (int& m : members) {
      if (m > n) --m;
    }
    SetMembers(fb, a, members);
  }

  if (holder && fb.AlgMembers(*holder).empty()) {
    for (int a = *holder; a + 1 < count; ++a) {
      SetMembers(fb, a, fb.AlgMembers(a + 1));
      fb.SetAlgNameBytes(a, fb.GetAlgNameBytes(a + 1));
    }
    SetMembers(fb, count - 1, {});
    fb.SetAlgName(count - 1, "");
    fb.NAlg = count - 1;
  }
  fb.RebuildAlgHead();
}

}  // namespace lur
