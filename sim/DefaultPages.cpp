#include "sim/DefaultPages.h"

#include <cstdio>
#include <string>

#include "sim/NetworkSignals.h"
#include "sim/PageCatalogue.h"
#include "sim/SimReal24.h"
#include "sim/SimText.h"

namespace lur::sim {

namespace {

using Page = std::vector<std::uint8_t>;

Page EmptyPage(std::uint8_t number) { return Page(*ConfigPageLength(number), 0); }

void PutU16(std::uint8_t* p, unsigned value) {
  p[0] = static_cast<std::uint8_t>(value & 0xFF);
  p[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

// One 28-byte channel record of an analog block or a network analog group.
struct ChannelDefaults {
  std::uint8_t byte0 = 0x10;  // unit 1 ("%"), linear scale
  std::uint8_t byte1 = 0;
  float min = 0, max = 100;
  float ll = 0, l = 0, h = 100, hh = 100;
  std::string tag = "";
};

void PutChannel(std::uint8_t* record, const ChannelDefaults& c) {
  record[0] = c.byte0;
  record[1] = c.byte1;
  PutReal24At(record + 2, c.min);
  PutReal24At(record + 5, c.max);
  PutReal24At(record + 8, c.ll);
  PutReal24At(record + 11, c.l);
  PutReal24At(record + 14, c.h);
  PutReal24At(record + 17, c.hh);
  PutText(record + 20, 8, c.tag);
}

ChannelDefaults LocalChannel(std::uint8_t moduleType, int module, int channel) {
  ChannelDefaults c;
  if (moduleType == ModuleSet::kThermoModuleType) {
    // A 100П resistance thermometer, range index 19 of its list: -50..200 град.С.
    c.byte0 = 0x00 | 10;
    c.byte1 = 19;
    c.min = -50;
    c.max = 200;
  } else if (moduleType == 6) {
    c.byte0 = 0x30;  // "КПа", linear
    c.byte1 = 0x10;  // 20-100 kPa input, dead zone 1
    c.min = 0;
    c.max = 100;
  } else {
    c.byte0 = 0x10;  // "%", linear
    c.byte1 = 0x10;  // first input range, dead zone 1
    c.min = 0;
    c.max = 100;
  }
  const float span = c.max - c.min;
  c.ll = c.min + 0.05f * span;
  c.l = c.min + 0.10f * span;
  c.h = c.min + 0.90f * span;
  c.hh = c.min + 0.95f * span;
  char tag[32];
  std::snprintf(tag, sizeof tag, "%d%02d", module + 1, channel + 1);
  c.tag = std::string("поз.") + tag;
  return c;
}

ChannelDefaults NetworkChannel(int channel) {
  ChannelDefaults c;  // unit 1, scale 0..100, set-points at the scale ends
  if (channel < 12) {
    char tag[32];
    std::snprintf(tag, sizeof tag, "%02d", channel + 1);
    c.tag = std::string("поз.51") + tag;
  }
  return c;
}

void AddModulePages(const ModuleSet& modules, PageStore& store) {
  const int analog = modules.AnalogModules();
  for (int p = 0; p < 8; ++p) {
    const auto number = static_cast<std::uint8_t>(kFirstModulePage + p);
    Page page = EmptyPage(number);
    for (int c = 0; c < 6; ++c) {
      const ChannelDefaults channel = p < analog ? LocalChannel(*modules.AnalogModuleType(p), p, c)
                                                 : NetworkChannel(6 * (p - analog) + c);
      PutChannel(page.data() + 28 * c, channel);
    }
    store.Put(number, std::move(page));
  }
}

void AddRelayPage(const ModuleSet& modules, PageStore& store) {
  Page page = EmptyPage(kRelayPage);
  for (int m = 0; m < modules.OutputModules() && m < ModuleSet::kMaxOutputModules; ++m) {
    // Control outputs with blocking, reset from the upper level and the panel.
    for (int o = 0; o < 8; ++o) page[static_cast<std::size_t>(24 * m + 3 * o)] = 0x17;
  }
  store.Put(kRelayPage, std::move(page));
}

// Two exchange blocks on the local network: eight discrete inputs from slave 2
// (function 2) and two analog values from slave 3 (function 3), placed after
// the controller's own signals where the signal lists leave room.
void AddExchangePage(const ModuleSet& modules, PageStore& store) {
  Page page = EmptyPage(kExchangePage);
  int discrete = modules.LocalSignals();
  int analog = modules.AnalogInputs();
  int block = 0;
  auto put = [&](std::uint8_t function, std::uint8_t outputs, std::uint8_t slave, unsigned start,
                 unsigned count, unsigned xmax) {
    std::uint8_t* b = page.data() + 12 * block;
    b[0] = function;
    b[1] = outputs;
    b[2] = slave;
    PutU16(b + 3, start);
    PutU16(b + 5, count);
    b[7] = 0;  // device type 0, 16-bit integers, high register first
    b[8] = static_cast<std::uint8_t>(discrete);
    b[9] = static_cast<std::uint8_t>(analog);
    PutU16(b + 10, xmax);
    ++block;
  };
  if (discrete + 8 <= 192) {
    put(2, 8, 2, 0x0000, 8, 0);
    discrete += 8;
  }
  if (discrete + 8 <= 192 && modules.AnalogModules() < 8 && analog + 2 <= 48) {
    put(3, 2, 3, 0x0010, 2, 16384);
  }
  page[192] = 0x00;  // 9600 bit/s, two stop bits, no parity
  store.Put(kExchangePage, std::move(page));
}

void AddFunction15Page(const ModuleSet& modules, PageStore& store) {
  Page page = EmptyPage(kFunction15Page);
  page[0] = 15;
  page[1] = 4;
  page[2] = 4;
  PutU16(page.data() + 3, 0x0000);
  PutU16(page.data() + 5, 4);
  // The first four signals of the base, or the outputs of blocks 1..4 when the
  // base is empty (193 is the output of block 1).
  const bool haveSignals = modules.LocalSignals() >= 4;
  for (int k = 0; k < 4; ++k)
    page[static_cast<std::size_t>(8 + k)] = static_cast<std::uint8_t>((haveSignals ? 1 : 193) + k);
  store.Put(kFunction15Page, std::move(page));
}

// The processing of the signal base as a new configuration sets it up: the
// first signals alarm on the light board, are normally open and archived, and
// drive output 1 after 5 s when there are outputs.
void AddDiscretePages(const ModuleSet& modules, PageStore& store) {
  std::vector<std::uint8_t> records(192 * 8, 0);
  for (int n = 0; n < 192; ++n) records[static_cast<std::size_t>(8 * n)] = 0x20;
  const int cells = modules.DisplayCells();
  const int alarmed = cells == 16 ? 16 : (cells > 12 ? 24 : 12);
  const int processed = modules.LocalSignals() + CountNetworkSignals(store).discreteEntries;
  const int archived = processed == 16 ? 16 : (processed > 12 ? 24 : 12);
  for (int n = 0; n < alarmed; ++n)
    records[static_cast<std::size_t>(8 * n)] |= static_cast<std::uint8_t>(0x80 | (n + 1));
  for (int n = 0; n < archived; ++n) {
    std::uint8_t* r = records.data() + 8 * n;
    r[0] |= 0x20;
    r[6] |= 0x80;
    if (modules.Outputs() > 0) {
      r[6] |= 5;
      r[1] = 0x01;
    }
  }
  for (int k = 0; k < 8; ++k) {
    store.Put(static_cast<std::uint8_t>(kFirstDiscretePage + k),
              Page(records.begin() + 192 * k, records.begin() + 192 * (k + 1)));
  }
}

// A small program: an AND of signals 1 and 2 feeding an on-delay timer; with
// analog inputs, a comparator on analog signal 1 that sets a trigger reset by
// signal 3.
void AddFunctionBlockPages(const ModuleSet& modules, int functionBlocks, PageStore& store) {
  std::vector<std::uint8_t> records(kMaxFunctionBlocks * 16, 0);
  auto record = [&](int i) { return records.data() + 16 * i; };
  const bool haveSignals = modules.LocalSignals() >= 3;
  if (haveSignals) {
    std::uint8_t* andBlock = record(0);
    andBlock[0] = 1;
    andBlock[1] = 0x08;  // direct input from the signal base
    andBlock[2] = 1;
    andBlock[3] = 0x08;
    andBlock[4] = 2;
    andBlock[9] = 0x20;  // archived

    std::uint8_t* timer = record(1);
    timer[0] = 6;     // T0, on-delay
    timer[1] = 0x09;  // direct input from a block output
    timer[2] = 1;
    timer[5] = 1;  // seconds
    timer[6] = 10;
    timer[9] = 0x40;  // warning signalling
    if (modules.Outputs() > 0) timer[10] = 0x02;

    if (modules.AnalogModules() > 0) {
      std::uint8_t* comparator = record(2);
      comparator[0] = 8;  // fixed set-point
      comparator[1] = 1;  // analog input signal 1
      PutReal24At(comparator + 2, 80.0f);
      comparator[5] = 0x80 | (2 << 2) | 1;  // "H", hysteresis 2 %, seconds
      comparator[6] = 5;

      std::uint8_t* trigger = record(3);
      trigger[0] = 7;     // R-S
      trigger[1] = 0x09;  // set by block 3
      trigger[2] = 3;
      trigger[3] = 0x08;  // reset by signal 3
      trigger[4] = 3;
      trigger[9] = 0x20;
    }
  }
  for (int p = 0; p < functionBlocks / 10; ++p) {
    store.Put(static_cast<std::uint8_t>(kFirstFunctionBlockPage + p),
              Page(records.begin() + 160 * p, records.begin() + 160 * (p + 1)));
  }
}

void AddLoopPages(const ModuleSet& modules, PageStore& store) {
  Page regulators = EmptyPage(kRegulatorPage);
  if (modules.Has(ModuleSet::kLoopModuleType) && modules.AnalogModules() > 0) {
    std::uint8_t* r = regulators.data();
    r[0] = 1;  // controlled variable: analog signal 1
    r[1] = 1;  // single-loop regulator
    r[2] = 0;  // drives analog output 1
    PutReal24At(r + 6, 1.0f);
    PutReal24At(r + 9, 3000.0f);
    PutReal24At(r + 12, 0.0f);
    PutReal24At(r + 15, 0.0f);
    PutReal24At(r + 18, 100.0f);
    PutReal24At(r + 21, 25.0f);
  }
  store.Put(kRegulatorPage, std::move(regulators));
  store.Put(kSetterPage, EmptyPage(kSetterPage));
}

void AddUnitsPage(PageStore& store) {
  static const char* const kUnits[16] = {"град.С", "%",   "МПа",    "КПа",   "кг/cм2", "атм",
                                         "об/мин", "1/с", "мм/с2",  "м3/ч",  "нм3/ч",  "кг/ч",
                                         "т/ч",    "м",   "резерв", "резерв"};
  Page page = EmptyPage(kUnitsPage);
  for (int i = 0; i < 16; ++i) PutText(page.data() + 6 * i, 6, kUnits[i]);
  store.Put(kUnitsPage, std::move(page));
}

void AddTextPages(PageStore& store) {
  for (int p = 0; p < 12; ++p) {
    const auto number = static_cast<std::uint8_t>(kFirstTextPage + p);
    Page page = EmptyPage(number);
    for (int t = 0; t < 16; ++t) {
      char digits[32];
      std::snprintf(digits, sizeof digits, "%03d", 16 * p + t + 1);
      PutText(page.data() + 14 * t, 14, std::string("Дискр.сигн.") + digits);
    }
    store.Put(number, std::move(page));
  }
}

void AddSensorTypePage(const ModuleSet& modules, PageStore& store) {
  Page page = EmptyPage(kSensorTypePage);
  for (int slot = 0; slot < ModuleSet::kSlotCount; ++slot) {
    // The first four inputs of a sensor-type module are NAMUR sensors.
    if (modules.Type(slot) == ModuleSet::kSensorTypeModuleType) PutU16(page.data() + 2 * slot, 0x000F);
  }
  store.Put(kSensorTypePage, std::move(page));
}

}  // namespace

PageStore MakeDefaultPages(const ModuleSet& modules, int functionBlocks) {
  PageStore store;
  AddModulePages(modules, store);
  AddRelayPage(modules, store);
  AddExchangePage(modules, store);
  AddFunction15Page(modules, store);
  AddDiscretePages(modules, store);
  AddFunctionBlockPages(modules, functionBlocks, store);
  AddLoopPages(modules, store);
  AddUnitsPage(store);
  AddTextPages(store);
  AddSensorTypePage(modules, store);
  return store;
}

}  // namespace lur::sim
