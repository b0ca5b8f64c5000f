#pragma once
// Which controls of a window are enabled, keyed by the window's own list of
// control names (an enum per window), so a misspelled name does not compile.
#include <bitset>
#include <cstddef>
#include <initializer_list>
#include <vector>

namespace lur {

// E is an enum class whose last enumerator is Count.
template <class E>
class TControlStates {
 public:
  bool IsEnabled(E control) const { return bits_.test(Index(control)); }
  void Enable(E control, bool on) { bits_.set(Index(control), on); }
  void Enable(std::initializer_list<E> controls, bool on) {
    for (E c : controls) Enable(c, on);
  }
  void Enable(const std::vector<E>& controls, bool on) {
    for (E c : controls) Enable(c, on);
  }
  bool operator==(const TControlStates&) const = default;

 private:
  static constexpr std::size_t Index(E control) { return static_cast<std::size_t>(control); }
  std::bitset<static_cast<std::size_t>(E::Count)> bits_;
};

}  // namespace lur
