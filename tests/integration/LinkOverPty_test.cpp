// The transaction over real pseudo-terminals: against libmodbus, an
// independent RTU server, and against lursim with every fault it can make.
#include <gtest/gtest.h>
#include <modbus.h>

#include <array>
#include <atomic>
#include <thread>

#include "Processes.h"
#include "link/Crc16.h"
#include "link/TComPortClass.h"
#include "link/TPageWriter.h"
#include "link/TQtSerialPort.h"
#include "link/TWaiter.h"
#include "session/LinkReports.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes WithCrcOf(Bytes b) {
  const std::size_t n = b.size();
  b.resize(n + 2);
  AppendCrc16(b.data(), n);
  return b;
}

// The program's link on a named port, with a plain sleeping waiter.
struct Client {
  explicit Client(const std::string& portName) {
    link.PortName = portName;
    link.StopBitsText = "1";
  }
  bool Open() { return link.OpenPort() == 0; }
  int Send(std::uint8_t function, const Bytes& data, int device = 0) {
    return link.Transact(device, function, static_cast<int>(data.size()), data.data(), answer);
  }
  Bytes Answer() const { return Bytes(answer.begin(), answer.begin() + link.AnswerLength); }

  TSteadyWaiter waiter;
  TQtSerialPort port{waiter};
  TScriptedUserInterface ui;
  TComPortClass link{port, waiter};
  std::array<std::uint8_t, 435> answer{};
};

// libmodbus serving a register map on one end of a pty pair.
class ModbusServer {
 public:
  explicit ModbusServer(const std::string& path) {
    ctx_ = modbus_new_rtu(path.c_str(), 9600, 'N', 8, 1);
    map_ = modbus_mapping_new(64, 64, 64, 64);
    for (int i = 0; i < 64; ++i) {
      map_->tab_input_bits[i] = (i % 3) == 0;
      map_->tab_registers[i] = static_cast<std::uint16_t>(0x1000 + i);
      map_->tab_input_registers[i] = static_cast<std::uint16_t>(0x2000 + i);
    }
    modbus_set_slave(ctx_, 1);
    connected_ = modbus_connect(ctx_) == 0;
    modbus_set_indication_timeout(ctx_, 0, 100000);
    thread_ = std::thread([this] { Serve(); });
  }
  ~ModbusServer() {
    stop_ = true;
    thread_.join();
    modbus_close(ctx_);
    modbus_free(ctx_);
    modbus_mapping_free(map_);
  }
  bool Connected() const { return connected_; }
  modbus_mapping_t* Map() { return map_; }

 private:
  void Serve() {
    std::array<std::uint8_t, MODBUS_RTU_MAX_ADU_LENGTH> request{};
    while (!stop_) {
      const int n = modbus_receive(ctx_, request.data());
      if (n > 0) modbus_reply(ctx_, request.data(), n, map_);
    }
  }

