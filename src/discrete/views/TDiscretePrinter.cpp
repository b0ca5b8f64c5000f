#include "discrete/views/TDiscretePrinter.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <algorithm>

namespace lur {
namespace {

constexpr double kMarginPoints = 36;

QString Q(const std::string& s) { return QString::fromStdString(s); }

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

int PrintDiscreteSchema(const TDiscretePrintout& printout, const TPrintTarget& target, const TRowImage& rows) {
  const int pageCount = static_cast<int>(printout.pages.size());
  if (pageCount == 0) return 0;
  TPrintTarget job = target;
  job.pageCount = pageCount;
  std::unique_ptr<QPrinter> printer = OpenPrinter(job, QPageLayout::Portrait, kMarginPoints);
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
    const TDiscretePrintPage& p = printout.pages[static_cast<std::size_t>(number - 1)];
    if (printed > 0 && !printer->newPage()) break;
    int y = 0;
    for (const std::string& line : p.heading) Line(painter, Q(line), p.headingPoints, y, width);
    y += printer->resolution() / 10;
    const QImage image = rows ? rows(p.firstRow, p.rowCount) : QImage();
    if (!image.isNull()) {
      // Screen pixels to printer dots, narrowed to the page when wider.
      const double scale = std::min(printer->resolution() / screenDpi, double(width) / image.width());
      const QRect at(0, y, int(image.width() * scale), int(image.height() * scale));
      painter.drawImage(at, image);
      y += at.height() + printer->resolution() / 10;
    }
    Line(painter, TDiscretePrintout::kRelayTitle, TDiscretePrintPage::kRelayTitlePoints, y, width);
    for (const std::string& line : p.relayLines) Line(painter, Q(line), TDiscretePrintPage::kRelayLinePoints, y, width);
    ++printed;
  }
  painter.end();
  return printed;
}

}  // namespace lur
