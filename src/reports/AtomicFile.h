#pragma once
// Replacing a file in one step: the new content goes to a temporary file in
// the same folder, which is flushed to disk and then renamed over the old
// one. Until the rename the old file is untouched; a failure on the way
// removes the temporary file and leaves the old one as it was.
#include <string>
#include <string_view>

namespace lur {

// False when the content could not be written in full; `error`, when
// given, then says why.
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string* error = nullptr);

}  // namespace lur
