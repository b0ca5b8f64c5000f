#pragma once
// Child processes for the tests over pseudo-terminals: socat's linked pair of
// ptys, and lursim on a link of its own.
#include <sys/types.h>

#include <string>
#include <vector>

namespace lur::test {

// A process started with argv, stdout and stderr into a file; ended with
// SIGTERM (then SIGKILL) when the object goes.
class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& argv, const std::string& logPath);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Waits until the log contains text (or the process died, or the time ran out).
  bool WaitForLog(const std::string& text, int timeoutMs = 10000) const;
  std::string Log() const;
  // Sends SIGTERM and waits; returns the exit status (-1 when killed).
  int Stop();
  bool Running() const;

 private:
  pid_t pid_ = -1;
  std::string log_;
  int status_ = -1;
};

// A fresh directory under /tmp, removed with its content.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// socat linking two pseudo-terminals, reachable as a and b.
class PtyPair {
 public:
  explicit PtyPair(const TempDir& dir);
  bool Ready() const { return ready_; }
  std::string a, b;

 private:
  ChildProcess socat_;
  bool ready_ = false;
};

// lursim serving on dir/ttyLUR with the given options.
class Simulator {
 public:
  Simulator(const TempDir& dir, const std::vector<std::string>& options);
  bool Ready() const { return ready_; }
  int Stop() { return process_.Stop(); }
  std::string Log() const { return process_.Log(); }
  std::string link;

 private:
  ChildProcess process_;
  bool ready_ = false;
};

// Where the build put lursim, lurctl and lurprog.
std::string BuiltProgram(const std::string& relative);

// Runs a command to completion; returns its exit status and captures stdout
// and stderr.
int RunCommand(const std::vector<std::string>& argv, std::string* out, std::string* err, int timeoutMs = 60000);

}  // namespace lur::test
