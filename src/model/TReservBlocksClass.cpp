#include "model/TReservBlocksClass.h"

#include <algorithm>

#include "model/TConfiguration.h"
#include "model/TProgFBClass.h"

namespace lur {

namespace {

int RecordCount(int count) { return std::clamp(count, 0, TReservBlocksClass::kBlocks); }

}  // namespace

void TReservBlocksClass::SaveAll(const TConfiguration& config) {
  ResDiscreteCount = config.Serv.GetProcessedDiscreteCount();
  ResAnalogCount = config.Serv.GetProcessedAnalogCount();
  for (int m = 0; m < kModulePages; ++m) {
    ResMBA[static_cast<std::size_t>(m)] = config.MBA.GetBlock(m);
    ResMBM[static_cast<std::size_t>(m)] = config.MBM.GetGroup(m);
  }
  ResMR = config.MR.GetBlock();
  ResMBMHead = config.MBM.GetTable();
  ResF15 = config.F15.GetTable();
  ResDiskr = config.Lur.GetRecords();
  ResInputTexts = config.Serv.GetInputTexts();
  ResOutputTexts = config.Serv.GetOutputTexts();
  ResUnits = config.MBA.GetUnits();
  ResInputIds = config.Serv.GetInputIds();
  ResOutputIds = config.Serv.GetOutputIds();
  SaveFB(config.FB, config.FB.Capacity());
  SaveAlgorithms(config.FB);
  ResReg = config.Reg.GetFileBlock();
  SaveTipDat(config.Lur);
}

void TReservBlocksClass::SaveTipDat(const TProgLurClass& lur) {
  for (std::size_t i = 0; i < ResTipDat.size(); ++i) ResTipDat[i] = lur.GetTipDatByte(static_cast<int>(i));
}

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