  modbus_t* ctx_;
  modbus_mapping_t* map_;
  bool connected_ = false;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

TEST(LinkAgainstLibmodbus, StandardFunctions) {
  test::TempDir dir;
  test::PtyPair pair(dir);
  ASSERT_TRUE(pair.Ready());
  ModbusServer server(pair.a);
  ASSERT_TRUE(server.Connected());
  Client client(pair.b);
  ASSERT_TRUE(client.Open());

  // 1: coils 0..9 (all clear), 2: discrete inputs 0..9 (every third set).
  ASSERT_EQ(client.Send(1, {0x00, 0x00, 0x00, 0x0A}), 0);
  EXPECT_EQ(client.Answer(), (Bytes{0x01, 0x01, 0x02, 0x00, 0x00, client.answer[5], client.answer[6]}));
  ASSERT_EQ(client.Send(2, {0x00, 0x00, 0x00, 0x0A}), 0);
  EXPECT_EQ(client.answer[3], 0b01001001);
  EXPECT_EQ(client.answer[4], 0b00000010);
  // 3 and 4: registers come back big-endian.
  ASSERT_EQ(client.Send(3, {0x00, 0x05, 0x00, 0x02}), 0);
  EXPECT_EQ(client.answer[2], 4);
  EXPECT_EQ(Bytes(client.answer.begin() + 3, client.answer.begin() + 7), (Bytes{0x10, 0x05, 0x10, 0x06}));
  ASSERT_EQ(client.Send(4, {0x00, 0x3F, 0x00, 0x01}), 0);
  EXPECT_EQ(Bytes(client.answer.begin() + 3, client.answer.begin() + 5), (Bytes{0x20, 0x3F}));
  // 5: the echo of the request.
  ASSERT_EQ(client.Send(5, {0x00, 0x07, 0xFF, 0x00}), 0);
  EXPECT_EQ(client.link.AnswerLength, 8);
  EXPECT_EQ(server.Map()->tab_bits[7], 1);
  // 6: the 8-byte echo.
  ASSERT_EQ(client.Send(6, {0x00, 0x02, 0x12, 0x34}), 0);
  EXPECT_EQ(client.Answer(), WithCrcOf({0x01, 0x06, 0x00, 0x02, 0x12, 0x34}));
  EXPECT_EQ(server.Map()->tab_registers[2], 0x1234);
  // 15 and 16: 8-byte answers.
  ASSERT_EQ(client.Send(15, {0x00, 0x10, 0x00, 0x0A, 0x02, 0xFF, 0x03}), 0);
  EXPECT_EQ(client.link.AnswerLength, 8);
  for (int i = 16; i < 26; ++i) EXPECT_EQ(server.Map()->tab_bits[i], 1) << i;
  ASSERT_EQ(client.Send(16, {0x00, 0x20, 0x00, 0x02, 0x04, 0xAB, 0xCD, 0x00, 0x01}), 0);
  EXPECT_EQ(server.Map()->tab_registers[0x20], 0xABCD);
  EXPECT_EQ(server.Map()->tab_registers[0x21], 0x0001);
  // An address past the map: libmodbus's exception 2, at once.
  EXPECT_EQ(client.Send(3, {0x01, 0x00, 0x00, 0x01}), 2);
}

class LinkAgainstLursim : public ::testing::Test {
 protected:
  void Start(const std::vector<std::string>& options) {
    sim = std::make_unique<test::Simulator>(dir, options);
    ASSERT_TRUE(sim->Ready()) << sim->Log();
    client = std::make_unique<Client>(sim->link);
    ASSERT_TRUE(client->Open());
  }
  test::TempDir dir;
  std::unique_ptr<test::Simulator> sim;
  std::unique_ptr<Client> client;
};

TEST_F(LinkAgainstLursim, IdentityAndPages) {
  Start({"--modules", "16300000"});
  ASSERT_EQ(client->Send(17, {}), 0);
  EXPECT_EQ(client->answer[2], 15);
  EXPECT_EQ(client->answer[4], 1);  // slot 0: type 1
  EXPECT_EQ(client->answer[5], 6);
  EXPECT_EQ(client->answer[6], 3);
  struct Page {
    std::uint8_t page;
    int length;
  };
  for (const Page p : {Page{10, 193}, Page{1, 168}, Page{9, 120}, Page{11, 80}, Page{12, 192}, Page{20, 160},
                       Page{35, 96}, Page{40, 224}}) {
    ASSERT_EQ(client->Send(0x44, {p.page}), 0) << int(p.page);
    EXPECT_EQ(client->answer[2], p.length + 1) << int(p.page);
    EXPECT_EQ(client->answer[3], p.page);
  }
  // Another device number gets no answer.
  client->link.SetRetriesStage1(1);
  EXPECT_EQ(client->Send(17, {}, 4), 130);
}

TEST_F(LinkAgainstLursim, PageWriteWithBusyPolls) {
  Start({"--busy-polls", "3"});
  ASSERT_EQ(client->Send(0x44, {35}), 0);
  Bytes page(client->answer.begin() + 3, client->answer.begin() + 3 + 97);
  page[1] = 'X';
  TFixedAddressing addressing(0, 0);
  EXPECT_EQ(WritePage(client->ui, client->link, addressing, page), 0);
  EXPECT_TRUE(client->ui.shown.empty());
  ASSERT_EQ(client->Send(0x44, {35}), 0);
  EXPECT_EQ(client->answer[4], 'X');
}

TEST_F(LinkAgainstLursim, RenumberingThroughPage99) {
  Start({"--device", "1"});
  TFixedAddressing addressing(0, 6);  // the configured device is now 7
  EXPECT_EQ(WritePage(client->ui, client->link, addressing, Bytes{99, 6}), 0);
  EXPECT_EQ(addressing.AddressIndex(), 6);
  EXPECT_EQ(client->Send(17, {}, 6), 0);
}

TEST_F(LinkAgainstLursim, SixtyBlockControllerRefusesPage26) {
  Start({"--fb", "60"});
  EXPECT_EQ(client->Send(0x44, {25}), 0);
  EXPECT_EQ(client->Send(0x44, {26}), 3);
}

TEST_F(LinkAgainstLursim, ExceptionOption) {
  Start({"--exception", "10:2", "--exception", "35:4"});
  EXPECT_EQ(client->Send(0x44, {10}), 2);
  EXPECT_EQ(client->Send(0x44, {35}), 4);
  EXPECT_EQ(client->Send(0x44, {9}), 0);
}

TEST_F(LinkAgainstLursim, SilentLineCostsFiveAttempts) {
  Start({"--silent"});
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(client->Send(17, {}), 130);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  EXPECT_GE(ms.count(), 5 * 1625);  // a lower bound only: the wait is real
  ReportLinkError(client->ui, client->link, 0, 130);
  EXPECT_EQ(client->ui.shown.back().text, "устройство 1 " + sim->link + " не отвечает на запрос");
}

TEST_F(LinkAgainstLursim, CorruptAnswersAreRetried) {
  // Every second answer corrupt: each request still succeeds.
  Start({"--bad-crc", "2"});
  for (int i = 0; i < 6; ++i) EXPECT_EQ(client->Send(0x44, {10}), 0) << i;
}

TEST_F(LinkAgainstLursim, AlwaysCorruptGivesChecksumError) {
  Start({"--bad-crc", "1"});
  EXPECT_EQ(client->Send(0x44, {10}), 131);
}

TEST_F(LinkAgainstLursim, AlwaysTruncatedGivesTimeout) {
  Start({"--truncate", "1"});
  EXPECT_EQ(client->Send(0x44, {10}), 129);
}

TEST_F(LinkAgainstLursim, BusyForeverEndsTheWrite) {
  Start({"--busy-forever"});
  ASSERT_EQ(client->Send(0x44, {35}), 0);
  Bytes page(client->answer.begin() + 3, client->answer.begin() + 3 + 97);
  TFixedAddressing addressing(0, 0);
  EXPECT_EQ(WritePage(client->ui, client->link, addressing, page), 6);
  ASSERT_EQ(client->ui.shown.size(), 1u);
  EXPECT_EQ(client->ui.shown[0].text, "устройство 1 " + sim->link + " Идет запись базы данных. Ждите.");
}

TEST_F(LinkAgainstLursim, ClockBroadcastThenRead) {
  Start({});
  EXPECT_EQ(client->Send(0x46, {5, 7, 9, 1, 2, 24, 4}), 0);
  ASSERT_EQ(client->Send(4, {0x03, 0xE8, 0x00, 0x07}), 0);
  EXPECT_EQ(client->answer[2], 14);
  // Seconds may have ticked on; the rest is what was set.
  EXPECT_LE(client->answer[4] - 5, 2);
  EXPECT_EQ(client->answer[6], 7);
  EXPECT_EQ(client->answer[8], 9);
  EXPECT_EQ(client->answer[10], 1);
  EXPECT_EQ(client->answer[12], 2);
  EXPECT_EQ(client->answer[14], 24);
  EXPECT_EQ(client->answer[16], 4);
}

TEST_F(LinkAgainstLursim, MbpollReadsClockAndCoils) {
  Start({});
  ASSERT_EQ(client->Send(0x46, {30, 15, 10, 9, 12, 26, 3}), 0);
  ASSERT_EQ(client->Send(5, {0x00, 0x05, 0xFF, 0x00}), 0);
  client.reset();  // mbpoll takes the line
  std::string out;
  ASSERT_EQ(test::RunCommand({"mbpoll", "-m", "rtu", "-a", "1", "-b", "9600", "-P", "none", "-t", "3", "-0", "-r",
                              "1000", "-c", "7", "-1", sim->link},
                             &out, nullptr),
            0)
      << out;
  EXPECT_NE(out.find("[1001]: \t15"), std::string::npos) << out;
  EXPECT_NE(out.find("[1002]: \t10"), std::string::npos) << out;
  EXPECT_NE(out.find("[1005]: \t26"), std::string::npos) << out;
  EXPECT_NE(out.find("[1006]: \t3"), std::string::npos) << out;
  ASSERT_EQ(test::RunCommand({"mbpoll", "-m", "rtu", "-a", "1", "-b", "9600", "-P", "none", "-t", "0", "-0", "-r",
                              "0", "-c", "8", "-1", sim->link},
                             &out, nullptr),
            0)
      << out;
  EXPECT_NE(out.find("[5]: \t1"), std::string::npos) << out;
  EXPECT_NE(out.find("[4]: \t0"), std::string::npos) << out;
}

}  // namespace
}  // namespace lur
