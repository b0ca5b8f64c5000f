#pragma once
// The page write with completion poll that every transfer into the controller
// uses: send the page with 0x45, readdress to the configured device, then poll
// with function 14 until the controller has stored it. A page that cannot
// reach the controller at all (a silent line, a lost port) ends the write
// after one transaction; other failures repeat the page.
#include <cstdint>
#include <span>

namespace lur {

class TComPortClass;

// Where requests go and which device the configuration belongs to; after a
// page write, requests go to the configured device (a page 99 write has just
// renumbered the controller).
class TDeviceAddressing {
 public:
  virtual ~TDeviceAddressing() = default;
  virtual int AddressIndex() const = 0;
  virtual void SetAddressIndex(int index) = 0;
  virtual int DeviceIndex() const = 0;
};

// A plain pair of indices, for callers without a service record.
class TFixedAddressing : public TDeviceAddressing {
 public:
  TFixedAddressing(int address, int device) : address_(address), device_(device) {}
  int AddressIndex() const override { return address_; }
  void SetAddressIndex(int index) override { address_ = index; }
  int DeviceIndex() const override { return device_; }

 private:
  int address_;
  int device_;
};

// How long a controller may answer "still writing" before the write is
// given up and reported (result 6).
constexpr int kBusyPollLimitMs = 30000;

// requestData is the page number followed by the page bytes. Returns 0 when
// the controller confirmed the page; otherwise the last result code, shown
// by nobody: callers report it once (session/TPageWrite.h does).
int WritePageWithPoll(TComPortClass& link, TDeviceAddressing& addressing, std::span<const std::uint8_t> requestData);

}  // namespace lur
