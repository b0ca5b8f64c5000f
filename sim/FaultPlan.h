#pragma once
// Faults staged for single requests: the command line and the tests pick
// requests by function and start and say how their answers go wrong, on
// every such request or only on the nth.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lur::sim {

// How one answer goes wrong.
enum class AnswerFault {
  Silence,    // the request is not heard: nothing is served, nothing answered
  Exception,  // the request is refused with an exception code; nothing is served
  BadCrc,     // served; the answer's CRC is spoiled on the line
  Truncate,   // served; the answer is cut to half its length
  ShortData,  // served; the answer's data one byte short, its count and CRC agreeing
};

struct StagedFault {
  AnswerFault kind = AnswerFault::Silence;
  std::uint8_t exception = 0;  // the code an Exception fault answers
};

// The requests a fault applies to; an empty field matches anything.
struct RequestMatch {
  std::optional<std::uint8_t> function;
  std::optional<int> start;  // see RequestStart
};

// What a request starts at: the page of 0x44 and 0x45, the 16-bit address of
// the standard functions 1..6, 15 and 16, the first channel of 0x47; nullopt
// for other functions and for frames too short to carry it.
std::optional<int> RequestStart(std::span<const std::uint8_t> request);

class FaultPlan {
 public:
  // Spoils the nth matching request from now on (1: the next one), or every
  // matching request when nth is 0.
  void Add(RequestMatch match, StagedFault fault, unsigned nth = 0);
  void Clear() { rules_.clear(); }

  // To be called once for every request the controller hears (its address,
  // its CRC right): counts it against every rule and returns the fault of the
  // first rule that applies to it.
  std::optional<StagedFault> Take(std::span<const std::uint8_t> request);

 private:
  struct Rule {
    RequestMatch match;
    StagedFault fault;
    unsigned nth;
    unsigned seen;
  };
  std::vector<Rule> rules_;
};

}  // namespace lur::sim
