#include "model/TReservBlocksClass.h"

#include <algorithm>

#include "model/TProgFBClass.h"

namespace lur {

namespace {

int RecordCount(int count) { return std::clamp(count, 0, TReservBlocksClass::kBlocks); }

}  // namespace

void TReservBlocksClass::SaveFB(const TProgFBClass& fb, int count) {
  for (int i = 0; i < RecordCount(count); ++i) ResFB[static_cast<std::size_t>(i)] = fb.GetRecord(i);
}

void TReservBlocksClass::RestoreFB(TProgFBClass& fb, int count) const {
  for (int i = 0; i < RecordCount(count); ++i) fb.SetRecord(i, ResFB[static_cast<std::size_t>(i)]);
}

void TReservBlocksClass::SaveAlgorithms(const TProgFBClass& fb) {
  for (int a = 0; a < kBlocks; ++a) {
    const auto row = static_cast<std::size_t>(a);
    ResAlgName[row] = fb.GetAlgNameBytes(a);
    ResAlgHead[row] = fb.GetAlgHead(a);
    for (int k = 0; k < kBlocks; ++k) ResAlgFB[row][static_cast<std::size_t>(k)] = fb.GetAlgFB(a, k);
  }
  ResNAlg = fb.NAlg;
}

void TReservBlocksClass::RestoreAlgorithms(TProgFBClass& fb) const {
  for (int a = 0; a < kBlocks; ++a) {
    const auto row = static_cast<std::size_t>(a);
    fb.SetAlgNameBytes(a, ResAlgName[row]);
    fb.SetAlgHead(a, ResAlgHead[row]);
    for (int k = 0; k < kBlocks; ++k) fb.SetAlgFB(a, k, ResAlgFB[row][static_cast<std::size_t>(k)]);
  }
  fb.NAlg = ResNAlg;
}

void TReservBlocksClass::ClearAlgorithms() {
  for (auto& name : ResAlgName) name.fill(' ');
  ResAlgHead.fill(kNoAlgEntry);
  for (auto& row : ResAlgFB) row.fill(kNoAlgEntry);
  ResNAlg = 0;
}

}  // namespace lur
