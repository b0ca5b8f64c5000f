#pragma once
// The controller side of a live window (module inputs and outputs, network
// inputs, a control loop on line, the clock): what one poll asks of the
// controller and what the cells show. The window's view and lurctl's twin
// run the same one through TLivePoller.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace lur {

// A row of two-state signals: JSON gives the bits, a text line the word of
// each.
struct TLiveBits {
  std::vector<bool> bits;
  std::string offWord;
  std::string onWord;
};

// One cell as lurctl prints it: a name and what the cell shows.
struct TLiveCell {
  std::string name;
  std::variant<std::int64_t, double, bool, std::string, TLiveBits> value;
};

class TLiveView {
 public:
  virtual ~TLiveView() = default;

  // The window's timer period.
  virtual int PeriodMs() const = 0;
  // One poll: the window's requests in their order. A request that fails ends
  // the poll at once (the later ones are not sent, the cells keep what they
  // show); its result code is returned, 0 when every request succeeded.
  // Nothing is reported here: the poller does that.
  virtual int Poll() = 0;
  // Empties the cells (the window is being shown).
  virtual void ClearCells() = 0;
  // Polling was switched on or off ("запущен опрос" shows or hides).
  virtual void PollingChanged(bool /*on*/) {}
  // The clock window keeps reading after a failed read; every other live
  // window stops polling.
  virtual bool KeepsPollingAfterFailure() const { return false; }
  // What the cells show now.
  virtual std::vector<TLiveCell> Cells() const = 0;
};

}  // namespace lur
