#include "reports/TQtReportPrinter.h"

#include "reports/ReportDocument.h"

namespace lur {

int TQtReportPrinter::Print(const TReport& report) {
  const int pages = PrintReport(report, target_);
  if (pages > 0) ++jobs_;
  return pages;
}

}  // namespace lur
