#pragma once
// A line of the exchange log: the milliseconds since the simulator started
// ("%10.3f "), then the text, so pauses and poll periods can be read off it.
#include <chrono>
#include <string>
#include <string_view>

namespace lur::sim {

std::string LogLine(std::chrono::steady_clock::duration sinceStart, std::string_view text);

}  // namespace lur::sim
