#pragma once
// Feeds arbitrary bytes to every loader of the configuration tables: page
// answers, file blocks and identities. The first byte picks the table, so the
// fuzzer can work on each; the rest is the input. Returns false when a loader
// broke its promise (an image that does not come back byte for byte, a lookup
// out of range); memory errors are the sanitizers' to catch.
#include <cstdint>
#include <span>

namespace lur::test {

bool FeedModelLoaders(std::span<const std::uint8_t> data);

}  // namespace lur::test
