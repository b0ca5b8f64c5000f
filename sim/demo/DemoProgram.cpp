#include "sim/demo/DemoProgram.h"

#include <initializer_list>

#include "model/Cp1251.h"

namespace lur {
namespace {

constexpr int kDiscrete = TProgFBClass::kKindDiscrete;
constexpr int kBlock = TProgFBClass::kKindBlockOutput;
constexpr int kAnalogFlag = TProgFBClass::kKindAnalogFlag;
constexpr int kDiscreteFlag = TProgFBClass::kKindDiscreteFlag;
constexpr int kDirect = 1;
constexpr int kInverted = 0;

// What the program needs of the configuration.
constexpr int kSignalsUsed = 10;
constexpr int kAnalogUsed = 4;
constexpr int kBlocksAdded = 8;
constexpr int kCalcRecords = 2 + 3;

struct Input {
  int kind;
  int dir;
  int n;
};

void SetInputs(TProgFBClass& fb, int i, std::initializer_list<Input> inputs) {
  int j = 0;
  for (const Input& in : inputs) {
    fb.SetKindVh(i, j, in.kind);
    fb.SetDirVh(i, j, in.dir);
    fb.SetNVh(i, j, in.n);
    ++j;
  }
}

void Block(TProgFBClass& fb, int i, int type, std::initializer_list<Input> inputs) {
  fb.ClearRecord(i);
  fb.SetTipFB(i, type);
  SetInputs(fb, i, inputs);
}

// Records n .. n + 7 hold blocks n + 1 .. n + 8; each but the alarm clock
// takes the output of the block before it (the diagram's zigzag link).
void AddBlocks(TProgFBClass& fb, int n) {
  const int previous = n;  // number of the block before record n
  // OR of the last served block and two signals: signalling on light-board
  // cell 3, archived, relay outputs 1 and 3 of module 1.
  Block(fb, n, 3, {{kBlock, kDirect, previous}, {kDiscrete, kDirect, 4}, {kDiscrete, kInverted, 5}});
  fb.SetNTabS(n, 3);
  fb.SetTipS(n, 2);
  fb.SetArh(n, 1);
  fb.SetMR(n, 1, 0x05);

  Block(fb, n + 1, 5, {{kBlock, kDirect, n + 1}, {kDiscrete, kDirect, 6}});  // hysteresis

  // T1 on-delay with memory, its time from adjustable set-point 2, in seconds.
  Block(fb, n + 2, TProgFBClass::kTimerType, {{kBlock, kDirect, n + 2}, {kDiscrete, kInverted, 7}});
  fb.SetSubTip(n + 2, 1);
  fb.SetTimerD(n + 2, 1);
  fb.SetTimerTUstT(n + 2, 1);
  fb.SetTimerAdrUst(n + 2, 2);

  // T5 alarm clock at 06:30:00, enabled by signal 8.
  Block(fb, n + 3, TProgFBClass::kTimerType, {{kDiscrete, kDirect, 8}});
  fb.SetSubTip(n + 3, TProgFBClass::kAlarmClock);
  fb.SetTimeHour(n + 3, 6);
  fb.SetTimeMin(n + 3, 30);
  fb.SetTimeSec(n + 3, 0);

  // Counts the alarms, reset by signal 9, set-point 10.
  Block(fb, n + 4, 9, {{kBlock, kDirect, n + 4}, {kDiscrete, kDirect, 9}});
  fb.SetLimitCount(n + 4, 10);

  // AND-NOT of the counter and the unreliability flags of analog signal 1
  // and discrete signal 2.
  Block(fb, n + 5, 2, {{kBlock, kDirect, n + 5}, {kAnalogFlag, kDirect, 1}, {kDiscreteFlag, kDirect, 2}});

  // Comparator on calculated value 1 (arithmetic block 1) above 50,
  // hysteresis 3 %, 2 s, enabled by the block before it.
  const int comparator = n + 6;
  fb.ClearRecord(comparator);
  fb.SetTipFB(comparator, TProgFBClass::kComparatorType);
  fb.SetKindVhComp(comparator, kBlock);
  fb.SetDirVhComp(comparator, kDirect);
  fb.SetNVhComp(comparator, n + 6);
  fb.SetKindAn(comparator, 1);
  fb.SetAnVh(comparator, 1);
  fb.SetLimitText(comparator, "50");
  fb.SetCompCond(comparator, 1);
  fb.SetGisterezis(comparator, 3);
  fb.SetTimerD(comparator, 1);
  fb.SetTimerTime(comparator, 2);

  // OR-NOT of the comparator and signal 10: warning on cell 5, relay output 8.
  Block(fb, n + 7, 4, {{kBlock, kDirect, n + 7}, {kDiscrete, kDirect, kSignalsUsed}});
  fb.SetNTabS(n + 7, 5);
  fb.SetTipS(n + 7, 1);
  fb.SetMR(n + 7, 1, 0x80);
}

// Both integrator records (flows of analog signals 1, 2 and 3, the day
// beginning at 8 o'clock), then a sum, a product and a square root whose
// results are calculated values 1, 2 and 3.
void AddCalculation(TProgFBClass& fb, int first) {
  for (int r = first; r < first + kCalcRecords; ++r) {
    fb.ClearRecord(r);
    fb.SetTipFB(r, TProgFBClass::kCalcType);
  }
  fb.SetIntVh(first, 0, 1);
  fb.SetIntVh(first, 1, 2);
  fb.SetIntVh(first + 1, 0, 3);
  fb.SetIntBase(first, 0);
  fb.SetIntBase(first + 1, 12);
  fb.SetHourBeginDay(first, 8);
  fb.SetHourBeginDay(first + 1, 8);

  const int sum = first + 2;  // Y1 = 1 * X1 + 0.5 * X2 of analog signals 1, 2
  fb.SetSubTip(sum, 1);
  fb.SetNX1(sum, 1);
  fb.SetConstText(sum, "1", 1);
  fb.SetNX2(sum, 2);
  fb.SetConstText(sum, "0,5", 2);
  fb.SetAdrY(sum, 1, 1);

  const int product = first + 3;  // Y2 = 2 * Y1 * X2 of analog signal 3
  fb.SetSubTip(product, 3);
  fb.SetKindX1(product, 1);
  fb.SetNX1(product, 1);
  fb.SetConstText(product, "2", 1);
  fb.SetNX2(product, 3);
  fb.SetAdrY(product, 2, 2);

  const int root = first + 4;  // Y3 = sqrt(100 * X1 of analog signal 4)
  fb.SetSubTip(root, 5);
  fb.SetNX1(root, kAnalogUsed);
  fb.SetConstText(root, "100", 1);
  fb.SetAdrY(root, 2, 3);
}

// The served blocks form the first algorithm, the added ones the second.
void AddAlgorithms(TProgFBClass& fb, int served, int total) {
  fb.ResetAlgorithms();
  fb.SetAlgName(0, Utf8ToCp1251("Защита насоса"));
  fb.SetAlgName(1, Utf8ToCp1251("Учёт и сигнализация"));
  for (int k = 0; k < served; ++k) fb.SetAlgFB(0, k, k + 1);
  for (int k = 0; k < total - served; ++k) fb.SetAlgFB(1, k, served + k + 1);
  fb.NAlg = 2;
  fb.RebuildAlgHead();
}

}  // namespace

bool AddDemoProgram(TConfiguration& config, std::string& reason) {
  TProgFBClass& fb = config.FB;
  fb.FindNFB();
  const int served = fb.NFB;
  if (config.Serv.GetProcessedDiscreteCount() < kSignalsUsed ||
      config.Serv.GetProcessedAnalogCount() < kAnalogUsed) {
    reason = "the program needs 10 discrete and 4 analog signals";
    return false;
  }
  if (config.Serv.GetDoModuleCount() < 1) {
    reason = "the program needs a relay output module";
    return false;
  }
  // The served blocks form an algorithm of their own and the first added
  // block takes the last one's output.
  if (served < 1 || served + kBlocksAdded + kCalcRecords > fb.Capacity()) {
    reason = "the table has no served blocks or no room for the program";
    return false;
  }
  AddBlocks(fb, served);
  const int total = served + kBlocksAdded;
  for (int i = total; i < TProgFBClass::kSlots; ++i) fb.ClearRecord(i);
  AddCalculation(fb, total);
  AddAlgorithms(fb, served, total);
  fb.FindNFB();
  fb.CountCalc();
  return true;
}

}  // namespace lur
