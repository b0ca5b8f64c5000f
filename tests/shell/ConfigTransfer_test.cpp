// The whole-configuration read (F9) and write (F10) against a controller on
// virtual time: page order, probes, the 60-block controller, failures at any
// page, module-set reconciliation and the access level.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/TComPortClass.h"
#include "model/Cp1251.h"
#include "model/Protocol.h"
#include "model/PageAnswerBuilder.h"
#include "session/FunctionBlockFit.h"
#include "shell/TConfigTransfer.h"
#include "shell/TransferTexts.h"
#include "sim/ModuleSet.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using test::SimPort;
using Bytes = std::vector<std::uint8_t>;

// Every byte of the live tables (not the reserve) and the working flags, to
// show that an operation changed nothing.
Bytes Snapshot(const TConfiguration& c) {
  Bytes s;
  auto add = [&](const auto& range) { s.insert(s.end(), range.begin(), range.end()); };
  add(c.Serv.GetIdentityRecord());
  for (int v :
       {c.Serv.GetDiModuleCount(), c.Serv.GetAiModuleCount(), c.Serv.GetDoModuleCount(),
        c.Serv.GetProcessedDiscreteCount(), c.Serv.GetProcessedAnalogCount(), int{c.Serv.GetDeviceIndex()},
        c.Serv.FileMode, c.Serv.Modified, c.FB.CapFB, c.Serv.GetNetBlockTotal()}) {
    s.push_back(static_cast<std::uint8_t>(v));
  }
  for (const auto& t : c.Serv.GetInputTexts()) add(t);
  for (const auto& t : c.Serv.GetOutputTexts()) add(t);
  for (int e = 0; e < kMaxInputSignals; ++e) add(c.Serv.GetInputId(e));
  for (int a = 0; a < 8; ++a) {
    add(c.MBA.GetBlock(a));
    s.push_back(static_cast<std::uint8_t>(c.MBA.GetNewVersion(a)));
    add(c.MBM.GetGroup(a));
  }
  add(c.MBA.GetUnits());
  add(c.MR.GetBlock());
  add(c.MBM.GetTable());
  add(c.F15.GetTable());
  for (const auto& r : c.Lur.GetRecords()) add(r);
  for (int i = 0; i < 16; ++i) s.push_back(c.Lur.GetTipDatByte(i));
  for (int i = 0; i < TProgFBClass::MaxFB; ++i) add(c.FB.GetRecord(i));
  add(c.Reg.GetFileBlock());
  return s;
}

// How a page read misbehaves in the tables below: an exception code, or one
// of these.
constexpr int kSilent = -1;      // no answer at all
constexpr int kWrongCount = -2;  // an answer one byte short, CRC correct

sim::StagedFault ReadFault(int fault) {
  if (fault == kSilent) return test::Silence();
  if (fault == kWrongCount) return test::ShortData();
  return test::ExceptionAnswer(static_cast<std::uint8_t>(fault));
}

class Transfer : public ::testing::Test {
 protected:
  test::VirtualClock clock;
  SimPort device{clock};
  TScriptedUserInterface ui;
  TComPortClass link{device, clock};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TMainState state;
  int views = 0;
  int unitRefreshes = 0;
  TShellContext ctx{*config, link, ui, state, [this] { ++views; }, [this] { ++unitRefreshes; }};
  TConfigTransfer transfer{ctx};

  void SetUp() override {
    link.PortName = "COM1";
    Controller("1A783E00");
  }

  // A controller with every page filled with a distinct pattern, an empty
  // exchange table and function block records without references.
  void Controller(const std::string& codes) {
    sim::PageStore pages;
    auto put = [&](int page, std::size_t size) {
      pages.Put(static_cast<std::uint8_t>(page), test::PatternBytes(size, static_cast<std::uint8_t>(page)));
    };
    for (int p = 1; p <= 8; ++p) put(p, 168);
    put(9, 120);
    pages.Put(10, Bytes(193, 0));
    put(11, 80);
    for (int p = 12; p <= 19; ++p) put(p, 192);
    for (int p = 20; p <= 31; ++p) pages.Put(static_cast<std::uint8_t>(p), Bytes(160, 0));
    put(32, 168);
    put(33, 168);
    put(35, 96);
    for (int p = 40; p <= 51; ++p) put(p, 224);
    put(98, 16);
    device.Rebuild(WithModules(codes), std::move(pages));
  }
  // The same controller with other modules in its slots.
  void SetIdentity(const std::string& codes) { device.Rebuild(WithModules(codes)); }
  sim::SimOptions WithModules(const std::string& codes) const {
    sim::SimOptions options = device.Options();
    options.modules = *sim::ModuleSet::ParseTypes(codes);
    options.display = 1;
    return options;
  }
  void Reconfigure(const std::function<void(sim::SimOptions&)>& change) {
    sim::SimOptions options = device.Options();
    change(options);
    device.Rebuild(options);
  }
  // The configuration in memory: read from the controller, with full access.
  void ReadConfiguration() {
    ASSERT_TRUE(transfer.InPortButClick());
    config->Lur.FullAccess = 1;
    device.ForgetRequests();
    ui.shown.clear();
  }
  std::string Error(int code) const { return link.ErrorText(0, code); }
};

