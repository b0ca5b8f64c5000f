#pragma once
// The simulated controller behind a serial port on virtual time, in process:
// each request written is answered by SimController at once, and a test can
// rewrite or drop any answer. All time on the line passes through the
// waiter's SleepMs, so a clock that fires timers there sees them fire while a
// request waits.
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "link/Crc16.h"
#include "link/TSerialPort.h"
#include "link/TWaiter.h"
#include "sim/DefaultPages.h"
#include "sim/ModuleSet.h"
#include "sim/SimController.h"

namespace lur::test {

using Frame = std::vector<std::uint8_t>;

class SimLine : public TSerialPort {
 public:
  // pagesEdit may change the factory pages before the controller takes them.
  explicit SimLine(TWaiter& clock, sim::SimOptions options = {},
                   const std::function<void(sim::PageStore&)>& pagesEdit = {})
      : clock_(clock) {
    const sim::ModuleSet modules(options.modules, options.display);
    sim::PageStore pages = sim::MakeDefaultPages(modules, options.functionBlocks);
    if (pagesEdit) pagesEdit(pages);
    controller_ = std::make_unique<sim::SimController>(options, std::move(pages), [this] { return clock_.NowMs(); },
                                                       sim::ClockTime{});
  }

  void Open(const TPortSettings&) override { open_ = true; }
  void Close() noexcept override { open_ = false; }
  bool IsOpen() const override { return open_; }
  void ClearBuffers() override { incoming_.clear(); }
  void Write(const std::uint8_t* data, std::size_t count) override {
    Frame request(data, data + count);
    requests.push_back(request);
    std::optional<Frame> answer = controller_->Answer(request);
    if (fault) answer = fault(request, std::move(answer));
    if (answer) incoming_.insert(incoming_.end(), answer->begin(), answer->end());
    answerPending_ = true;
  }
  int Read(std::uint8_t* buffer, int count) override {
    if (answerPending_ && answerDelayMs > 0) clock_.SleepMs(answerDelayMs);
    answerPending_ = false;
    int got = 0;
    while (got < count && !incoming_.empty()) {
      buffer[got++] = incoming_.front();
      incoming_.pop_front();
    }
    if (got < count) clock_.SleepMs(got == 0 ? TotalReadTimeoutMs(count) : kInterByteTimeoutMs);
    return got;
  }

  sim::SimController& Controller() { return *controller_; }

  // Requests of a function, in order.
  std::vector<Frame> RequestsOf(std::uint8_t function) const {
    std::vector<Frame> out;
    for (const Frame& r : requests) {
      if (r.size() > 1 && r[1] == function) out.push_back(r);
    }
    return out;
  }

  // Rewrites the controller's answer to a request (nullopt: silence).
  std::function<std::optional<Frame>(const Frame& request, std::optional<Frame> answer)> fault;
  // The time the controller takes before its answer starts.
  int answerDelayMs = 0;
  std::vector<Frame> requests;

 private:
  TWaiter& clock_;
  std::unique_ptr<sim::SimController> controller_;
  std::deque<std::uint8_t> incoming_;
  bool open_ = true;
  bool answerPending_ = false;
};

// A well-formed answer with one data byte fewer and its count byte and CRC
// made to match: only the byte count betrays it.
inline Frame OneByteShort(const Frame& answer) {
  Frame shorter(answer.begin(), answer.end() - 3);
  shorter[2] = static_cast<std::uint8_t>(shorter[2] - 1);
  shorter.resize(shorter.size() + 2);
  AppendCrc16(shorter.data(), shorter.size() - 2);
  return shorter;
}

// An exception answer with its CRC.
inline Frame ExceptionAnswer(const Frame& request, std::uint8_t code) {
  Frame answer{request[0], static_cast<std::uint8_t>(request[1] | 0x80), code, 0, 0};
  AppendCrc16(answer.data(), 3);
  return answer;
}

}  // namespace lur::test
