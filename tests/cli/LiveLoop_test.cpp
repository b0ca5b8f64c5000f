// lurctl live loop N over the simulated controller on virtual time: the
// configuration read first (or taken from a file), the window's polls, the
// one change made through the window's operations, the password, and
// failures ending in exit 1 with the message on stderr.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/LiveLoopTwin.h"
#include "link/TComPortClass.h"
#include "loops/RegOnLineFixture.h"
#include "model/TConfiguration.h"
#include "session/TSession.h"
#include "shell/TFileOperations.h"
#include "shell/TMainState.h"
#include "support/SimPort.h"
#include "ui/TTerminalUserInterface.h"

namespace lur::test {
namespace {

// The warning of the limited level as the terminal prints it, on one line.
const char* const kNoAccessLine = "Ваш уровень доступа не позволяет производить вывод в СОМ-порт";
const std::vector<std::string> kPassword = {"--password", "9362", "--password-file",
                                            "/nonexistent/FParol.dat"};


class LiveLoopTest : public ::testing::Test {
 protected:
  LiveLoopTest() {
    link.PortName = "COM1";
    // The regulators' status coils as the tests want them.
    line.Controller().Live().SetCoil(800, false);  // loop 2 (record 3) in manual mode
  }
  ~LiveLoopTest() override { std::fclose(boxFile); }

  int Run(std::vector<std::string> args, const std::vector<std::string>& more = {}) {
    args.insert(args.begin(), "loop");
    args.insert(args.end(), more.begin(), more.end());
    return RunLiveView(ProgramLiveViews(), args, session, clock, out, err);
  }
  // The boxes shown since the last call.
  std::string Boxes() {
    std::fflush(boxFile);
    std::rewind(boxFile);
    std::string text;
    for (int c; (c = std::fgetc(boxFile)) != EOF;) text += static_cast<char>(c);
    const std::string fresh = text.substr(std::min(seen_, text.size()));
    seen_ = text.size();
    return fresh;
  }
  std::size_t seen_ = 0;
  // The frames of functions 5 and 16, without their CRC.
  std::vector<Frame> Writes() const {
    std::vector<Frame> out;
    for (const SimPort::Request& q : line.requests) {
      if (q.function == 5 || q.function == 16) out.emplace_back(q.bytes.begin(), q.bytes.end() - 2);
    }
    return out;
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string text; std::getline(in, text);) lines.push_back(text);
    return lines;
  }

  PollClock clock;
  SimPort line{clock, RegOnLineOptions(), [](sim::PageStore& pages) {
                 TProgRegClass reg;
                 FillFourLoops(reg);
                 reg.StorePage(TProgRegClass::RegPage);
                 const auto& image = reg.PageBuffer();
                 pages.Put(TProgRegClass::RegPage, std::vector<std::uint8_t>(image.begin(), image.end()));
               }};
  std::FILE* boxFile = std::tmpfile();
  TTerminalUserInterface ui{boxFile};
  TComPortClass link{line, clock};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TFixedAddressing addressing{0, 0};
  TSession session{*config, link, ui, addressing};
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(LiveLoopTest, JsonPollsPrintThePanelsAfterTheConfigurationIsRead) {
  line.Controller().Live().SetHoldingFloat(678, 7.3f);
  line.Controller().Live().SetCoil(791, true);
  ASSERT_EQ(Run({"1", "--json", "--count", "2"}), 0) << err.str() << Boxes();
  // The configuration's pages, then two polls of the window's two requests.
  ASSERT_GE(line.requests.size(), 4u);
  EXPECT_GT(line.Count(0x44), 0);
  std::vector<std::uint8_t> tail;
  for (auto it = line.requests.end() - 4; it != line.requests.end(); ++it) tail.push_back(it->function);
  EXPECT_EQ(tail, (std::vector<std::uint8_t>{3, 1, 3, 1}));
  EXPECT_TRUE(Writes().empty());

  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), 2u);
  for (const char* part :
       {"\"view\":\"loop\"", "\"reg1\":1", "\"reg2\":2", "\"sp2\":7.3", "\"out1\":42.5", "\"auto1\":true",
        "\"in_lamp1\":\"red\"", "\"out_lamp1\":\"green\"", "\"change_sp\":true", "\"change_out\":false"}) {
    EXPECT_NE(lines[1].find(part), std::string::npos) << part << " in " << lines[1];
  }
}