std::vector<std::uint8_t> Range(int first, int last) {
  std::vector<std::uint8_t> pages;
  for (int p = first; p <= last; ++p) pages.push_back(static_cast<std::uint8_t>(p));
  return pages;
}

std::vector<std::uint8_t> Concat(std::initializer_list<std::vector<std::uint8_t>> parts) {
  std::vector<std::uint8_t> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// ---- read ----------------------------------------------------------------------

TEST_F(Transfer, ReadTakesEveryPageInOrderAndShowsTheController) {
  state.ustr = 1;
  state.ustrZ = 7;
  config->Serv.FileMode = 1;
  state.labelFileVisible = true;
  // The thermo module is the controller's second analog module: probe page 61.
  ASSERT_TRUE(transfer.InPortButClick());

  // Two discrete modules, then analog modules 7 and 8: the thermo module is
  // the second analog module, so its probe is page 61.
  EXPECT_EQ(device.Count(17), 1);
  EXPECT_EQ(device.PagesRead(),
            Concat({{10, 61}, Range(1, 9), {11}, Range(12, 31), {32, 33, 35}, Range(40, 51), {98}}));
  EXPECT_TRUE(ui.shown.empty());

  const TConfiguration& c = *config;
  EXPECT_EQ(c.MBA.GetNewVersion(1), 1);
  EXPECT_EQ(c.MBA.GetNewVersion(0), 0);
  // Pages 1, 2 are the analog blocks, 3..8 network groups 0..5.
  EXPECT_EQ(c.MBA.GetBlockByte(1, 5), device.Page(2)[4]);
  EXPECT_EQ(c.MBM.GetGroupByte(0, 5), device.Page(3)[4]);
  EXPECT_EQ(c.MBM.GetGroupByte(5, 168), device.Page(8)[167]);
  EXPECT_EQ(c.Lur.GetRecByte(191, 7), device.Page(19)[191]);
  EXPECT_EQ(c.Serv.GetInputTextPage()[0], device.Page(51)[0]);
  EXPECT_EQ(c.Reg.GetFileBlock()[335], device.Page(33)[167]);
  EXPECT_EQ(c.Lur.GetTipDatByte(15), device.Page(98)[15]);
  EXPECT_EQ(c.MBA.GetUnitsByte(95), device.Page(35)[95]);
  EXPECT_EQ(c.FB.CapFB, 120);
  EXPECT_EQ(c.Serv.FileMode, 0);
  EXPECT_EQ(c.Serv.GetDeviceIndex(), 0);
  // The reserve holds what the controller holds.
  EXPECT_EQ(c.Reserv.ResMBA[1], c.MBA.GetBlock(1));
  EXPECT_EQ(c.Reserv.ResMBM[5], c.MBM.GetGroup(5));
  EXPECT_EQ(c.Reserv.ResDiskr, c.Lur.GetRecords());
  EXPECT_EQ(c.Reserv.ResInputTexts, c.Serv.GetInputTexts());
  EXPECT_EQ(c.Reserv.ResReg, c.Reg.GetFileBlock());
  EXPECT_EQ(c.Reserv.ResTipDat[15], device.Page(98)[15]);
  EXPECT_EQ(c.Serv.GetOutputText(39), std::string(14, ' '));

  EXPECT_EQ(state.editModif, "1A783E00");
  EXPECT_EQ(state.tipModInd, "24+ЖКИ(4х20)");
  EXPECT_EQ(state.ustrZ, 1);
  EXPECT_FALSE(state.labelFileVisible);
  for (const auto c : EditorButtons()) EXPECT_TRUE(state.IsEnabled(c)) << ControlName(c);
  EXPECT_TRUE(state.IsEnabled(TForm1Control::GBoxRazm));
  EXPECT_EQ(views, 1);
  EXPECT_EQ(unitRefreshes, 1);

  // Identity, page 10, 1..8, 12..19, twelve block pages, two loop pages, one
  // after them, 40..51 and one after them: 46 steps of 10, held at 250.
  EXPECT_FALSE(ui.progressVisible);
  EXPECT_EQ(ui.progressMaximum, 250);
  EXPECT_EQ(ui.progressStep, 10);
  EXPECT_EQ(ui.progressSteps, 46);
  EXPECT_EQ(ui.progressPosition, 250);
}

TEST_F(Transfer, ReadAsksForLoopAndSensorPagesOnlyWithThoseModules) {
  Controller("17300000");
  ASSERT_TRUE(transfer.InPortButClick());
  EXPECT_EQ(device.PagesRead(), Concat({{10}, Range(1, 9), {11}, Range(12, 31), {35}, Range(40, 51)}));
  EXPECT_EQ(ui.progressSteps, 44);
}

TEST_F(Transfer, SixtyBlockControllerIsWarnedOnceAndReadOn) {
  Reconfigure([](sim::SimOptions& o) { o.functionBlocks = 60; });
  // Records 60..119 of a configuration read before must not survive.
  ASSERT_TRUE(transfer.InPortButClick());
  config->FB.SetTipFB(100, 3);
  ui.shown.clear();
  device.requests.clear();

  ASSERT_TRUE(transfer.InPortButClick());
  ASSERT_EQ(ui.Texts(), std::vector<std::string>{std::string(kSixtyBlocksText)});
  EXPECT_EQ(ui.shown[0].caption, "Предупреждение");
  EXPECT_EQ(ui.shown[0].icon, MsgIcon::Warning);
  EXPECT_EQ(config->FB.CapFB, 60);
  EXPECT_EQ(config->FB.GetTipFB(100), 0);
  EXPECT_EQ(device.PagesRead(),
            Concat({{10, 61}, Range(1, 9), {11}, Range(12, 26), {32, 33, 35}, Range(40, 51), {98}}));
}

TEST_F(Transfer, ThermoProbesGoToTheModulesAnalogIndexSilently) {
  // One discrete module, analog modules in slots 1, 2, thermo modules in 3, 4.
  Controller("17788000");
  // Thermo modules are analog modules 2 and 3: probes 62 and 63.
  device.FailPage(fn::kReadPage, 63, test::Silence());
  ASSERT_TRUE(transfer.InPortButClick());
  EXPECT_TRUE(ui.shown.empty());
  const auto pages = device.PagesRead();
  EXPECT_EQ(std::vector<std::uint8_t>(pages.begin(), pages.begin() + 3),
            (std::vector<std::uint8_t>{10, 62, 63}));
  EXPECT_EQ(config->MBA.GetNewVersion(2), 1);
  EXPECT_EQ(config->MBA.GetNewVersion(3), 0);
}

TEST_F(Transfer, SilentControllerIsReportedOnceAndChangesNothing) {
  device.Fail({}, test::Silence());
  state.Enable(EditorButtons(), true);
  ASSERT_FALSE(transfer.InPortButClick());
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"устройство 1 COM1 не отвечает на запрос"});
  EXPECT_EQ(device.requests.size(), 5u);  // the identity request's five attempts, nothing after
  EXPECT_EQ(device.Count(17), 5);
  EXPECT_FALSE(ui.progressVisible);
  for (const auto c : EditorButtons()) EXPECT_TRUE(state.IsEnabled(c)) << ControlName(c);
  EXPECT_EQ(views, 0);
}

