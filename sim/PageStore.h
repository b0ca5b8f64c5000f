#pragma once
// What the simulated controller holds of its configuration: raw page bytes
// (after the page number) keyed by page number. Kept apart from the protocol
// so that a configuration can be put in or taken out as a whole.
#include <cstdint>
#include <map>
#include <vector>

namespace lur::sim {

class PageStore {
 public:
  // The page's bytes, or nullptr when the controller holds no such page.
  const std::vector<std::uint8_t>* Find(std::uint8_t page) const;
  void Put(std::uint8_t page, std::vector<std::uint8_t> bytes);
  void Remove(std::uint8_t page) { pages_.erase(page); }
  // Page numbers held, ascending.
  std::vector<std::uint8_t> PageNumbers() const;

 private:
  std::map<std::uint8_t, std::vector<std::uint8_t>> pages_;
};

}  // namespace lur::sim
