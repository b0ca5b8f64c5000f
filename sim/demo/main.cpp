// lurdemo FILE.lur: adds the demonstration function block program to a
// configuration file (the one scripts/make-demo-config.sh reads from lursim)
// and saves it in place. The file is read and written as the tool itself
// reads and saves configuration files.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/TConfigFile.h"
#include "sim/demo/DemoProgram.h"
#include "ui/TTerminalUserInterface.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: lurdemo FILE.lur\n");
    return 2;
  }
  const std::string path = argv[1];
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "lurdemo: cannot open %s\n", path.c_str());
    return 1;
  }
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  lur::TConfiguration config;
  lur::TTerminalUserInterface ui;
  if (!lur::LoadConfigFile(config, bytes, ui)) return 1;
  std::string reason;
  if (!lur::AddDemoProgram(config, reason)) {
    std::fprintf(stderr, "lurdemo: %s\n", reason.c_str());
    return 1;
  }
  // Written beside and renamed, so that a failed write leaves the file as
  // it was.
  const std::vector<std::uint8_t> out = lur::BuildConfigFile(config);
  const std::string temporary = path + ".tmp";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file.flush()) {
      std::fprintf(stderr, "lurdemo: cannot write %s\n", temporary.c_str());
      return 1;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::fprintf(stderr, "lurdemo: cannot replace %s: %s\n", path.c_str(), error.message().c_str());
    return 1;
  }
  return 0;
}
