#include "live/views/TQtDetailWindows.h"

namespace lur {

TQtDetailWindows::~TQtDetailWindows() {
  delete infAn_.window;
  delete infNetAn_.window;
  delete infVyh_.window;
}

}  // namespace lur
