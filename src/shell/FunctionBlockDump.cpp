#include "shell/FunctionBlockDump.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "model/HexText.h"
#include "model/Real24.h"

namespace lur {
namespace {

using Record = TProgFBClass::Record;

// Collects a record's fields in order and remembers which bits they hold,
// so that whatever bits are left can be shown at the end.
class TRecordFields {
 public:
  explicit TRecordFields(const Record& record) : record_(record) {}

  // A field read through the table's accessor; `mask` marks the bits of
  // byte `at` it holds.
  void Field(std::string name, long long value, int at, std::uint8_t mask) {
    node_.Add(std::move(name), value);
    Hold(at, mask);
  }

  // A controller real at bytes at..at + 2, as a number. The table reads it
  // only as text with a few decimals, which would hide the low bits of a
  // small value, so the number comes from the record's bytes.
  void Real(const std::string& name, int at) {
    const std::uint8_t* bytes = record_.data() + at;
    const float value = GetReal24(bytes);
    node_.Add(name, TDumpNode::Real(value));
    // Several byte forms read as the same number (zero with any exponent, an
    // unnormalised mantissa); only the controller's own form goes unsaid.
    const Real24 canonical = FloatToReal24(value);
    if (canonical != Real24{bytes[0], bytes[1], bytes[2]}) node_.Add(name + "_bytes", HexBytes(bytes, 3));
    for (int b = at; b < at + 3; ++b) Hold(b, 0xFF);
  }

  // Bytes b1..b15 as they are, for a type with no known layout.
  void RawBytes() {
    node_.Add("bytes", HexBytes(record_.data() + 1, record_.size() - 1));
    for (std::size_t b = 1; b < record_.size(); ++b) Hold(static_cast<int>(b), 0xFF);
  }

  TDumpNode Finish() {
    for (std::size_t b = 0; b < record_.size(); ++b) {
      const auto rest = static_cast<std::uint8_t>(record_[b] & ~held_[b]);
      if (rest != 0) node_.Add("unused_b" + std::to_string(b), HexBytes(&rest, 1));
    }
    return std::move(node_);
  }

  TDumpNode& Node() { return node_; }

  // More bits held by the field added last (one spread over two bytes).
  void Hold(int at, std::uint8_t mask) { held_[static_cast<std::size_t>(at)] |= mask; }

