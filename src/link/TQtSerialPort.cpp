#include "link/TQtSerialPort.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <termios.h>
#endif

namespace lur {
namespace {

constexpr int kSliceMs = 10;

std::string Explain(QSerialPort::SerialPortError error, const QString& name) {
  switch (error) {
    case QSerialPort::DeviceNotFoundError:
      return "Порт " + name.toStdString() + " не найден.";
    case QSerialPort::PermissionError:
      return "Порт " + name.toStdString() +
             " занят другой программой или нет прав доступа (добавьте пользователя в группу dialout).";
    case QSerialPort::OpenError:
      return "Порт " + name.toStdString() + " уже открыт.";
    default:
      return "Порт " + name.toStdString() + " не удалось открыть.";
  }
}

}  // namespace

TQtSerialPort::TQtSerialPort(TWaiter& waiter) : waiter_(waiter) {}

void TQtSerialPort::Open(const TPortSettings& settings) {
  Close();
  failure_.clear();
  port_.setPortName(QString::fromStdString(settings.name));
  port_.setBaudRate(settings.baud);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(settings.parity == Parity::Even  ? QSerialPort::EvenParity
                  : settings.parity == Parity::Odd ? QSerialPort::OddParity
                                                   : QSerialPort::NoParity);
  port_.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  if (!port_.open(QIODevice::ReadWrite)) {
    failure_ = Explain(port_.error(), port_.portName());
    port_.clearError();
    return;
  }
  // A pseudo-terminal refuses the modem-line ioctls; that is harmless.
  port_.setDataTerminalReady(false);
  port_.setRequestToSend(false);
  port_.clearError();
}

void TQtSerialPort::Close() noexcept {
  if (port_.isOpen()) port_.close();
  port_.clearError();
}

bool TQtSerialPort::IsOpen() const { return port_.isOpen(); }

void TQtSerialPort::ClearBuffers() {
  if (!port_.isOpen()) throw TPortError("port closed");
  port_.readAll();  // what Qt has already taken in
  // Only the input: the previous request has been drained to the line by
  // Write, and flushing the output could still cut the tail of a broadcast
  // (on a pseudo-terminal it discards what the other side has not read yet).
  if (!port_.clear(QSerialPort::Input) && port_.error() == QSerialPort::ResourceError) {
    throw TPortError(port_.errorString().toStdString());
  }
  port_.clearError();
}

void TQtSerialPort::Write(const std::uint8_t* data, std::size_t count) {
  port_.write(reinterpret_cast<const char*>(data), static_cast<qint64>(count));
  const std::int64_t deadline = waiter_.NowMs() + TotalReadTimeoutMs(static_cast<int>(count));
  while (port_.bytesToWrite() > 0 && waiter_.NowMs() < deadline) {
    if (!port_.waitForBytesWritten(kSliceMs) && port_.error() != QSerialPort::TimeoutError &&
        port_.error() != QSerialPort::NoError) {
      break;
    }
    port_.clearError();
    waiter_.Service();
  }
#ifdef Q_OS_UNIX
  // Wait until the bytes have left the computer, so the pause before the
  // next request starts after this one really went out.
  if (port_.handle() >= 0) ::tcdrain(port_.handle());
#endif
}

int TQtSerialPort::PortErrorCode() const {
  // A vanished adapter is "switched off"; anything else "not set up".
  return port_.error() == QSerialPort::ResourceError ? 134 : 133;
}

int TQtSerialPort::Read(std::uint8_t* buffer, int count) {
  int got = 0;
  const std::int64_t start = waiter_.NowMs();
  const std::int64_t deadline = start + ReadTimeoutMs(count);
  std::int64_t lastByte = start;
  for (;;) {
    const qint64 n = port_.read(reinterpret_cast<char*>(buffer) + got, count - got);
    if (n < 0) return -PortErrorCode();
    if (n > 0) {
      got += static_cast<int>(n);
      lastByte = waiter_.NowMs();
    }
    if (got >= count) return got;
    const std::int64_t now = waiter_.NowMs();
    std::int64_t wait = deadline - now;
    if (got > 0) wait = std::min(wait, lastByte + kInterByteTimeoutMs - now);
    if (wait <= 0) return got;
    if (!port_.waitForReadyRead(static_cast<int>(std::min<std::int64_t>(wait, kSliceMs)))) {
      if (port_.error() == QSerialPort::ResourceError) return got > 0 ? got : -PortErrorCode();
      port_.clearError();
    }
    waiter_.Service();
  }
}

QStringList ListSerialPorts(const QStringList& extra) {
  QStringList names = extra;
  auto add = [&names](const QString& name) {
    if (!name.isEmpty() && !names.contains(name)) names << name;
  };
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) add(info.systemLocation());
  const QDir byId("/dev/serial/by-id");
  for (const QFileInfo& link : byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
    add(link.absoluteFilePath());
  }
  return names;
}

}  // namespace lur
