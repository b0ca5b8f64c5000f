#pragma once
// A live view as a module-input window polls: the 16 module-fault coils from
// 1016, then the 12 discrete inputs of the first module. It counts its polls
// and how deeply they nest, which no real window would need.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "session/TLiveReader.h"
#include "session/TLiveView.h"

namespace lur::test {

class InputsView : public TLiveView {
 public:
  explicit InputsView(TSession& session) : reader_(session) { ClearCells(); }

  int PeriodMs() const override { return 3000; }
  int Poll() override {
    ++polls;
    ++depth_;
    maxDepth = std::max(maxDepth, depth_);
    int code = reader_.Read(1, 1016, 16);
    if (code == 0) {
      faulty = reader_.Bit(0) ? 1 : 0;
      code = reader_.Read(2, 0, 12);
    }
    if (code == 0) {
      for (int i = 0; i < 12; ++i) inputs[static_cast<std::size_t>(i)] = reader_.Bit(i) ? 1 : 0;
    }
    --depth_;
    return code;
  }
  void ClearCells() override {
    inputs.fill(-1);
    faulty = -1;
    ++clears;
  }
  void PollingChanged(bool on) override { label = on; }
  bool KeepsPollingAfterFailure() const override { return keepPolling; }
  std::vector<TLiveCell> Cells() const override {
    std::vector<TLiveCell> cells;
    cells.push_back({"faulty", faulty == 1});
    for (int i = 0; i < 12; ++i) {
      cells.push_back({"in" + std::to_string(i + 1), std::string(inputs[static_cast<std::size_t>(i)] == 1 ? "on" : "off")});
    }
    return cells;
  }

  std::array<int, 12> inputs{};
  int faulty = -1;
  bool label = false;
  bool keepPolling = false;
  int polls = 0;
  int clears = 0;
  int maxDepth = 0;

 private:
  TLiveReader reader_;
  int depth_ = 0;
};

}  // namespace lur::test
