#include "reports/ReportDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>

namespace lur {
namespace {

QString Q(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QTextCharFormat CharFormat(const QFont& base, int pointSize, bool bold) {
  QTextCharFormat format;
  QFont font = base;
  font.setPointSize(pointSize);
  font.setBold(bold);
  format.setFont(font);
  return format;
}

// Text with its tabs and line breaks: QTextCursor::insertText turns '\n'
// into a new block, which is what a line break of the report is.
void InsertText(QTextCursor& cursor, const std::string& text, const QTextCharFormat& format) {
  cursor.insertText(Q(text), format);
}

void InsertTable(QTextCursor& cursor, const TReportTable& table, const QFont& font) {
  const int columns = static_cast<int>(TReport::ColumnCount(table));
  if (columns == 0) return;
  const bool hasHeader = !table.headers.empty();
  const int rows = static_cast<int>(table.rows.size()) + (hasHeader ? 1 : 0);
  if (rows == 0) return;
  QTextTableFormat format;
  format.setHeaderRowCount(hasHeader ? 1 : 0);
  // Frame lengths are 1/96 inch whatever the device: a 0.75-point rule and
  // 2 points of padding.
  format.setBorder(1);
  format.setBorderBrush(Qt::black);
  format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  format.setBorderCollapse(true);
  format.setCellPadding(2.67);
  format.setCellSpacing(0);
  format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
  QList<QTextLength> widths;
  for (int c = 0; c < columns; ++c) {
    widths << QTextLength(QTextLength::PercentageLength, 100 * TReport::ColumnShare(table, c));
  }
  format.setColumnWidthConstraints(widths);
  QTextTable* t = cursor.insertTable(rows, columns, format);
  const QTextCharFormat headerFormat = CharFormat(font, 10, true);
  const QTextCharFormat cellFormat = CharFormat(font, 10, false);
  auto fill = [&](int row, const std::vector<std::string>& cells, const QTextCharFormat& f) {
    for (int c = 0; c < columns && c < static_cast<int>(cells.size()); ++c) {
      QTextCursor cell = t->cellAt(row, c).firstCursorPosition();
      InsertText(cell, cells[static_cast<std::size_t>(c)], f);
    }
  };
  int row = 0;
  if (hasHeader) fill(row++, table.headers, headerFormat);
  for (const auto& cells : table.rows) fill(row++, cells, cellFormat);
  cursor.movePosition(QTextCursor::End);
}

}  // namespace

void LayReport(const TReport& report, QTextDocument& document) {
  document.clear();
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(10);
  document.setDefaultFont(font);
  QTextCursor cursor(&document);
  // One edit: the layout runs once at the end, not after every cell (which
  // costs seconds per page of a long table).
  cursor.beginEditBlock();
  bool first = true;
  auto newBlock = [&](Qt::Alignment alignment) {
    QTextBlockFormat format;
    format.setAlignment(alignment);
    if (first) {
      cursor.setBlockFormat(format);
      first = false;
    } else {
      cursor.insertBlock(format);
    }
  };
  if (!report.title.empty()) {
    newBlock(Qt::AlignHCenter);
    InsertText(cursor, report.title, CharFormat(font, 14, true));
  }
  for (const TReportBlock& block : report.blocks) {
    if (const auto* paragraph = std::get_if<TReportParagraph>(&block)) {
      newBlock(Qt::AlignLeft);
      InsertText(cursor, paragraph->text, CharFormat(font, paragraph->pointSize, paragraph->bold));
    } else {
      newBlock(Qt::AlignLeft);
      InsertTable(cursor, std::get<TReportTable>(block), font);
    }
  }
  cursor.endEditBlock();
}

int PrintReport(const TReport& report, QPrinter& printer) {
  QTextDocument document;
  // Laid out at the printer's own resolution on its printable area, so the
  // pages of the document are the pages printed.
  document.documentLayout()->setPaintDevice(&printer);
  document.setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
  LayReport(report, document);
  QTextFrameFormat root = document.rootFrame()->frameFormat();
  root.setMargin(0);  // the printer's margins are the report's
  document.rootFrame()->setFrameFormat(root);
  const int pages = document.pageCount();
  int from = 1;
  int to = pages;
  if (printer.printRange() == QPrinter::PageRange) {
    from = std::clamp(printer.fromPage(), 1, std::max(pages, 1));
    to = std::clamp(printer.toPage(), from, std::max(pages, 1));
  }
  // Page by page with a clip that stops just short of the page's bottom: a
  // line pushed to the top of the next page touches that edge, and drawing
  // it clipped would leave its text in the margin of the page before.
  QPainter painter;
  if (!painter.begin(&printer)) return 0;
  const QSizeF page = document.pageSize();
  int printed = 0;
  for (int number = from; number <= to && number <= pages; ++number) {
    if (printed > 0 && !printer.newPage()) break;
    const double top = (number - 1) * page.height();
    painter.save();
    painter.translate(0, -top);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, top, page.width(), page.height() - 1);
    painter.setClipRect(context.clip);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
    ++printed;
  }
  painter.end();
  return printer.printerState() == QPrinter::Error ? 0 : printed;
}

int PrintReport(const TReport& report, const TPrintTarget& target) {
  const bool landscape = report.pageSetup && report.orientation == TPageOrientation::Landscape;
  const auto orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  const auto printer = OpenPrinter(target, orientation, report.marginPoints);
  if (!printer) return 0;
  return PrintReport(report, *printer);
}

}  // namespace lur
