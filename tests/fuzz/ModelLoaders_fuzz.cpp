// libFuzzer entry: random answers, pages and identities into every loader.
#include <cstdlib>

#include "ModelLoaders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!lur::test::FeedModelLoaders({data, size})) std::abort();
  return 0;
}
