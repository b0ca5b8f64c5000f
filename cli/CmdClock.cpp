#include "cli/CmdClock.h"

#include <iostream>
#include <memory>
#include <optional>

#include "cli/CmdLive.h"
#include "cli/CmdWrite.h"
#include "link/TComPortClass.h"
#include "live/TFormTimeDateController.h"
#include "model/TConfiguration.h"
#include "session/LinkReports.h"
#include "session/TSession.h"
#include "shell/TAccessLevel.h"
#include "shell/TDumpNode.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

const char* const kClockUsage =
    "usage: lurctl clock [--json]\n"
    "       lurctl clock --watch [--interval MS] [--count K] [--json]\n"
    "       lurctl clock --set now|YYYY-MM-DDTHH:MM:SS [--password TEXT] [--password-file PATH]\n";

struct TClockArguments {
  bool watch = false;
  bool json = false;
  std::optional<std::string> set;
  std::string password;
  std::optional<std::string> passwordFile;
  std::vector<std::string> watchArguments;  // --interval, --count and --json, for the live frame
};

bool ParseArguments(const std::vector<std::string>& args, TClockArguments& a, std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    const bool hasValue = i + 1 < args.size();
    if (name == "--watch") {
      a.watch = true;
    } else if (name == "--json") {
      a.json = true;
      a.watchArguments.push_back(name);
    } else if ((name == "--interval" || name == "--count") && hasValue) {
      a.watchArguments.push_back(name);
      a.watchArguments.push_back(args[++i]);
    } else if (name == "--set" && hasValue) {
      a.set = args[++i];
    } else if (name == "--password" && hasValue) {
      a.password = args[++i];
    } else if (name == "--password-file" && hasValue) {
      a.passwordFile = args[++i];
    } else {
      error = "clock does not take " + name;
      return false;
    }
  }
  const bool pollOptions = a.watchArguments.size() > (a.json ? 1u : 0u);
  if (a.watch && a.set) {
    error = "clock takes --watch or --set, not both";
    return false;
  }
  if (pollOptions && !a.watch) {
    error = "--interval and --count go with --watch";
    return false;
  }
  if ((!a.password.empty() || a.passwordFile) && !a.set) {
    error = "--password goes with --set";
    return false;
  }
  return true;
}

// YYYY-MM-DDTHH:MM:SS as the window's seven field texts; the year as
// year - 2000 and the day of week of the date, so that the window's checks
// judge them. Nothing when the text has another form.
std::optional<std::array<std::string, 7>> FieldsOfTime(const std::string& text) {
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
      text[16] != ':') {
    return std::nullopt;
  }
  for (const std::size_t at : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u, 11u, 12u, 14u, 15u, 17u, 18u}) {
    if (text[at] < '0' || text[at] > '9') return std::nullopt;
  }
  const auto number = [&text](std::size_t at, std::size_t length) { return std::stoi(text.substr(at, length)); };
  const int year = number(0, 4);
  const int month = number(5, 2);
  const int day = number(8, 2);
  // A day of week only for a date that exists; the check refuses the others
  // before it comes to that field.
  const bool exists = month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
  return std::array<std::string, 7>{std::to_string(number(17, 2)), std::to_string(number(14, 2)),
                                    std::to_string(number(11, 2)), std::to_string(day),
                                    std::to_string(month),         std::to_string(year - 2000),
                                    std::to_string(exists ? DayOfWeek(year, month, day) : 1)};
}

void PrintReading(const TFormTimeDateController& form, bool json, std::ostream& out) {
  if (json) {
    const TClockValues& v = *form.LastReading();
    out << "{\"second\":" << v.second << ",\"minute\":" << v.minute << ",\"hour\":" << v.hour
        << ",\"day\":" << v.day << ",\"month\":" << v.month << ",\"year\":" << v.year
        << ",\"weekday\":" << v.weekday << ",\"time\":" << JsonString(form.stTime)
        << ",\"date\":" << JsonString(form.stDate) << ",\"dayname\":" << JsonString(form.stDayWeek) << "}\n";
  } else {
    out << "time: " << form.stTime << "\ndate: " << form.stDate << "\nday: " << form.stDayWeek << '\n';
  }
  out.flush();
}

