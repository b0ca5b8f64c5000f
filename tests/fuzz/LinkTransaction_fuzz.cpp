// libFuzzer entry: arbitrary answers to one transaction.
#include <cstdlib>

#include "LinkTransaction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!lur::test::FeedTransaction({data, size})) std::abort();
  return 0;
}
