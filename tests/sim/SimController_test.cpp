#include "sim/SimController.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "RequestFrames.h"
#include "sim/DefaultPages.h"
#include "sim/SimReal24.h"
#include "sim/SimText.h"

namespace lur::sim {
namespace {

using namespace lur::sim::testing;

class SimControllerTest : public ::testing::Test {
 protected:
  SimController& Make(SimOptions options = {}) {
    options_ = options;
    const ModuleSet modules(options.modules, options.display);
    controller_ = std::make_unique<SimController>(
        options, MakeDefaultPages(modules, options.functionBlocks), [this] { return nowMs_; }, ClockTime{});
    return *controller_;
  }
  std::optional<Bytes> Ask(const Bytes& request) { return controller_->Answer(request); }
  std::optional<Bytes> ReadPage(int page, std::uint8_t address = 1) {
    return Ask(Request(address, 0x44, {page}));
  }
  std::optional<Bytes> WritePage(int page, const Bytes& bytes, std::uint8_t address = 1) {
    Bytes data{static_cast<std::uint8_t>(page)};
    data.insert(data.end(), bytes.begin(), bytes.end());
    return Ask(Request(address, 0x45, data));
  }
  // The page bytes after the echoed page number, checked against the request.
  Bytes PageBytes(int page) {
    const Bytes data = AnswerData(ReadPage(page));
    if (data.empty() || data[0] != page) return {};
    return Bytes(data.begin() + 1, data.end());
  }

