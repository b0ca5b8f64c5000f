#include "reports/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <span>

#include "model/TFileAccess.h"

namespace lur {

bool WriteFileAtomically(const std::string& path, std::string_view content, std::string* error) {
  const TFileWriteResult result =
      WriteFileReplacing(path, std::span(reinterpret_cast<const std::uint8_t*>(content.data()), content.size()));
  if (result == TFileWriteResult::Written) return true;
  if (error) {
    const char* what = result == TFileWriteResult::NotCreated ? "cannot create a file beside " : "cannot write ";
    *error = what + path + ": " + std::strerror(errno);
  }
  return false;
}

}  // namespace lur
