#pragma once
// The signals the controller receives over its local network: the exchange
// blocks of page 10 with functions 1 and 2 deliver one discrete signal an
// output, those with functions 3 and 4 one analog value an output, which also
// adds four limit signals to the discrete signal base.
#include "sim/PageStore.h"

namespace lur::sim {

struct NetworkSignals {
  int discreteEntries = 0;  // entries of the discrete signal base
  int analogValues = 0;     // entries of the analog signal list
};

NetworkSignals CountNetworkSignals(const PageStore& pages);

}  // namespace lur::sim
