#pragma once
// How a dialog shared by several editors "marks a change": the editor that
// opened it says what a change means for it (the function block editor marks
// its blocks, the discrete editor its processing table) before showing it.
#include <functional>
#include <utility>

namespace lur {

class TDialogChangeMark {
 public:
  void Set(std::function<void()> mark) { mark_ = std::move(mark); }
  // Sets a mark and returns the one it replaces, so that an editor opening
  // a dialog from within another editor can hand it back afterwards.
  std::function<void()> Exchange(std::function<void()> mark) { return std::exchange(mark_, std::move(mark)); }
  void operator()() const {
    if (mark_) mark_();
  }

 private:
  std::function<void()> mark_;
};

}  // namespace lur