  std::int64_t nowMs_ = 0;
  SimOptions options_;
  std::unique_ptr<SimController> controller_;
};

std::array<std::uint8_t, 8> Modules(const char* hex) { return *ModuleSet::ParseTypes(hex); }

TEST_F(SimControllerTest, IdentityFollowsModulesAndDisplay) {
  struct Case {
    const char* modules;
    int display;
    Bytes identity;
  };
  const Case cases[] = {
      // ТОРИ, ЮНАК, МР-73: one module of each group. The processed counts
      // take in the default exchange blocks: 8 discrete inputs and 2 analog
      // values with their 4 limit signals each.
      {"17300000", 1, {3, 1, 7, 3, 0, 0, 0, 0, 0, 0, 0, 8, 12 + 24 + 16, 6 + 2, 1}},
      // Two discrete, thermo + analog, two relays, a loop module (not counted).
      {"1A874CE0", 2, {6, 1, 0xA, 8, 7, 4, 0xC, 0xE, 0, 0, 0, 16, 24 + 48 + 16, 12 + 2, 2}},
      {"00000000", 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 16, 2, 0}},
      // Eight analog modules fill the base: no room for network signals.
      {"77777777", 3, {8, 7, 7, 7, 7, 7, 7, 7, 7, 0, 0, 0, 192, 48, 3}},
  };
  for (const Case& c : cases) {
    SimOptions o;
    o.modules = Modules(c.modules);
    o.display = static_cast<std::uint8_t>(c.display);
    Make(o);
    const auto answer = Ask(Request(1, 0x11));
    EXPECT_EQ(AnswerData(answer), c.identity) << c.modules;
    EXPECT_EQ((*answer)[0], 1);
    EXPECT_EQ((*answer)[1], 0x11);
  }
}

TEST_F(SimControllerTest, ProcessedCountsFollowTheExchangeTable) {
  Make();
  Bytes table(193, 0);
  table[0] = 4;  // one block of function 4 with three values
  table[1] = 3;
  ASSERT_TRUE(CrcOk(WritePage(10, table)));
  const Bytes identity = AnswerData(Ask(Request(1, 0x11)));
  ASSERT_EQ(identity.size(), 15u);
  EXPECT_EQ(identity[12], 12 + 24 + 12);
  EXPECT_EQ(identity[13], 6 + 3);
}

TEST_F(SimControllerTest, EveryCataloguePageReadsWithItsLength) {
  SimOptions o;
  o.modules = Modules("1A874CE0");  // holds a loop and a sensor-type module too
  Make(o);
  struct Range {
    int first, last;
    std::size_t length;
  };
  const Range ranges[] = {{1, 8, 168},   {9, 9, 120},   {10, 10, 193}, {11, 11, 80},  {12, 19, 192},
                          {20, 31, 160}, {32, 33, 168}, {35, 35, 96},  {40, 51, 224}, {98, 98, 16}};
  for (const Range& r : ranges) {
    for (int page = r.first; page <= r.last; ++page) {
      const auto answer = ReadPage(page);
      ASSERT_TRUE(CrcOk(answer)) << page;
      EXPECT_EQ(answer->size(), r.length + 6) << page;
      EXPECT_EQ((*answer)[2], r.length + 1) << page;
      EXPECT_EQ((*answer)[3], page) << page;
    }
  }
  for (int page : {0, 34, 36, 39, 52, 59, 97, 99, 100, 255}) {
    EXPECT_TRUE(IsException(ReadPage(page), 0x44, 2)) << page;
  }
}

TEST_F(SimControllerTest, ProbePagesAnswerForAnalogModules) {
  SimOptions o;
  o.modules = Modules("17830000");  // analog modules: ЮНАК (index 0), БЕРТ (index 1)
  Make(o);
  const Bytes data = AnswerData(ReadPage(61));
  ASSERT_EQ(data.size(), 43u);  // the page number, then 7 begin/end code pairs and 7 present codes
  EXPECT_EQ(data[0], 61);
  const auto begin = static_cast<std::int16_t>(data[1] | (data[2] << 8));
  const auto end = static_cast<std::int16_t>(data[3] | (data[4] << 8));
  const auto present = static_cast<std::int16_t>(data[29] | (data[30] << 8));
  EXPECT_LT(begin, present);
  EXPECT_LT(present, end);
  EXPECT_EQ(AnswerData(ReadPage(60)).size(), 43u);  // a ЮНАК has its converter codes too
  EXPECT_TRUE(IsException(ReadPage(62), 0x44, 2));  // no third analog module
  EXPECT_TRUE(IsException(WritePage(61, Bytes(42, 0)), 0x45, 2));
}

TEST_F(SimControllerTest, DefaultConfigurationIsPlausible) {
  Make();  // ТОРИ, ЮНАК, МР-73
  // Input texts in Windows-1251.
  const Bytes texts = PageBytes(40);
  EXPECT_EQ(std::string(texts.begin(), texts.begin() + 14), ToCp1251("Дискр.сигн.001"));
  EXPECT_EQ(std::string(texts.begin() + 14 * 15, texts.begin() + 14 * 16), ToCp1251("Дискр.сигн.016"));
  const Bytes lastTexts = PageBytes(51);
  EXPECT_EQ(std::string(lastTexts.end() - 14, lastTexts.end()), ToCp1251("Дискр.сигн.192"));
  const Bytes units = PageBytes(35);
  EXPECT_EQ(std::string(units.begin(), units.begin() + 6), ToCp1251("град.С"));
  EXPECT_EQ(std::string(units.begin() + 6, units.begin() + 12), "%     ");
  // The analog module's first channel: a 0..100 scale with set-points inside it.
  const Bytes analog = PageBytes(1);
  EXPECT_EQ(DecodeReal24(&analog[2]), 0.0f);
  EXPECT_EQ(DecodeReal24(&analog[5]), 100.0f);
  EXPECT_LT(DecodeReal24(&analog[8]), DecodeReal24(&analog[17]));
  // The relay module's outputs carry the default record, the rest is empty.
  const Bytes relay = PageBytes(9);
  EXPECT_EQ(relay[0], 0x17);
  EXPECT_EQ(relay[21], 0x17);
  EXPECT_EQ(relay[24], 0);
  // Two exchange blocks after the controller's own 12 + 24 signals.
  const Bytes exchange = PageBytes(10);
  EXPECT_EQ(exchange[0], 2);
  EXPECT_EQ(exchange[8], 36);
  EXPECT_EQ(exchange[12], 3);
  EXPECT_EQ(exchange[12 + 8], 44);
  EXPECT_EQ(exchange[12 + 9], 6);
  EXPECT_EQ(exchange[24], 0);
  // A program: AND, timer, comparator, trigger, then empty records.
  const Bytes blocks = PageBytes(20);
  EXPECT_EQ(blocks[0] & 0x0F, 1);
  EXPECT_EQ(blocks[16] & 0x0F, 6);
  EXPECT_EQ(blocks[32] & 0x0F, 8);
  EXPECT_EQ(blocks[48] & 0x0F, 7);
  EXPECT_EQ(blocks[64], 0);
  // Signal base: the first signals alarm on the light board; empty records are 0x20.
  const Bytes base = PageBytes(12);
  EXPECT_EQ(base[0], 0xA1);
  EXPECT_EQ(PageBytes(19)[8 * 23], 0x20);
}

TEST_F(SimControllerTest, WrittenPageReadsBackAndOthersStay) {
  Make();
  const Bytes before13 = PageBytes(13);
  Bytes pattern(192);
  for (std::size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<std::uint8_t>(i * 7);
  const auto answer = WritePage(12, pattern);
  EXPECT_EQ(answer, Request(1, 0x45, {1, 12}));  // address, 0x45, count 1, page number, CRC
  EXPECT_EQ(PageBytes(12), pattern);
  EXPECT_EQ(PageBytes(13), before13);

  const Bytes units(96, 'x');
  EXPECT_TRUE(CrcOk(WritePage(35, units)));
  EXPECT_EQ(PageBytes(35), units);
}

TEST_F(SimControllerTest, WriteOfWrongLengthOrUnknownPageIsRefused) {
  Make();
  const Bytes before = PageBytes(10);
  EXPECT_TRUE(IsException(WritePage(10, Bytes(192, 1)), 0x45, 3));
  EXPECT_TRUE(IsException(WritePage(10, Bytes(194, 1)), 0x45, 3));
  EXPECT_TRUE(IsException(Ask(Request(1, 0x45)), 0x45, 3));  // not even a page number
  EXPECT_EQ(PageBytes(10), before);
  EXPECT_TRUE(IsException(WritePage(34, Bytes(96, 1)), 0x45, 2));
  EXPECT_TRUE(IsException(WritePage(200, Bytes(4, 1)), 0x45, 2));
}

TEST_F(SimControllerTest, CompletionPollIsBusyForTheGivenPollsAfterEachWrite) {
  SimOptions o;
  o.busyPolls = 2;
  Make(o);
  const Bytes poll = Request(1, 14);
  EXPECT_EQ(Ask(poll), poll);  // nothing written yet: done
  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(CrcOk(WritePage(11, Bytes(80, 0))));
    EXPECT_TRUE(IsException(Ask(poll), 14, 6));
    EXPECT_TRUE(IsException(Ask(poll), 14, 6));
    EXPECT_EQ(Ask(poll), poll);
    EXPECT_EQ(Ask(poll), poll);
  }
}

TEST_F(SimControllerTest, BusyForeverNeverCompletes) {
  SimOptions o;
  o.busyForever = true;
  Make(o);
  EXPECT_TRUE(CrcOk(WritePage(11, Bytes(80, 0))));
  for (int i = 0; i < 20; ++i) EXPECT_TRUE(IsException(Ask(Request(1, 14)), 14, 6));
}

TEST_F(SimControllerTest, SilentControllerAnswersNothingAndChangesNothing) {
  SimOptions o;
  o.silent = true;
  Make(o);
  EXPECT_FALSE(Ask(Request(1, 0x11)));
  EXPECT_FALSE(ReadPage(10));
  EXPECT_FALSE(WritePage(99, {4}));
  EXPECT_EQ(controller_->DeviceNumber(), 1);
}

TEST_F(SimControllerTest, BadCrcSpoilsEveryNthAnswer) {
  SimOptions o;
  o.badCrcEvery = 3;
  Make(o);
  for (int i = 1; i <= 9; ++i) {
    const auto answer = Ask(Request(1, 0x11));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->size(), 20u) << i;
    EXPECT_EQ(CrcOk(answer), i % 3 != 0) << i;
  }
}

