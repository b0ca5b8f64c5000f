#include "sim/PtyServer.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <utility>

#include "model/HexText.h"

namespace lur::sim {

std::chrono::microseconds WireTime(std::size_t bytes, unsigned baud) {
  if (baud == 0) return std::chrono::microseconds(0);
  return std::chrono::microseconds(static_cast<std::int64_t>(bytes) * 11 * 1000000 / baud);
}

PtyServer::PtyServer(SimController& controller, PtyServerOptions options)
    : controller_(controller), options_(std::move(options)), assembler_(options_.silenceMs) {}

PtyServer::~PtyServer() { Close(); }

bool PtyServer::Open(std::string& error) {
  Close();
  if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) {
    error = std::string("openpty: ") + std::strerror(errno);
    return false;
  }
  char name[256] = {};
  if (ttyname_r(slave_, name, sizeof name) != 0) {
    error = std::string("ttyname: ") + std::strerror(errno);
    Close();
    return false;
  }
  slaveName_ = name;
  termios raw{};
  tcgetattr(slave_, &raw);
  cfmakeraw(&raw);
  tcsetattr(slave_, TCSANOW, &raw);
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  fcntl(master_, F_SETFD, FD_CLOEXEC);
  fcntl(slave_, F_SETFD, FD_CLOEXEC);

  struct stat existing {};
  if (lstat(options_.linkPath.c_str(), &existing) == 0) {
    if (!S_ISLNK(existing.st_mode)) {
      error = options_.linkPath + " exists and is not a symbolic link";
      Close();
      return false;
    }
    unlink(options_.linkPath.c_str());  // a link left behind by an earlier run
  }
  if (symlink(slaveName_.c_str(), options_.linkPath.c_str()) != 0) {
    error = "symlink " + options_.linkPath + ": " + std::strerror(errno);
    Close();
    return false;
  }
  linked_ = true;
  return true;
}

void PtyServer::Close() {
  if (linked_) {
    char target[256] = {};
    const ssize_t n = readlink(options_.linkPath.c_str(), target, sizeof target - 1);
    if (n > 0 && slaveName_ == std::string(target, static_cast<std::size_t>(n)))
      unlink(options_.linkPath.c_str());
    linked_ = false;
  }
  if (master_ >= 0) close(master_);
  if (slave_ >= 0) close(slave_);
  master_ = slave_ = -1;
}

void PtyServer::Serve(const std::function<bool()>& stopRequested) {
  std::uint8_t buffer[512];
  while (!stopRequested()) {
    int timeout = 50;
    const int untilSilence = assembler_.MsUntilSilence(SteadyMilliseconds());
    if (untilSilence >= 0 && untilSilence + 1 < timeout) timeout = untilSilence + 1;
    pollfd pfd{master_, POLLIN, 0};
    const int ready = poll(&pfd, 1, timeout);
    const std::int64_t now = SteadyMilliseconds();
    if (ready > 0 && (pfd.revents & POLLIN) != 0) {
      const ssize_t n = read(master_, buffer, sizeof buffer);
      if (n > 0) {
        for (const auto& frame : assembler_.Feed(std::span(buffer, static_cast<std::size_t>(n)), now))
          Handle(frame);
      }
    } else if (ready > 0) {
      // Hang-up or error without data: the slave is held open, so this is
      // transient; do not spin on it.
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (auto frame = assembler_.Idle(SteadyMilliseconds())) Handle(*frame);
  }
}

void PtyServer::Handle(const std::vector<std::uint8_t>& request) {
  const auto answer = controller_.Answer(request);
  if (options_.log) {
    options_.log(HexBytes(request) + " -> " + (answer ? HexBytes(*answer) : std::string("(no answer)")));
  }
  if (!answer || answer->empty()) return;
  if (options_.paceBaud > 0)
    std::this_thread::sleep_for(WireTime(request.size() + answer->size(), options_.paceBaud));
  WriteAll(*answer);
}

void PtyServer::WriteAll(std::span<const std::uint8_t> bytes) {
  // A client that stopped reading must not block the server for good: give up
  // after about a second of a full buffer.
  int patience = 20;
  while (!bytes.empty() && patience > 0) {
    const ssize_t n = write(master_, bytes.data(), bytes.size());
    if (n > 0) {
      bytes = bytes.subspan(static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) return;
    pollfd pfd{master_, POLLOUT, 0};
    poll(&pfd, 1, 50);
    --patience;
  }
}

}  // namespace lur::sim
