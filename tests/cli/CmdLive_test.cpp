#include "cli/CmdLive.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "link/TPageWriter.h"
#include "model/TConfiguration.h"
#include "session/InputsView.h"
#include "session/TSession.h"
#include "support/SimPort.h"
#include "ui/TTerminalUserInterface.h"

namespace lur::test {
namespace {

// A view that presses Ctrl+C during its second poll.
class InterruptingView : public InputsView {
 public:
  using InputsView::InputsView;
  int Poll() override {
    const int code = InputsView::Poll();
    if (polls == 2) std::raise(SIGINT);
    return code;
  }
};

volatile std::sig_atomic_t gTestHandlerCalls = 0;
void TestHandler(int) { gTestHandlerCalls = gTestHandlerCalls + 1; }

// lurctl live over the simulated controller, on virtual time, with a
// test-only view registered as a window would register its twin.
class CmdLiveTest : public ::testing::Test {
 protected:
  CmdLiveTest() {
    link.PortName = "COM1";
    registry.push_back({"inputs", "the first module's inputs",
                        [](TSession& s, const std::vector<std::string>& args, std::string& error)
                            -> std::unique_ptr<TLiveView> {
                          if (!args.empty()) {
                            error = "takes no arguments";
                            return nullptr;
                          }
                          return std::make_unique<InputsView>(s);
                        }});
    registry.push_back({"interrupted", "presses Ctrl+C in its second poll",
                        [](TSession& s, const std::vector<std::string>&, std::string&) -> std::unique_ptr<TLiveView> {
                          return std::make_unique<InterruptingView>(s);
                        }});
  }
  ~CmdLiveTest() override { std::fclose(boxFile); }

  int Run(const std::vector<std::string>& args) { return RunLiveView(registry, args, session, clock, out, err); }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  // What the terminal user was shown: lurctl's stderr.
  std::string Boxes() {
    std::fflush(boxFile);
    std::rewind(boxFile);
    std::string text;
    for (int c; (c = std::fgetc(boxFile)) != EOF;) text += static_cast<char>(c);
    return text;
  }
  // The cells of a poll as the controller holds them.
  std::string Cells(bool json) {
    std::string cells = json ? "\"faulty\":false" : "faulty=false";
    for (int i = 0; i < 12; ++i) {
      const std::string state = line.Controller().Live().DiscreteInput(i) ? "on" : "off";
      const std::string name = "in" + std::to_string(i + 1);
      cells += json ? ",\"" + name + "\":\"" + state + "\"" : " " + name + "=" + state;
    }
    return cells;
  }

  VirtualClock clock;
  SimPort line{clock};
  std::FILE* boxFile = std::tmpfile();
  TTerminalUserInterface ui{boxFile};
  TComPortClass link{line, clock};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TFixedAddressing addressing{0, 0};
  TSession session{*config, link, ui, addressing};
  TLiveRegistry registry;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(CmdLiveTest, PrintsOneLineAPollAtTheWindowsPeriodUntilTheCount) {
  EXPECT_EQ(Run({"inputs", "--count", "3"}), 0);

  const std::string cells = Cells(false);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"poll=1 ms=3000 " + cells, "poll=2 ms=6000 " + cells,
                                               "poll=3 ms=9000 " + cells}));
  EXPECT_EQ(line.requests.size(), 6u);  // the window's two requests a poll, no more
  EXPECT_EQ(Boxes(), "");
}

TEST_F(CmdLiveTest, TheIntervalOverridesThePeriod) {
  EXPECT_EQ(Run({"inputs", "--interval", "500", "--count", "2"}), 0);

  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].substr(0, 14), "poll=1 ms=500 ");
  EXPECT_EQ(lines[1].substr(0, 15), "poll=2 ms=1000 ");
}

TEST_F(CmdLiveTest, JsonGivesOneObjectAPoll) {
  EXPECT_EQ(Run({"inputs", "--json", "--count", "2"}), 0);

  const std::string cells = Cells(true);
  EXPECT_EQ(Lines(), (std::vector<std::string>{
                         "{\"view\":\"inputs\",\"poll\":1,\"ms\":3000,\"cells\":{" + cells + "}}",
                         "{\"view\":\"inputs\",\"poll\":2,\"ms\":6000,\"cells\":{" + cells + "}}"}));
}

TEST_F(CmdLiveTest, AFailedPollPrintsTheWindowsMessageAndExitsOne) {
  int inputReads = 0;
  // The second poll's input read gets no answer.
  line.rewriteAnswer = [&inputReads](const Frame& request, std::optional<Frame> answer) -> std::optional<Frame> {
    if (request[1] == 2 && ++inputReads >= 2) return std::nullopt;
    return answer;
  };

  EXPECT_EQ(Run({"inputs", "--count", "5"}), 1);

  EXPECT_EQ(Lines().size(), 1u);
  EXPECT_EQ(Boxes(), "устройство 1 COM1 не отвечает на запрос\n");
}

TEST_F(CmdLiveTest, CtrlCEndsTheRunCleanlyAndPutsTheHandlerBack) {
  gTestHandlerCalls = 0;
  std::signal(SIGINT, TestHandler);

  EXPECT_EQ(Run({"interrupted"}), 0);

  EXPECT_EQ(Lines().size(), 2u);  // the interrupted poll still prints
  EXPECT_EQ(gTestHandlerCalls, 0);
  EXPECT_EQ(std::signal(SIGINT, SIG_DFL), &TestHandler);
}

TEST_F(CmdLiveTest, AMissingOrUnknownViewOrABadOptionListsTheViews) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {{}, "lurctl: live needs a view\n"},
      {{"outputs"}, "lurctl: unknown view outputs\n"},
      {{"inputs", "--count", "0"}, "lurctl: --count takes a number, 1 or more\n"},
      {{"inputs", "--interval", "fast"}, "lurctl: --interval takes a period in ms, 1 or more\n"},
      {{"inputs", "--interval"}, "lurctl: --interval takes a period in ms, 1 or more\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    err.str("");
    EXPECT_EQ(Run(c.args), 2);
    EXPECT_EQ(err.str(), std::string(c.message) +
                             "usage: lurctl live VIEW [--interval MS] [--count K] [--json]\n"
                             "views:\n"
                             "  inputs  the first module's inputs\n"
                             "  interrupted  presses Ctrl+C in its second poll\n");
  }
  EXPECT_TRUE(line.requests.empty());
  // A view's own arguments go to the view, which may refuse them.
  err.str("");
  EXPECT_EQ(Run({"inputs", "--slot", "3"}), 2);
  EXPECT_EQ(err.str(), "lurctl: inputs: takes no arguments\n");
}

TEST(CmdLiveRegistryTest, TheProgramRefusesAnUnknownViewBeforeAnyPortOpens) {
  std::ostringstream err;
  EXPECT_EQ(CheckLiveArguments(ProgramLiveViews(), {"no-such-view"}, err), 2);
  EXPECT_EQ(err.str().rfind("lurctl: unknown view no-such-view\nusage: lurctl live VIEW", 0), 0u);
}

}  // namespace
}  // namespace lur::test