TEST_F(SimControllerTest, TruncateCutsEveryNthAnswerShort) {
  SimOptions o;
  o.truncateEvery = 2;
  Make(o);
  for (int i = 1; i <= 6; ++i) {
    const auto answer = ReadPage(40);
    ASSERT_TRUE(answer);
    if (i % 2 == 0) {
      EXPECT_LT(answer->size(), 230u) << i;
      EXPECT_FALSE(CrcOk(answer)) << i;
    } else {
      EXPECT_EQ(answer->size(), 230u) << i;
      EXPECT_TRUE(CrcOk(answer)) << i;
    }
  }
  // Exception answers count and are cut too.
  EXPECT_TRUE(IsException(ReadPage(200), 0x44, 2));
  const auto cut = ReadPage(200);
  ASSERT_TRUE(cut);
  EXPECT_LT(cut->size(), 5u);
}

TEST_F(SimControllerTest, PageExceptionsApplyToReadsAndWrites) {
  SimOptions o;
  o.pageExceptions = {{10, 4}, {99, 5}};
  Make(o);
  EXPECT_TRUE(IsException(ReadPage(10), 0x44, 4));
  EXPECT_TRUE(IsException(WritePage(10, Bytes(193, 0)), 0x45, 4));
  EXPECT_TRUE(IsException(WritePage(99, {6}), 0x45, 5));
  EXPECT_EQ(controller_->DeviceNumber(), 1);
  EXPECT_TRUE(CrcOk(ReadPage(11)));
}

