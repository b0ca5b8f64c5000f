#include "link/TComPortClass.h"

#include <gtest/gtest.h>

#include <array>

#include "link/ScriptedPort.h"
#include "session/LinkReports.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using test::ScriptedPort;
using test::VirtualClock;
using test::WithCrc;
using Bytes = std::vector<std::uint8_t>;

class Transaction : public ::testing::Test {
 protected:
  VirtualClock clock;
  ScriptedPort port{clock};
  TScriptedUserInterface ui;
  TComPortClass link{port, clock};
  TPortLostReporter portLost{ui, link};
  std::array<std::uint8_t, 435> answer{};

  int Send(std::uint8_t function, Bytes data = {}, int device = 0) {
    return link.Transact(device, function, static_cast<int>(data.size()), data.data(), answer);
  }
  void Reply(const Bytes& b, int times = 1) {
    for (int i = 0; i < times; ++i) port.replies.push_back(b);
  }
  void Silence(int times = 1) {
    for (int i = 0; i < times; ++i) port.replies.push_back(std::nullopt);
  }
};

TEST(Crc16, ModbusExamples) {
  const std::uint8_t abc[] = {'a', 'b', 'c'};
  EXPECT_EQ(Crc16(abc, 3), 0x5749);
  EXPECT_EQ(WithCrc({0x01, 0x11}), (Bytes{0x01, 0x11, 0xC0, 0x2C}));
  const Bytes frame = WithCrc({0x05, 0x03, 0x02, 0x12, 0x34});
  EXPECT_TRUE(CheckCrc16(frame.data(), frame.size()));
  Bytes bad = frame;
  bad[3] ^= 1;
  EXPECT_FALSE(CheckCrc16(bad.data(), bad.size()));
}

TEST_F(Transaction, FramesRequestAndTakesAnswer) {
  Reply(WithCrc({0x03, 0x44, 0x03, 0x0A, 0x11, 0x22}));
  EXPECT_EQ(Send(0x44, {0x0A}, 2), 0);
  ASSERT_EQ(port.written.size(), 1u);
  EXPECT_EQ(port.written[0].bytes, WithCrc({0x03, 0x44, 0x0A}));
  EXPECT_EQ(link.AnswerLength, 8);
  EXPECT_EQ(answer[2], 3);
  EXPECT_EQ(answer[5], 0x22);
  // The request went out after the request delay.
  EXPECT_EQ(port.written[0].atMs, 1'000'000 + 25);
}

TEST_F(Transaction, RequestWithoutDataIsFourBytes) {
  Reply(WithCrc({0x01, 0x11, 0x00}));
  EXPECT_EQ(Send(17), 0);
  EXPECT_EQ(port.written[0].bytes, (Bytes{0x01, 0x11, 0xC0, 0x2C}));
}

TEST_F(Transaction, RefusesUnknownFunctionWithoutSending) {
  for (std::uint8_t f : {7, 0, 0x13, 0x48, 0x80, 0xC4}) {
    EXPECT_EQ(Send(f), 1) << int(f);
  }
  EXPECT_TRUE(port.written.empty());
  // Every function of the table goes out.
  for (std::uint8_t f : kAllowedFunctions) {
    port.written.clear();
    Silence(20);
    link.SetRetriesStage1(1);
    Send(f, {0x00});
    EXPECT_EQ(port.written.size(), 1u) << int(f);
  }
}

TEST_F(Transaction, BroadcastUsesAddressZeroAndReadsNothing) {
  Silence();
  EXPECT_EQ(Send(0x46, {1, 2, 3}, 5), 0);
  ASSERT_EQ(port.written.size(), 1u);
  EXPECT_EQ(port.written[0].bytes[0], 0);
  EXPECT_EQ(clock.now, 1'000'000 + 25);  // no read time-out spent
}

