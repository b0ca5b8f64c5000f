#include "sim/FaultPlan.h"

#include "model/Protocol.h"

namespace lur::sim {

std::optional<int> RequestStart(std::span<const std::uint8_t> request) {
  if (request.size() < 3) return std::nullopt;
  switch (request[1]) {
    case fn::kReadPage:
    case fn::kWritePage:
    case fn::kAnalogStates:
      return request[2];
    case fn::kReadCoils:
    case fn::kReadDiscreteInputs:
    case fn::kReadHoldingRegisters:
    case fn::kReadInputRegisters:
    case fn::kWriteCoil:
    case fn::kWriteRegister:
    case fn::kWriteCoils:
    case fn::kWriteRegisters:
      if (request.size() < 4) return std::nullopt;
      return (request[2] << 8) | request[3];
    default:
      return std::nullopt;
  }
}

void FaultPlan::Add(RequestMatch match, StagedFault fault, unsigned nth) {
  rules_.push_back({match, fault, nth, 0});
}

std::optional<StagedFault> FaultPlan::Take(std::span<const std::uint8_t> request) {
  if (rules_.empty() || request.size() < 2) return std::nullopt;
  const std::uint8_t function = request[1];
  const std::optional<int> start = RequestStart(request);
  std::optional<StagedFault> taken;
  for (Rule& rule : rules_) {
    if (rule.match.function && *rule.match.function != function) continue;
    if (rule.match.start && rule.match.start != start) continue;
    // A rule for one request stops counting once it has fired, so a long
    // session never wraps its count round to fire it again.
    if (rule.nth != 0 && rule.seen >= rule.nth) continue;
    ++rule.seen;
    if (!taken && (rule.nth == 0 || rule.seen == rule.nth)) taken = rule.fault;
  }
  return taken;
}

}  // namespace lur::sim