TEST_F(SimControllerTest, SixtyBlockControllerRefusesPagesFrom26) {
  SimOptions o;
  o.functionBlocks = 60;
  Make(o);
  for (int page = 20; page <= 25; ++page) EXPECT_EQ(PageBytes(page).size(), 160u) << page;
  for (int page = 26; page <= 31; ++page) {
    EXPECT_TRUE(IsException(ReadPage(page), 0x44, 3)) << page;
    EXPECT_TRUE(IsException(WritePage(page, Bytes(160, 0)), 0x45, 3)) << page;
  }
  EXPECT_TRUE(CrcOk(WritePage(25, Bytes(160, 0))));
}

TEST_F(SimControllerTest, DevicePageRenumbersFromThePollOn) {
  SimOptions o;
  o.device = 3;
  o.busyPolls = 1;
  Make(o);
  EXPECT_FALSE(Ask(Request(1, 0x11)));  // only its own address answers
  // Device number 7: index 6. The write is answered from the old address.
  EXPECT_EQ(WritePage(99, {6}, 3), Request(3, 0x45, {1, 99}));
  EXPECT_EQ(controller_->DeviceNumber(), 7);
  EXPECT_FALSE(Ask(Request(3, 14)));
  EXPECT_TRUE(IsException(Ask(Request(7, 14)), 14, 6));
  EXPECT_EQ((*Ask(Request(7, 0x11)))[0], 7);
  EXPECT_EQ(Ask(Request(7, 14)), Request(7, 14));
  // Numbers above 31 and data of the wrong length are refused.
  EXPECT_TRUE(IsException(WritePage(99, {31}, 7), 0x45, 3));
  EXPECT_TRUE(IsException(WritePage(99, {1, 2}, 7), 0x45, 3));
  EXPECT_EQ(controller_->DeviceNumber(), 7);
}

Bytes ReadClock(SimControllerTest&, const std::optional<Bytes>& answer) {
  const Bytes data = AnswerData(answer);
  Bytes fields;
  for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
    EXPECT_EQ(data[i], 0);  // big-endian registers, the value in the low byte
    fields.push_back(data[i + 1]);
  }
  return fields;
}

TEST_F(SimControllerTest, ClockBroadcastSetsTheClockThatRunsOn) {
  Make();
  const Bytes readClock = Standard(1, 4, 1000, 7);
  // 09:07:05 on 01.02.24, Thursday: sent to address 0, no answer.
  EXPECT_FALSE(Ask(Request(0, 0x46, {5, 7, 9, 1, 2, 24, 4})));
  EXPECT_EQ(ReadClock(*this, Ask(readClock)), (Bytes{5, 7, 9, 1, 2, 24, 4}));
  nowMs_ += 61'500;
  EXPECT_EQ(ReadClock(*this, Ask(readClock)), (Bytes{6, 8, 9, 1, 2, 24, 4}));

  // Across a year's end the date and the day of week roll over.
  EXPECT_FALSE(Ask(Request(0, 0x46, {30, 59, 23, 31, 12, 99, 7})));
  nowMs_ += 45'000;
  EXPECT_EQ(ReadClock(*this, Ask(readClock)), (Bytes{15, 0, 0, 1, 1, 0, 1}));
  // 28.02.24 is followed by the leap day.
  EXPECT_FALSE(Ask(Request(0, 0x46, {0, 0, 12, 28, 2, 24, 3})));
  nowMs_ += 86'400'000;
  EXPECT_EQ(ReadClock(*this, Ask(readClock)), (Bytes{0, 0, 12, 29, 2, 24, 4}));

  // An impossible time is ignored; a single register reads alone.
  EXPECT_FALSE(Ask(Request(0, 0x46, {0, 0, 12, 31, 2, 24, 3})));
  EXPECT_EQ(ReadClock(*this, Ask(Standard(1, 4, 1003, 1))), (Bytes{29}));
}