TEST_F(Transaction, EchoAndFixedAnswerLengths) {
  // Function 14 without data: the 4-byte echo.
  Reply(WithCrc({0x01, 0x0E}));
  EXPECT_EQ(Send(14), 0);
  EXPECT_EQ(link.AnswerLength, 4);
  // Function 5: the echo of the 8-byte request.
  const Bytes coil = {0x00, 0x07, 0xFF, 0x00};
  Reply(WithCrc({0x01, 0x05, 0x00, 0x07, 0xFF, 0x00}));
  EXPECT_EQ(Send(5, coil), 0);
  EXPECT_EQ(link.AnswerLength, 8);
  // Function 16: 8 bytes whatever the third byte says.
  Reply(WithCrc({0x01, 0x10, 0x00, 0x64, 0x00, 0x01}));
  EXPECT_EQ(Send(16, {0x00, 0x64, 0x00, 0x01, 0x02, 0x12, 0x34}), 0);
  EXPECT_EQ(link.AnswerLength, 8);
  // Function 6: the standard 8-byte echo, not sized by its address byte.
  Reply(WithCrc({0x01, 0x06, 0x00, 0x02, 0x12, 0x34}));
  EXPECT_EQ(Send(6, {0x00, 0x02, 0x12, 0x34}), 0);
  EXPECT_EQ(link.AnswerLength, 8);
}

TEST_F(Transaction, ExceptionAnswerReturnsItsCodeAtOnce) {
  Reply(WithCrc({0x01, 0xC4, 0x02}));
  EXPECT_EQ(Send(0x44, {0x63}), 2);
  EXPECT_EQ(port.written.size(), 1u);
  EXPECT_EQ(link.AnswerLength, 5);
}

TEST_F(Transaction, ExceptionAnswerWithBadCrcIsRetried) {
  Bytes bad = WithCrc({0x01, 0xC4, 0x02});
  bad[4] ^= 0xFF;
  Reply(bad);
  Reply(WithCrc({0x01, 0xC4, 0x03}));
  EXPECT_EQ(Send(0x44, {0x1A}), 3);
  EXPECT_EQ(port.written.size(), 2u);
}

TEST_F(Transaction, ExceptionCodeZeroIsMalformed) {
  Reply(WithCrc({0x01, 0xC4, 0x00}), 5);
  EXPECT_EQ(Send(0x44, {0x0A}), 129);
  EXPECT_EQ(port.written.size(), 5u);
}

TEST_F(Transaction, SilentControllerCostsFiveAttempts) {
  Silence(10);
  EXPECT_EQ(Send(17), 130);
  ASSERT_EQ(port.written.size(), 5u);
  for (std::size_t i = 1; i < 5; ++i) {
    // 1,300 ms header time-out, 300 ms retry pause, 25 ms request delay.
    EXPECT_EQ(port.written[i].atMs - port.written[i - 1].atMs, 1625);
  }
  EXPECT_EQ(clock.now - 1'000'000, 5 * 1625);
  EXPECT_TRUE(ui.shown.empty());  // the caller decides whether to report
}

TEST_F(Transaction, ChecksumErrorsExhaustCounterB) {
  Bytes bad = WithCrc({0x01, 0x44, 0x02, 0x0A, 0x00});
  bad.back() ^= 0x5A;
  Reply(bad, 12);
  EXPECT_EQ(Send(0x44, {0x0A}), 131);
  EXPECT_EQ(port.written.size(), 10u);
}

TEST_F(Transaction, CounterBIsNotReloadedButCounterAIs) {
  // Four silent attempts, then a bad body, repeated: counter A is reloaded by
  // every good header and never runs out; counter B runs out after ten.
  Bytes bad = WithCrc({0x01, 0x44, 0x02, 0x0A, 0x00});
  bad.back() ^= 1;
  for (int i = 0; i < 10; ++i) {
    Silence(4);
    Reply(bad);
  }
  EXPECT_EQ(Send(0x44, {0x0A}), 131);
  EXPECT_EQ(port.written.size(), 50u);
}

