#pragma once
// How a simulated controller is made up and how it misbehaves.
#include <array>
#include <cstdint>
#include <compare>
#include <map>
#include <optional>
#include <set>

#include "sim/ControllerClock.h"

namespace lur::sim {

// One kind of live request: its function and its start (the address of the
// standard functions, the first channel of 0x47; see RequestStart).
struct LiveRequest {
  std::uint8_t function = 0;
  int start = 0;
  auto operator<=>(const LiveRequest&) const = default;
};

struct SimOptions {
  int device = 1;  // device number 1..31: the address it answers
  // Module type codes of slots 0..7: a ТОРИ discrete input module, a ЮНАК
  // analog input module and an МР-73 relay module.
  std::array<std::uint8_t, 8> modules{1, 7, 3, 0, 0, 0, 0, 0};
  std::uint8_t display = 1;  // 0..4
  int functionBlocks = 120;  // 120, or 60: pages 26 and above answer exception 3

  // Faults.
  bool silent = false;         // answers nothing
  unsigned badCrcEvery = 0;    // every Nth answer carries a corrupt CRC (0: never)
  unsigned truncateEvery = 0;  // every Nth answer is cut short (0: never)
  unsigned busyPolls = 0;      // completion polls answered "busy" after each page write
  bool busyForever = false;    // the completion poll always answers "busy"
  std::map<std::uint8_t, std::uint8_t> pageExceptions;  // page -> exception code for its reads and writes
  std::optional<std::uint8_t> pollException;  // every completion poll answers this exception
  bool pollTruncate = false;                  // every completion poll answer is cut short
  std::set<LiveRequest> mutedRequests;        // never answered
  std::map<LiveRequest, std::uint8_t> liveExceptions;  // answered with this exception code

  // The discrete input states all flip every this many milliseconds, so live
  // views show change (0: they stay).
  unsigned liveToggleMs = 0;
  // Modules reported faulty (slots 1..8: coil 1016 + slot - 1 reads 1) and
  // signals reported unreliable (1..192: coil 1056 + n - 1 reads 1).
  std::set<int> faultySlots;
  std::set<int> unreliableSignals;
  // Coils set at the start, after the regulators took their modes (lamps,
  // "AP", automatic): address -> state.
  std::map<int, bool> presetCoils;

  unsigned paceBaud = 0;  // delay each answer by the wire time at this rate (0: answer at once)

  // After each accepted write of this page, the byte at this offset (after
  // the page number) of the page stored is inverted: a controller that does
  // not keep what it confirmed.
  struct ByteCorruption {
    std::uint8_t page = 0;
    int offset = 0;
  };
  std::optional<ByteCorruption> corruptAfterWrite;

  // The next `count` writes of a page are answered with exception `code`,
  // later ones are taken: a controller that refuses a page for a while.
  struct WriteFault {
    std::uint8_t code = 0;
    unsigned count = 0;
  };
  std::map<std::uint8_t, WriteFault> writeFaults;

  // The clock's time at the start (none: the maker's, the host's local time
  // in lursim), and a clock that stands still until a broadcast sets it.
  std::optional<ClockTime> clockStart;
  bool clockStopped = false;
  // Analog signal (1-based) -> the status byte function 0x47 reports for it
  // in place of its own; bit 5 is still added while the input is selected
  // for calibration.
  std::map<int, std::uint8_t> analogStatus;
  // Answers the first this many requests addressed to it, then none: a
  // controller that falls silent while a window polls it.
  std::optional<unsigned> silentAfter;
};

}  // namespace lur::sim