TEST_F(SimControllerTest, CoilsReadAndWrite) {
  Make();
  // The relay module's first output is on from the start.
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, 0, 16))), (Bytes{0x01, 0x00}));
  const Bytes on = Standard(1, 5, 11, 0xFF00);
  EXPECT_EQ(Ask(on), on);
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, 0, 16))), (Bytes{0x01, 0x08}));
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, 8, 4))), (Bytes{0x08}));  // bits from the first coil asked
  EXPECT_TRUE(CrcOk(Ask(Standard(1, 5, 11, 0x0000))));
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, 0, 16))), (Bytes{0x01, 0x00}));
  // A calibration command coil (0x10 / 16 n + k) is a coil like any other.
  EXPECT_TRUE(CrcOk(Ask(Request(1, 5, {0x10, 0x23, 0xFF, 0x00}))));
  // Function 15 then 1 over the regulator switches.
  const Bytes many = Request(1, 15, {0x03, 0x10, 0x00, 0x0A, 0x02, 0b1010'0101, 0b11});
  EXPECT_EQ(Ask(many), Request(1, 15, {0x03, 0x10, 0x00, 0x0A}));
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, 0x0310, 10))), (Bytes{0b1010'0101, 0b11}));
  // Module faults and signal validity read as healthy.
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, 1016, 16))), (Bytes{0, 0}));
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, 1056, 12))), (Bytes{0, 0}));
}

TEST_F(SimControllerTest, FaultyModulesAndUnreliableSignalsReadAsSetAndChangeBetweenReads) {
  SimOptions options;
  options.faultySlots = {1, 3, 8};
  options.unreliableSignals = {1, 12, 13, 192};
  SimController& controller = Make(options);
  // Slots 1, 3, 8: bits 0, 2, 7 of the 16 coils from 1016.
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, 1016, 16))), (Bytes{0b1000'0101, 0}));
  // Signals 1 and 12 of the first module, 13 of the second, 192 the last coil.
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, 1056, 12))), (Bytes{0x01, 0x08}));
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, 1068, 12))), (Bytes{0x01, 0x00}));
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, 1056 + 191, 1))), (Bytes{0x01}));

  controller.SetModuleFaulty(3, false);
  controller.SetModuleFaulty(2, true);
  controller.SetModuleFaulty(9, true);  // no such slot: nothing changes
  controller.SetSignalUnreliable(1, false);
  controller.SetSignalUnreliable(193, true);
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, 1016, 16))), (Bytes{0b1000'0011, 0}));
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, 1056, 12))), (Bytes{0x00, 0x08}));
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, 1056 + 192, 1))), (Bytes{0x00}));
}

TEST_F(SimControllerTest, StandardFunctionsRefuseBadAddressesAndValues) {
  Make();
  struct Case {
    Bytes request;
    std::uint8_t function;
    std::uint8_t code;
  };
  const Case cases[] = {
      {Standard(1, 1, 0x12FF, 2), 1, 2},
      {Standard(1, 1, 0, 0), 1, 3},
      {Standard(1, 2, 190, 3), 2, 2},
      {Standard(1, 2, 0, 2001), 2, 3},
      {Standard(1, 3, 1999, 2), 3, 2},
      {Standard(1, 4, 0, 126), 4, 3},
      {Standard(1, 5, 0x1300, 0xFF00), 5, 2},
      {Standard(1, 5, 3, 0x1234), 5, 3},
      {Standard(1, 6, 2000, 1), 6, 2},
      {Request(1, 15, {0, 0, 0, 9, 1, 0}), 15, 3},
      {Request(1, 16, {0, 0, 0, 1, 1, 0}), 16, 3},
      {Request(1, 16, {0x07, 0xCF, 0, 2, 4, 0, 0, 0, 0}), 16, 2},
      {Request(1, 7), 7, 1},
      {Request(1, 0x42), 0x42, 1},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(IsException(Ask(c.request), c.function, c.code)) << int(c.function);
  }
}