// A failure at any page leaves the configuration read before, its mode and
// the window as they were, after one report.
TEST_F(Transfer, FailureAtAnyPageLeavesMemoryAsItWas) {
  struct Case {
    std::uint8_t page;
    int fault;
    int reported;
  };
  const Case cases[] = {
      {10, 2, 2}, {1, kSilent, 130},
      {5, 4, 4},  {9, kWrongCount, 128},
      {11, 2, 2}, {15, kWrongCount, 128},
      {20, 2, 2}, {27, 3, 3},  // exception 3 from another block page is a failure
      {33, 4, 4}, {35, kWrongCount, 128},
      {45, 2, 2}, {51, kWrongCount, 128},
      {98, 2, 2},
  };
  // What memory holds before: a configuration of another controller, opened
  // from a file.
  Controller("17300000");
  ASSERT_TRUE(transfer.InPortButClick());
  config->Serv.FileMode = 1;
  state.labelFileVisible = true;
  const Bytes before = Snapshot(*config);
  const TMainState stateBefore = state;

  Controller("1A783E00");
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.page));
    device.ClearFaults();
    device.FailPage(fn::kReadPage, c.page, ReadFault(c.fault));
    ui.shown.clear();
    views = 0;
    EXPECT_FALSE(transfer.InPortButClick());
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{Error(c.reported)});
    EXPECT_EQ(Snapshot(*config), before);
    EXPECT_EQ(state.editModif, stateBefore.editModif);
    EXPECT_EQ(state.enabled, stateBefore.enabled);
    EXPECT_TRUE(state.labelFileVisible);
    EXPECT_FALSE(ui.progressVisible);
    EXPECT_EQ(views, 0);
  }
}

