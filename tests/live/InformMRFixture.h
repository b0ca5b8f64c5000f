#pragma once
// The output information window over a small configuration: `relays` relay
// modules in the first slots (output module m in slot m + 1), behind the
// simulated controller the window must never talk to. The dialogs are
// scripted: the text dialog clears OutputTextsEdited when shown and sets it
// when the script types, as the output text dialog does.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "link/TComPortClass.h"
#include "live/TInformMRController.h"
#include "live/TInformMRDialogs.h"
#include "model/Cp1251.h"
#include "model/TConfiguration.h"
#include "reports/TReportPrinter.h"
#include "session/TModalWindow.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {

class ScriptedOutputDialogs : public TInformMRDialogs {
 public:
  explicit ScriptedOutputDialogs(TServClass& serv) : serv_(serv) {}

  int OutputText(int k, std::string& text) override {
    textShown.push_back({k, text});
    serv_.OutputTextsEdited = 0;
    if (typed) {
      text = *typed;
      serv_.OutputTextsEdited = 1;
    }
    return kModalOk;
  }
  int GroupNumbers(const std::string& caption, int& f, int& l) override {
    captions.push_back(caption);
    f = first;
    l = last;
    return groupResult;
  }
  int StartNumber(const std::string& caption, const std::string& large, int& s) override {
    captions.push_back(caption);
    tooLarge = large;
    s = start;
    return startResult;
  }

  // Script.
  std::optional<std::string> typed;  // nothing: the user types nothing
  int first = 0, last = 0, groupResult = kModalOk;
  int start = 0, startResult = kModalOk;
  // Record.
  std::vector<std::pair<int, std::string>> textShown;
  std::vector<std::string> captions;
  std::string tooLarge;

 private:
  TServClass& serv_;
};

class CountingPrinter : public TReportPrinter {
 public:
  int Print(const TReport& report) override {
    ++jobs;
    last = report;
    return 1;
  }
  int jobs = 0;
  TReport last;
};

// Relay modules in slots 1..relays, a discrete input module after them.
inline void SetRelayModules(TConfiguration& config, int relays) {
  TServClass::Identity id{};
  id[0] = 0;
  for (int s = 0; s < 8; ++s) id[1 + s] = s < relays ? 3 : (s == relays ? 1 : 0);
  id[11] = 16;
  id[12] = 12;
  id[13] = 6;
  config.Serv.SetIdentityFromBytes(id);
  config.Serv.MakeDefaultInputIds();
  config.Serv.MakeDefaultOutputIds();
}

// "Выход NN" blank padded: a text of its own for every output.
inline std::string OutputText(int k) { return "Выход " + std::to_string(k); }

inline void NameOutputs(TConfiguration& config) {
  for (int e = 0; e < 40; ++e) config.Serv.SetOutputText(Utf8ToCp1251(OutputText(e + 1)), e);
}

struct InformMRFixture {
  explicit InformMRFixture(int relays = 2) {
    SetRelayModules(config, relays);
    NameOutputs(config);
    dir = std::filesystem::temp_directory_path() / ("lur-informmr-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
  }
  ~InformMRFixture() { std::filesystem::remove_all(dir); }

  // The output text as the table holds it, blanks trimmed at the end.
  std::string Text(int k) const {
    std::string t = Cp1251ToUtf8(config.Serv.GetOutputText(k - 1));
    while (!t.empty() && t.back() == ' ') t.pop_back();
    return t;
  }
  std::string Cell(int row, int column) const {
    return form.Grid()[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  }

  VirtualClock clock;
  SimPort line{clock};
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};
  ScriptedOutputDialogs dialogs{config.Serv};
  CountingPrinter printer;
  TInformMRController form{session, dialogs, &printer};
  std::filesystem::path dir;
};

}  // namespace lur::test
