#include "Processes.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace lur::test {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

pid_t Spawn(const std::vector<std::string>& argv, const std::string& out, const std::string& err) {
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    const int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int e = err == out ? o : open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int in = open("/dev/null", O_RDONLY);
    dup2(in, 0);
    dup2(o, 1);
    dup2(e, 2);
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  return pid;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& logPath) : log_(logPath) {
  pid_ = Spawn(argv, logPath, logPath);
}

ChildProcess::~ChildProcess() { Stop(); }

bool ChildProcess::Running() const { return pid_ > 0 && kill(pid_, 0) == 0; }

bool ChildProcess::WaitForLog(const std::string& text, int timeoutMs) const {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (std::chrono::steady_clock::now() < end) {
    if (Log().find(text) != std::string::npos) return true;
    int status = 0;
    if (pid_ <= 0 || waitpid(pid_, &status, WNOHANG) == pid_) return Log().find(text) != std::string::npos;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

std::string ChildProcess::Log() const { return ReadFile(log_); }

int ChildProcess::Stop() {
  if (pid_ <= 0) return status_;
  kill(pid_, SIGTERM);
  int status = 0;
  for (int i = 0; i < 300; ++i) {
    const pid_t r = waitpid(pid_, &status, WNOHANG);
    if (r == pid_ || r < 0) {
      pid_ = -1;
      status_ = r < 0 ? -1 : WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      return status_;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(pid_, SIGKILL);
  waitpid(pid_, &status, 0);
  pid_ = -1;
  status_ = -1;
  return status_;
}

TempDir::TempDir() {
  char name[] = "/tmp/lurtest-XXXXXX";
  path_ = mkdtemp(name) ? name : "/tmp";
}

TempDir::~TempDir() {
  std::error_code ec;
  if (path_ != "/tmp") std::filesystem::remove_all(path_, ec);
}

PtyPair::PtyPair(const TempDir& dir)
    : a(dir.File("ptyA")),
      b(dir.File("ptyB")),
      socat_({"socat", "pty,raw,echo=0,link=" + dir.File("ptyA"), "pty,raw,echo=0,link=" + dir.File("ptyB")},
             dir.File("socat.log")) {
  for (int i = 0; i < 500 && !ready_; ++i) {
    ready_ = std::filesystem::exists(a) && std::filesystem::exists(b);
    if (!ready_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

std::string BuiltProgram(const std::string& relative) {
  const char* bin = std::getenv("LUR_BIN");
  return std::string(bin ? bin : LUR_BIN) + "/" + relative;
}

Simulator::Simulator(const TempDir& dir, const std::vector<std::string>& options)
    : link(dir.File("ttyLUR")),
      process_(
          [&] {
            std::vector<std::string> argv = {BuiltProgram("sim/lursim"), "--link", dir.File("ttyLUR")};
            argv.insert(argv.end(), options.begin(), options.end());
            return argv;
          }(),
          dir.File("lursim.log")) {
  ready_ = process_.WaitForLog("listening on " + link);
}

int RunCommand(const std::vector<std::string>& argv, std::string* out, std::string* err, int timeoutMs) {
  char outName[] = "/tmp/lurcmd-out-XXXXXX";
  char errName[] = "/tmp/lurcmd-err-XXXXXX";
  close(mkstemp(outName));
  close(mkstemp(errName));
  const pid_t pid = Spawn(argv, outName, errName);
  int status = 0;
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  int result = -1;
  for (;;) {
    const pid_t r = waitpid(pid, &status, WNOHANG);
    if (r == pid) {
      result = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      break;
    }
    if (std::chrono::steady_clock::now() > end) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (out) *out = ReadFile(outName);
  if (err) *err = ReadFile(errName);
  unlink(outName);
  unlink(errName);
  return result;
}

}  // namespace lur::test