// ---- device selection --------------------------------------------------------------

TEST_F(Transfer, ChosenDeviceNumberAddressesReadsAndWrites) {
  EXPECT_FALSE(transfer.CBoxUstrClick(0));
  EXPECT_FALSE(transfer.CBoxUstrClick(32));
  ASSERT_TRUE(transfer.CBoxUstrClick(5));
  EXPECT_TRUE(device.requests.empty());
  EXPECT_EQ(config->Serv.GetAddressIndex(), 4);
  EXPECT_EQ(config->Serv.GetDeviceIndex(), 4);
  EXPECT_EQ(state.ustr, 5);
  EXPECT_EQ(state.ustrZ, 5);

  Reconfigure([](sim::SimOptions& o) { o.device = 5; });
  ReadConfiguration();
  EXPECT_EQ(config->Serv.GetDeviceIndex(), 4);
  ASSERT_TRUE(transfer.OutPortClick());
  ASSERT_FALSE(device.requests.empty());
  for (const auto& r : device.requests) EXPECT_EQ(r.address, 5);
}

// ---- write ---------------------------------------------------------------------------

TEST_F(Transfer, LimitedAccessSendsNothing) {
  ReadConfiguration();
  config->Lur.FullAccess = 0;
  EXPECT_FALSE(transfer.OutPortClick());
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{std::string(kNoAccessText)});
  EXPECT_TRUE(device.requests.empty());
}

TEST_F(Transfer, ConfigurationWithoutModulesIsRefused) {
  ReadConfiguration();
  state.editModif = "00000000";
  EXPECT_FALSE(transfer.OutPortClick());
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{std::string(kNoModulesText)});
  EXPECT_EQ(device.Count(0x45), 0);
}

TEST_F(Transfer, SameModuleSetWritesEveryPageAsItIs) {
  ReadConfiguration();
  const Bytes before = Snapshot(*config);
  const sim::PageStore pagesBefore = device.Controller().Pages();
  config->Lur.DiskrModified = 1;
  ASSERT_TRUE(transfer.OutPortClick());

  EXPECT_EQ(ui.Texts(), std::vector<std::string>{std::string(kSameModulesText)});
  EXPECT_EQ(device.PagesRead(), std::vector<std::uint8_t>{26});
  EXPECT_EQ(device.writeOrder,
            Concat({Range(1, 9), Range(10, 11), Range(12, 31), {32, 33, 35}, Range(40, 51), {98}}));
  // What was read comes back byte for byte.
  for (const auto& [page, bytes] : device.written) EXPECT_EQ(bytes, *pagesBefore.Find(page)) << int(page);
  EXPECT_EQ(Snapshot(*config), before);
  EXPECT_EQ(config->Lur.DiskrModified, 0);
  EXPECT_FALSE(ui.progressVisible);
  EXPECT_EQ(ui.progressMaximum, 210);
  EXPECT_EQ(ui.progressStep, 7);
}