int SetClock(const TClockArguments& a, TSession& session, const TClockCommandSetup& setup, std::ostream& out,
             std::ostream& err) {
  std::optional<std::array<std::string, 7>> fields;
  if (*a.set != "now") {
    fields = FieldsOfTime(*a.set);
    if (!fields) {
      err << "lurctl: --set takes now or YYYY-MM-DDTHH:MM:SS\n" << kClockUsage;
      return 2;
    }
  }
  const TPasswordCheck access =
      TAccessLevel::CheckPassword(a.password, a.passwordFile ? *a.passwordFile : setup.passwordFile);
  if (!access.accepted) {
    ShowError(session.ui, "Введенный пароль неверен");
    return 1;
  }
  session.config.Lur.FullAccess = access.fullAccess ? 1 : 0;
  session.link.SetAccessQuery([fullAccess = access.fullAccess] { return fullAccess; });

  TFormTimeDateController form(session, setup.computerClock);
  if (fields) {
    for (int i = 0; i < TFormTimeDateController::kFields; ++i) {
      form.EditChange(i, (*fields)[static_cast<std::size_t>(i)]);
    }
  } else {
    form.Button3Click();
  }
  if (!form.ChangeTimeClick()) return 1;
  std::array<int, 7> values{};
  for (int i = 0; i < TFormTimeDateController::kFields; ++i) {
    values[static_cast<std::size_t>(i)] = std::stoi(form.Field(i));
  }
  const TClockValues sent = TClockValues::FromOrder(values);
  out << "set: " << ClockTimeText(sent) << ' ' << ClockDateText(sent) << ' ' << DayOfWeekText(sent.weekday) << '\n';
  return 0;
}

TLiveTwin ClockTwin(const TClockCommandSetup& setup) {
  TLiveTwin twin;
  twin.name = "clock";
  twin.summary = "the controller's clock (TFormTimeDate)";
  twin.make = [setup](TSession& session, const std::vector<std::string>& args,
                      std::string& error) -> std::unique_ptr<TLiveView> {
    if (!args.empty()) {
      error = "does not take " + args.front();
      return nullptr;
    }
    return std::make_unique<TFormTimeDateController>(session, setup.computerClock);
  };
  return twin;
}

}  // namespace

int RunClockCommand(const std::vector<std::string>& args, TSession& session, TWaiter& waiter,
                    const TClockCommandSetup& setup, std::ostream& out, std::ostream& err) {
  TClockArguments a;
  std::string error;
  if (!ParseArguments(args, a, error)) {
    err << "lurctl: " << error << '\n' << kClockUsage;
    return 2;
  }
  if (a.set) return SetClock(a, session, setup, out, err);
  if (a.watch) {
    std::vector<std::string> liveArgs{"clock"};
    liveArgs.insert(liveArgs.end(), a.watchArguments.begin(), a.watchArguments.end());
    return RunLiveView({ClockTwin(setup)}, liveArgs, session, waiter, out, err);
  }
  TFormTimeDateController form(session, setup.computerClock);
  if (const int code = form.ReadClock()) {
    ReportLinkError(session.ui, session.link, session.addressing.AddressIndex(), code);
    return 1;
  }
  PrintReading(form, a.json, out);
  return 0;
}

int RunClock(const TLurctlOptions& options, TComPortClass& link, TUserInterface& ui) {
  // The clock changes nothing in a configuration; the window's controller
  // gets one of its own, at the construction defaults.
  auto config = std::make_unique<TConfiguration>();
  TFixedAddressing addressing(options.device - 1, options.device - 1);
  TSession session{*config, link, ui, addressing};
  const TClockCommandSetup setup{DefaultPasswordFile(), ComputerLocalTime};
  return RunClockCommand(options.arguments, session, link.Waiter(), setup, std::cout, std::cerr);
}

}  // namespace lur