TEST_F(SimControllerTest, RegistersHoldWrittenValues) {
  SimOptions o;
  o.modules = Modules("17E30000");  // with a loop module: regulator 1 runs
  Make(o);
  // Regulator 1 in automatic mode, its floats in registers 672..677.
  EXPECT_EQ(AnswerData(Ask(Standard(1, 1, 784, 8))), (Bytes{0x01}));
  const Bytes values = AnswerData(Ask(Standard(1, 3, 672, 6)));
  ASSERT_EQ(values.size(), 12u);
  auto floatAt = [&](std::size_t at) {
    const std::uint32_t bits =
        (std::uint32_t{values[at]} << 24) | (values[at + 1] << 16) | (values[at + 2] << 8) | values[at + 3];
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
  };
  EXPECT_FLOAT_EQ(floatAt(2 * 2), 42.5f);         // OUT
  EXPECT_NEAR(floatAt(0), floatAt(2 * 4), 1.0f);  // SP near PV

  // Set-point 75.0 written with function 16, most significant byte first.
  const Bytes write = Request(1, 16, {0x02, 0xA0, 0x00, 0x02, 0x04, 0x42, 0x96, 0x00, 0x00});
  EXPECT_EQ(Ask(write), Request(1, 16, {0x02, 0xA0, 0x00, 0x02}));
  EXPECT_EQ(AnswerData(Ask(Standard(1, 3, 672, 2))), (Bytes{0x42, 0x96, 0x00, 0x00}));
  const Bytes single = Standard(1, 6, 1500, 0xBEEF);
  EXPECT_EQ(Ask(single), single);
  EXPECT_EQ(AnswerData(Ask(Standard(1, 3, 1500, 1))), (Bytes{0xBE, 0xEF}));
}

TEST_F(SimControllerTest, AnalogStatesFollowTheChannelScales) {
  SimOptions o;
  o.modules = Modules("17800000");  // ЮНАК 0..100 %, БЕРТ -50..200 град.С
  Make(o);
  const Bytes first = AnswerData(Ask(Request(1, 0x47, {0, 6})));
  ASSERT_EQ(first.size(), 48u);
  EXPECT_EQ(std::string(first.begin(), first.begin() + 7), "  40.00");
  EXPECT_EQ(first[7], 0);  // inside the set-points: no violation
  EXPECT_EQ(std::string(first.begin() + 8, first.begin() + 15), "  43.00");
  const Bytes thermo = AnswerData(Ask(Request(1, 0x47, {6, 1})));
  EXPECT_EQ(std::string(thermo.begin(), thermo.begin() + 7), "  50.00");  // 40 % of -50..200
  // Network channels follow the local ones, up to 48 signals.
  EXPECT_EQ(AnswerData(Ask(Request(1, 0x47, {40, 8}))).size(), 64u);
  // Cold junction of analog module 2 (the thermo module): index 2 + 127.
  const Bytes cold = AnswerData(Ask(Request(1, 0x47, {129, 1})));
  ASSERT_EQ(cold.size(), 8u);
  EXPECT_EQ(std::string(cold.begin(), cold.begin() + 7), "  23.70");
  EXPECT_TRUE(IsException(Ask(Request(1, 0x47, {128, 1})), 0x47, 2));  // module 1 is no thermo module
  EXPECT_TRUE(IsException(Ask(Request(1, 0x47, {47, 2})), 0x47, 2));
  EXPECT_TRUE(IsException(Ask(Request(1, 0x47, {0, 32})), 0x47, 3));
  EXPECT_TRUE(IsException(Ask(Request(1, 0x47, {0, 0})), 0x47, 3));
}

TEST_F(SimControllerTest, FramesForOthersOrWithBadCrcGetNoAnswer) {
  Make();
  Bytes corrupt = Request(1, 0x11);
  corrupt[2] ^= 1;
  EXPECT_FALSE(Ask(corrupt));
  EXPECT_FALSE(Ask(Request(2, 0x11)));
  EXPECT_FALSE(Ask(Request(0, 0x11)));
  EXPECT_FALSE(Ask(Bytes{1, 0x11}));
  EXPECT_FALSE(Ask(Bytes{}));
}

}  // namespace
}  // namespace lur::sim
