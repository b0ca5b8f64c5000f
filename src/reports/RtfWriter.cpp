#include "reports/RtfWriter.h"

#include <cstdio>

#include "model/Cp1251.h"
#include "reports/AtomicFile.h"

namespace lur {
namespace {

// A4 in twips (1/20 point).
constexpr int kA4Short = 11906;
constexpr int kA4Long = 16838;
constexpr int kDefaultSideMargin = 1800;

// The length of the UTF-8 sequence led by `lead`; 1 for a stray byte.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
  if (lead >= 0xC0) return 2;
  return 1;
}

char32_t CodePoint(std::string_view sequence) {
  const auto b0 = static_cast<unsigned char>(sequence[0]);
  if (sequence.size() == 1) return b0 < 0x80 ? b0 : 0xFFFD;
  char32_t c = b0 & (0x7F >> sequence.size());
  for (std::size_t i = 1; i < sequence.size(); ++i) {
    const auto b = static_cast<unsigned char>(sequence[i]);
    if ((b & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (b & 0x3F);
  }
  return c;
}

void AppendUnicode(std::string& out, char32_t c) {
  // \uN takes a signed 16-bit number; beyond the BMP, a surrogate pair.
  auto unit = [&out](unsigned value) {
    out += "\\u" + std::to_string(static_cast<int>(static_cast<short>(value))) + "?";
  };
  if (c > 0xFFFF) {
    c -= 0x10000;
    unit(0xD800 + (c >> 10));
    unit(0xDC00 + (c & 0x3FF));
  } else {
    unit(c);
  }
}

void AppendHexByte(std::string& out, unsigned char byte) {
  char buffer[5];
  std::snprintf(buffer, sizeof buffer, "\\'%02x", byte);
  out += buffer;
}

int TextWidth(const TReport& report) {
  const bool landscape = report.pageSetup && report.orientation == TPageOrientation::Landscape;
  const int paper = landscape ? kA4Long : kA4Short;
  // Without a page set up the reader's defaults apply: RTF's 1800 twips left and right.
  return paper - 2 * (report.pageSetup ? report.marginPoints * 20 : kDefaultSideMargin);
}

void AppendRow(std::string& out, const TReport& report, const TReportTable& table,
               const std::vector<std::string>& cells, bool header) {
  const std::size_t n = TReport::ColumnCount(table);
  out += "\\trowd\\trgaph57";
  if (header) out += "\\trhdr";
  const int width = TextWidth(report);
  double right = 0;
  for (std::size_t c = 0; c < n; ++c) {
    right += TReport::ColumnShare(table, c) * width;
    out += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";
    out += "\\cellx" + std::to_string(static_cast<int>(right + 0.5));
  }
  out += "\n";
  for (std::size_t c = 0; c < n; ++c) {
    out += header ? "\\pard\\intbl\\b " : "\\pard\\intbl ";
    if (c < cells.size()) out += RtfEscape(cells[c]);
    out += header ? "\\b0\\cell\n" : "\\cell\n";
  }
  out += "\\row\n";
}

}  // namespace

std::string RtfEscape(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() * 2);
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = std::min(SequenceLength(lead), utf8.size() - i);
    const std::string_view sequence = utf8.substr(i, length);
    i += length;
    if (lead < 0x80) {
      const char c = static_cast<char>(lead);
      if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += c;
      } else if (c == '\t') {
        out += "\\tab ";
      } else if (c == '\n') {
        out += "\\line ";
      } else if (lead >= 0x20 && lead != 0x7F) {
        out += c;
      }
      continue;
    }
    const std::string bytes = Utf8ToCp1251(sequence);
    // One character in, one byte out; '?' means it has no Windows-1251 form.
    if (bytes.size() == 1 && bytes[0] != '?') {
      AppendHexByte(out, static_cast<unsigned char>(bytes[0]));
    } else {
      AppendUnicode(out, CodePoint(sequence));
    }
  }
  return out;
}

std::string RtfText(const TReport& report) {
  const bool landscape = report.pageSetup && report.orientation == TPageOrientation::Landscape;
  const int margin = report.marginPoints * 20;
  std::string out =
      "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\n"
      "{\\fonttbl{\\f0\\fmodern\\fcharset204 Courier New;}}\n";
  if (report.pageSetup) {
    out += landscape ? "\\landscape\\paperw" + std::to_string(kA4Long) + "\\paperh" + std::to_string(kA4Short)
                     : "\\paperw" + std::to_string(kA4Short) + "\\paperh" + std::to_string(kA4Long);
    out += "\\margl" + std::to_string(margin) + "\\margr" + std::to_string(margin) + "\\margt" +
           std::to_string(margin) + "\\margb" + std::to_string(margin) + "\n";
  }
  if (!report.title.empty()) out += "\\pard\\qc\\f0\\fs28\\b " + RtfEscape(report.title) + "\\b0\\par\n";
  for (const TReportBlock& block : report.blocks) {
    if (const auto* paragraph = std::get_if<TReportParagraph>(&block)) {
      out += "\\pard\\f0\\fs" + std::to_string(paragraph->pointSize * 2) + (paragraph->bold ? "\\b " : " ") +
             RtfEscape(paragraph->text) + (paragraph->bold ? "\\b0\\par\n" : "\\par\n");
    } else {
      const auto& table = std::get<TReportTable>(block);
      out += "\\pard\\f0\\fs20\n";
      if (!table.headers.empty()) AppendRow(out, report, table, table.headers, true);
      for (const auto& row : table.rows) AppendRow(out, report, table, row, false);
      out += "\\pard\\par\n";
    }
  }
  out += "}\n";
  return out;
}

bool SaveRtf(const TReport& report, const std::string& path) { return WriteFileAtomically(path, RtfText(report)); }

}  // namespace lur
