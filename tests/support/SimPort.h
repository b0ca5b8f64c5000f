#pragma once
// The simulated controller behind a serial port, in this process and on
// virtual time: every frame written goes to a lur::sim::SimController, its
// answer is what the next reads return. All time on the line passes through
// the waiter's SleepMs: reads that come up short sleep the time-out a real
// port would wait, so a silent controller costs TotalReadTimeoutMs, and a
// clock that fires timers there sees them fire while a request waits. The
// port records what it saw and lets a test stage the controller's per-page and
// per-request faults at any point of an exchange, or rewrite any answer.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "link/ScriptedPort.h"
#include "link/TSerialPort.h"
#include "link/TWaiter.h"
#include "sim/FaultPlan.h"
#include "sim/PageStore.h"
#include "sim/SimController.h"
#include "sim/SimOptions.h"

namespace lur::test {

using Frame = std::vector<std::uint8_t>;

class SimPort : public TSerialPort {
 public:
  using Bytes = Frame;
  struct Request {
    std::uint8_t function;
    std::uint8_t page;  // 0 for requests without a page
    int address;
    Bytes bytes;
    std::int64_t atMs;
  };

  // A controller made by the options, holding the default pages of its
  // modules, those pages as pagesEdit changed them, or the given ones.
  explicit SimPort(TWaiter& clock, const sim::SimOptions& options = {});
  SimPort(TWaiter& clock, const sim::SimOptions& options, const std::function<void(sim::PageStore&)>& pagesEdit);
  SimPort(TWaiter& clock, const sim::SimOptions& options, sim::PageStore pages);

  void Open(const TPortSettings&) override { open_ = true; }
  void Close() noexcept override { open_ = false; }
  bool IsOpen() const override { return open_; }
  void ClearBuffers() override { incoming_.clear(); }
  void Write(const std::uint8_t* data, std::size_t count) override;
  int Read(std::uint8_t* buffer, int count) override;

  // The controller behind the port. Rebuild replaces it by one made by other
  // options (other modules, another address, a block count), holding what the
  // old one held or the given pages; staged faults carry over.
  sim::SimController& Controller() { return *controller_; }
  const sim::SimOptions& Options() const { return options_; }
  void Rebuild(const sim::SimOptions& options);
  void Rebuild(const sim::SimOptions& options, sim::PageStore pages);

  // The bytes the controller holds of a page (after the page number); fails
  // the test and returns an empty page when it holds none.
  const Bytes& Page(std::uint8_t page) const;

  // Faults: requests of `function` for `page` (0x44, 0x45) spoiled on their
  // nth time from now (1: the next), or every time when nth is 0; any
  // request matching; the nth request from now, whatever it is.
  void FailPage(std::uint8_t function, std::uint8_t page, sim::StagedFault fault, unsigned nth = 0);
  void Fail(sim::RequestMatch match, sim::StagedFault fault, unsigned nth = 0);
  void FailRequest(unsigned nth, sim::StagedFault fault) { Fail({}, fault, nth); }
  void ClearFaults() { controller_->Faults().Clear(); }

  // Rewrites the controller's answer (staged faults applied) to a request;
  // nullopt is silence. Unlike a staged fault, the request has been served.
  std::function<std::optional<Frame>(const Frame& request, std::optional<Frame> answer)> rewriteAnswer;
  // The time the controller takes before its answer starts.
  int answerDelayMs = 0;

  // What happened: every frame written, and the page writes the controller
  // accepted (page -> its last bytes, and their order).
  std::vector<Request> requests;
  std::map<std::uint8_t, Bytes> written;
  std::vector<std::uint8_t> writeOrder;

  std::vector<std::uint8_t> PagesRead() const;
  std::vector<std::uint8_t> PagesWritten() const;
  int Count(std::uint8_t function) const;
  // The requests of a function, in order.
  std::vector<Frame> RequestsOf(std::uint8_t function) const;
  void ForgetRequests();

 private:
  void Observe();
  std::vector<std::uint8_t> PagesOf(std::uint8_t function) const;

  TWaiter& clock_;
  sim::SimOptions options_;
  std::unique_ptr<sim::SimController> controller_;
  std::deque<std::uint8_t> incoming_;
  bool open_ = true;
  bool answerPending_ = false;
};

// Shorthands for staged faults.
inline sim::StagedFault Silence() { return {sim::AnswerFault::Silence}; }
inline sim::StagedFault ExceptionAnswer(std::uint8_t code) { return {sim::AnswerFault::Exception, code}; }
inline sim::StagedFault BadCrc() { return {sim::AnswerFault::BadCrc}; }
inline sim::StagedFault Truncated() { return {sim::AnswerFault::Truncate}; }
inline sim::StagedFault ShortData() { return {sim::AnswerFault::ShortData}; }

}  // namespace lur::test
