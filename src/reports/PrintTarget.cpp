#include "reports/PrintTarget.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace lur {

std::unique_ptr<QPrinter> OpenPrinter(const TPrintTarget& target, QPageLayout::Orientation orientation,
                                      double marginPoints) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageOrientation(orientation);
  printer->setPageMargins(QMarginsF(marginPoints, marginPoints, marginPoints, marginPoints), QPageLayout::Point);
  if (!target.pdfPath.isEmpty()) {
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(target.pdfPath);
    return printer;
  }
  QPrintDialog dialog(printer.get(), target.parent);
  dialog.setObjectName("DialPrint");
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, target.pageCount > 0);
  if (target.pageCount > 0) dialog.setMinMax(1, target.pageCount);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return printer;
}

int PrintPages(const TPrintTarget& target, QPageLayout::Orientation orientation, double marginPoints,
               int pageCount, const TPaintPage& paint) {
  if (pageCount <= 0) return 0;
  TPrintTarget job = target;
  job.pageCount = pageCount;
  std::unique_ptr<QPrinter> printer = OpenPrinter(job, orientation, marginPoints);
  if (!printer) return 0;
  int from = 1;
  int to = pageCount;
  if (target.pdfPath.isEmpty() && printer->printRange() == QPrinter::PageRange) {
    from = std::clamp(printer->fromPage(), 1, pageCount);
    to = std::clamp(printer->toPage(), from, pageCount);
  }
  QPainter painter;
  if (!painter.begin(printer.get())) return 0;
  int printed = 0;
  for (int number = from; number <= to; ++number) {
    if (printed > 0 && !printer->newPage()) break;
    paint(painter, *printer, number);
    ++printed;
  }
  painter.end();
  return printed;
}

void PrintLine(QPainter& painter, const QString& text, int points, int& y, int width) {
  QFont font("Arial");
  font.setPointSize(points);
  painter.setFont(font);
  const QFontMetrics metrics(font, painter.device());
  painter.drawText(QRect(0, y, width, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
  y += metrics.height();
}

}  // namespace lur