 private:
  const Record& record_;
  std::array<std::uint8_t, TProgFBClass::kRecordSize> held_{};
  TDumpNode node_ = TDumpNode::Object();
};

constexpr std::uint8_t kKindBits = 0x07;
constexpr std::uint8_t kDirBit = 0x08;

// The high nibble of b0 under the name the type gives it.
void SubTipField(TRecordFields& r, const char* name, int value) { r.Field(name, value, 0, 0xF0); }

// Inputs 1..count of a logic, hysteresis, timer, trigger or counter block at
// b(1 + 2j), b(2 + 2j).
void Inputs(TRecordFields& r, const TProgFBClass& fb, int i, int count) {
  for (int j = 0; j < count; ++j) {
    const std::string n = std::to_string(j + 1);
    r.Field("KindVh" + n, fb.GetKindVh(i, j), 1 + 2 * j, kKindBits);
    r.Field("DirVh" + n, fb.GetDirVh(i, j), 1 + 2 * j, kDirBit);
    r.Field("NVh" + n, fb.GetNVh(i, j), 2 + 2 * j, 0xFF);
  }
}

// What every function block has: the light-board cell, archiving and
// signalling type in b9, the relay outputs of modules 1..5 in b10..b14.
void Signalling(TRecordFields& r, const TProgFBClass& fb, int i) {
  r.Field("NTabS", fb.GetNTabS(i), 9, 0x1F);
  r.Field("Arh", fb.GetArh(i), 9, 0x20);
  r.Field("TipS", fb.GetTipS(i), 9, 0xC0);
  for (int m = 1; m <= 5; ++m) r.Field("MR" + std::to_string(m), fb.GetMR(i, m), 9 + m, 0xFF);
}

void Timer(TRecordFields& r, const TProgFBClass& fb, int i) {
  const int subTip = fb.GetSubTip(i);
  SubTipField(r, "SubTip", subTip);
  Inputs(r, fb, i, fb.InputCount(i));
  r.Field("TimerD", fb.GetTimerD(i), 5, 0x03);
  r.Field("TimerTime", fb.GetTimerTime(i), 6, 0xFF);
  r.Field("TimerTUstT", fb.GetTimerTUstT(i), 7, 0x10);
  r.Field("TimerAdrUst", fb.GetTimerAdrUst(i), 7, 0x0F);
  // The alarm clock has a single input; its time sits where input 2 and
  // the rest of b5 are in the other timers.
  if (subTip == TProgFBClass::kAlarmClock) {
    r.Field("TimeHour", fb.GetTimeHour(i), 5, 0xFC);
    r.Field("TimeMin", fb.GetTimeMin(i), 4, 0xFF);
    r.Field("TimeSec", fb.GetTimeSec(i), 3, 0xFF);
  }
}

void Comparator(TRecordFields& r, const TProgFBClass& fb, int i) {
  SubTipField(r, "CompAdrUst", fb.GetSubTip(i));
  // The single input lies at b7, b8, apart from the other types' inputs.
  r.Field("KindVh1", fb.GetKindVhComp(i), 7, kKindBits);
  r.Field("DirVh1", fb.GetDirVhComp(i), 7, kDirBit);
  r.Field("NVh1", fb.GetNVhComp(i), 8, 0xFF);
  r.Field("AnVh", fb.GetAnVh(i), 1, 0x7F);
  r.Field("KindAn", fb.GetKindAn(i), 1, 0x80);
  r.Real("Limit", 2);
  r.Field("CompCond", fb.GetCompCond(i), 5, 0x80);
  r.Field("Gisterezis", fb.GetGisterezis(i), 5, 0x7C);
  r.Field("TimerD", fb.GetTimerD(i), 5, 0x03);
  r.Field("TimerTime", fb.GetTimerTime(i), 6, 0xFF);
}

void Integrator(TRecordFields& r, const TProgFBClass& fb, int i) {
  SubTipField(r, "SubTip", fb.GetSubTip(i));
  for (int k = 0; k < 12; ++k) r.Field("IntVh" + std::to_string(k + 1), fb.GetIntVh(i, k), 1 + k, 0xFF);
  r.Field("IntBase", fb.GetIntBase(i), 13, 0xFF);
  r.Field("HourBeginDay", fb.GetHourBeginDay(i), 14, 0xFF);
}

// Operation 1 sum, 2 difference (X2 and C2, result in b9), 3 product,
// 4 quotient (X2, result in b6), 5 square root (X1 only, result in b6).
void Arithmetic(TRecordFields& r, const TProgFBClass& fb, int i, int operation) {
  SubTipField(r, "operation", operation);
  r.Field("KindX1", fb.GetKindX1(i), 1, 0x80);
  r.Field("NX1", fb.GetNX1(i), 1, 0x7F);
  r.Real("C1", 2);
  if (operation <= 4) {
    r.Field("KindX2", fb.GetKindX2(i), 5, 0x80);
    r.Field("NX2", fb.GetNX2(i), 5, 0x7F);
  }
  if (operation <= 2) {
    r.Real("C2", 6);
    r.Field("AdrY", fb.GetAdrY(i, 1), 9, 0xFF);
  } else {
    r.Field("AdrY", fb.GetAdrY(i, 2), 6, 0xFF);
  }
}

void CalculationRecord(TRecordFields& r, const TProgFBClass& fb, int i) {
  const int subTip = fb.GetSubTip(i);
  if (subTip == 0) {
    Integrator(r, fb, i);
  } else if (subTip <= 5) {
    Arithmetic(r, fb, i, subTip);
  } else {
    SubTipField(r, "SubTip", subTip);
    r.RawBytes();
  }
}

}  // namespace

TDumpNode DumpFunctionBlockRecord(const TProgFBClass& fb, int i) {
  const Record record = fb.GetRecord(i);
  TRecordFields r(record);
  r.Node().Add("block", i + 1);
  const int type = fb.GetTipFB(i);
  r.Field("TipFB", type, 0, 0x0F);
  switch (type) {
    case 0:  // an empty record: anything in it shows as unused bits
      SubTipField(r, "SubTip", fb.GetSubTip(i));
      break;
    case 1:  // И, И-НЕ, ИЛИ, ИЛИ-НЕ, ГСТ, Тр (SubTip: R-S 0, S-R 1)
    case 2:
    case 3:
    case 4:
    case 5:
    case 7:
      SubTipField(r, "SubTip", fb.GetSubTip(i));
      Inputs(r, fb, i, fb.InputCount(i));
      Signalling(r, fb, i);
      break;
    case TProgFBClass::kTimerType:
      Timer(r, fb, i);
      Signalling(r, fb, i);
      break;
    case TProgFBClass::kComparatorType:
      Comparator(r, fb, i);
      Signalling(r, fb, i);
      break;
    case 9:  // counter: the set-point's bits 0-3 in b1 bits 4-7, bit 4 in b3 bit 4
      SubTipField(r, "SubTip", fb.GetSubTip(i));
      Inputs(r, fb, i, fb.InputCount(i));
      r.Field("LimitCount", fb.GetLimitCount(i), 1, 0xF0);
      r.Hold(3, 0x10);
      Signalling(r, fb, i);
      break;
    case TProgFBClass::kCalcType:
      CalculationRecord(r, fb, i);
      break;
    default:
      SubTipField(r, "SubTip", fb.GetSubTip(i));
      r.RawBytes();
      break;
  }
  return r.Finish();
}

}  // namespace lur