TEST_F(LiveLoopTest, AChangeSendsTheWindowsFrameAndShowsAtTheNextPoll) {
  struct Case {
    const char* what;
    std::vector<std::string> args;
    std::vector<Frame> frames;
    const char* shown;  // in the poll's line after the change
  };
  const Case cases[] = {
      {"set point of a cascade's inner regulator",
       {"1", "--sp", "7.75", "--panel", "2"},
       {FloatFrame(678, 7.75f)},
       "\"sp2\":7.75"},
      {"output in manual mode", {"2", "--out", "55,5"}, {FloatFrame(686, 55.5f)}, "\"out1\":55.5"},
      {"manual", {"3", "--auto", "off"}, {CoilFrame(808, false), CoilFrame(809, false)}, "\"auto1\":false"},
      {"automatic", {"3", "--auto", "on"}, {CoilFrame(808, true)}, "\"auto1\":true"},
      {"AP on a setter loop", {"3", "--ap", "on"}, {CoilFrame(809, true)}, "\"ap1\":true"},
      {"step up in manual mode", {"2", "--step", "up"}, {CoilFrame(106, true)}, "\"out1\":56.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    line.ForgetRequests();
    out.str("");
    ASSERT_EQ(
        Run(c.args, {"--json", "--count", "1", "--password", "9362", "--password-file", "/nonexistent/p"}), 0)
        << err.str() << Boxes();
    EXPECT_EQ(Writes(), c.frames);
    EXPECT_NE(out.str().find(c.shown), std::string::npos) << out.str();
  }
}

TEST_F(LiveLoopTest, RefusedChangesSendNothingAndExitOneWithTheirMessage) {
  struct Case {
    const char* what;
    std::vector<std::string> args;
    const char* box;    // "" for none
    const char* error;  // on stderr
  };
  const Case cases[] = {
      {"no password", {"3", "--auto", "off"}, kNoAccessLine, "lurctl: loop: the change was not made"},
      {"no password for a value", {"1", "--sp", "1"}, kNoAccessLine, "the change was not made"},
      {"wrong password",
       {"3", "--step", "up", "--password", "1"},
       "Введенный пароль неверен",
       "the password was refused"},
      {"output out of range",
       {"2", "--out", "120", "--password", "9362"},
       "Величина вне диапазона 0 - 100",
       "the change was not made"},
      {"set point in manual mode",
       {"2", "--sp", "5", "--password", "9362"},
       "",
       "\"Изменить SP\" is disabled: the regulator is in manual mode"},
      {"AP on a single loop", {"2", "--ap", "on", "--password", "9362"}, "", "\"AP\" is taken only"},
      {"a second panel of a single loop",
       {"2", "--step", "up", "--panel", "2", "--password", "9362"},
       "",
       "loop 2 has no panel 2"},
      {"no such loop", {"5", "--json"}, "", "the configuration holds no loop 5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    line.ForgetRequests();
    err.str("");
    Boxes();
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"--password-file", "/nonexistent/p", "--count", "1"});
    EXPECT_EQ(Run(args), 1);
    EXPECT_TRUE(Writes().empty());
    EXPECT_NE(Boxes().find(c.box), std::string::npos) << c.box;
    EXPECT_NE(err.str().find(c.error), std::string::npos) << err.str();
    EXPECT_TRUE(out.str().empty());
  }
}

TEST_F(LiveLoopTest, AFailedWriteOrPollExitsOneWithTheControllersMessage) {
  line.Fail({std::uint8_t{5}, 808}, ExceptionAnswer(4));
  EXPECT_EQ(Run({"3", "--auto", "off", "--count", "1"}, kPassword), 1);
  EXPECT_NE(Boxes().find(link.ErrorText(0, 4)), std::string::npos);
  EXPECT_EQ(Writes().size(), 1u);
  EXPECT_TRUE(out.str().empty());

  line.ClearFaults();
  line.Fail({std::uint8_t{1}, 784}, Silence());
  Boxes();
  err.str("");
  EXPECT_EQ(Run({"1", "--count", "3"}), 1);
  EXPECT_NE(Boxes().find(link.ErrorText(0, kResultNoAnswer)), std::string::npos);
}

TEST_F(LiveLoopTest, AConfigurationFileTakesThePlaceOfTheRead) {
  // The controller's configuration saved, as `lurctl read` saves it.
  ASSERT_EQ(Run({"1", "--count", "1"}), 0) << err.str();
  const std::string file = (std::filesystem::temp_directory_path() / "liveloop_test.lur").string();
  TMainState state;
  const std::function<void()> noRefresh;
  ASSERT_TRUE(TFileOperations(*config, ui, state, noRefresh, noRefresh).WriteConfigFile(file));

  line.ForgetRequests();
  out.str("");
  config = std::make_unique<TConfiguration>();
  TSession fresh{*config, link, ui, addressing};
  ASSERT_EQ(RunLiveView(ProgramLiveViews(), {"loop", "1", "--config", file, "--count", "1"}, fresh, clock,
                        out, err),
            0)
      << err.str() << Boxes();
  EXPECT_EQ(line.Count(0x44), 0);
  EXPECT_EQ(line.requests.size(), 2u);
  EXPECT_NE(out.str().find("reg2=2"), std::string::npos) << out.str();
  std::filesystem::remove(file);

  err.str("");
  EXPECT_EQ(RunLiveView(ProgramLiveViews(), {"loop", "1", "--config", "/nonexistent/x.lur"}, fresh, clock,
                        out, err),
            1);
  EXPECT_NE(err.str().find("the configuration file could not be opened"), std::string::npos);
}

TEST(LiveLoopArguments, MistakesAreUsageErrors) {
  VirtualClock clock;
  SimPort line{clock};
  std::FILE* boxFile = std::tmpfile();
  TTerminalUserInterface ui{boxFile};
  TComPortClass link{line, clock};
  TConfiguration config;
  TFixedAddressing addressing{0, 0};
  TSession session{config, link, ui, addressing};
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"loop"},
                                             {"loop", "0"},
                                             {"loop", "7"},
                                             {"loop", "1", "2"},
                                             {"loop", "1", "--auto", "maybe"},
                                             {"loop", "1", "--sp"},
                                             {"loop", "1", "--sp", "1", "--out", "2"},
                                             {"loop", "1", "--panel", "3"},
                                             {"loop", "1", "--bogus"}}) {
    std::ostringstream out, err;
    EXPECT_EQ(RunLiveView(ProgramLiveViews(), args, session, clock, out, err), 2) << args.size();
    EXPECT_NE(err.str().find("takes N"), std::string::npos) << err.str();
  }
  EXPECT_TRUE(line.requests.empty());
  std::fclose(boxFile);
}

}  // namespace
}  // namespace lur::test
