#pragma once
// Whole-file reads and writes of every file the program keeps (configuration
// files, reports, the exchange journal). A save never leaves a half-written
// file: the bytes go to a temporary file beside the target, which replaces
// the target only once it is complete and on disk.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lur {

enum class TFileWriteResult {
  Written,
  NotCreated,  // no file can be made there (missing folder, read-only medium)
  NotWritten   // writing, flushing or replacing failed; the old file is as it was
};

// Writes bytes as the whole content of path, replacing any file there in one
// step. A new file gets the usual permissions; a replaced one keeps its own.
// When path is a symbolic link, the file it points to is replaced.
TFileWriteResult WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes);

// At most `limit` bytes from the start of a regular file; fewer when the file
// is shorter. Nothing for a file that cannot be opened or read, or that is
// not a regular file (a folder, a device, a pipe).
std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path, std::size_t limit);

bool FileExists(const std::string& path);

}  // namespace lur
