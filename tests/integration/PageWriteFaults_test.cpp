// The page write with completion poll against lursim over a pseudo-terminal
// when the completion poll goes wrong: an exception repeats the page as often
// as the attempt counter allows, a cut-short poll answer too; then the write
// gives up with the last result. What went over the line is counted from
// lursim's timestamped log.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "Processes.h"
#include "link/TComPortClass.h"
#include "link/TPageWriter.h"
#include "link/TQtSerialPort.h"
#include "link/TWaiter.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using Bytes = std::vector<std::uint8_t>;

// One request of lursim's log: when it came (ms since lursim started) and
// the request's bytes as hex.
struct LoggedRequest {
  double ms;
  std::string request;
};

std::vector<LoggedRequest> LoggedRequests(const std::string& log) {
  // "%10.3f " then "<request hex> -> <answer hex>" or "-> (no answer)".
  static const std::regex kLine(R"(^ *([0-9]+\.[0-9]{3}) ([0-9A-F]{2}( [0-9A-F]{2})*) -> .*$)");
  std::vector<LoggedRequest> requests;
  std::istringstream lines(log);
  std::string line;
  std::smatch m;
  while (std::getline(lines, line)) {
    if (std::regex_match(line, m, kLine)) requests.push_back({std::stod(m[1]), m[2]});
  }
  return requests;
}

std::vector<double> TimesOf(const std::vector<LoggedRequest>& requests, const std::string& head) {
  std::vector<double> times;
  for (const auto& r : requests) {
    if (r.request.rfind(head, 0) == 0) times.push_back(r.ms);
  }
  return times;
}

class PageWriteFaults : public ::testing::Test {
 protected:
  void Start(const std::vector<std::string>& faults) {
    std::vector<std::string> options = {"--verbose"};
    options.insert(options.end(), faults.begin(), faults.end());
    sim = std::make_unique<test::Simulator>(dir, options);
    ASSERT_TRUE(sim->Ready()) << sim->Log();
    link.PortName = sim->link;
    ASSERT_EQ(link.OpenPort(), 0);
  }
  // The units page (35) with its 96 bytes.
  int WriteUnitsPage() {
    Bytes request{35};
    request.resize(1 + 96, ' ');
    TFixedAddressing addressing(0, 0);
    return WritePageWithPoll(link, addressing, request);
  }

  test::TempDir dir;
  std::unique_ptr<test::Simulator> sim;
  TSteadyWaiter waiter;
  TQtSerialPort port{waiter};
  TScriptedUserInterface ui;
  TComPortClass link{port, waiter};
};

TEST_F(PageWriteFaults, PollExceptionRepeatsThePageAsTheAttemptCounterAllowsThenGivesUp) {
  Start({"--poll-exception", "2"});
  EXPECT_EQ(WriteUnitsPage(), 2);
  const auto requests = LoggedRequests(sim->Log());
  const auto sends = TimesOf(requests, "01 45 23");
  EXPECT_EQ(sends.size(), link.GetRetriesStage1()) << sim->Log();
  // One poll after each send: an exception is final for its transaction.
  EXPECT_EQ(TimesOf(requests, "01 0E").size(), sends.size()) << sim->Log();
  // Between two sends: the 300 ms pause after the send, the poll, the 200 ms
  // pause after its failure.
  for (std::size_t i = 1; i < sends.size(); ++i) EXPECT_GE(sends[i] - sends[i - 1], 500.0) << i;
}

TEST_F(PageWriteFaults, TruncatedPollAnswerSendsThePageFiveTimesThenGivesUp) {
  Start({"--poll-truncate"});
  EXPECT_EQ(WriteUnitsPage(), kResultIncomplete);
  const auto requests = LoggedRequests(sim->Log());
  const auto sends = TimesOf(requests, "01 45 23");
  EXPECT_EQ(sends.size(), 5u) << sim->Log();
  // Each poll transaction spends its attempts on the cut answers.
  EXPECT_EQ(TimesOf(requests, "01 0E").size(), 5u * link.GetRetriesStage1()) << sim->Log();
  for (std::size_t i = 1; i < sends.size(); ++i) EXPECT_GE(sends[i] - sends[i - 1], 500.0) << i;
}

TEST_F(PageWriteFaults, EveryLoggedLineStartsWithItsTimestamp) {
  Start({});
  EXPECT_EQ(WriteUnitsPage(), 0);
  const std::string log = sim->Log();
  const auto requests = LoggedRequests(log);
  ASSERT_EQ(requests.size(), 2u) << log;  // the page and one poll
  EXPECT_LE(requests[0].ms, requests[1].ms);
  EXPECT_GE(requests[1].ms - requests[0].ms, 300.0);  // the pause before the poll
  // Nothing else but the announcement is in the log.
  std::istringstream lines(log);
  std::string line;
  int others = 0;
  while (std::getline(lines, line)) others += line.find(" -> ") == std::string::npos;
  EXPECT_EQ(others, 1) << log;
}

}  // namespace
}  // namespace lur
