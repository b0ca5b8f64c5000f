#include "reports/TReport.h"

#include <algorithm>

namespace lur {

TReportParagraph& TReport::AddParagraph(std::string text, bool bold) {
  TReportParagraph paragraph;
  paragraph.text = std::move(text);
  paragraph.bold = bold;
  return std::get<TReportParagraph>(blocks.emplace_back(std::move(paragraph)));
}

TReportTable& TReport::AddTable(std::vector<std::string> headers, std::vector<int> widths) {
  TReportTable table;
  table.headers = std::move(headers);
  table.widths = std::move(widths);
  return std::get<TReportTable>(blocks.emplace_back(std::move(table)));
}

std::size_t TReport::ColumnCount(const TReportTable& table) {
  std::size_t n = table.headers.size();
  for (const auto& row : table.rows) n = std::max(n, row.size());
  return n;
}

namespace {
int Weight(const TReportTable& table, std::size_t column) {
  return column < table.widths.size() && table.widths[column] > 0 ? table.widths[column] : 1;
}
}  // namespace

double TReport::ColumnShare(const TReportTable& table, std::size_t column) {
  const std::size_t n = ColumnCount(table);
  if (column >= n) return 0;
  long total = 0;
  for (std::size_t c = 0; c < n; ++c) total += Weight(table, c);
  return double(Weight(table, column)) / double(total);
}

}  // namespace lur
