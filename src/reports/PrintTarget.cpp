#include "reports/PrintTarget.h"

#include <QPrintDialog>
#include <QPrinter>

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

}  // namespace lur
