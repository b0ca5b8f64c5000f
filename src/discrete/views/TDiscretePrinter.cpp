#include "discrete/views/TDiscretePrinter.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <algorithm>

namespace lur {
namespace {

constexpr double kMarginPoints = 36;

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

int PrintDiscreteSchema(const TDiscretePrintout& printout, const TPrintTarget& target, const TRowImage& rows) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double screenDpi = screen ? screen->logicalDotsPerInchX() : 96.0;
  const auto paint = [&](QPainter& painter, QPrinter& printer, int number) {
    const TDiscretePrintPage& p = printout.pages[static_cast<std::size_t>(number - 1)];
    const int width = printer.pageLayout().paintRectPixels(printer.resolution()).width();
    int y = 0;
    for (const std::string& line : p.heading) PrintLine(painter, Q(line), p.headingPoints, y, width);
    y += printer.resolution() / 10;
    const QImage image = rows ? rows(p.firstRow, p.rowCount) : QImage();
    if (!image.isNull()) {
      // Screen pixels to printer dots, narrowed to the page when wider.
      const double scale = std::min(printer.resolution() / screenDpi, double(width) / image.width());
      const QRect at(0, y, int(image.width() * scale), int(image.height() * scale));
      painter.drawImage(at, image);
      y += at.height() + printer.resolution() / 10;
    }
    PrintLine(painter, TDiscretePrintout::kRelayTitle, TDiscretePrintPage::kRelayTitlePoints, y, width);
    for (const std::string& line : p.relayLines) {
      PrintLine(painter, Q(line), TDiscretePrintPage::kRelayLinePoints, y, width);
    }
  };
  return PrintPages(target, QPageLayout::Portrait, kMarginPoints, static_cast<int>(printout.pages.size()), paint);
}

}  // namespace lur
