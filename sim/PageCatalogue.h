#pragma once
// The controller's configuration pages and their lengths: the bytes after the
// page number in a page-read answer and in a page-write request.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "model/PageCatalogue.h"

namespace lur::sim {

// The numbers are the model catalogue's; the simulator keeps its own names.
inline constexpr std::uint8_t kFirstModulePage = page::kFirstModule;  // 1..8: analog blocks, then network analog groups
inline constexpr std::uint8_t kRelayPage = page::kRelay;
inline constexpr std::uint8_t kExchangePage = page::kExchange;
inline constexpr std::uint8_t kFunction15Page = page::kFunction15;
inline constexpr std::uint8_t kFirstDiscretePage = page::kFirstDiscrete;             // 12..19
inline constexpr std::uint8_t kFirstFunctionBlockPage = page::kFirstFunctionBlock;  // 20..31, ten blocks each
inline constexpr std::uint8_t kRegulatorPage = page::kRegulators;
inline constexpr std::uint8_t kSetterPage = page::kSetters;
inline constexpr std::uint8_t kUnitsPage = page::kUnits;
inline constexpr std::uint8_t kFirstTextPage = page::kFirstInputText;  // 40..51, sixteen input texts each
inline constexpr std::uint8_t kSensorTypePage = page::kSensorTypes;
inline constexpr std::uint8_t kDeviceNumberPage = page::kDeviceNumber;  // written only: one byte, the new device index
inline constexpr std::uint8_t kFirstProbePage = page::kFirstProbe;  // 60 + n: converter codes of analog module n, read only

inline constexpr std::size_t kProbePageLength = 42;  // seven rows of begin/end codes, seven present codes
inline constexpr int kMaxFunctionBlocks = 10 * page::kFunctionBlockCount;

// Length of a configuration page (both directions), or nullopt for a number
// that is not one. Function block pages 20..31 are listed whatever the block
// count: a 60-block controller refuses 26..31 with an exception instead.
std::optional<std::size_t> ConfigPageLength(std::uint8_t page);

// Length of the data after the page number that a write of this page carries
// (configuration pages and the device number page), or nullopt.
std::optional<std::size_t> WritePageLength(std::uint8_t page);

inline bool IsFunctionBlockPage(std::uint8_t page) {
  return page >= kFirstFunctionBlockPage && page < kFirstFunctionBlockPage + kMaxFunctionBlocks / 10;
}
inline bool IsProbePage(std::uint8_t page) { return page >= kFirstProbePage && page < kFirstProbePage + 8; }

}  // namespace lur::sim
