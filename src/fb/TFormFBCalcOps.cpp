// The editor's calculation blocks: the flow integrators and the arithmetic
// blocks after the function blocks, written from the calculation block
// dialog, and the math block window.
#include "fb/TFormFBCalcController.h"
#include "fb/TFormFBController.h"
#include "fb/TFormMathController.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

using C = TFBCalcControl;

constexpr int kCreateIntegrators = 0;
constexpr int kCreateArithmetic = 1;
constexpr int kProgramIntegrators = 2;
constexpr int kProgramArithmetic = 3;
constexpr int kMaxArithmetic = 24;
constexpr int kSecondBlockBase = 12;  // IntBase of the second integrator record

constexpr const char* kIntegratorsExist =
    "Интеграторы расхода уже созданы.\nВоспользуйтесь меню Программирование";
constexpr const char* kArithmeticFull =
    "Арифметические блоки уже созданы.\nВоспользуйтесь меню Программирование";
constexpr const char* kNoIntegrators = "Интеграторы расхода не созданы.\nВоспользуйтесь меню Создание";
constexpr const char* kNoArithmetic = "Арифметические блоки не созданы.\nВоспользуйтесь меню Создание";

}  // namespace

void TFormFBController::CreatIntegrButClick() {
  FB().CalcMode = kCreateIntegrators;
  ButProgCalcClick();
}

void TFormFBController::CreatMatButClick() {
  FB().CalcMode = kCreateArithmetic;
  ButProgCalcClick();
}

void TFormFBController::ProgIntClick() {
  FB().CalcMode = kProgramIntegrators;
  ButProgCalcClick();
}

void TFormFBController::ProgMatClick() {
  FB().CalcMode = kProgramArithmetic;
  ButProgCalcClick();
}

bool TFormFBController::RefuseCalc() {
  const TProgFBClass& fb = FB();
  const int mode = fb.CalcMode;
  const int g = fb.NIntegr > 0 ? 2 : 0;
  const int cap = fb.Capacity();
  const char* refusal = nullptr;
  if ((mode == kCreateIntegrators || mode == kCreateArithmetic) && fb.NFB + g + fb.NMat >= cap) {
    refusal = kAllCreated;
  } else if (mode == kCreateIntegrators && fb.NFB + fb.NMat + 2 > cap) {
    // The integrators take two records: with one free the last arithmetic
    // block would be pushed out of the table.
    refusal = kAllCreated;
  } else if (mode == kCreateIntegrators && fb.NIntegr > 0) {
    refusal = kIntegratorsExist;
  } else if (mode == kCreateArithmetic && fb.NMat > kMaxArithmetic - 1) {
    refusal = kArithmeticFull;
  } else if (mode == kProgramIntegrators && fb.NIntegr == 0) {
    refusal = kNoIntegrators;
  } else if (mode == kProgramArithmetic && fb.NMat == 0) {
    refusal = kNoArithmetic;
  } else if (mode < kCreateIntegrators || mode > kProgramArithmetic) {
    return true;  // no operation to prepare
  }
  if (refusal == nullptr) return false;
  Warn(refusal);
  return true;
}

void TFormFBController::ButProgCalcClick() {
  if (dialogs_.calc == nullptr || dialogs_.calcWindow == nullptr) return;
  if (RefuseCalc()) return;
  TFormFBCalcController& calc = *dialogs_.calc;
  calc.Prepare();
  if (dialogs_.calcWindow->ShowModal(calc) != kModalOk || calc.Cancelled()) return;
  const int operation = calc.radioGroup1;
  if (operation > TFormFBCalcController::kIntegrators) {
    WriteArithmetic(operation);
  } else if (operation == TFormFBCalcController::kIntegrators) {
    WriteIntegrators();
  } else {
    return;
  }
  RebuildDiagram();
}

