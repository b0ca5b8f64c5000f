#pragma once
// A report laid out by Qt: the same title, paragraphs and tables as its RTF
// file, in a QTextDocument, printed or exported to PDF through
// QtPrintSupport. Table headers repeat at the top of every page.
#include "reports/PrintTarget.h"
#include "reports/TReport.h"

class QPrinter;
class QTextDocument;

namespace lur {

// Fills `document` with the report (monospaced text, the fixed font of the
// system, so blank-padded columns line up).
void LayReport(const TReport& report, QTextDocument& document);

// Lays the report out on the pages of `printer` and prints it; returns the
// number of pages printed, 0 when the printer failed.
int PrintReport(const TReport& report, QPrinter& printer);

// The whole job: the printer from `target` (dialog or PDF), set to the
// report's orientation and margins, then the print. 0 when cancelled or
// failed, else the number of pages.
int PrintReport(const TReport& report, const TPrintTarget& target);

}  // namespace lur