TEST_F(Transaction, IncompleteHeaderAndBodyGive129) {
  Reply({0x01, 0x44}, 5);  // two bytes only
  EXPECT_EQ(Send(0x44, {0x0A}), 129);
  EXPECT_EQ(port.written.size(), 5u);

  port.written.clear();
  Reply({0x01, 0x44, 0x05, 0x0A, 0x01}, 10);  // body cut short
  EXPECT_EQ(Send(0x44, {0x0A}), 129);
  EXPECT_EQ(port.written.size(), 10u);
}

TEST_F(Transaction, ForeignFunctionIsRetriedThenBadData) {
  Reply(WithCrc({0x01, 0x03, 0x00}), 5);
  EXPECT_EQ(Send(0x44, {0x0A}), 128);
  EXPECT_EQ(port.written.size(), 5u);
  // A good answer after one foreign header is taken.
  port.written.clear();
  Reply(WithCrc({0x01, 0x03, 0x00}));
  Reply(WithCrc({0x01, 0x44, 0x01, 0x0A}));
  EXPECT_EQ(Send(0x44, {0x0A}), 0);
}

TEST_F(Transaction, AnswerLongerThanTheBufferIsNeverCopied) {
  std::array<std::uint8_t, 64> big{};
  big.fill(0xEE);
  Bytes longAnswer = {0x01, 0x44, 200};
  longAnswer.resize(205, 0x11);
  Reply(longAnswer, 5);
  const std::uint8_t page = 0x0A;
  EXPECT_EQ(link.Transact(0, 0x44, 1, &page, std::span(big).first(32)), 129);
  for (std::size_t i = 3; i < big.size(); ++i) ASSERT_EQ(big[i], 0xEE) << i;
}

TEST_F(Transaction, LeftoversOfABadAnswerAreDiscardedBeforeTheRetry) {
  // A bad answer with trailing junk; the next attempt must start clean.
  Bytes bad = WithCrc({0x01, 0x44, 0x01, 0x0A});
  bad.back() ^= 1;
  bad.insert(bad.end(), {0x01, 0x44, 0x01});
  Reply(bad);
  Reply(WithCrc({0x01, 0x44, 0x01, 0x0A}));
  EXPECT_EQ(Send(0x44, {0x0A}), 0);
  EXPECT_EQ(port.written.size(), 2u);
  EXPECT_EQ(port.clears, 2);
}

TEST_F(Transaction, NegativeReadIsAPortErrorCode) {
  port.readError = -134;
  Silence(5);
  EXPECT_EQ(Send(17), 134);
}

TEST_F(Transaction, ClosedPortAndFailedClear) {
  port.open = false;
  EXPECT_EQ(Send(17), 256);
  EXPECT_TRUE(port.written.empty());
  ReportLinkError(ui, link, 0, 256);
  EXPECT_FALSE(port.IsOpen());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Не выбран COM-порт.");
  EXPECT_EQ(ui.shown[0].caption, "Ошибка");

  port.open = true;
  port.failClear = true;
  EXPECT_EQ(Send(17), 135);
  EXPECT_EQ(ui.shown.back().text, "COM-порт отключен. Проверьте оборудование, перезапустите программу.");
  EXPECT_EQ(ui.shown.back().icon, MsgIcon::Error);
}