void TFormFBController::WriteArithmetic(int operation) {
  TProgFBClass& fb = FB();
  const TFormFBCalcController& calc = *dialogs_.calc;
  const int first = fb.NFB + (fb.NIntegr > 0 ? 2 : 0);
  const int r = calc.Value(C::EditNFB3) - 1;
  // Creating: the next free place; programming: one of the blocks there are.
  const bool creating = fb.CalcMode == kCreateArithmetic;
  const bool placed = creating ? r == first + fb.NMat : r >= first && r < first + fb.NMat;
  if (!placed || r >= fb.Capacity() ||
      (fb.CalcMode != kCreateArithmetic && fb.CalcMode != kProgramArithmetic))
    return;
  if (creating) ++fb.NMat;
  // Bytes of a former operation (C2, a result address) go with it.
  fb.ClearRecord(r);
  fb.SetTipFB(r, TProgFBClass::kCalcType);
  fb.SetSubTip(r, operation);
  // A source list without a choice stores a calculated value.
  const auto kind = [](int item) { return item == TFormFBCalcController::kNoChoice ? 1 : item; };
  fb.SetKindX1(r, kind(calc.comboBox1));
  fb.SetNX1(r, calc.Value(C::EditX1));
  fb.SetConstText(r, calc.editC1, 1);
  fb.SetAdrY(r, 2, calc.Value(C::EditY));
  if (operation < TFormFBCalcController::kSquareRoot) {
    fb.SetKindX2(r, kind(calc.comboBox2));
    fb.SetNX2(r, calc.Value(C::EditX2));
  }
  if (operation == 1 || operation == 2) {
    fb.SetConstText(r, calc.editC2, 2);  // b6..b8: the result address moves to b9
    fb.SetAdrY(r, 1, calc.Value(C::EditY));
  }
  MarkChanged();
}

void TFormFBController::WriteIntegrators() {
  TProgFBClass& fb = FB();
  const TFormFBCalcController& calc = *dialogs_.calc;
  const int nfb = fb.NFB;
  const int cap = fb.Capacity();
  constexpr int kPerBlock = TFormFBCalcController::kBlockChannels;
  const auto channel = [&calc](int c) { return calc.Value(TFormFBCalcController::Channel(c)); };

  if (fb.CalcMode == kCreateIntegrators) {
    if (channel(0) == 0) return;  // no channel: nothing is created
    // Two places for the integrator records; the arithmetic blocks follow.
    for (int i = cap - 3; i >= nfb; --i) fb.SetRecord(i + 2, fb.GetRecord(i));
    fb.ClearRecord(nfb);
    fb.ClearRecord(nfb + 1);
  } else if (fb.CalcMode != kProgramIntegrators) {
    return;
  }

  fb.NIntegr = 0;
  const int hour = calc.Value(C::HourBeginDay);
  fb.SetHourBeginDay(nfb + 1, hour);
  fb.SetHourBeginDay(nfb, hour);
  int used1 = 0;
  int used2 = 0;
  for (int c = 0; c < kPerBlock; ++c) {
    used1 += channel(c) != 0 ? 1 : 0;
    used2 += channel(c + kPerBlock) != 0 ? 1 : 0;
  }
  fb.SetTipFB(nfb, used1 > 0 || used2 > 0 ? TProgFBClass::kCalcType : 0);
  fb.SetTipFB(nfb + 1, used2 > 0 ? TProgFBClass::kCalcType : 0);
  for (int c = 0; c < kPerBlock; ++c) {
    fb.SetIntVh(nfb, c, used1 > 0 ? channel(c) : 0);
    fb.SetIntVh(nfb + 1, c, used2 > 0 ? channel(c + kPerBlock) : 0);
  }
  fb.SetIntBase(nfb, 0);
  fb.SetIntBase(nfb + 1, used2 > 0 ? kSecondBlockBase : 0);
  // Block 2 alone still needs block 1's record before it.
  fb.NIntegr = used2 > 0 ? 2 : used1 > 0 ? 1 : 0;

  if (fb.CalcMode == kProgramIntegrators && fb.NIntegr == 0) {
    // No channel left: the integrator records go, the arithmetic blocks
    // move down into their places.
    for (int q = nfb; q + 2 < cap; ++q) fb.SetRecord(q, fb.GetRecord(q + 2));
    fb.ClearRecord(cap - 2);
    fb.ClearRecord(cap - 1);
  }
  MarkChanged();
}

void TFormFBController::Button1Click() {
  if (dialogs_.math == nullptr || dialogs_.mathWindow == nullptr) return;
  TFormMathController& math = *dialogs_.math;
  math.programBlock = [this] { ButProgCalcClick(); };
  math.Fill();
  dialogs_.mathWindow->ShowModal(math);
  if (math.ComparatorsRenumbered()) {
    RebuildDiagram();
    math.ClearComparatorFlag();
  }
}

}  // namespace lur