TEST_F(Transfer, SixtyBlockControllerTakesSixtyBlocks) {
  ReadConfiguration();
  Reconfigure([](sim::SimOptions& o) { o.functionBlocks = 60; });
  ASSERT_TRUE(transfer.OutPortClick());
  EXPECT_EQ(ui.Texts(),
            (std::vector<std::string>{std::string(kSameModulesText), std::string(kSixtyBlocksText)}));
  const auto order = device.writeOrder;
  EXPECT_EQ(std::count_if(order.begin(), order.end(), [](int p) { return p >= 20 && p <= 31; }), 6);
  EXPECT_EQ(config->FB.CapFB, 120);
}

TEST_F(Transfer, BlocksASixtyBlockControllerHasNoRoomForStopTheWriteBeforeAnyPage) {
  ReadConfiguration();
  config->FB.SetTipFB(65, 1);
  const Bytes before = Snapshot(*config);
  Reconfigure([](sim::SimOptions& o) { o.functionBlocks = 60; });
  EXPECT_FALSE(transfer.OutPortClick());
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{std::string(kSameModulesText), std::string(kSixtyBlocksText),
                                                  std::string(kTooManyBlocksText)}));
  EXPECT_EQ(ui.shown.back().caption, "Предупреждение");
  EXPECT_EQ(device.Count(0x45), 0);
  EXPECT_FALSE(ui.progressVisible);
  EXPECT_EQ(Snapshot(*config), before);
}

TEST_F(Transfer, PollAnsweringExceptionTwoRepeatsThePageThenReportsOnce) {
  ReadConfiguration();
  const Bytes before = Snapshot(*config);
  device.Fail({fn::kCompletionPoll, {}}, test::ExceptionAnswer(2));
  EXPECT_FALSE(transfer.OutPortClick());
  EXPECT_EQ(device.Count(0x45), 5);
  EXPECT_EQ(device.PagesWritten(), std::vector<std::uint8_t>(5, 1));
  EXPECT_EQ(ui.Texts(),
            (std::vector<std::string>{std::string(kSameModulesText), "устройство 1 COM1 ошибка обмена 02"}));
  EXPECT_FALSE(ui.progressVisible);
  EXPECT_EQ(Snapshot(*config), before);
}

TEST_F(Transfer, FailedWriteKeepsTheChangeMarkAndTheReserve) {
  ReadConfiguration();
  const auto reserved = config->Reserv.ResDiskr;
  auto edited = config->Lur.GetRecords();
  edited[0][0] ^= 0x01;
  config->Lur.SetRecords(edited);
  config->Lur.DiskrModified = 1;
  device.FailPage(fn::kWritePage, 15, test::ExceptionAnswer(4));
  EXPECT_FALSE(transfer.OutPortClick());
  // The discrete editor still knows its changes are unsent, and "No" on its
  // closing still returns to what the controller holds.
  EXPECT_EQ(config->Lur.DiskrModified, 1);
  EXPECT_EQ(config->Reserv.ResDiskr, reserved);
  EXPECT_EQ(config->Lur.GetRecords(), edited);
}

TEST_F(Transfer, FailedWriteKeepsTheConfigurationsOwnIdentity) {
  Controller("17300000");
  ReadConfiguration();
  const Bytes before = Snapshot(*config);
  // Same counts, another analog module type: compared, not renumbered.
  SetIdentity("16300000");
  device.FailPage(fn::kWritePage, 15, test::ExceptionAnswer(4));
  EXPECT_FALSE(transfer.OutPortClick());
  EXPECT_EQ(ui.Texts(),
            (std::vector<std::string>{std::string(kOtherModulesText), "устройство 1 COM1 ошибка обмена 04"}));
  EXPECT_EQ(Snapshot(*config), before);
  EXPECT_EQ(config->Serv.GetModuleType(1), 7);

  // The next write compares the configuration's own modules again.
  ui.shown.clear();
  device.ClearFaults();
  EXPECT_TRUE(transfer.OutPortClick());
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{std::string(kOtherModulesText)});
}

TEST_F(Transfer, DiscreteCountsDifferingBesideAnalogModulesAreRefused) {
  Controller("11700000");
  ReadConfiguration();
  SetIdentity("17000000");
  EXPECT_FALSE(transfer.OutPortClick());
  EXPECT_EQ(ui.Texts(),
            (std::vector<std::string>{std::string(kOtherModulesText), std::string(kCannotWriteText)}));
  EXPECT_EQ(device.Count(0x44) + device.Count(0x45), 0);
}

// ---- reconciliation -----------------------------------------------------------------

