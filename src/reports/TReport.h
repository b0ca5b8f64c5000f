#pragma once
// A printed report as the information windows make it: a title, paragraphs
// and tables, on portrait or landscape pages. Texts are UTF-8; the writers
// turn them into Windows-1251 rich text (RtfWriter.h) or a Qt document
// (ReportDocument.h), so the two always carry the same content.
#include <string>
#include <variant>
#include <vector>

namespace lur {

enum class TPageOrientation { Portrait, Landscape };

struct TReportParagraph {
  std::string text;  // '\t' is a tab, '\n' a line break
  bool bold = false;
  int pointSize = 10;
};

struct TReportTable {
  std::vector<std::string> headers;  // one header row, repeated on every page
  // Relative widths of the columns: column i gets widths[i] / sum of the
  // page's text width. Missing or non-positive entries count as 1.
  std::vector<int> widths;
  std::vector<std::vector<std::string>> rows;  // rows shorter than the headers are padded
};

using TReportBlock = std::variant<TReportParagraph, TReportTable>;

struct TReport {
  std::string title;  // centred, bold, above everything; empty: none
  TPageOrientation orientation = TPageOrientation::Portrait;
  int marginPoints = 29;  // all four page margins
  // False: the file sets up no page (orientation, paper, margins) and the
  // word processor's own defaults apply; printed on portrait pages.
  bool pageSetup = true;
  std::vector<TReportBlock> blocks;

  TReportParagraph& AddParagraph(std::string text, bool bold = false);
  TReportTable& AddTable(std::vector<std::string> headers, std::vector<int> widths = {});

  // The number of columns of a table: the most of its headers and rows.
  static std::size_t ColumnCount(const TReportTable& table);
  // The share (0..1) of the text width that column `column` takes.
  static double ColumnShare(const TReportTable& table, std::size_t column);
};

}  // namespace lur
