// libFuzzer entry: arbitrary requests, with pauses, into lursim's controller.
#include <cstdlib>

#include "SimRequests.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!lur::test::FeedSimulator({data, size})) std::abort();
  return 0;
}
