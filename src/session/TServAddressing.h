#pragma once
// Where requests go, read from and written into the service record: requests
// go to its addressing index; after a page write they go to its configured
// device (a page 99 write has just renumbered the controller).
#include "link/TPageWriter.h"
#include "model/TServClass.h"

namespace lur {

class TServAddressing : public TDeviceAddressing {
 public:
  explicit TServAddressing(TServClass& serv) : serv_(serv) {}
  int AddressIndex() const override { return serv_.GetAddressIndex(); }
  void SetAddressIndex(int index) override { serv_.SetAddressIndex(index); }
  int DeviceIndex() const override { return serv_.GetDeviceIndex(); }

 private:
  TServClass& serv_;
};

}  // namespace lur
