#include "support/SimPort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "model/Protocol.h"
#include "sim/DefaultPages.h"
#include "sim/ModuleSet.h"

namespace lur::test {

namespace {

sim::PageStore DefaultPagesOf(const sim::SimOptions& options) {
  return sim::MakeDefaultPages(sim::ModuleSet(options.modules, options.display), options.functionBlocks);
}

}  // namespace

SimPort::SimPort(TWaiter& clock, const sim::SimOptions& options) : SimPort(clock, options, DefaultPagesOf(options)) {}

SimPort::SimPort(TWaiter& clock, const sim::SimOptions& options,
                 const std::function<void(sim::PageStore&)>& pagesEdit)
    : SimPort(clock, options, [&] {
        sim::PageStore pages = DefaultPagesOf(options);
        if (pagesEdit) pagesEdit(pages);
        return pages;
      }()) {}

SimPort::SimPort(TWaiter& clock, const sim::SimOptions& options, sim::PageStore pages) : clock_(clock) {
  Rebuild(options, std::move(pages));
}

void SimPort::Rebuild(const sim::SimOptions& options) { Rebuild(options, controller_->Pages()); }

void SimPort::Rebuild(const sim::SimOptions& options, sim::PageStore pages) {
  sim::FaultPlan staged;
  if (controller_) staged = controller_->Faults();
  options_ = options;
  // A fixed calendar start keeps the clock registers the same on every run.
  controller_ = std::make_unique<sim::SimController>(
      options_, std::move(pages), [this] { return clock_.NowMs(); }, sim::ClockTime{});
  controller_->Faults() = staged;
  Observe();
}

void SimPort::Observe() {
  controller_->SetPageWriteObserver([this](std::uint8_t page, std::span<const std::uint8_t> bytes) {
    written[page] = Bytes(bytes.begin(), bytes.end());
    writeOrder.push_back(page);
  });
}

void SimPort::Write(const std::uint8_t* data, std::size_t count) {
  const Bytes request(data, data + count);
  const bool paged = count > 4 && (request[1] == fn::kReadPage || request[1] == fn::kWritePage);
  if (count >= 2) {
    requests.push_back({request[1], paged ? request[2] : std::uint8_t{0}, request[0], request, clock_.NowMs()});
  }
  std::optional<Frame> answer = controller_->Answer(request);
  if (rewriteAnswer) answer = rewriteAnswer(request, std::move(answer));
  if (answer) incoming_.insert(incoming_.end(), answer->begin(), answer->end());
  answerPending_ = true;
}

int SimPort::Read(std::uint8_t* buffer, int count) {
  if (answerPending_ && answerDelayMs > 0) clock_.SleepMs(answerDelayMs);
  answerPending_ = false;
  int got = 0;
  while (got < count && !incoming_.empty()) {
    buffer[got++] = incoming_.front();
    incoming_.pop_front();
  }
  if (got < count) clock_.SleepMs(got == 0 ? ReadTimeoutMs(count) : std::min(kInterByteTimeoutMs, ReadTimeoutMs(count)));
  return got;
}

const SimPort::Bytes& SimPort::Page(std::uint8_t page) const {
  static const Bytes kNone;
  const Bytes* bytes = controller_->Pages().Find(page);
  if (bytes == nullptr) {
    ADD_FAILURE() << "the controller holds no page " << int{page};
    return kNone;
  }
  return *bytes;
}

void SimPort::FailPage(std::uint8_t function, std::uint8_t page, sim::StagedFault fault, unsigned nth) {
  Fail({function, page}, fault, nth);
}

void SimPort::Fail(sim::RequestMatch match, sim::StagedFault fault, unsigned nth) {
  controller_->Faults().Add(match, fault, nth);
}

std::vector<std::uint8_t> SimPort::PagesOf(std::uint8_t function) const {
  std::vector<std::uint8_t> pages;
  for (const Request& r : requests) {
    if (r.function == function) pages.push_back(r.page);
  }
  return pages;
}

std::vector<std::uint8_t> SimPort::PagesRead() const { return PagesOf(fn::kReadPage); }
std::vector<std::uint8_t> SimPort::PagesWritten() const { return PagesOf(fn::kWritePage); }

int SimPort::Count(std::uint8_t function) const {
  int n = 0;
  for (const Request& r : requests) n += r.function == function;
  return n;
}

std::vector<Frame> SimPort::RequestsOf(std::uint8_t function) const {
  std::vector<Frame> out;
  for (const Request& r : requests) {
    if (r.function == function) out.push_back(r.bytes);
  }
  return out;
}

void SimPort::ForgetRequests() {
  requests.clear();
  written.clear();
  writeOrder.clear();
}

}  // namespace lur::test
