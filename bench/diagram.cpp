// Building and painting the full function block diagram offscreen, the way
// the editor does it: a 120-block table of every type and subtype with
// zigzag links, a signalling cell on every third block, relay outputs on
// every fifth and an algorithm every ten blocks is laid out
// (LayOutDiagram), its widgets made (TFBDiagram::Show) and painted. Prints
// the median of RUNS runs for the layout with the widgets, for painting and
// for both, in ms; asserts nothing. Run by bench/diagram.sh.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fb/TDiagramLayout.h"
#include "fb/views/TFBDiagram.h"
#include "model/TConfiguration.h"

namespace {

using namespace lur;

constexpr int kBlocks = 120;

void Fill(TConfiguration& config) {
  TServClass::Identity id{};
  const std::uint8_t modules[8] = {1, 1, 7, 3, 3, 3, 3, 3};
  for (int s = 0; s < 8; ++s) id[static_cast<std::size_t>(1 + s)] = modules[s];
  id[12] = 48;
  config.Serv.SetIdentityFromBytes(id);
  config.Serv.MakeDefaultInputIds();
  TProgFBClass& fb = config.FB;
  for (int i = 0; i < kBlocks; ++i) {
    const int type = 1 + i % 9;
    fb.SetTipFB(i, type);
    if (type == 6) fb.SetSubTip(i, i % 6);
    if (type == 7) fb.SetSubTip(i, i % 2);
    if (type == 8) {
      fb.SetKindVhComp(i, 1);
      fb.SetNVhComp(i, i);  // the block before: a zigzag
      fb.SetAnVh(i, 1 + i % 12);
      fb.SetGisterezis(i, i % 32);
      fb.SetTimerTime(i, i);
      continue;
    }
    for (int j = 0; j < 4; ++j) {
      fb.SetKindVh(i, j, j == 1 ? 1 : 0);
      fb.SetNVh(i, j, j == 1 ? i : 1 + (i + j) % 48);
      fb.SetDirVh(i, j, (i + j) % 2);
    }
    if (type == 9) fb.SetLimitCount(i, i % 32);
    if (i < 62 && i % 3 == 0) {
      fb.SetTipS(i, 1 + i % 3);
      fb.SetNTabS(i, 1 + i % 12);
    }
    if (i % 5 == 0) fb.SetMR(i, 1 + i % 5, i & 0xFF);
  }
  for (int a = 0; a < kBlocks / 10; ++a) {
    for (int k = 0; k < 10; ++k) fb.SetAlgFB(a, k, 10 * a + k + 1);
    fb.SetAlgFB(a, 10, TProgFBClass::kNoEntry);
    fb.SetAlgName(a, "Algorithm " + std::to_string(a + 1));
  }
  fb.NAlg = kBlocks / 10;
  fb.RebuildAlgHead();
  fb.Selected[7] = 1;
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
  TConfiguration config;
  Fill(config);
  std::vector<double> build, paint, total;
  // One image for every run, so that the runs after the first measure the
  // painting rather than the memory of a fresh image.
  QImage image;
  std::size_t blocks = 0;
  for (int run = 0; run < runs; ++run) {
    QElapsedTimer clock;
    clock.start();
    TFBDiagram diagram;
    const TDiagramLayout layout = LayOutDiagram(config);
    diagram.Show(layout);
    blocks = layout.blocks.size();
    const qint64 built = clock.nsecsElapsed();
    if (image.size() != diagram.size()) image = QImage(diagram.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    diagram.render(&painter);
    painter.end();
    const qint64 done = clock.nsecsElapsed();
    build.push_back(built / 1e6);
    paint.push_back((done - built) / 1e6);
    total.push_back(done / 1e6);
  }
  std::printf("%zu blocks, median of %d runs: layout and widgets %.1f ms, paint %.1f ms, both %.1f ms"
              " (goal: under 50 ms)\n",
              blocks, runs, Median(build), Median(paint), Median(total));
  return 0;
}
