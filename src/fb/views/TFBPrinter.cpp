#include "fb/views/TFBPrinter.h"

#include <QFont>
#include <QFontMetrics>
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

// Writes one line in `points` and moves `y` below it.
void Line(QPainter& painter, const QString& text, int points, int& y, int width) {
  QFont font("Arial");
  font.setPointSize(points);
  painter.setFont(font);
  const QFontMetrics metrics(font, painter.device());
  painter.drawText(QRect(0, y, width, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
  y += metrics.height();
}

}  // namespace

int PrintFBDiagram(const TFBPrintout& printout, const TPrintTarget& target, QWidget& diagram) {
  const int pageCount = static_cast<int>(printout.pages.size());
  if (pageCount == 0) return 0;
  TPrintTarget job = target;
  job.pageCount = pageCount;
  std::unique_ptr<QPrinter> printer = OpenPrinter(job, QPageLayout::Landscape, kMarginPoints);
  if (!printer) return 0;
  int from = 1;
  int to = pageCount;
  if (target.pdfPath.isEmpty() && printer->printRange() == QPrinter::PageRange) {
    from = std::clamp(printer->fromPage(), 1, pageCount);
    to = std::clamp(printer->toPage(), from, pageCount);
  }
  QPainter painter;
  if (!painter.begin(printer.get())) return 0;
  const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
  const int width = page.width();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double screenDpi = screen ? screen->logicalDotsPerInchX() : 96.0;
  int printed = 0;
  for (int number = from; number <= to; ++number) {
    const TFBPrintPage& p = printout.pages[static_cast<std::size_t>(number - 1)];
    if (printed > 0 && !printer->newPage()) break;
    int y = 0;
    for (const std::string& line : p.heading) Line(painter, QString::fromStdString(line), kHeadingPoints, y, width);
    y += printer->resolution() / 10;
    if (p.bandHeight > 0) {
      // Screen pixels to printer dots, narrowed to the page when wider; the
      // widgets paint themselves at that scale, so lines and texts stay sharp.
      const QRect band(0, p.bandTop, diagram.width(), std::min(p.bandHeight, diagram.height() - p.bandTop));
      const double scale = std::min({printer->resolution() / screenDpi, double(width) / band.width(),
                                     double(page.height() - y) / std::max(band.height(), 1)});
      painter.save();
      painter.translate(0, y);
      painter.scale(scale, scale);
      diagram.render(&painter, QPoint(0, 0), QRegion(band), QWidget::DrawChildren);
      painter.restore();
    }
    if (p.relayTitle) Line(painter, TFBPrintout::kRelayTitle, kRelayTitlePoints, y, width);
    for (const std::string& line : p.relayLines) Line(painter, QString::fromStdString(line), kRelayLinePoints, y, width);
    ++printed;
  }
  painter.end();
  return printed;
}

}  // namespace lur
