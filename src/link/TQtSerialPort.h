#pragma once
// The computer's serial port through QSerialPort, with the link's time-outs
// realised by waiting in short slices (the waiter services painting between
// them, so a silent controller never freezes the window).
#include <QSerialPort>
#include <QString>
#include <QStringList>

#include "link/TSerialPort.h"
#include "link/TWaiter.h"

namespace lur {

class TQtSerialPort : public TSerialPort {
 public:
  explicit TQtSerialPort(TWaiter& waiter);

  void Open(const TPortSettings& settings) override;
  void Close() noexcept override;
  bool IsOpen() const override;
  std::string OpenFailure() const override { return failure_; }
  void ClearBuffers() override;
  void Write(const std::uint8_t* data, std::size_t count) override;
  int Read(std::uint8_t* buffer, int count) override;

 private:
  int PortErrorCode() const;

  TWaiter& waiter_;
  QSerialPort port_;
  std::string failure_;
};

// The ports to offer: what the system lists, the stable /dev/serial/by-id
// names of USB adapters, and any port named on the command line (first).
QStringList ListSerialPorts(const QStringList& extra = {});

}  // namespace lur
