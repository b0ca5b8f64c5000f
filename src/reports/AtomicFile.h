#pragma once
// A report file replaced in one step (WriteFileReplacing of the model's
// file access), with the failure in words.
#include <string>
#include <string_view>

namespace lur {

// False when the content could not be written in full; `error`, when
// given, then says why.
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string* error = nullptr);

}  // namespace lur
