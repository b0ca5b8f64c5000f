#pragma once
// lurctl --trace: every frame on the line and every transaction's result,
// printed as they happen, in the lines of the program's exchange journal.
#include <cstdio>

#include "link/TTrafficObserver.h"

namespace lur {

class TComPortClass;

class TTracePrinter : public TTrafficObserver {
 public:
  // Times are shown from originMs (the link's waiter time at start).
  TTracePrinter(const TComPortClass& link, std::int64_t originMs, std::FILE* out = stderr)
      : link_(link), origin_(originMs), out_(out) {}

  void Frame(std::int64_t ms, TrafficDirection direction, std::span<const std::uint8_t> bytes) override;
  void Result(std::int64_t ms, int deviceIndex, int code) override;

 private:
  const TComPortClass& link_;
  std::int64_t origin_;
  std::FILE* out_;
};

}  // namespace lur