// The written pages (bytes after the page number) decoded with the tables'
// own loaders.
struct Sent {
  explicit Sent(const SimPort& device) {
    for (int k = 0; k < 8; ++k) {
      const auto& page = device.written.at(static_cast<std::uint8_t>(12 + k));
      lur.PutPageFromFile(page);
      lur.StorePage(k);
    }
    for (int p = 0; p < 12; ++p) {
      const auto& page = device.written.at(static_cast<std::uint8_t>(20 + p));
      fb.PutPageFromFile(page);
      fb.StorePage(p);
      const auto& texts = device.written.at(static_cast<std::uint8_t>(40 + p));
      serv.LoadInputTextPage(texts);
      serv.StoreInputTextPage(p);
    }
    Bytes table{10};
    const auto& bytes = device.written.at(10);
    table.insert(table.end(), bytes.begin(), bytes.end());
    mbm.PutTableFromFile(table);
  }
  TProgLurClass lur;
  TProgFBClass fb;
  TServClass serv;
  TProgMBMClass mbm;
};

class Reconciliation : public Transfer {
 protected:
  // A configuration with one network block of each kind after its local
  // signals, processing and a text on the first network signal, and function
  // blocks referring to local and network signals.
  void Configure(const std::string& codes) {
    Controller(codes);
    ReadConfiguration();
    TConfiguration& c = *config;
    local = 12 * c.Serv.GetDiModuleCount() + 24 * c.Serv.GetAiModuleCount();
    localAnalog = 6 * c.Serv.GetAiModuleCount();
    c.MBM.SetKodF(0, 2);
    c.MBM.SetKolVh(0, 3);
    c.MBM.SetStAddr_Beg1(0, local);
    c.MBM.SetStAddr_Beg2(0, localAnalog);
    c.MBM.SetKodF(1, 3);
    c.MBM.SetKolVh(1, 2);
    c.MBM.SetStAddr_Beg1(1, local + 3);
    c.MBM.SetStAddr_Beg2(1, localAnalog);
    c.Lur.SetRecByte(local, 6, 0x85);
    c.Serv.SetInputText("NET1", local);
    c.FB.SetTipFB(0, 1);  // four discrete inputs
    for (int j = 0; j < 4; ++j) c.FB.SetKindVh(0, j, 0);
    c.FB.SetTipFB(1, 1);  // four analog flag inputs
    for (int j = 0; j < 4; ++j) c.FB.SetKindVh(1, j, 2);
  }
  void Refs(int record, std::array<int, 4> refs) {
    for (int j = 0; j < 4; ++j) config->FB.SetNVh(record, j, refs[static_cast<std::size_t>(j)]);
  }
  std::array<int, 4> RefsOf(const TProgFBClass& fb, int record) const {
    return {fb.GetNVh(record, 0), fb.GetNVh(record, 1), fb.GetNVh(record, 2), fb.GetNVh(record, 3)};
  }
  int local = 0;
  int localAnalog = 0;
};

TEST_F(Reconciliation, ExtraAnalogModuleOfTheControllerMovesNetworkSignalsUp) {
  Configure("17300000");  // one discrete, one analog module: network signals from 36 and 6
  Refs(0, {5, 36, 37, 40});
  Refs(1, {3, 6, 7, 8});
  const Bytes before = Snapshot(*config);
  SetIdentity("17730000");  // a second analog module
  ASSERT_TRUE(transfer.OutPortClick());

  EXPECT_EQ(ui.Texts(), std::vector<std::string>{std::string(kOtherModulesText)});
  // Slot 1 is the controller's own second analog module, which the
  // configuration does not describe; the network groups follow it.
  EXPECT_EQ(Bytes(device.writeOrder.begin(), device.writeOrder.begin() + 9),
            Concat({{1}, Range(3, 9), {10}}));
  EXPECT_EQ(device.written[3], Bytes(config->MBM.GetGroup(0).begin() + 1, config->MBM.GetGroup(0).end()));

  const Sent sent(device);
  EXPECT_EQ(sent.mbm.GetStAddr_Beg1(0), 60);
  EXPECT_EQ(sent.mbm.GetStAddr_Beg2(0), 12);
  EXPECT_EQ(sent.mbm.GetStAddr_Beg1(1), 63);
  EXPECT_EQ(sent.mbm.GetStAddr_Beg2(1), 12);
  // 24 empty signals with default texts open at entry 36.
  EXPECT_EQ(sent.lur.GetRecByte(60, 6), 0x85);
  EXPECT_EQ(sent.lur.GetRecords()[36], TProgLurClass::kEmptyRecord);
  EXPECT_EQ(sent.lur.GetRecords()[59], TProgLurClass::kEmptyRecord);
  EXPECT_EQ(sent.serv.GetInputText(60), "NET1" + std::string(10, ' '));
  EXPECT_EQ(sent.serv.GetInputText(36), Utf8ToCp1251("Дискр.сигн.037"));
  EXPECT_EQ(sent.serv.GetInputText(59), Utf8ToCp1251("Дискр.сигн.060"));
  // References above the first network signal move; local ones stay.
  EXPECT_EQ(RefsOf(sent.fb, 0), (std::array<int, 4>{5, 36, 61, 64}));
  EXPECT_EQ(RefsOf(sent.fb, 1), (std::array<int, 4>{3, 6, 13, 14}));

  EXPECT_EQ(Snapshot(*config), before);
}

