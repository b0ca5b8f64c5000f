#include "fb/views/TFBPrinter.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace lur {
namespace {

constexpr double kMarginPoints = 36;
constexpr int kHeadingPoints = 10;
constexpr int kRelayTitlePoints = 12;
constexpr int kRelayLinePoints = 9;

}  // namespace

int PrintFBDiagram(const TFBPrintout& printout, const TPrintTarget& target, QWidget& diagram) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double screenDpi = screen ? screen->logicalDotsPerInchX() : 96.0;
  const auto paint = [&](QPainter& painter, QPrinter& printer, int number) {
    const TFBPrintPage& p = printout.pages[static_cast<std::size_t>(number - 1)];
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int width = page.width();
    int y = 0;
    for (const std::string& line : p.heading) {
      PrintLine(painter, QString::fromStdString(line), kHeadingPoints, y, width);
    }
    y += printer.resolution() / 10;
    if (p.bandHeight > 0) {
      // Screen pixels to printer dots, narrowed to the page when wider; the
      // widgets paint themselves at that scale, so lines and texts stay sharp.
      const QRect band(0, p.bandTop, diagram.width(), std::min(p.bandHeight, diagram.height() - p.bandTop));
      const double scale = std::min({printer.resolution() / screenDpi, double(width) / band.width(),
                                     double(page.height() - y) / std::max(band.height(), 1)});
      painter.save();
      painter.translate(0, y);
      painter.scale(scale, scale);
      diagram.render(&painter, QPoint(0, 0), QRegion(band), QWidget::DrawChildren);
      painter.restore();
    }
    if (p.relayTitle) PrintLine(painter, TFBPrintout::kRelayTitle, kRelayTitlePoints, y, width);
    for (const std::string& line : p.relayLines) {
      PrintLine(painter, QString::fromStdString(line), kRelayLinePoints, y, width);
    }
  };
  return PrintPages(target, QPageLayout::Landscape, kMarginPoints, static_cast<int>(printout.pages.size()), paint);
}

}  // namespace lur
