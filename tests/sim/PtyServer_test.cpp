#include "sim/PtyServer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "RequestFrames.h"
#include "sim/DefaultPages.h"

extern char** environ;

namespace lur::sim {
namespace {

using namespace lur::sim::testing;
namespace fs = std::filesystem;

class TempDir {
 public:
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "lursim-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempDir() { fs::remove_all(path_); }
  fs::path operator/(const char* name) const { return fs::path(path_) / name; }

 private:
  std::string path_;
};

// A serial-port client: opens the link as a terminal in raw mode.
class Client {
 public:
  explicit Client(const fs::path& link) {
    fd_ = open(link.c_str(), O_RDWR | O_NOCTTY);
    if (fd_ >= 0) {
      termios raw{};
      tcgetattr(fd_, &raw);
      cfmakeraw(&raw);
      tcsetattr(fd_, TCSANOW, &raw);
    }
  }
  ~Client() {
    if (fd_ >= 0) close(fd_);
  }
  bool IsOpen() const { return fd_ >= 0; }

  // Writes the request and reads until `expected` bytes came or 3 s passed.
  Bytes Exchange(const Bytes& request, std::size_t expected) {
    if (write(fd_, request.data(), request.size()) != static_cast<ssize_t>(request.size())) return {};
    Bytes answer;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (answer.size() < expected && std::chrono::steady_clock::now() < deadline) {
      pollfd pfd{fd_, POLLIN, 0};
      if (poll(&pfd, 1, 50) <= 0) continue;
      std::uint8_t buffer[512];
      const ssize_t n = read(fd_, buffer, sizeof buffer);
      if (n > 0) answer.insert(answer.end(), buffer, buffer + n);
    }
    return answer;
  }

 private:
  int fd_ = -1;
};

PtyServerOptions ServerOn(const fs::path& link) {
  PtyServerOptions options;
  options.linkPath = link.string();
  return options;
}

TEST(PtyServer, ServesFramesThroughTheLinkAcrossReopens) {
  TempDir dir;
  const fs::path link = dir / "ttyLUR";
  fs::create_symlink("/nonexistent/stale", link);  // left behind by an earlier run

  SimOptions options;
  SimController controller(options, MakeDefaultPages(ModuleSet(options.modules, options.display), 120));
  PtyServer server(controller, ServerOn(link));
  std::string error;
  ASSERT_TRUE(server.Open(error)) << error;
  EXPECT_EQ(fs::read_symlink(link).string(), server.SlaveName());

  const Bytes identity = Request(1, 0x11);
  const Bytes expected = *controller.Answer(identity);
  std::atomic<bool> stop{false};
  std::thread serving([&] { server.Serve([&] { return stop.load(); }); });
  {
    Client client(link);
    ASSERT_TRUE(client.IsOpen());
    EXPECT_EQ(client.Exchange(identity, expected.size()), expected);
    // A whole text page arrives in one answer.
    EXPECT_EQ(client.Exchange(Request(1, 0x44, {40}), 230).size(), 230u);
  }
  {
    // Closing the port did not hang the server up.
    Client again(link);
    ASSERT_TRUE(again.IsOpen());
    EXPECT_EQ(again.Exchange(identity, expected.size()), expected);
  }
  stop = true;
  serving.join();
  server.Close();
  EXPECT_FALSE(fs::is_symlink(link));
}

TEST(PtyServer, PacingDelaysByTheWireTimeAtElevenBitsAByte) {
  EXPECT_EQ(WireTime(11, 9600), std::chrono::microseconds(12604));  // the 0x46 broadcast at 9600
  EXPECT_EQ(WireTime(4 + 20, 115200), std::chrono::microseconds(2291));
  EXPECT_EQ(WireTime(230, 0), std::chrono::microseconds(0));
}

TEST(PtyServer, RefusesToReplaceAFileThatIsNoLink) {
  TempDir dir;
  const fs::path path = dir / "notalink";
  std::ofstream(path) << "keep me";
  SimOptions options;
  SimController controller(options, PageStore{});
  PtyServer server(controller, ServerOn(path));
  std::string error;
  EXPECT_FALSE(server.Open(error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(fs::is_regular_file(path));
}

// LUR_BIN names the build directory; without it the program is found next to
// this test binary's directory (build/tests -> build/sim).
fs::path LursimPath() {
  if (const char* bin = std::getenv("LUR_BIN")) return fs::path(bin) / "sim" / "lursim";
  return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "sim" / "lursim";
}

// The program itself: announces the link, answers at its device number,
// and leaves cleanly on SIGTERM.
TEST(LursimProgram, AnnouncesServesAndStopsOnSigterm) {
  const std::string program = LursimPath().string();
  ASSERT_TRUE(fs::exists(program)) << program;

  TempDir dir;
  const std::string link = (dir / "ttyLUR").string();
  int out[2];
  ASSERT_EQ(pipe(out), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  const char* argv[] = {program.c_str(), "--link",   link.c_str(), "--device", "5",
                        "--modules",     "1A000000", nullptr};
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, program.c_str(), &actions, nullptr, const_cast<char**>(argv), environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);

  std::string announced;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (announced.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
    pollfd pfd{out[0], POLLIN, 0};
    if (poll(&pfd, 1, 100) <= 0) continue;
    char buffer[256];
    const ssize_t n = read(out[0], buffer, sizeof buffer);
    if (n <= 0) break;
    announced.append(buffer, static_cast<std::size_t>(n));
  }
  close(out[0]);
  EXPECT_EQ(announced, "listening on " + link + "\n");

  {
    Client client(link);
    ASSERT_TRUE(client.IsOpen());
    const Bytes answer = client.Exchange(Request(5, 0x11), 20);
    ASSERT_EQ(answer.size(), 20u);
    EXPECT_EQ(answer[0], 5);
    EXPECT_EQ(answer[3], 2);     // two modules
    EXPECT_EQ(answer[5], 0x0A);  // slot 2 holds a sensor-type module
  }

  kill(pid, SIGTERM);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_FALSE(fs::is_symlink(link));
}

}  // namespace
}  // namespace lur::sim
