// libFuzzer entry: arbitrary line bytes, with pauses, into lursim's request assembler.
#include <cstdlib>

#include "SimRequests.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!lur::test::FeedAssembler({data, size})) std::abort();
  return 0;
}
