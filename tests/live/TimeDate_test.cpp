// The controller's clock window against the simulated controller on virtual
// time: its 100 ms reading, what it shows, the fields and their checks, the
// broadcast, and the failures.
#include <gtest/gtest.h>

#include <array>
#include <ctime>
#include <string>
#include <vector>

#include "ModuleLiveFixture.h"
#include "link/Crc16.h"
#include "live/TFormTimeDateController.h"
#include "session/FailedAnswerCases.h"

namespace lur::test {
namespace {

sim::SimOptions StoppedClockAt(const sim::ClockTime& start) {
  sim::SimOptions options = ModuleLiveOptions();
  options.clockStart = start;
  options.clockStopped = true;
  return options;
}

// Registers 1000..1006 hold 5, 7, 9, 1, 2, 24, 4: 09:07:05 on Thursday 01.02.24.
const sim::ClockTime kThursday{5, 7, 9, 1, 2, 24, 4};

class TimeDateTest : public ::testing::Test {
 protected:
  explicit TimeDateTest(const sim::SimOptions& options = StoppedClockAt(kThursday)) : rig(options) {
    rig.config.Lur.FullAccess = 1;
    form.AttachTimer(rig.timer);
  }

  void Type(const std::array<const char*, 7>& texts) {
    for (int i = 0; i < 7; ++i) form.EditChange(i, texts[static_cast<std::size_t>(i)]);
  }
  std::array<std::string, 7> Fields() const {
    std::array<std::string, 7> out;
    for (int i = 0; i < 7; ++i) out[static_cast<std::size_t>(i)] = form.Field(i);
    return out;
  }
  int ClockReads() const { return rig.line.Count(fn::kReadInputRegisters); }