TEST_F(Reconciliation, MissingAnalogModuleRemovesItsSignalsAndClearsTheirReferences) {
  Configure("17730000");  // two analog modules: network signals from 60 and 12
  Refs(0, {5, 40, 60, 61});
  Refs(1, {3, 8, 12, 13});
  config->Serv.SetInputText("LAST", 191);
  const Bytes before = Snapshot(*config);
  SetIdentity("17300000");
  ASSERT_TRUE(transfer.OutPortClick());

  // One analog block, then the network groups from page 2 on.
  EXPECT_EQ(Bytes(device.writeOrder.begin(), device.writeOrder.begin() + 9), Range(1, 9));
  EXPECT_EQ(device.written[2], Bytes(config->MBM.GetGroup(0).begin() + 1, config->MBM.GetGroup(0).end()));
  const Sent sent(device);
  EXPECT_EQ(sent.mbm.GetStAddr_Beg1(0), 36);
  EXPECT_EQ(sent.mbm.GetStAddr_Beg2(0), 6);
  EXPECT_EQ(sent.lur.GetRecByte(36, 6), 0x85);
  EXPECT_EQ(sent.lur.GetRecords()[191], TProgLurClass::kEmptyRecord);
  EXPECT_EQ(sent.serv.GetInputText(36), "NET1" + std::string(10, ' '));
  EXPECT_EQ(sent.serv.GetInputText(167), "LAST" + std::string(10, ' '));
  EXPECT_EQ(sent.serv.GetInputText(191), std::string(14, ' '));
  // The second analog module's limit signals (37..60) and channels (7..12)
  // are gone: references to them are cleared, later ones move down.
  EXPECT_EQ(RefsOf(sent.fb, 0), (std::array<int, 4>{5, 0, 0, 37}));
  EXPECT_EQ(RefsOf(sent.fb, 1), (std::array<int, 4>{3, 0, 0, 7}));
  EXPECT_EQ(Snapshot(*config), before);
}

TEST_F(Reconciliation, WithoutExchangeBlocksSignalsMoveAfterTheLocalOnes) {
  struct Case {
    const char* configured;
    const char* controller;
    std::array<int, 4> refs;
    std::array<int, 4> sent;
    int movedRecord;  // where the processing of entry 24 goes
  };
  const Case cases[] = {
      {"11300000", "11130000", {5, 24, 25, 30}, {5, 24, 37, 42}, 36},  // a third discrete module
      {"11130000", "11300000", {5, 30, 36, 37}, {5, 0, 0, 25}, -1},    // one fewer
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.configured);
    Controller(c.configured);
    ReadConfiguration();
    Refs(0, c.refs);
    config->FB.SetTipFB(0, 1);
    config->Lur.SetRecByte(24, 6, 0x85);
    SetIdentity(c.controller);
    ASSERT_TRUE(transfer.OutPortClick());
    const Sent sent(device);
    EXPECT_EQ(RefsOf(sent.fb, 0), c.sent);
    if (c.movedRecord >= 0) {
      EXPECT_EQ(sent.lur.GetRecByte(c.movedRecord, 6), 0x85);
    }
  }
}

