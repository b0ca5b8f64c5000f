#pragma once
// Fitting a configuration's network signals to a controller with another
// module set. The controller numbers its own local signals first (12 discrete
// inputs per discrete module, then 4 limit signals per analog input; 6 analog
// signals per analog module) and the network signals of the exchange blocks
// after them. When the configuration was made for fewer or more local modules,
// everything from the first network signal on must move by the difference so
// that it follows the controller's own local signals: the exchange blocks'
// start entries, the discrete processing records, the input texts, and
// every reference to a signal: function block inputs, function-15 numbers,
// relay acknowledge and reset inputs, regulators' controlled variables.
#include <optional>

#include "model/TConfiguration.h"

namespace lur {

class TSignalReconciliation {
 public:
  // The renumbering that fits cfg (its own module counts) to a controller with
  // devDI discrete and devAI analog input modules; nothing when the moved
  // signals would not fit the controller's lists (192 discrete entries, 48
  // analog signals) or would move below the first entry.
  static std::optional<TSignalReconciliation> Plan(const TConfiguration& cfg, int devDI, int devAI);

  // Renumbers the outgoing copy of the configuration.
  void Apply(TConfiguration& outgoing) const;

  int ShiftDiscrete() const { return shiftDiscrete_; }
  int ShiftAnalog() const { return shiftAnalog_; }
  // 0-based entry of the first network signal in the configuration's lists.
  int FirstNetDiscrete() const { return posDiscrete_; }
  int FirstNetAnalog() const { return posAnalog_; }

 private:
  int shiftDiscrete_ = 0;
  int shiftAnalog_ = 0;
  int posDiscrete_ = 0;
  int posAnalog_ = 0;
};

}  // namespace lur