  ModuleLiveRig rig;
  TClockValues computer{0, 30, 18, 13, 12, 26, 7};
  TFormTimeDateController form{rig.session, [this] { return computer; }};
};

using Fields7 = std::array<std::string, 7>;

TEST_F(TimeDateTest, ShowingClearsTheFlagAndReadsRegisters1000To1006Every100Ms) {
  rig.config.Serv.StateFlags[TFormTimeDateController::kStateFlag] = 1;
  form.FormShow();
  EXPECT_EQ(rig.config.Serv.StateFlags[TFormTimeDateController::kStateFlag], 0);
  EXPECT_TRUE(form.label10Visible);
  EXPECT_EQ(rig.timer.Period(), 100);
  EXPECT_TRUE(form.stTime.empty());
  rig.clock.Advance(99);
  EXPECT_EQ(ClockReads(), 0);  // the first reading one period after showing
  rig.clock.Advance(1);
  ASSERT_EQ(rig.Reads(), (std::vector<std::array<int, 3>>{{4, 1000, 7}}));
  EXPECT_EQ(form.stTime, "09:07:05");
  EXPECT_EQ(form.stDate, "01.02.24");
  EXPECT_EQ(form.stDayWeek, "чт");
  rig.clock.Advance(900);
  EXPECT_EQ(ClockReads(), 10);
  EXPECT_EQ(rig.Reads(), (std::vector<std::array<int, 3>>(10, {4, 1000, 7})));

  // Shown again after closing: the cells start empty.
  form.FormClose();
  rig.clock.Advance(500);
  EXPECT_EQ(ClockReads(), 10);
  EXPECT_FALSE(form.label10Visible);
  form.FormShow();
  EXPECT_TRUE(form.stTime.empty());
  EXPECT_TRUE(form.stDayWeek.empty());
  EXPECT_FALSE(form.LastReading().has_value());
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(TimeDateTest, TheDayNameFollowsRegister1006AndAnyOtherNumberShowsNone) {
  struct Case {
    int weekday;
    const char* name;
  };
  const Case cases[] = {{1, "пн"}, {2, "вт"}, {3, "ср"}, {4, "чт"}, {5, "пт"}, {6, "сб"},
                        {7, "вс"}, {0, ""},   {8, ""},   {255, ""}};
  int weekday = 1;
  // The answer's register 1006 as the case says, its high byte set to show
  // that only the low byte counts.
  rig.line.rewriteAnswer = [&weekday](const Frame& request, std::optional<Frame> answer) -> std::optional<Frame> {
    if (!answer || request[1] != fn::kReadInputRegisters) return answer;
    Frame a = *answer;
    a[3 + 12] = 0x01;
    a[3 + 13] = static_cast<std::uint8_t>(weekday);
    AppendCrc16(a.data(), a.size() - 2);
    return a;
  };
  form.FormShow();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.weekday);
    weekday = c.weekday;
    rig.clock.Advance(100);
    EXPECT_EQ(form.stDayWeek, c.name);
    EXPECT_EQ(form.stTime, "09:07:05");
    ASSERT_TRUE(form.LastReading());
    EXPECT_EQ(form.LastReading()->weekday, c.weekday);
  }
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(TimeDateTest, Button1StopsAndResumesTheReading) {
  form.FormShow();
  rig.clock.Advance(300);
  EXPECT_EQ(ClockReads(), 3);
  form.Button1Click();
  EXPECT_FALSE(form.Polling());
  EXPECT_FALSE(form.label10Visible);
  rig.clock.Advance(1000);
  EXPECT_EQ(ClockReads(), 3);
  EXPECT_EQ(form.stTime, "09:07:05");  // the last reading stays shown
  form.Button1Click();
  EXPECT_TRUE(form.label10Visible);
  rig.clock.Advance(200);
  EXPECT_EQ(ClockReads(), 5);
}

TEST_F(TimeDateTest, Button2CopiesTheLastReadingOnlyWhileReading) {
  form.FormShow();
  form.Button2Click();  // reading, but nothing read yet
  EXPECT_EQ(Fields(), Fields7{});
  EXPECT_EQ(rig.config.Serv.StateFlags[TFormTimeDateController::kStateFlag], 0);

  rig.clock.Advance(100);
  form.Button2Click();
  EXPECT_EQ(Fields(), (Fields7{"5", "7", "9", "1", "2", "24", "4"}));
  EXPECT_EQ(rig.config.Serv.StateFlags[TFormTimeDateController::kStateFlag], 1);
  EXPECT_TRUE(rig.ui.shown.empty());

  form.Button1Click();
  form.EditChange(0, "");
  form.Button2Click();
  ASSERT_EQ(rig.ui.shown.size(), 1u);
  EXPECT_EQ(rig.ui.shown[0].text, "Включите запрос времени с прибора");
  EXPECT_EQ(rig.ui.shown[0].caption, "Предупреждение");
  EXPECT_EQ(rig.ui.shown[0].icon, MsgIcon::Error);
  EXPECT_EQ(form.Field(0), "");
}

TEST_F(TimeDateTest, Button3TakesTheComputersClockWithSundayAsSeven) {
  // Sunday 13 December 2026, 18:30:00 as the C library gives it.
  std::tm sunday{};
  sunday.tm_sec = 0;
  sunday.tm_min = 30;
  sunday.tm_hour = 18;
  sunday.tm_mday = 13;
  sunday.tm_mon = 11;
  sunday.tm_year = 126;
  sunday.tm_wday = 0;
  computer = ClockValuesOf(sunday);
  EXPECT_EQ(computer, (TClockValues{0, 30, 18, 13, 12, 26, 7}));
  form.FormShow();
  form.Button3Click();
  EXPECT_EQ(Fields(), (Fields7{"0", "30", "18", "13", "12", "26", "7"}));
  EXPECT_EQ(rig.config.Serv.StateFlags[TFormTimeDateController::kStateFlag], 1);
  EXPECT_EQ(DayOfWeek(2026, 12, 13), 7);
  EXPECT_EQ(DayOfWeek(2024, 2, 1), 4);
  EXPECT_EQ(DayOfWeek(2000, 1, 1), 6);
}

// Each field empty and out of range, then the day against its month: the
// marker at the first failing field with its text, and nothing sent.
TEST_F(TimeDateTest, TheFieldCheckMarksTheFirstFailingFieldAndSendsNothing) {
  struct Case {
    std::array<const char*, 7> fields;
    const char* field;
    const char* text;
  };
  const Case cases[] = {
      {{"", "7", "9", "1", "2", "24", "4"}, "Edit1", "Величина вне диапазона 0 - 59"},
      {{"60", "7", "9", "1", "2", "24", "4"}, "Edit1", "Величина вне диапазона 0 - 59"},
      {{"5", "", "9", "1", "2", "24", "4"}, "Edit2", "Величина вне диапазона 0 - 59"},
      {{"5", "60", "9", "1", "2", "24", "4"}, "Edit2", "Величина вне диапазона 0 - 59"},
      {{"5", "7", "", "1", "2", "24", "4"}, "Edit3", "Величина вне диапазона 0 - 23"},
      {{"5", "7", "24", "1", "2", "24", "4"}, "Edit3", "Величина вне диапазона 0 - 23"},
      {{"5", "7", "9", "", "2", "24", "4"}, "Edit4", "Величина вне диапазона 1 - 31"},
      {{"5", "7", "9", "0", "2", "24", "4"}, "Edit4", "Величина вне диапазона 1 - 31"},
      {{"5", "7", "9", "32", "2", "24", "4"}, "Edit4", "Величина вне диапазона 1 - 31"},
      {{"5", "7", "9", "1", "", "24", "4"}, "Edit5", "Величина вне диапазона 1 - 12"},
      {{"5", "7", "9", "1", "0", "24", "4"}, "Edit5", "Величина вне диапазона 1 - 12"},
      {{"5", "7", "9", "1", "13", "24", "4"}, "Edit5", "Величина вне диапазона 1 - 12"},
      {{"5", "7", "9", "1", "2", "", "4"}, "Edit6", "Величина вне диапазона 0 - 99"},
      {{"5", "7", "9", "1", "2", "100", "4"}, "Edit6", "Величина вне диапазона 0 - 99"},
      {{"5", "7", "9", "1", "2", "24", ""}, "Edit7", "Величина вне диапазона 1 - 7"},
      {{"5", "7", "9", "1", "2", "24", "0"}, "Edit7", "Величина вне диапазона 1 - 7"},
      {{"5", "7", "9", "1", "2", "24", "8"}, "Edit7", "Величина вне диапазона 1 - 7"},
      // The first failing field stops the check.
      {{"5", "", "99", "1", "2", "24", "4"}, "Edit2", "Величина вне диапазона 0 - 59"},
      // A day its month does not have.
      {{"5", "7", "9", "29", "2", "23", "3"}, "Edit4", "Величина вне диапазона 1 - 28"},
      {{"5", "7", "9", "30", "2", "24", "5"}, "Edit4", "Величина вне диапазона 1 - 29"},
      {{"5", "7", "9", "31", "4", "24", "2"}, "Edit4", "Величина вне диапазона 1 - 30"},
      {{"5", "7", "9", "31", "2", "00", "2"}, "Edit4", "Величина вне диапазона 1 - 29"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " " + c.text);
    rig.ui.inlineErrors.clear();
    Type(c.fields);
    EXPECT_FALSE(form.ChangeTimeClick());
    EXPECT_EQ(rig.ui.inlineErrors, (std::vector<TFieldError>{{c.field, c.text}}));
    EXPECT_FALSE(form.OKClick());
    EXPECT_EQ(rig.ui.inlineErrors.size(), 2u);
  }
  EXPECT_EQ(rig.line.Count(fn::kClockBroadcast), 0);
  EXPECT_TRUE(rig.ui.shown.empty());

  // 29.02 of a leap year passes.
  rig.ui.inlineErrors.clear();
  Type({"5", "7", "9", "29", "2", "24", "4"});
  EXPECT_TRUE(form.OKClick());
  EXPECT_TRUE(rig.ui.inlineErrors.empty());
}

TEST_F(TimeDateTest, ChangeTimeBroadcastsTheFieldsAndTheNextReadingShowsThem) {
  form.FormShow();
  rig.clock.Advance(100);
  Type({"59", "58", "22", "29", "2", "24", "4"});
  ASSERT_TRUE(form.ChangeTimeClick());
  const std::vector<Frame> sent = rig.line.RequestsOf(fn::kClockBroadcast);
  ASSERT_EQ(sent.size(), 1u);  // no answer awaited, so never repeated
  Frame expected{0x00, 0x46, 59, 58, 22, 29, 2, 24, 4, 0, 0};
  AppendCrc16(expected.data(), expected.size() - 2);
  EXPECT_EQ(sent[0], expected);
  rig.clock.Advance(100);
  EXPECT_EQ(form.stTime, "22:58:59");
  EXPECT_EQ(form.stDate, "29.02.24");
  EXPECT_EQ(form.stDayWeek, "чт");
  EXPECT_TRUE(rig.ui.shown.empty());
}

TEST_F(TimeDateTest, AtTheLimitedLevelNothingIsSentAndNothingChecked) {
  rig.config.Lur.FullAccess = 0;
  Type({"", "7", "9", "1", "2", "24", "4"});
  EXPECT_FALSE(form.ChangeTimeClick());
  EXPECT_EQ(rig.line.Count(fn::kClockBroadcast), 0);
  ASSERT_EQ(rig.ui.shown.size(), 1u);
  EXPECT_EQ(rig.ui.shown[0].text, "Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт");
  EXPECT_EQ(rig.ui.shown[0].caption, "Предупреждение");
  EXPECT_EQ(rig.ui.shown[0].icon, MsgIcon::Warning);
  EXPECT_TRUE(rig.ui.inlineErrors.empty());
}

TEST_F(TimeDateTest, AFailedReadingGivesOneBoxSwitchesTheReadingOffAndButton1ResumesIt) {
  for (const FailedAnswerCase& c : kFailedAnswerCases) {
    SCOPED_TRACE(c.what);
    ModuleLiveRig rig2(StoppedClockAt(kThursday));
    TFormTimeDateController form2{rig2.session};
    form2.AttachTimer(rig2.timer);
    form2.FormShow();
    rig2.clock.Advance(100);
    ASSERT_EQ(form2.stTime, "09:07:05");

    rig2.line.Fail({fn::kReadInputRegisters, 1000}, c.fault);
    rig2.clock.Advance(100);
    ASSERT_EQ(rig2.ui.shown.size(), 1u);
    EXPECT_EQ(rig2.ui.shown[0].text, rig2.link.ErrorText(0, c.code));
    EXPECT_FALSE(form2.Polling());
    EXPECT_FALSE(form2.label10Visible);
    EXPECT_EQ(form2.stTime, "09:07:05");
    const std::size_t sent = rig2.line.requests.size();
    rig2.clock.Advance(30000);
    EXPECT_EQ(rig2.line.requests.size(), sent);
    EXPECT_EQ(rig2.ui.shown.size(), 1u);

    // The controller answers again; Button1 resumes the reading.
    rig2.line.ClearFaults();
    form2.Button1Click();
    EXPECT_TRUE(form2.label10Visible);
    rig2.clock.Advance(100);
    EXPECT_GT(rig2.line.requests.size(), sent);
    EXPECT_EQ(rig2.ui.shown.size(), 1u);
    const auto poller = form2.Poller();
    ASSERT_NE(poller, nullptr);
    EXPECT_EQ(poller->SkippedTicks() > 0, c.code == kResultNoAnswer);
  }
}

TEST_F(TimeDateTest, AClosedPortOnChangeTimeGivesOneBox) {
  Type({"5", "7", "9", "1", "2", "24", "4"});
  rig.line.Close();
  EXPECT_FALSE(form.ChangeTimeClick());
  ASSERT_EQ(rig.ui.shown.size(), 1u);
  EXPECT_EQ(rig.ui.shown[0].text, rig.link.ErrorText(0, kResultPortClosed));
  EXPECT_EQ(rig.ui.shown[0].icon, MsgIcon::Error);
  EXPECT_EQ(rig.line.Count(fn::kClockBroadcast), 0);
}

TEST_F(TimeDateTest, LeavingAnEmptyFieldShowsTheMarker) {
  form.EditChange(2, "7");
  form.EditExit(2);
  EXPECT_TRUE(rig.ui.inlineErrors.empty());
  form.EditChange(2, "");
  form.EditExit(2);
  EXPECT_EQ(rig.ui.inlineErrors, (std::vector<TFieldError>{{"Edit3", " Ошибка ввода "}}));
}

TEST_F(TimeDateTest, ClosingStopsTheReadingAndMarksAChangedFileOnly) {
  struct Case {
    int fileMode;
    bool edit;
    int modified;
  };
  for (const Case c : {Case{1, true, 1}, Case{1, false, 0}, Case{0, true, 0}}) {
    SCOPED_TRACE(c.fileMode * 10 + c.edit);
    rig.config.Serv.FileMode = c.fileMode;
    rig.config.Serv.Modified = 0;
    form.FormShow();
    if (c.edit) form.EditChange(5, c.fileMode ? "25" : "26");
    form.FormClose();
    EXPECT_FALSE(form.Polling());
    EXPECT_EQ(rig.config.Serv.Modified, c.modified);
  }
  const int reads = ClockReads();
  rig.clock.Advance(1000);
  EXPECT_EQ(ClockReads(), reads);
}

}  // namespace
}  // namespace lur::test
