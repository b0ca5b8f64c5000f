#pragma once
// The report printer of the program: the print dialog on the default
// printer (printing to a file offered, so a machine without a printer can
// still make one), or straight into a PDF file when one is set (tests).
#include <utility>

#include "reports/PrintTarget.h"
#include "reports/TReportPrinter.h"

namespace lur {

class TQtReportPrinter : public TReportPrinter {
 public:
  explicit TQtReportPrinter(TPrintTarget target = {}) : target_(std::move(target)) {}
  int Print(const TReport& report) override;

  TPrintTarget& Target() { return target_; }
  int Jobs() const { return jobs_; }  // jobs that printed at least one page

 private:
  TPrintTarget target_;
  int jobs_ = 0;
};

}  // namespace lur