TEST_F(Transaction, ReportErrorTexts) {
  link.PortName = "COM1";
  struct Case {
    int device;
    int code;
    const char* text;
    const char* caption;
    MsgIcon icon;
  };
  const Case cases[] = {
      {2, 130, "устройство 3 COM1 не отвечает на запрос", "Предупреждение", MsgIcon::Warning},
      {0, 1, "устройство 1 COM1 ошибка обмена 01", "Предупреждение", MsgIcon::Warning},
      {0, 2, "устройство 1 COM1 ошибка обмена 02", "Предупреждение", MsgIcon::Warning},
      {30, 6, "устройство 31 COM1 Идет запись базы данных. Ждите.", "Предупреждение", MsgIcon::Warning},
      {0, 128, "устройство 1 COM1 ошибка приема данных ", "Предупреждение", MsgIcon::Warning},
      {0, 129, "устройство 1 COM1 тайм-аут приема данных", "Предупреждение", MsgIcon::Warning},
      {0, 131, "устройство 1 COM1 ошибка контрольной суммы", "Предупреждение", MsgIcon::Warning},
      {0, 132, " невозможно открыть последовательный порт ", "Предупреждение", MsgIcon::Warning},
      {0, 133, "вероятно, порт не настроен", "Ошибка", MsgIcon::Error},
      {0, 134, "сбой настройки порта при выключении прибора", "Ошибка", MsgIcon::Error},
      {0, 135, "ошибка настройки порта", "Ошибка", MsgIcon::Error},
      {0, 0xAB, "устройство 1 COM1 ошибка обмена AB", "Предупреждение", MsgIcon::Warning},
      {0, 300, "устройство 1 COM1 ошибка обмена 12C", "Предупреждение", MsgIcon::Warning},
  };
  for (const auto& c : cases) {
    ui.shown.clear();
    ReportLinkError(ui, link, c.device, c.code);
    ASSERT_EQ(ui.shown.size(), 1u) << c.code;
    EXPECT_EQ(ui.shown[0].text, c.text);
    EXPECT_EQ(ui.shown[0].caption, c.caption);
    EXPECT_EQ(ui.shown[0].icon, c.icon);
    EXPECT_EQ(ui.shown[0].buttons, MsgButtons::Ok);
  }
  ui.shown.clear();
  ReportLinkError(ui, link, 0, 0);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Transaction, OpenPortValidatesSettingsBeforeTouchingThePort) {
  struct Case {
    const char *baud, *parity, *stop, *name;
    int result;
  };
  const Case cases[] = {
      {"12345", "N", "2", "/dev/ttyS0", -1}, {"9600", "M", "2", "/dev/ttyS0", -1},
      {"9600", "N", "3", "/dev/ttyS0", -1},  {"9600", "N", "2", "", -1},
      {"", "N", "2", "/dev/ttyS0", -1},      {"115200", "O", "1", "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", 0},
  };
  for (const auto& c : cases) {
    port.opens = 0;
    link.BaudText = c.baud;
    link.ParityText = c.parity;
    link.StopBitsText = c.stop;
    link.PortName = c.name;
    EXPECT_EQ(link.OpenPort(), c.result) << c.baud << c.parity << c.stop << c.name;
    EXPECT_EQ(port.opens, c.result == 0 ? 1 : 0);
  }
  EXPECT_EQ(port.settings.baud, 115200);
  EXPECT_EQ(port.settings.parity, Parity::Odd);
  EXPECT_EQ(port.settings.stopBits, 1);
  EXPECT_EQ(port.settings.name.size(), 62u);  // the whole long name

  // A failed open is explained after the specified text.
  port.openSucceeds = false;
  EXPECT_EQ(link.OpenPort(), -1);
  ReportLinkError(ui, link, 0, 132);
  EXPECT_EQ(ui.shown.back().text, " невозможно открыть последовательный порт \nПорт занят.");
}

TEST_F(Transaction, DefaultsAndPause) {
  EXPECT_EQ(link.GetRetriesStage1(), 5u);
  EXPECT_EQ(link.GetRetriesStage2(), 10u);
  EXPECT_EQ(link.GetRequestDelay(), 25u);
  EXPECT_EQ(link.GetReceiveDelay(), 20);
  EXPECT_EQ(link.BaudText, "9600");
  EXPECT_EQ(link.ParityText, "N");
  EXPECT_EQ(link.StopBitsText, "2");
  EXPECT_EQ(link.PortName, "COM1");
  const auto before = clock.now;
  link.Pause(200);
  EXPECT_EQ(clock.now - before, 200);
}

}  // namespace
}  // namespace lur
