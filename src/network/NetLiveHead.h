#pragma once
// The head both live views of an exchange block show: the slave's device
// type and its address on the local network, as the block dialog holds them.
#include <string>
#include <string_view>

namespace lur {

struct TNetLiveHead {
  std::string tipMod;   // the device type item's text
  std::string labAMod;  // the slave address text
};

// The device type item "другие " reads "не определен" in the discrete view's
// head; every other item, and the analog view's head, keep their text.
inline std::string DiscreteHeadType(std::string_view deviceType) {
  return deviceType == "другие " ? std::string("не определен") : std::string(deviceType);
}

}  // namespace lur
