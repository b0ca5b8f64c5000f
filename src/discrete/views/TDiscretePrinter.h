#pragma once
// Paints the discrete schema's printout: per page its heading, the image of
// its rows as the window draws them, scaled from screen to printer
// resolution, and the relay lines of its rows. Portrait; the print dialog
// `DialPrint` (printing to a file allowed) picks the printer and the pages.
#include <QImage>
#include <functional>

#include "discrete/TDiscretePrint.h"
#include "reports/PrintTarget.h"

namespace lur {

// The image of schema rows firstRow .. firstRow + count - 1, at screen resolution.
using TRowImage = std::function<QImage(int firstRow, int count)>;

// Prints the pages of `printout` the dialog's range selects (all of them
// into a PDF target); the number of pages printed, 0 when cancelled.
int PrintDiscreteSchema(const TDiscretePrintout& printout, const TPrintTarget& target, const TRowImage& rows);

}  // namespace lur
