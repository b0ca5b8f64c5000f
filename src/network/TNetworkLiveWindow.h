#pragma once
// The seam between the exchange block dialog and the live views of what a
// block receives: the dialog hands over its block and the texts of its
// head, the program shows the discrete or the analog window for it. A null
// window leaves the dialog's "on line" off.
#include <string>

namespace lur {

struct TNetworkLiveRequest {
  int block = 0;             // 0-based exchange block
  std::string deviceType;    // the dialog's current device type item text
  std::string slaveAddress;  // the dialog's slave address text
};

class TNetworkLiveWindow {
 public:
  virtual ~TNetworkLiveWindow() = default;
  virtual void Show(const TNetworkLiveRequest& request) = 0;
};

}  // namespace lur
