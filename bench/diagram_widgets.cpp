// Building and painting a full function block diagram's widgets offscreen:
// 120 block panels of every type and subtype, each with its number mark and
// link, a signalling panel on every third block and a relay panel with its
// line on every fifth (laid out as the editor lays them out). Prints the
// median of RUNS runs for building, for painting and for both, in ms;
// asserts nothing. Run by bench/diagram.sh.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "fb/widgets/DiagramColors.h"
#include "fb/widgets/TPShapeZ.h"
#include "fb/widgets/TPanFB.h"
#include "fb/widgets/TPanMR.h"
#include "fb/widgets/TPanSign.h"
#include "fb/widgets/TShapeHorz.h"
#include "fb/widgets/TShapeMark.h"

namespace {

using namespace lur;

constexpr int kBlocks = 120;

// One block's panel, set up the way the editor sets up a record of its type.
void Build(QWidget& canvas, int i, int& row, int& column, bool& rowEnds) {
  if (i > 0) {
    if (column == 2 || rowEnds) {
      ++row;
      column = 0;
    } else {
      ++column;
    }
  }
  const int left = 250 * column, top = 120 * row + 15;
  const auto type = TFBType(i % 9);
  auto* panel = new TPanFB(&canvas, type, i + 1);
  panel->move(left, top);
  switch (type) {
    case ftTimer:
      panel->PutTypeTim(TimerType(i % 6));
      panel->SetTimerD(TimerDiskr(i % 3));
      panel->SetTime(i);
      break;
    case ftTrigger: panel->PutTypeTr(TriggerType(i % 2)); break;
    case ftComparator:
      panel->SetLimit(float(i) * 1.25f);
      panel->PutCompCond(ComparatorCondition(i % 2));
      panel->SetGisterezis(i % 32);
      panel->SetTime(i % 121);
      break;
    case ftCounter: panel->SetLimitCount(i); break;
    default: break;
  }
  for (int j = 1; j <= panel->NumberInputs(); ++j) {
    panel->PutIdVh(j, QString("DI%1").arg(j + i));
    panel->PutTInp(j, InputType((i + j) % 2));
  }
  if (i % 7 == 0) panel->SetColor(diagram::SelectionColor());
  auto* mark = new TShapeMark(&canvas, i + 1);
  mark->move(left + 150, top + 72);
  auto* link = new TPShapeZ(&canvas, i + 1, ShapeZType(i % 4));
  link->move(left + 230, top + 20);
  if (i % 3 == 0) {
    auto* sign = new TPanSign(&canvas, i + 1);
    sign->move(left + 165, top + 10);
    sign->PutTipS(i % 4);
    sign->PutNTabS(i % 4, i % 40);
    auto* signLink = new TPShapeZ(&canvas, i + 1, stZigzag2);
    signLink->move(left + 192, top + 17);
  }
  rowEnds = i % 5 == 0;
  if (rowEnds) {
    auto* relay = new TPanMR(&canvas, i + 1);
    relay->move(750, top + 24);
    relay->ActiveMR(i % 5, std::uint8_t(i));
    auto* line = new TShapeHorz(&canvas, i + 1);
    line->move(left + 250, top + 44);
    line->resize(500 - 250 * column, TShapeHorz::kThickness);
  }
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  std::vector<double> build, paint, total;
  // One image for every run, so that the runs after the first measure the
  // painting rather than the memory of a fresh image.
  QImage image;
  for (int run = 0; run < runs; ++run) {
    QElapsedTimer clock;
    clock.start();
    QWidget canvas;
    int row = 0, column = 0;
    bool rowEnds = false;
    for (int i = 0; i < kBlocks; ++i) Build(canvas, i, row, column, rowEnds);
    canvas.resize(960, 120 * (row + 1) + 35);
    const qint64 built = clock.nsecsElapsed();
    if (image.size() != canvas.size()) image = QImage(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    canvas.render(&painter);
    painter.end();
    const qint64 done = clock.nsecsElapsed();
    build.push_back(built / 1e6);
    paint.push_back((done - built) / 1e6);
    total.push_back(done / 1e6);
  }
  std::printf("120 blocks, median of %d runs: build %.1f ms, paint %.1f ms, both %.1f ms (goal: under 50 ms)\n", runs,
              Median(build), Median(paint), Median(total));
  return 0;
}
