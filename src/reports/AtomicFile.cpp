#include "reports/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace lur {
namespace {

bool Fail(std::string* error, const std::string& what) {
  if (error) *error = what + ": " + std::strerror(errno);
  return false;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view content, std::string* error) {
  std::string pattern = path + ".XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return Fail(error, "cannot create a file beside " + path);
  const std::string temporary(name.data());
  // mkstemp makes the file private; a report is an ordinary document.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);

  const auto abandon = [&](const std::string& what) {
    const int saved = errno;
    ::close(fd);
    ::unlink(temporary.c_str());
    errno = saved;
    return Fail(error, what);
  };
  const char* data = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return abandon("cannot write " + temporary);
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  if (::fsync(fd) != 0) return abandon("cannot flush " + temporary);
  if (::close(fd) != 0) {
    const int saved = errno;
    ::unlink(temporary.c_str());
    errno = saved;
    return Fail(error, "cannot close " + temporary);
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const int saved = errno;
    ::unlink(temporary.c_str());
    errno = saved;
    return Fail(error, "cannot replace " + path);
  }
  return true;
}

}  // namespace lur