TEST_F(Reconciliation, SignalsThatWouldPassTheListsAreRefusedBeforeAnythingIsWritten) {
  Configure("17300000");
  config->MBM.SetKolVh(0, 140);  // network discrete signals 37..176, analog 177..184
  config->MBM.SetStAddr_Beg1(1, local + 140);
  SetIdentity("17730000");  // 24 more local signals would push them past 192
  EXPECT_FALSE(transfer.OutPortClick());
  EXPECT_EQ(ui.Texts(),
            (std::vector<std::string>{std::string(kOtherModulesText), std::string(kCannotWriteText)}));
  EXPECT_EQ(device.Count(0x44) + device.Count(0x45), 0);
}


// The other tables that name signals, as sent: function-15 numbers (page
// 11), relay acknowledge and reset inputs (page 9), the regulators'
// controlled variables (page 0x20).
struct SentReferences {
  explicit SentReferences(const SimPort& device) {
    Bytes f15Page{11};
    const auto& f15Bytes = device.written.at(11);
    f15Page.insert(f15Page.end(), f15Bytes.begin(), f15Bytes.end());
    f15.PutF15FromFile(f15Page);
    Bytes mrPage{9};
    const auto& mrBytes = device.written.at(9);
    mrPage.insert(mrPage.end(), mrBytes.begin(), mrBytes.end());
    mr.PutMRFromFile(mrPage);
    reg.PutPageFromFile(device.written.at(0x20));
    reg.LoadPage(0x20);
  }
  TProgF15Class f15;
  TProgMRClass mr;
  TProgRegClass reg;
};

class ReconciledReferences : public Reconciliation {
 protected:
  // Regulator records cleared but for a single loop on `anVh`; function-15
  // block 0 sending `signals`; relay output 0 acknowledged by `kvit` and
  // reset by `sbr`.
  void Refer(int anVh, std::array<int, 3> signals, int kvit, int sbr) {
    TConfiguration& c = *config;
    for (int i = 0; i < TProgRegClass::kRecords; ++i) {
      for (int j = 0; j < static_cast<int>(TProgRegClass::kRecordSize); ++j) c.Reg.SetRegByte(i, j, 0);
    }
    c.Reg.SetAnVh(0, anVh);
    c.Reg.SetTReg(0, 1);
    for (int k = 0; k < 3; ++k) c.F15.SetSignal(0, k, signals[static_cast<std::size_t>(k)]);
    c.MR.SetVxKvit(static_cast<std::uint8_t>(kvit), 0, 0);
    c.MR.SetVhSbr(static_cast<std::uint8_t>(sbr), 0, 0);
  }
};

TEST_F(ReconciledReferences, FunctionFifteenAndRegulatorReferencesFollowAnExtraAnalogModule) {
  Configure("173E0000");  // network signals from 36 and analog 7
  Refer(8, {5, 38, 200}, 5, 0);
  const Bytes before = Snapshot(*config);
  SetIdentity("1773E000");
  ASSERT_TRUE(transfer.OutPortClick());
  const SentReferences sent(device);
  EXPECT_EQ(sent.reg.GetAnVh(0), 14);
  EXPECT_EQ(sent.f15.GetSignal(0, 0), 5);
  EXPECT_EQ(sent.f15.GetSignal(0, 1), 62);
  EXPECT_EQ(sent.f15.GetSignal(0, 2), 200);  // a block output never moves
  EXPECT_EQ(sent.mr.GetVxKvit(0, 0), 5);
  EXPECT_EQ(Snapshot(*config), before);
  EXPECT_EQ(config->Reg.GetAnVh(0), 8);
  EXPECT_EQ(config->F15.GetSignal(0, 1), 38);
}

TEST_F(ReconciledReferences, RelayInputsOfAMissingDiscreteModuleAreClearedAndLaterOnesMove) {
  Configure("113E0000");  // network signals from 24, no analog modules
  Refer(1, {20, 30, 0}, 15, 26);
  const Bytes before = Snapshot(*config);
  SetIdentity("13E00000");
  ASSERT_TRUE(transfer.OutPortClick());
  const SentReferences sent(device);
  EXPECT_EQ(sent.mr.GetVxKvit(0, 0), 0);  // the second module's input 3 is gone
  EXPECT_EQ(sent.mr.GetVhSbr(0, 0), 14);
  EXPECT_EQ(sent.f15.GetSignal(0, 0), 0);
  EXPECT_EQ(sent.f15.GetSignal(0, 1), 18);
  EXPECT_EQ(sent.reg.GetAnVh(0), 1);
  EXPECT_EQ(Snapshot(*config), before);
}

}  // namespace
}  // namespace lur
