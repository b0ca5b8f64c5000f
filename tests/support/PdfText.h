#pragma once
// Reads a PDF back as the user would see it, through poppler's command-line
// tools: the page count (pdfinfo) and the text of each page (pdftotext).
#include <cstdio>
#include <string>
#include <vector>

namespace lur::test {

// The standard output of a shell command; empty when it could not run.
inline std::string CommandOutput(const std::string& command) {
  std::string out;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  ::pclose(pipe);
  return out;
}

// A path as one shell word.
inline std::string ShellWord(const std::string& s) {
  std::string quoted = "'";
  for (char c : s) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// A line of pdfinfo's report ("Pages", "Page size"), without its name.
inline std::string PdfInfo(const std::string& path, const std::string& field) {
  const std::string info = CommandOutput("pdfinfo " + ShellWord(path) + " 2>/dev/null");
  const std::string key = field + ":";
  for (std::size_t start = 0; start < info.size();) {
    std::size_t end = info.find('\n', start);
    if (end == std::string::npos) end = info.size();
    const std::string line = info.substr(start, end - start);
    if (line.compare(0, key.size(), key) == 0) {
      const auto value = line.find_first_not_of(' ', key.size());
      return value == std::string::npos ? std::string() : line.substr(value);
    }
    start = end + 1;
  }
  return {};
}

// The number of pages; -1 when the file is no readable PDF.
inline int PdfPageCount(const std::string& path) {
  const std::string pages = PdfInfo(path, "Pages");
  return pages.empty() ? -1 : std::stoi(pages);
}

// The UTF-8 text of each page, in order.
inline std::vector<std::string> PdfPages(const std::string& path) {
  const std::string text = CommandOutput("pdftotext -enc UTF-8 " + ShellWord(path) + " - 2>/dev/null");
  std::vector<std::string> pages;
  std::size_t start = 0;
  for (std::size_t ff; (ff = text.find('\f', start)) != std::string::npos; start = ff + 1) {
    pages.push_back(text.substr(start, ff - start));
  }
  return pages;  // pdftotext ends every page, the last one included, with a form feed
}

}  // namespace lur::test
