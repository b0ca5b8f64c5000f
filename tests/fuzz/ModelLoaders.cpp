#include "ModelLoaders.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "model/ModuleTypes.h"
#include "model/Protocol.h"
#include "model/TProgF15Class.h"
#include "model/TProgFBClass.h"
#include "model/TProgLurClass.h"
#include "model/TProgMBAClass.h"
#include "model/TProgMBMClass.h"
#include "model/TProgMRClass.h"
#include "model/TProgRegClass.h"
#include "model/TServClass.h"

namespace lur::test {
namespace {

using Bytes = std::span<const std::uint8_t>;

// Whether `image` holds exactly the first bytes of `from` (from its byte `at` on).
template <typename Image>
bool SameBytes(const Image& image, Bytes from, std::size_t at = 0) {
  return from.size() >= at + std::size(image) &&
         std::equal(std::begin(image), std::end(image), from.begin() + at);
}

// A page answer names its own page: the page index it would be asked for,
// found from the echoed page number (any number is tried as such).
int EchoedIndex(Bytes bytes, int firstPage) { return bytes.size() > 3 ? bytes[3] - firstPage : 0; }

// The text views of a table cost far more than its loaders (each number is
// formatted through its exact decimal expansion), and one input changes a
// few records at most: the views are read for what the input changed and for
// the first entry, which stands for the untouched ones (they read the same
// default bytes on every input). A table as it is before any load, to tell
// what changed.
template <typename Table>
const Table& Untouched() {
  static const Table table;
  return table;
}

}  // namespace

LoaderOutcome FeedServLoaders(Bytes bytes) {
  LoaderOutcome out;
  TServClass serv;
  out.taken += serv.SetIdentityFromAnswer(fn::kIdentity, bytes);
  if (serv.SetIdentityFromBytes(bytes)) {
    ++out.taken;
    out.sound &= SameBytes(serv.GetIdentityRecord(), bytes);
  }
  out.sound &= serv.GetProcessedDiscreteCount() <= kMaxInputSignals;
  out.sound &= serv.GetProcessedAnalogCount() <= kMaxInputSignals;
  serv.MakeDefaultInputIds();
  serv.MakeDefaultOutputIds();

  // The first 32 bytes as (function, register count) of the 16 exchange blocks.
  std::array<TServClass::NetBlock, TServClass::kNetBlockCount> blocks{};
  for (std::size_t b = 0; b < blocks.size() && 2 * b + 1 < bytes.size(); ++b) {
    blocks[b] = {bytes[2 * b], bytes[2 * b + 1]};
  }
  const int after = serv.BuildNetInputIds(blocks);
  out.sound &= after >= 0 && after <= kMaxInputSignals;

  const int page = EchoedIndex(bytes, TServClass::kFirstInputTextPage);
  if (serv.LoadInputTextPageFromAnswer(bytes, page)) {
    ++out.taken;
    out.sound &= serv.StoreInputTextPage(page);
  }
  const int lastInputPage = TServClass::kInputTextPageCount - 1;
  if (serv.LoadInputTextPage(bytes)) {
    ++out.taken;
    serv.StoreInputTextPage(lastInputPage);
    serv.FetchInputTextPage(lastInputPage);
    out.sound &= SameBytes(serv.GetInputTextPage(), bytes);
  }
  const int lastOutputPage = TServClass::kOutputTextPageCount - 1;
  if (serv.LoadOutputTextPage(bytes)) {
    ++out.taken;
    serv.StoreOutputTextPage(lastOutputPage);
    serv.FetchOutputTextPage(lastOutputPage);
    out.sound &= SameBytes(serv.GetOutputTextPage(), bytes);
  }
  // Every derived view of what was loaded.
  for (int e = 0; e < kMaxInputSignals; ++e) {
    (void)serv.GetInputId(e);
    (void)serv.GetInputText(e);
  }
  for (int e = 0; e < kMaxOutputs; ++e) {
    (void)serv.GetOutputId(e);
    (void)serv.GetOutputText(e);
  }
  for (int slot = 0; slot < kSlotCount; ++slot) out.sound &= serv.GroupIndexOfSlot(slot) < kSlotCount;
  (void)serv.GetDisplayTypeCount();
  serv.FetchInputTextPage(0);
  serv.FetchOutputTextPage(0);
  return out;
}

LoaderOutcome FeedLurLoaders(Bytes bytes) {
  LoaderOutcome out;
  TProgLurClass base;
  const int k = EchoedIndex(bytes, TProgLurClass::kFirstPage);
  if (base.PutPageFromAnswer(bytes, k)) {
    ++out.taken;
    out.sound &= base.StorePage(k);
  }
  const int lastPage = TProgLurClass::kPageCount - 1;
  if (base.PutPageFromFile(bytes)) {
    ++out.taken;
    base.StorePage(lastPage);
    base.LoadPage(lastPage);
    out.sound &= SameBytes(base.GetPage(), bytes);
  }
  out.taken += base.PutTipDatFromAnswer(bytes);
  if (base.PutTipDatFromFile(bytes)) {
    ++out.taken;
    for (int i = 0; i < static_cast<int>(TProgLurClass::kTipDatSize); ++i) {
      out.sound &= base.GetTipDatByte(i) == bytes[static_cast<std::size_t>(i)];
    }
  }
  base.UnpackTipDat();
  for (int m = 0; m < TProgLurClass::kTipDatWords; ++m) base.SetTipDatBit(m, m, base.GetTipDatBit(m, m) ^ 1);
  // Loaded records then move through every renumbering service, with counts
  // and positions taken from the data.
  for (int n = 0; n < TProgLurClass::kRecordCount; ++n) (void)base.HasHandler(n);
  const int from = bytes.empty() ? 0 : bytes[0];
  const int count = bytes.size() < 2 ? 1 : bytes[1];
  base.DeleteRecs(from, count);
  base.InsertRecs(from, count);
  base.ClearRecs(from, count);
  base.CopyRec(count, from);
  for (int page = 0; page < TProgLurClass::kPageCount; ++page) base.LoadPage(page);
  return out;
}

LoaderOutcome FeedMRLoaders(Bytes bytes) {
  LoaderOutcome out;
  TProgMRClass table;
  if (table.PutMRFromAnswer(fn::kReadPage, bytes)) {
    ++out.taken;
    out.sound &= SameBytes(table.GetBlock(), bytes, 3);  // from the echoed page number on
  }
  if (table.PutMRFromFile(bytes)) {
    ++out.taken;
    out.sound &= SameBytes(table.GetBlock(), bytes);
  }
  if (bytes.size() >= TProgMRClass::kModuleSize) {
    const int m = bytes[0] % (kMaxOutputModules + 1);  // one module number past the table
    if (table.SetModuleRecords(m, bytes.first<TProgMRClass::kModuleSize>())) {
      ++out.taken;
      out.sound &= SameBytes(table.GetModuleRecords(m), bytes);
    }
  }
  // Every field of every record read back, input numbers checked against a
  // discrete input count taken from the data.
  const int diCount = bytes.empty() ? 0 : bytes.back();
  for (int m = 0; m < kMaxOutputModules; ++m) {
    table.ClearInputsAbove(m, diCount);
    for (int o = 0; o < kOutputsPerDoModule; ++o) {
      (void)table.GetTipVyh(o, m);
      (void)table.GetKvitBlock(o, m);
      out.sound &= table.GetVxKvit(o, m) <= diCount && table.GetVhSbr(o, m) <= diCount;
    }
  }
  (void)table.GetBlockForTransfer();
  return out;
}

namespace {

// Exercises the consumers of loaded function blocks; false when a lookup
// leaves its range. `algorithmsLoaded`: a loader took names or algorithm
// rows; else they are the untouched table's, read for the first entry.
bool ConsumeLoadedBlocks(TProgFBClass& t, std::uint8_t a, std::uint8_t c, bool algorithmsLoaded) {
  bool ok = true;
  t.FindNFB();
  t.CountCalc();
  ok &= t.NFB >= 0 && t.NFB <= t.Capacity();
  ok &= t.FreeFB() >= 0 && t.FreeFB() <= t.Capacity();
  // The texts of a record are read once for each distinct record (a page
  // answer is stored as two pages).
  const TProgFBClass& untouched = Untouched<TProgFBClass>();
  std::vector<TProgFBClass::Record> read;
  for (int i = 0; i < TProgFBClass::kSlots; ++i) {
    const TProgFBClass::Record record = t.GetRecord(i);
    if (i == 0 || (record != untouched.GetRecord(i) && std::find(read.begin(), read.end(), record) == read.end())) {
      read.push_back(record);
      (void)t.GetLimitText(i);
      (void)t.GetConstText(i, 1);
      (void)t.GetConstText(i, 2);
    }
    if (i > 0 && !algorithmsLoaded) continue;
    if (i == 0 || t.GetAlgNameBytes(i) != untouched.GetAlgNameBytes(i)) (void)t.GetAlgName(i);
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

LoaderOutcome FeedFBLoaders(Bytes bytes) {
  LoaderOutcome out;
  const std::uint8_t a = bytes.empty() ? 0 : bytes[0];
  const std::uint8_t c = bytes.size() < 2 ? 0 : bytes[1];
  // The tables live on between inputs and start each from the untouched
  // table: a copy costs less than building one.
  static TProgFBClass answerTable, fileTable, pageTable;

  // A page answer, asked for as the page it echoes and as page 0.
  TProgFBClass& t = answerTable;
  t = Untouched<TProgFBClass>();
  bool consumed = false;
  for (int p : {EchoedIndex(bytes, TProgFBClass::kFirstPageCode), 0}) {
    if (t.PutPageFromAnswer(bytes, p)) {
      ++out.taken;
      out.sound &= t.StorePage(p) && t.LoadPage(p);
      out.sound &= SameBytes(t.PageBuffer(), bytes, 4);
    }
  }
  if (out.taken > 0) {
    out.sound &= ConsumeLoadedBlocks(t, a, c, false);
    consumed = true;
  }

  // The tables are consumed when they took the bytes; one that took nothing
  // is the untouched table, consumed once below when no table took anything.
  // The record pages and the algorithm section of a file, in both layouts.
  for (int cap : {TProgFBClass::MaxFB, 60}) {
    TProgFBClass& f = fileTable;
    f = Untouched<TProgFBClass>();
    f.CapFB = cap;
    const int before = out.taken;
    if (f.PutRecordsFromFile(bytes)) {
      ++out.taken;
      out.sound &= SameBytes(f.RecordsToFile(), bytes);
    }
    bool algorithms = false;
    if (f.PutAlgFromFile(bytes)) {
      ++out.taken;
      algorithms = true;
      out.sound &= SameBytes(f.AlgToFile(), bytes);
    }
    if (out.taken > before) {
      out.sound &= ConsumeLoadedBlocks(f, a, c, algorithms);
      consumed = true;
    }
  }

  // Single pages of a file.
  {
    TProgFBClass& f = pageTable;
    f = Untouched<TProgFBClass>();
    const int before = out.taken;
    const int lastPage = TProgFBClass::kPageCount - 1;
    if (f.PutPageFromFile(bytes)) {
      ++out.taken;
      out.sound &= f.StorePage(lastPage);
    }
    bool names = false;
    if (f.PutNamePageFromFile(bytes)) {
      ++out.taken;
      names = true;
      out.sound &= f.StoreNamePage(lastPage);
    }
    if (out.taken > before) {
      out.sound &= ConsumeLoadedBlocks(f, a, c, names);
      consumed = true;
    }
  }
  if (!consumed) out.sound &= ConsumeLoadedBlocks(t, a, c, false);  // the untouched table, with this input's a and c
  return out;
}

LoaderOutcome FeedRegLoaders(Bytes bytes) {
  LoaderOutcome out;
  TProgRegClass t;
  for (std::uint8_t page : {TProgRegClass::RegPage, TProgRegClass::PZPage}) {
    if (t.PutPageFromAnswer(bytes, page)) {
      ++out.taken;
      out.sound &= t.LoadPage(page) && t.StorePage(page);
      out.sound &= SameBytes(t.PageBuffer(), bytes, 4);
    }
  }
  if (t.PutFileBlock(bytes)) {
    ++out.taken;
    out.sound &= SameBytes(t.GetFileBlock(), bytes);
  }
  // What the loop editor does with loaded records: follow every reference.
  // The texts of a table that took nothing are those of the first record.
  constexpr int kParams = static_cast<int>(TProgRegClass::Param::OSF) + 1;
  const bool loaded = out.taken > 0;
  for (int i = 0; i < TProgRegClass::kRecords; ++i) {
    for (auto ref : {t.CascadeInnerOf(i), t.CascadeOuterOf(i), t.SetterOf(i), t.DacOutputOf(i),
                     t.RegulatorOfSetter(i)}) {
      if (ref) out.sound &= *ref >= 0 && *ref < TProgRegClass::kRecords;
    }
    (void)t.LoopKind(i);
    if (i > 0 && !loaded) continue;
    for (int p = 0; p < kParams; ++p) (void)t.GetParamText(i, static_cast<TProgRegClass::Param>(p));
    for (int k = 0; k < TProgRegClass::kPoints; ++k) (void)t.GetValPZValue(i, k);
  }
  out.sound &= t.UsedRegs() >= 0 && t.UsedRegs() <= TProgRegClass::kRecords;
  if (!bytes.empty()) {
    t.DeleteRegs(bytes[0] % TProgRegClass::kRecords, bytes[0] / TProgRegClass::kRecords);
    t.InsertPZ(bytes[0] % TProgRegClass::kRecords, bytes[0] / TProgRegClass::kRecords);
  }
  return out;
}

LoaderOutcome FeedMBMLoaders(Bytes bytes) {
  LoaderOutcome out;
  TProgMBMClass mbm;
  out.taken += mbm.PutTableFromAnswer(bytes);
  if (mbm.PutTableFromFile(bytes)) {
    ++out.taken;
    out.sound &= SameBytes(mbm.GetTable(), bytes);
  }
  // Parameters a caller would hold come from the bytes themselves too.
  const int pick = bytes.size() > 3 ? bytes[3] : 0;
  const int g = pick % TProgMBMClass::kGroupCount;
  out.taken += mbm.PutGroupFromAnswer(g, bytes, pick);
  const Bytes groupBytes =
      bytes.size() > TProgMBMClass::kTableSize ? bytes.subspan(TProgMBMClass::kTableSize) : bytes;
  if (mbm.PutGroupFromFile(g, groupBytes)) {
    ++out.taken;
    out.sound &= SameBytes(mbm.GetGroup(g), groupBytes);
  }
  if (bytes.size() > 2 && mbm.PutLiveFromAnswer(pick % TProgMBMClass::kChannelCount, bytes[2] / 8, bytes)) {
    ++out.taken;
  }

  // What the editors, the scaling window and the live views read after a load.
  // The lookups read the exchange table: for the untouched table, with the
  // module count the input picks only.
  const TProgMBMClass& untouched = Untouched<TProgMBMClass>();
  const bool tableLoaded = mbm.GetTable() != untouched.GetTable();
  for (int m = 0; m <= TProgMBMClass::kGroupCount; ++m) {
    if (!tableLoaded && m != pick % (TProgMBMClass::kGroupCount + 1)) continue;
    for (int n = 1; n <= 60; ++n) {
      const auto place = mbm.FindAnalogSignal(n, m, bytes.empty() ? 16 : bytes[0]);
      if (!place) continue;
      if (place->local) {
        out.sound &= place->module >= 0 && place->module < m;
        out.sound &= place->channel >= 0 && place->channel < TProgMBMClass::kChannelsPerGroup;
      } else {
        out.sound &= place->block >= 0 && place->block < TProgMBMClass::kBlockCount;
        out.sound &= place->netChannel >= 0 && place->netChannel < TProgMBMClass::kChannelCount;
        (void)mbm.GetPoz(place->netChannel);
      }
    }
  }
  for (int e = 0; e < TProgMBMClass::kChannelCount; ++e) {
    const int g = e / TProgMBMClass::kChannelsPerGroup;
    if (e == 0 || mbm.GetGroup(g) != untouched.GetGroup(g)) {
      (void)mbm.GetMin(e);
      (void)mbm.GetUstHH(e);
    }
    (void)mbm.LiveText(e);
  }
  for (int b = 0; b < TProgMBMClass::kBlockCount; ++b) (void)mbm.GetDiscreteSpan(b);
  mbm.DeleteBlock(pick % TProgMBMClass::kBlockCount);
  mbm.DeleteChannels(pick % TProgMBMClass::kChannelCount, pick);
  mbm.InsertChannels(pick % TProgMBMClass::kChannelCount, pick);
  return out;
}

LoaderOutcome FeedF15Loaders(Bytes bytes) {
  LoaderOutcome out;
  TProgF15Class table;
  out.taken += table.PutF15FromAnswer(bytes);
  if (table.PutF15FromFile(bytes)) {
    ++out.taken;
    out.sound &= SameBytes(table.GetTable(), bytes);
  }
  // What the editors and information windows read after a load.
  using Kind = TProgF15Class::SignalSource::Kind;
  for (int b = 0; b < TProgF15Class::kBlockCount; ++b) {
    const int used = table.GetUsedSignalCount(b);
    out.sound &= used >= 0 && used <= TProgF15Class::kSignalsPerBlock;
    for (int k = 0; k < used; ++k) {
      const auto source = table.DecodeSignal(b, k);
      if (source.kind == Kind::DiscreteInput) {
        out.sound &= source.index >= 0 && source.index < TProgF15Class::kMaxDiscreteSignal;
      } else if (source.kind == Kind::BlockOutput) {
        out.sound &= source.index >= 0 &&
                     source.index < TProgF15Class::kMaxSignalNumber - TProgF15Class::kMaxDiscreteSignal;
      }
    }
  }
  (void)table.GetPageData();
  return out;
}

LoaderOutcome FeedMBALoaders(Bytes bytes) {
  LoaderOutcome out;
  TProgMBAClass mba;
  // Parameters a caller would hold come from the bytes themselves too.
  const int pick = bytes.size() > 3 ? bytes[3] : 0;
  const int a = pick % TProgMBAClass::kModuleCount;
  out.taken += mba.LoadBlockFromAnswer(bytes, pick);
  out.taken += mba.LoadBlockFromFile(bytes, a);
  const Bytes second =
      bytes.size() > TProgMBAClass::kBlockSize ? bytes.subspan(TProgMBAClass::kBlockSize) : bytes;
  const int next = (a + 1) % TProgMBAClass::kModuleCount;
  if (mba.LoadBlock(second, next)) {
    ++out.taken;
    out.sound &= SameBytes(mba.GetBlock(next), second);
  }
  out.taken += mba.LoadUnitsFromAnswer(bytes);
  if (mba.LoadUnits(bytes)) {
    ++out.taken;
    out.sound &= SameBytes(mba.GetUnits(), bytes);
  }
  out.taken += mba.PutCodesFromAnswer(pick - TProgMBAClass::kFirstCodesPage, bytes);
  if (bytes.size() > 2 &&
      mba.PutCalibrStatesFromAnswer(pick % TProgMBAClass::kCalibrRows, bytes[2] / 8, bytes)) {
    ++out.taken;
  }

  // What the analog editor, the calibration window and the file writer read.
  const TProgMBAClass& untouched = Untouched<TProgMBAClass>();
  for (int m = 0; m < TProgMBAClass::kModuleCount; ++m) {
    const bool changed = mba.GetBlock(m) != untouched.GetBlock(m) ||
                         mba.GetBlockForFile(m) != untouched.GetBlockForFile(m);
    for (int c = 0; c < TProgMBAClass::kChannelsPerModule && (m == 0 || changed); ++c) {
      const int sensor = mba.GetScaleType(m, c);
      (void)mba.GetRange(sensor, m, mba.GetRangeIndex(m, c));
      (void)mba.GetRangeMinima(sensor, m);
      (void)mba.GetMinSkText(m, c);
      (void)mba.GetUstHHText(m, c);
      (void)mba.GetPozText(m, c);
    }
    (void)mba.GetBlockForFile(m);
    for (int r = 0; r < TProgMBAClass::kCalibrRows; ++r) (void)mba.GetCodeNow(m, r);
  }
  std::vector<std::string> units;
  mba.FillUnitList(units);
  out.sound &= units.size() == TProgMBAClass::kUnitCount;
  return out;
}

bool FeedModelLoaders(Bytes data) {
  if (data.empty()) return true;
  using Feed = LoaderOutcome (*)(Bytes);
  constexpr std::array<Feed, 8> kFeeds = {FeedServLoaders, FeedLurLoaders, FeedMRLoaders,  FeedFBLoaders,
                                          FeedRegLoaders,  FeedMBMLoaders, FeedF15Loaders, FeedMBALoaders};
  return kFeeds[data[0] % kFeeds.size()](data.subspan(1)).sound;
}

}  // namespace lur::test
