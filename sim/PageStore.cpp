#include "sim/PageStore.h"

#include <utility>

namespace lur::sim {

const std::vector<std::uint8_t>* PageStore::Find(std::uint8_t page) const {
  const auto it = pages_.find(page);
  return it == pages_.end() ? nullptr : &it->second;
}

void PageStore::Put(std::uint8_t page, std::vector<std::uint8_t> bytes) { pages_[page] = std::move(bytes); }

std::vector<std::uint8_t> PageStore::PageNumbers() const {
  std::vector<std::uint8_t> numbers;
  numbers.reserve(pages_.size());
  for (const auto& entry : pages_) numbers.push_back(entry.first);
  return numbers;
}

}  // namespace lur::sim
