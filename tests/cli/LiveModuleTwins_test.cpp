#include "cli/LiveModuleTwins.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "link/TComPortClass.h"
#include "live/ModuleLiveFixture.h"
#include "live/TFormVhDController.h"
#include "live/TFormVyhOnLController.h"
#include "model/TConfiguration.h"
#include "session/TSession.h"
#include "support/SimPort.h"
#include "ui/TTerminalUserInterface.h"

namespace lur::test {
namespace {

using Reads = std::vector<std::array<int, 3>>;

Reads ReadsOf(const SimPort& line) {
  Reads out;
  for (const SimPort::Request& q : line.requests) {
    const Frame& r = q.bytes;
    out.push_back(r[1] == fn::kIdentity ? std::array<int, 3>{r[1], 0, 0}
                                        : std::array<int, 3>{r[1], r[2] << 8 | r[3], r[4] << 8 | r[5]});
  }
  return out;
}

// lurctl live inputs / outputs over the simulated controller, on virtual
// time, with no configuration, as lurctl runs them.
class LiveModuleTwinsTest : public ::testing::Test {
 protected:
  explicit LiveModuleTwinsTest(const sim::SimOptions& options = ModuleLiveOptions()) : line(clock, options) {
    link.PortName = "COM1";
  }
  ~LiveModuleTwinsTest() override { std::fclose(boxFile); }

  int Run(const std::vector<std::string>& args) {
    return RunLiveView(ProgramLiveViews(), args, session, clock, out, err);
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string text; std::getline(in, text);) lines.push_back(text);
    return lines;
  }
  std::string Boxes() {
    std::fflush(boxFile);
    std::rewind(boxFile);
    std::string text;
    for (int c; (c = std::fgetc(boxFile)) != EOF;) text += static_cast<char>(c);
    return text;
  }

  VirtualClock clock;
  SimPort line;
  std::FILE* boxFile = std::tmpfile();
  TTerminalUserInterface ui{boxFile};
  TComPortClass link{line, clock};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TFixedAddressing addressing{0, 0};
  TSession session{*config, link, ui, addressing};
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(LiveModuleTwinsTest, InputsAskTheIdentityOnceThenPollAsTheWindowDoes) {
  sim::SimController& sim = line.Controller();
  sim.SetModuleFaulty(3, true);
  sim.SetSignalUnreliable(25, true);
  sim.SetSignalUnreliable(36, true);
  for (int n = 24; n < 36; ++n) sim.Live().SetDiscreteInput(n, n % 3 == 0);

  EXPECT_EQ(Run({"inputs", "3", "--count", "2"}), 0);

  const Reads poll = {{1, 1016, 16}, {2, 24, 12}, {1, 1080, 12}};
  Reads expected = {{17, 0, 0}};
  expected.insert(expected.end(), poll.begin(), poll.end());
  expected.insert(expected.end(), poll.begin(), poll.end());
  EXPECT_EQ(ReadsOf(line), expected);
  const std::string cells =
      "faulty=true on=on,off,off,on,off,off,on,off,off,on,off,off "
      "unreliable=недостовер.,достовер.,достовер.,достовер.,достовер.,достовер.,достовер.,достовер.,достовер.,"
      "достовер.,достовер.,недостовер.";
  EXPECT_EQ(Lines(), (std::vector<std::string>{"poll=1 ms=3000 " + cells, "poll=2 ms=6000 " + cells}));
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(Boxes(), "");
}

TEST_F(LiveModuleTwinsTest, OutputsOfTheSlotAfterAControlLoopModuleInJson) {
  // Output 1 of every module is on from the start; output 3 of module 2 too.
  line.Controller().Live().SetCoil(10, true);

  EXPECT_EQ(Run({"outputs", "7", "--json", "--count", "1"}), 0);

  EXPECT_EQ(ReadsOf(line), (Reads{{17, 0, 0}, {1, 1016, 16}, {1, 8, 8}}));
  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         "{\"view\":\"outputs\",\"poll\":1,\"ms\":1000,\"cells\":{\"faulty\":false,"
                         "\"on\":[true,false,true,false,false,false,false,false]}}"}));
}

TEST_F(LiveModuleTwinsTest, TheTwinsPollsAreTheWindowsPolls) {
  // The window on its own configuration, read from the same controller.
  ModuleLiveRig rig;
  TFormVyhOnLController window{rig.session};
  window.AttachTimer(rig.timer);
  ASSERT_TRUE(window.Open(6, "МР-73"));
  window.FormShow();
  rig.clock.Advance(3000);
  window.FormClose();

  EXPECT_EQ(Run({"outputs", "6", "--count", "3"}), 0);

  Reads twin = ReadsOf(line);
  ASSERT_FALSE(twin.empty());
  EXPECT_EQ(twin.front(), (std::array<int, 3>{17, 0, 0}));
  twin.erase(twin.begin());
  EXPECT_EQ(twin, rig.Reads());
}

TEST_F(LiveModuleTwinsTest, AModuleThatIsNotThereIsRefusedAfterTheIdentity) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {{"inputs", "4"}, "lurctl: inputs: position 4 holds no discrete input module\n"},
      {{"inputs", "9"}, "lurctl: inputs: position 9 holds no discrete input module\n"},
      {{"inputs", "0"}, "lurctl: inputs: position 0 holds no discrete input module\n"},
      {{"outputs", "5"}, "lurctl: outputs: slot 5 holds no output module of the first five\n"},
      {{"outputs", "1"}, "lurctl: outputs: slot 1 holds no output module of the first five\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    line.ForgetRequests();
    err.str("");
    EXPECT_EQ(Run(c.args), 1);
    EXPECT_EQ(err.str(), c.message);
    EXPECT_EQ(ReadsOf(line), (Reads{{17, 0, 0}}));
  }
  EXPECT_TRUE(out.str().empty());
}

TEST_F(LiveModuleTwinsTest, AMalformedArgumentIsAUsageError) {
  for (const auto& args : std::vector<std::vector<std::string>>{{"inputs"}, {"inputs", "x"}, {"outputs", "6", "7"}}) {
    err.str("");
    EXPECT_EQ(Run(args), 2);
    EXPECT_NE(err.str().find("takes one"), std::string::npos) << err.str();
  }
  EXPECT_TRUE(line.requests.empty());
}

TEST_F(LiveModuleTwinsTest, AFailureExitsOneWithTheWindowsMessage) {
  // No identity: the message of the link and exit 1, nothing polled.
  line.Fail({fn::kIdentity, std::nullopt}, Silence());
  EXPECT_EQ(Run({"inputs", "1"}), 1);
  EXPECT_EQ(Boxes(), "устройство 1 COM1 не отвечает на запрос\n");
  EXPECT_EQ(err.str(), "lurctl: inputs: the identity could not be read\n");
  line.ClearFaults();

  // The second poll's output read gets no answer: one message, exit 1.
  int outputReads = 0;
  line.rewriteAnswer = [&outputReads](const Frame& request, std::optional<Frame> answer) -> std::optional<Frame> {
    if (request[1] == 1 && request[3] == 0 && ++outputReads >= 2) return std::nullopt;
    return answer;
  };
  err.str("");
  EXPECT_EQ(Run({"outputs", "6", "--count", "5"}), 1);
  EXPECT_EQ(Lines().size(), 1u);
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(Boxes(), "устройство 1 COM1 не отвечает на запрос\nустройство 1 COM1 не отвечает на запрос\n");
}

}  // namespace
}  // namespace lur::test
