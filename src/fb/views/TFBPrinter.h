#pragma once
// Paints the function block printout: per page its heading and number, then
// either a band of five rows of the diagram, drawn by the diagram's own
// widgets at the printer's resolution, or the relay section's lines.
// Landscape; the print dialog `DialPrint` (printing to a file allowed)
// picks the printer and the pages.
#include "fb/TFBPrint.h"
#include "reports/PrintTarget.h"

class QWidget;

namespace lur {

// Prints the pages of `printout` the dialog's range selects (all of them
// into a PDF target), the bands taken from `diagram`; the number of pages
// printed, 0 when there is nothing to print or the user cancelled.
int PrintFBDiagram(const TFBPrintout& printout, const TPrintTarget& target, QWidget& diagram);

}  // namespace lur
