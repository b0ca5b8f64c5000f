#pragma once
// Printing a report as the user asks for it after its file is written: the
// controllers call this without knowing how (the program prints through
// QtPrintSupport, TQtReportPrinter; tests write a PDF).
namespace lur {

struct TReport;

class TReportPrinter {
 public:
  virtual ~TReportPrinter() = default;
  // One job of the whole report through the print dialog, preset to the
  // report's page (landscape and margins where it sets them up). The pages
  // printed; 0 when the user cancelled or the printer failed.
  virtual int Print(const TReport& report) = 0;
};

}  // namespace lur
