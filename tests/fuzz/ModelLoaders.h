#pragma once
// Feeds arbitrary bytes to every loader of the configuration tables: page
// answers, file blocks and identities, then to the services that later index
// with what was loaded. Memory errors are the sanitizers' to catch; the
// feeds themselves check the promises a loader makes (an image taken comes
// back byte for byte, a lookup stays in its range).
#include <cstdint>
#include <span>

namespace lur::test {

// What one table's loaders made of the bytes: how many loads took them, and
// whether every promise held.
struct LoaderOutcome {
  int taken = 0;
  bool sound = true;
};

LoaderOutcome FeedServLoaders(std::span<const std::uint8_t> bytes);
LoaderOutcome FeedLurLoaders(std::span<const std::uint8_t> bytes);
LoaderOutcome FeedMRLoaders(std::span<const std::uint8_t> bytes);
LoaderOutcome FeedFBLoaders(std::span<const std::uint8_t> bytes);
LoaderOutcome FeedRegLoaders(std::span<const std::uint8_t> bytes);
LoaderOutcome FeedMBMLoaders(std::span<const std::uint8_t> bytes);
LoaderOutcome FeedF15Loaders(std::span<const std::uint8_t> bytes);
LoaderOutcome FeedMBALoaders(std::span<const std::uint8_t> bytes);

// The fuzzer's entry: the first byte picks the table, so the fuzzer can work
// on each; the rest is the input. False when a loader broke its promise.
bool FeedModelLoaders(std::span<const std::uint8_t> data);

}  // namespace lur::test
