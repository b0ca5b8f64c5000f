#include "model/TFileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace lur {
namespace {

namespace fs = std::filesystem;

// The file a save replaces: the target of a symbolic link, so that the link
// stays a link.
std::string ReplacedPath(const std::string& path) {
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(path, ec))) {
    const fs::path target = fs::weakly_canonical(path, ec);
    if (!ec) return target.string();
  }
  return path;
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Makes the rename itself durable; a folder that cannot be synced changes
// nothing about the file.
void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

TFileWriteResult WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes) {
  const std::string target = ReplacedPath(path);
  std::string temp = target + ".tmp-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return TFileWriteResult::NotCreated;

  struct stat old {};
  const mode_t mode =
      ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode) ? (old.st_mode & 07777) : NewFileMode();
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return TFileWriteResult::NotWritten;
  }
  SyncFolder(fs::path(target).parent_path());
  return TFileWriteResult::Written;
}

std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path, std::size_t limit) {
  // Non-blocking, so that a pipe with no writer cannot hold the window.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes(limit);
  std::size_t done = 0;
  while (done < limit) {
    const ssize_t n = ::read(fd, bytes.data() + done, limit - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(done);
  return bytes;
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

}  // namespace lur
