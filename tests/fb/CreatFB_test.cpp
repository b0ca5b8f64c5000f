// The block programming dialog: what each type enables, what closing
// refuses, and the bytes it leaves in a record, including records holding
// values no list of the dialog has.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fb/TFormCreatFBController.h"
#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using Form = TFormCreatFBController;
using C = TCreatFBControl;
using Record = TProgFBClass::Record;

// A 120-block configuration with 96 discrete and 12 analog signals and
// 20 blocks, no calculation blocks.
struct Fixture {
  Fixture() {
    link.PortName = "COM1";
    config.Serv.SetProcessedDiscreteCount(96);
    config.Serv.SetProcessedAnalogCount(12);
    for (int i = 0; i < 20; ++i) config.FB.SetTipFB(i, 1);
    config.FB.NFB = 20;
  }
  // A fresh record i of its bytes, then the dialog prepared from it.
  Form& Program(int i, const Record& bytes) {
    config.FB.SetRecord(i, bytes);
    form.PrepareFromRecord(i);
    return form;
  }
  // OK, then the values written into record i.
  Record Accept(int i) {
    EXPECT_EQ(form.OKClick(), kModalOk);
    EXPECT_TRUE(form.WriteIntoRecord(i));
    return config.FB.GetRecord(i);
  }

  test::VirtualClock clock;
  test::ScriptedPort port{clock};
  TScriptedUserInterface ui;
  TComPortClass link{port, clock};
  TConfiguration config;
  TFixedAddressing addressing{0, 0};
  TSession session{config, link, ui, addressing};
  Form form{session};
};

std::vector<C> EnabledOf(const Form& form, std::initializer_list<C> controls) {
  std::vector<C> on;
  for (C c : controls) {
    if (form.Enabled(c)) on.push_back(c);
  }
  return on;
}

// The settings controls whose enabling depends on the type.
const std::initializer_list<C> kSettings = {
    C::RadioGroup3, C::GBTimer,  C::RadioGroup2, C::RadioGroup4, C::EditT,     C::RadioGroup5, C::EditAdrT,
    C::EditHour,    C::EditMin,  C::EditSec,     C::GBComp,      C::EditAnVh,  C::ComboBox9,   C::CBoxCond,
    C::RadioGroup6, C::EditLim,  C::EditAdrUst,  C::EditGist,    C::GBCount,   C::EditLimCount};

struct TypeCase {
  int item;
  int rows;  // input rows enabled
  std::array<std::string, 4> labels;
  std::vector<C> settings;
};

class TypeEnabling : public ::testing::TestWithParam<TypeCase> {};

// Choosing a type gives its defaults and enables its rows and settings, and
// nothing that belongs to another type, whatever was shown before.
TEST_P(TypeEnabling, RowsLabelsAndSettings) {
  const TypeCase c = GetParam();
  Fixture f;
  f.form.PrepareForNewBlock(21, true);
  f.form.RadioGroup1Click(7);  // a comparator first: its fields enabled and typed into
  f.form.RadioGroup6Click(Form::kAdjustable);
  f.form.EditVx1Change(C::EditAdrUst, "7");
  f.form.EditVx1Change(C::EditVx1, "12");
  f.form.RadioGroup1Click(c.item);

  EXPECT_EQ(f.config.FB.FBModified, 1);
  for (int r = 0; r < 4; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(f.form.rows[r].number, "0");
    EXPECT_EQ(f.form.rows[r].direction, 0);
    EXPECT_EQ(f.form.rows[r].kind, 0);
    const C row[] = {C::EditVx1, C::EditVx2, C::EditVx3, C::EditVx4};
    EXPECT_EQ(f.form.Enabled(row[r]), r < c.rows);
  }
  EXPECT_EQ(f.form.labRS, c.labels);
  EXPECT_EQ(EnabledOf(f.form, kSettings), c.settings);
  EXPECT_EQ(f.form.editT, "00");
  EXPECT_EQ(f.form.editLim, "00");
  EXPECT_EQ(f.form.radioGroup2, 0);
  EXPECT_EQ(f.form.radioGroup6, 0);
}

INSTANTIATE_TEST_SUITE_P(
    EveryType, TypeEnabling,
    ::testing::Values(
        TypeCase{0, 4, {"", "", "", ""}, {}}, TypeCase{3, 4, {"", "", "", ""}, {}},
        TypeCase{4, 2, {"", "", "", ""}, {}},
        TypeCase{5, 2, {"S", "R", "", ""}, {C::GBTimer, C::RadioGroup2, C::RadioGroup4, C::EditT, C::RadioGroup5}},
        TypeCase{6, 4, {"S", "S", "R", "R"}, {C::RadioGroup3}},
        TypeCase{7,
                 1,
                 {"", "", "", ""},
                 {C::GBTimer, C::RadioGroup4, C::EditT, C::GBComp, C::EditAnVh, C::ComboBox9, C::CBoxCond,
                  C::RadioGroup6, C::EditLim, C::EditGist}},
        TypeCase{8, 4, {"ZV", "ZR", "S", "R"}, {C::GBCount, C::EditLimCount}}));

// Timer types and set-point kinds switch their fields; T5 has one input.
TEST(CreatFBTimer, TimerTypeAndSetPointKindSwitchTheirFields) {
  Fixture f;
  Form& form = f.form;
  form.PrepareForNewBlock(21, true);
  form.RadioGroup1Click(5);
  form.EditVx1Change(C::EditVx2, "7");
  form.RadioGroup2Click(Form::kAlarmClock);
  EXPECT_FALSE(form.Enabled(C::EditVx2));
  EXPECT_TRUE(form.Enabled(C::EditVx1));
  EXPECT_EQ(EnabledOf(form, {C::EditHour, C::EditMin, C::EditSec}).size(), 3u);
  EXPECT_EQ(form.labRS[0], "");
  EXPECT_EQ(form.labRS[1], "");
  form.EditVx1Change(C::EditHour, "7");

  form.RadioGroup2Click(1);
  EXPECT_TRUE(form.Enabled(C::EditVx2));
  EXPECT_EQ(form.rows[1].number, "0");
  EXPECT_EQ(form.editHour, "00");
  EXPECT_FALSE(form.Enabled(C::EditHour));
  EXPECT_EQ(form.labRS[0], "S");
  EXPECT_EQ(form.labRS[1], "R");

  form.EditVx1Change(C::EditT, "15");
  form.RadioGroup5Click(Form::kAdjustable);
  EXPECT_EQ(form.editT, "00");
  EXPECT_FALSE(form.Enabled(C::EditT));
  EXPECT_TRUE(form.Enabled(C::EditAdrT));
  form.EditVx1Change(C::EditAdrT, "4");
  form.RadioGroup5Click(Form::kFixed);
  EXPECT_EQ(form.editAdrT, "00");
  EXPECT_FALSE(form.Enabled(C::EditAdrT));
  EXPECT_TRUE(form.Enabled(C::EditT));

  // A timer's handlers do nothing for another type.
  form.RadioGroup1Click(0);
  form.RadioGroup2Click(Form::kAlarmClock);
  form.RadioGroup5Click(Form::kAdjustable);
  EXPECT_EQ(form.radioGroup2, 0);
  EXPECT_FALSE(form.Enabled(C::EditAdrT));
  EXPECT_TRUE(form.Enabled(C::EditVx2));
}

// ---- closing ---------------------------------------------------------------------

struct CloseCase {
  const char* name;
  std::function<void(Form&)> setUp;
  bool closes;
  std::vector<TFieldError> errors;  // inline errors, in order
};

class ClosingChecks : public ::testing::TestWithParam<CloseCase> {};

TEST_P(ClosingChecks, RefuseAtTheFirstBadField) {
  const CloseCase& c = GetParam();
  Fixture f;
  f.form.PrepareForNewBlock(21, true);
  c.setUp(f.form);
  f.ui.inlineErrors.clear();
  EXPECT_EQ(f.form.OKClick(), c.closes ? kModalOk : kModalError);
  EXPECT_EQ(f.ui.inlineErrors, c.errors);
  if (!c.errors.empty()) {
    EXPECT_TRUE(f.form.errorTextVisible);
    EXPECT_EQ(f.form.errorText, c.errors.back().text);
    EXPECT_EQ(f.form.errorField, c.errors.back().field);
    f.form.ErrorTextMouseMove();
    EXPECT_FALSE(f.form.errorTextVisible);
  }
}

void Alarm(Form& form, const char* h, const char* m, const char* s, const char* t = "00") {
  form.RadioGroup1Click(5);
  form.RadioGroup2Click(Form::kAlarmClock);
  form.EditVx1Change(C::EditHour, h);
  form.EditVx1Change(C::EditMin, m);
  form.EditVx1Change(C::EditSec, s);
  form.EditVx1Change(C::EditT, t);
}

void Comparator(Form& form, int kind, const char* value) {
  form.RadioGroup1Click(7);
  form.RadioGroup6Click(kind);
  form.EditVx1Change(kind == Form::kFixed ? C::EditLim : C::EditAdrUst, value);
}

const std::string kBad = " Ошибка ввода ";

INSTANTIATE_TEST_SUITE_P(
    Cases, ClosingChecks,
    ::testing::Values(
        CloseCase{"alarm_ok", [](Form& f) { Alarm(f, "23", "59", "59"); }, true, {}},
        CloseCase{"hour_24", [](Form& f) { Alarm(f, "24", "0", "0"); }, false,
                  {{"EditHour", "Вне диапазона 0 - 23"}}},
        CloseCase{"minute_60", [](Form& f) { Alarm(f, "1", "60", "0"); }, false,
                  {{"EditMin", "Вне диапазона 0 - 59"}}},
        CloseCase{"second_empty", [](Form& f) { Alarm(f, "1", "1", ""); }, false, {{"EditSec", kBad}}},
        // The alarm time is checked before the time.
        CloseCase{"hour_before_time", [](Form& f) { Alarm(f, "30", "0", "0", "500"); }, false,
                  {{"EditHour", "Вне диапазона 0 - 23"}}},
        CloseCase{"time_121",
                  [](Form& f) {
                    f.RadioGroup1Click(5);
                    f.EditVx1Change(C::EditT, "121");
                  },
                  false, {{"EditT", "Вне диапазона 0 - 120"}}},
        CloseCase{"comparator_time_empty",
                  [](Form& f) {
                    Comparator(f, Form::kFixed, "1,5");
                    f.EditVx1Change(C::EditT, "");
                  },
                  false, {{"EditT", kBad}}},
        CloseCase{"timer_address_0",
                  [](Form& f) {
                    f.RadioGroup1Click(5);
                    f.RadioGroup5Click(Form::kAdjustable);
                    f.EditVx1Change(C::EditAdrT, "0");
                  },
                  false, {{"EditAdrT", "Вне диапазона 1 - 10"}}},
        CloseCase{"comparator_address_0", [](Form& f) { Comparator(f, Form::kAdjustable, "0"); }, false,
                  {{"EditAdrUst", "Вне диапазона 1 - 10"}}},
        CloseCase{"comparator_address_10", [](Form& f) { Comparator(f, Form::kAdjustable, "10"); }, true, {}},
        CloseCase{"limit_not_a_number", [](Form& f) { Comparator(f, Form::kFixed, "1,2,3"); }, false,
                  {{"EditLim", kBad}}},
        CloseCase{"limit_beyond_real24", [](Form& f) { Comparator(f, Form::kFixed, "1e40"); }, false,
                  {{"EditLim", kBad}}},
        CloseCase{"limit_negative", [](Form& f) { Comparator(f, Form::kFixed, "-12,5"); }, true, {}},
        // Told, but closing goes on.
        CloseCase{"compared_value_empty",
                  [](Form& f) {
                    Comparator(f, Form::kFixed, "1");
                    f.EditVx1Change(C::EditAnVh, "");
                  },
                  true, {{"EditAnVh", kBad}}},
        CloseCase{"count_empty",
                  [](Form& f) {
                    f.RadioGroup1Click(8);
                    f.EditVx1Change(C::EditLimCount, "");
                  },
                  true, {{"EditLimCount", kBad}}},
        // Another type's fields are not checked.
        CloseCase{"and_ignores_time",
                  [](Form& f) {
                    f.RadioGroup1Click(0);
                    f.editT = "999";
                  },
                  true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Cancel checks nothing and leaves the table as it was before the dialog:
// the modified flag back to its state, the record untouched.
TEST(CreatFBClosing, CancelChangesNothing) {
  Fixture f;
  f.config.Serv.FileMode = 1;
  const Record bytes = {0x26, 0x08, 5, 0x01, 3, 0x01, 15, 0x00, 0, 0x20, 0, 0, 0, 0, 0, 0};
  f.Program(3, bytes);
  EXPECT_EQ(f.config.FB.FBModified, 0);  // filling is no change
  f.form.RadioGroup1Click(8);
  f.form.EditVx1Change(C::EditLimCount, "");
  f.form.SBVklClick(false);
  ASSERT_EQ(f.config.FB.FBModified, 1);
  EXPECT_EQ(f.form.CancelClick(), kModalCancel);
  EXPECT_TRUE(f.form.Cancelled());
  EXPECT_TRUE(f.ui.inlineErrors.empty());
  EXPECT_EQ(f.config.FB.FBModified, 0);
  EXPECT_EQ(f.config.Serv.Modified, 0);
  EXPECT_EQ(f.form.editLimCount, "00");
  EXPECT_EQ(f.config.FB.GetRecord(3), bytes);

  // OK in file mode marks the configuration.
  f.Program(3, bytes);
  f.form.RadioGroup4Click(2);
  f.Accept(3);
  EXPECT_EQ(f.config.Serv.Modified, 1);
}

// ---- the record --------------------------------------------------------------------

Record Bytes(std::initializer_list<int> b) {
  Record r{};
  int k = 0;
  for (int v : b) r[k++] = static_cast<std::uint8_t>(v);
  return r;
}

// The bytes each type writes into a new record.
TEST(CreatFBRecord, BytesWrittenPerType) {
  const struct {
    const char* name;
    std::function<void(Form&)> setUp;
    Record bytes;
  } cases[] = {
      {"and_two_inputs",
       [](Form& f) {
         f.RadioGroup1Click(0);
         f.ComboBox1Change(C::ComboBox1, 1);
         f.EditVx1Change(C::EditVx1, "5");
         f.ComboBox1Change(C::ComboBox4, 3);  // "флаг недост. диск. сигн." is kind 4
         f.EditVx1Change(C::EditVx2, "96");
         f.ComboBox1Change(C::ComboBox5, 1);
         f.ComboBox1Change(C::ComboBox6, 2);
         f.EditVx1Change(C::EditVx3, "12");
         f.ComboBox1Change(C::ComboBox8, 1);
         f.EditVx1Change(C::EditVx4, "20");
         f.SBVklClick(true);
       },
       Bytes({0x01, 0x08, 5, 0x04, 96, 0x0A, 12, 0x01, 20, 0x20})},
      {"t2_seconds_fixed_15",
       [](Form& f) {
         f.RadioGroup1Click(5);
         f.RadioGroup2Click(2);
         f.RadioGroup4Click(1);
         f.EditVx1Change(C::EditT, "15");
         f.ComboBox1Change(C::ComboBox1, 1);
         f.EditVx1Change(C::EditVx1, "5");
       },
       Bytes({0x26, 0x08, 5, 0x00, 0, 0x01, 15, 0x00})},
      {"t5_alarm",
       [](Form& f) {
         f.RadioGroup1Click(5);
         f.RadioGroup2Click(Form::kAlarmClock);
         f.EditVx1Change(C::EditHour, "23");
         f.EditVx1Change(C::EditMin, "30");
         f.EditVx1Change(C::EditSec, "9");
         f.RadioGroup4Click(2);
       },
       Bytes({0x56, 0x00, 0, 9, 30, (23 << 2) | 2, 0, 0})},
      {"trigger_s_r",
       [](Form& f) {
         f.RadioGroup1Click(6);
         f.RadioGroup3Click(1);
       },
       Bytes({0x17})},
      {"comparator_fixed",
       [](Form& f) {
         f.RadioGroup1Click(7);
         f.EditVx1Change(C::EditAnVh, "12");
         f.EditVx1Change(C::EditLim, "100");
         f.ComboBox1Change(C::CBoxCond, 1);
         f.EditVx1Change(C::EditGist, "40");  // clamped to 31
         f.EditVx1Change(C::EditT, "7");
         f.ComboBox1Change(C::ComboBox1, 1);
         f.ComboBox1Change(C::ComboBox2, 1);
         f.EditVx1Change(C::EditVx1, "3");
       },
       Bytes({0x08, 12, 0x00, 0x64, 0x07, 0x80 | (31 << 2), 7, 0x09, 3})},
      {"comparator_adjustable_calculated",
       [](Form& f) {
         f.RadioGroup1Click(7);
         f.RadioGroup6Click(Form::kAdjustable);
         f.EditVx1Change(C::EditAdrUst, "4");
         f.ComboBox1Change(C::ComboBox9, 1);
         f.EditVx1Change(C::EditAnVh, "1");  // no arithmetic block: disconnected
       },
       Bytes({0x48, 0x80, 0, 0, 0, 0, 0, 0, 0})},
      {"counter_45_as_31",
       [](Form& f) {
         f.RadioGroup1Click(8);
         f.EditVx1Change(C::EditLimCount, "45");
       },
       Bytes({0x09, 0xF0, 0, 0x10, 0})},
      {"hysteresis_unconnected",
       [](Form& f) {
         f.RadioGroup1Click(4);
         f.EditVx1Change(C::EditVx1, "150");  // past the 96 discrete signals
         f.EditVx1Change(C::EditVx3, "7");    // not an input of the type
       },
       Bytes({0x05})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    f.form.PrepareForNewBlock(21, true);
    c.setUp(f.form);
    EXPECT_EQ(f.Accept(20), c.bytes);
  }
}

// The timer of the T2 case, reopened and made adjustable at address 4: the
// time byte stays, the set-point kind and address are written.
TEST(CreatFBRecord, FixedTimerBecomesAdjustable) {
  Fixture f;
  Form& form = f.Program(4, Bytes({0x26, 0x08, 5, 0x00, 0, 0x01, 15, 0x00}));
  EXPECT_EQ(form.radioGroup2, 2);
  EXPECT_EQ(form.radioGroup4, 1);
  EXPECT_EQ(form.editT, "15");
  form.RadioGroup5Click(Form::kAdjustable);
  form.EditVx1Change(C::EditAdrT, "4");
  EXPECT_EQ(f.Accept(4), Bytes({0x26, 0x08, 5, 0x00, 0, 0x01, 15, 0x14}));
}

// Prepared from a record, the dialog shows every setting, each radio choice
// having run its handling; OK without a change writes the same bytes back,
// also where the record holds values no list of the dialog has.
TEST(CreatFBRecord, FilledFromARecordAndWrittenBackUnchanged) {
  const struct {
    const char* name;
    Record bytes;
    std::function<void(const Form&)> shows;
  } cases[] = {
      {"t5_alarm", Bytes({0x56, 0x0C, 7, 9, 30, (23 << 2) | 2, 0, 0x00, 0, 0x20}),
       [](const Form& f) {
         EXPECT_EQ(f.radioGroup2, Form::kAlarmClock);
         EXPECT_EQ(f.editHour, "23");
         EXPECT_EQ(f.editMin, "30");
         EXPECT_EQ(f.editSec, "9");
         EXPECT_EQ(f.rows[0].kind, 3);  // kind 4
         EXPECT_EQ(f.rows[1].number, "0");
         EXPECT_FALSE(f.Enabled(C::EditVx2));
         EXPECT_TRUE(f.Enabled(C::EditHour));
         EXPECT_TRUE(f.sbVkl);
         EXPECT_EQ(f.sbVklCaption, "включено");
       }},
      {"timer_adjustable", Bytes({0x36, 0x09, 3, 0x00, 1, 0x02, 50, 0x17}),
       [](const Form& f) {
         EXPECT_EQ(f.radioGroup5, Form::kAdjustable);
         EXPECT_EQ(f.editAdrT, "7");
         EXPECT_EQ(f.editT, "00");
         EXPECT_FALSE(f.Enabled(C::EditT));
         EXPECT_EQ(f.labRS[1], "R");
       }},
      {"comparator_adjustable", Bytes({0x38, 0x05, 0, 0, 0, 0x80 | (5 << 2) | 1, 9, 0x0A, 12}),
       [](const Form& f) {
         EXPECT_EQ(f.radioGroup6, Form::kAdjustable);
         EXPECT_EQ(f.editAdrUst, "3");
         EXPECT_EQ(f.editLim, "00");
         EXPECT_FALSE(f.Enabled(C::EditLim));
         EXPECT_EQ(f.editAnVh, "5");
         EXPECT_EQ(f.radioGroup4, 1);
         EXPECT_EQ(f.cBoxCond, 1);
         EXPECT_EQ(f.editGist, "5");
         EXPECT_EQ(f.rows[0].kind, 2);
         EXPECT_EQ(f.rows[0].number, "12");
       }},
      {"comparator_fixed", Bytes({0x08, 0x03, 0x00, 0xC0, 0x01, 0x00, 120, 0x08, 1}),
       [](const Form& f) {
         EXPECT_EQ(f.editLim, "-1,0000");
         EXPECT_EQ(f.editT, "120");
         EXPECT_TRUE(f.Enabled(C::EditLim));
         EXPECT_FALSE(f.Enabled(C::EditAdrUst));
       }},
      {"counter", Bytes({0x09, 0x58, 1, 0x11, 2, 0x00, 3, 0x08, 4}),
       [](const Form& f) { EXPECT_EQ(f.editLimCount, "21"); }},
      // Values no list holds: no choice shown, the bytes kept.
      {"timer_subtip_9", Bytes({0x96, 0x08, 1, 0x08, 2, 0x03, 10, 0x00}),
       [](const Form& f) {
         EXPECT_EQ(f.radioGroup2, Form::kNoChoice);
         EXPECT_EQ(f.radioGroup4, Form::kNoChoice);  // TimerD 3
         EXPECT_TRUE(f.Enabled(C::EditVx2));
       }},
      {"trigger_subtip_15", Bytes({0xF7, 0x0B, 1, 0x0D, 2, 0x0E, 3, 0x0F, 4}),
       [](const Form& f) {
         EXPECT_EQ(f.radioGroup3, Form::kNoChoice);
         EXPECT_EQ(f.rows[0].kind, Form::kNoChoice);  // kinds 3, 5, 6, 7
         EXPECT_EQ(f.rows[3].kind, Form::kNoChoice);
         EXPECT_EQ(f.rows[3].direction, 1);
       }},
      {"type_10", Bytes({0x3A, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3F, 1, 2, 3, 4, 5, 6}),
       [](const Form& f) {
         EXPECT_EQ(f.radioGroup1, Form::kNoChoice);
         EXPECT_EQ(f.labCreatProg, "программирование");
         EXPECT_FALSE(f.Enabled(C::EditVx1));
         EXPECT_FALSE(f.Enabled(C::GBTimer));
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    f.config.FB.FBModified = 0;
    Form& form = f.Program(5, c.bytes);
    EXPECT_EQ(form.editNFB, "6");
    EXPECT_EQ(f.config.FB.FBModified, 0);
    c.shows(form);
    EXPECT_EQ(form.OKClick(), kModalOk);
    form.WriteIntoRecord(5);
    EXPECT_EQ(f.config.FB.GetRecord(5), c.bytes);
  }
}

// A value picked in a list that showed no choice is written.
TEST(CreatFBRecord, APickedValueReplacesAForeignOne) {
  Fixture f;
  Form& form = f.Program(5, Bytes({0x96, 0x0B, 1, 0x08, 2, 0x03, 10, 0x00}));
  form.RadioGroup2Click(1);
  form.RadioGroup4Click(0);
  form.ComboBox1Change(C::ComboBox2, 0);
  // The new timer type resets the two inputs' numbers.
  EXPECT_EQ(f.Accept(5), Bytes({0x16, 0x08, 0, 0x08, 0, 0x00, 10, 0x00}));
}

// An alarm clock made an ordinary timer leaves none of its alarm time in the
// bytes input 2 and the discreteness share with it; the reverse overwrites
// them whole.
TEST(CreatFBRecord, AlarmClockMadeAnOrdinaryTimer) {
  Fixture f;
  Form& form = f.Program(5, Bytes({0x56, 0x08, 7, 59, 59, (23 << 2) | 1, 10, 0x00}));
  form.RadioGroup2Click(0);
  form.ComboBox1Change(C::ComboBox3, 1);
  form.EditVx1Change(C::EditVx2, "2");
  EXPECT_EQ(f.Accept(5), Bytes({0x06, 0x08, 0, 0x08, 2, 0x01, 10, 0x00}));

  f.Program(5, Bytes({0x16, 0x08, 7, 0x08, 2, 0x01, 10, 0x00}));
  form.RadioGroup2Click(Form::kAlarmClock);
  form.EditVx1Change(C::EditHour, "1");
  EXPECT_EQ(f.Accept(5), Bytes({0x56, 0x08, 7, 0, 0, (1 << 2) | 1, 10, 0x00}));
}

// Another type clears the old settings and inputs (b0..b8) but keeps the
// signalling, the relay outputs and the unused byte; archiving follows the
// switch.
TEST(CreatFBRecord, AnotherTypeClearsSettingsButKeepsSignallingAndRelays) {
  Fixture f;
  Form& form = f.Program(2, Bytes({0x38, 0x85, 1, 2, 3, 0xFF, 9, 0x0A, 12, 0x65, 1, 2, 3, 4, 5, 0x77}));
  EXPECT_TRUE(form.sbVkl);
  form.RadioGroup1Click(2);
  form.SBVklClick(false);
  EXPECT_EQ(f.Accept(2), Bytes({0x03, 0, 0, 0, 0, 0, 0, 0, 0, 0x45, 1, 2, 3, 4, 5, 0x77}));
}

// The archiving switch exists for blocks 1..62 only.
TEST(CreatFBRecord, ArchivingSwitchForTheFirst62Blocks) {
  Fixture f;
  const Record archived = Bytes({0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0x20});
  f.Program(61, archived);
  EXPECT_TRUE(f.form.Enabled(C::SBVkl));
  EXPECT_TRUE(f.form.sbVkl);
  f.Program(62, archived);
  EXPECT_FALSE(f.form.Enabled(C::SBVkl));
  EXPECT_FALSE(f.form.sbVkl);
  EXPECT_EQ(f.form.sbVklCaption, "отключено");

  f.form.PrepareForNewBlock(63, false);
  EXPECT_FALSE(f.form.Enabled(C::SBVkl));
  EXPECT_EQ(f.form.labCreatProg, "создание");
  EXPECT_EQ(f.form.editNFB, "63");
  EXPECT_EQ(f.form.BlockNumber(), 63);
  EXPECT_EQ(f.form.radioGroup1, Form::kNoChoice);
  EXPECT_FALSE(f.form.WriteIntoRecord(62));  // no type: nothing written
  EXPECT_EQ(f.config.FB.GetRecord(62), archived);
}

struct SourceCase {
  int capFB, nfb, nIntegr, nMat;
  int kind, number;
  bool kept;
};

class InputSources : public ::testing::TestWithParam<SourceCase> {};

// An input naming what does not exist is written unconnected and the field
// shows 0; block outputs may name existing blocks or КВУ numbers.
TEST_P(InputSources, KeptOrDisconnected) {
  const SourceCase c = GetParam();
  Fixture f;
  f.config.FB.CapFB = c.capFB;
  f.config.FB.NFB = c.nfb;
  f.config.FB.NIntegr = c.nIntegr;
  f.config.FB.NMat = c.nMat;
  f.form.PrepareForNewBlock(c.nfb + 1, true);
  f.form.RadioGroup1Click(2);
  f.form.ComboBox1Change(C::ComboBox4, c.kind);
  f.form.EditVx1Change(C::EditVx2, std::to_string(c.number));
  const Record r = f.Accept(c.nfb);
  EXPECT_EQ(r[4], c.kept ? c.number : 0);
  EXPECT_EQ(f.form.rows[1].number, c.kept ? std::to_string(c.number) : "0");
  EXPECT_EQ(r[3] & 0x07, c.kind == 3 ? 4 : c.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, InputSources,
    ::testing::Values(
        // Discrete signals and their flags: 1..96; analog flags 1..12.
        SourceCase{120, 20, 0, 0, 0, 96, true}, SourceCase{120, 20, 0, 0, 0, 97, false},
        SourceCase{120, 20, 0, 0, 3, 96, true}, SourceCase{120, 20, 0, 0, 3, 150, false},
        SourceCase{120, 20, 0, 0, 2, 12, true}, SourceCase{120, 20, 0, 0, 2, 13, false},
        // 120 blocks, 20 of them made: 1..20 and 121..186.
        SourceCase{120, 20, 0, 0, 1, 20, true}, SourceCase{120, 20, 0, 0, 1, 21, false},
        SourceCase{120, 20, 0, 0, 1, 120, false}, SourceCase{120, 20, 0, 0, 1, 121, true},
        SourceCase{120, 20, 0, 0, 1, 186, true}, SourceCase{120, 20, 0, 0, 1, 187, false},
        // 60 blocks: up to 120.
        SourceCase{60, 20, 0, 0, 1, 61, true}, SourceCase{60, 20, 0, 0, 1, 120, true},
        SourceCase{60, 20, 0, 0, 1, 121, false},
        // Two integrator records: FreeFB = 118; 119 and 120 are the integrators.
        SourceCase{120, 20, 2, 0, 1, 118, false}, SourceCase{120, 20, 2, 0, 1, 119, false},
        SourceCase{120, 20, 2, 0, 1, 120, false}, SourceCase{120, 20, 2, 0, 1, 121, true},
        // A number no byte holds is not another number.
        SourceCase{120, 20, 0, 0, 1, 999, false}));

// The compared value exists among the analog signals or the arithmetic blocks.
TEST(CreatFBRecord, ComparedValueWithinItsSource) {
  const struct {
    int source, nMat, number;
    bool kept;
  } cases[] = {{0, 0, 12, true}, {0, 0, 13, false}, {1, 3, 3, true}, {1, 3, 4, false}};
  for (const auto& c : cases) {
    Fixture f;
    f.config.FB.NMat = c.nMat;
    f.form.PrepareForNewBlock(21, true);
    f.form.RadioGroup1Click(7);
    f.form.ComboBox1Change(C::ComboBox9, c.source);
    f.form.EditVx1Change(C::EditAnVh, std::to_string(c.number));
    const Record r = f.Accept(20);
    EXPECT_EQ(r[1] & 0x7F, c.kept ? c.number : 0) << c.source << " " << c.number;
    EXPECT_EQ(f.form.editAnVh, c.kept ? std::to_string(c.number) : "0");
  }
}

// ---- showing, keys -----------------------------------------------------------------

TEST(CreatFBShowing, FillsTheSignalListsSilentlyAndFocusesTheType) {
  Fixture f;
  std::vector<int> silent;
  f.form.informButClick = [&] { silent.push_back(f.config.FB.InformSilent); };
  f.form.FormShow();
  f.form.InformButClick();
  EXPECT_EQ(silent, (std::vector<int>{1, 0}));
  EXPECT_EQ(f.config.FB.InformSilent, 0);
  EXPECT_EQ(f.form.focused, "RadioGroup1");
}

TEST(CreatFBShowing, KeyFiltersReportAtTheField) {
  Fixture f;
  f.form.PrepareForNewBlock(21, true);
  f.form.RadioGroup1Click(7);
  EXPECT_EQ(f.form.EditVx1KeyDown(C::EditVx3, {TKey::Digit}), TFieldKeyVerdict::Pass);
  EXPECT_EQ(f.form.EditVx1KeyDown(C::EditVx3, {TKey::Letter}), TFieldKeyVerdict::InputError);
  EXPECT_EQ(f.form.EditTKeyDown(C::EditT, {TKey::Enter}), TFieldKeyVerdict::NextControl);
  f.form.EditVx1Change(C::EditT, "");
  EXPECT_EQ(f.form.EditTKeyDown(C::EditT, {TKey::Enter}), TFieldKeyVerdict::InputError);
  EXPECT_EQ(f.form.EditLimKeyDown({TKey::Other}), TFieldKeyVerdict::Pass);
  EXPECT_EQ(f.form.EditLimKeyDown({TKey::Digit, true}), TFieldKeyVerdict::InputError);
  EXPECT_EQ(f.ui.inputErrors, (std::vector<TFieldError>{
                                  {"EditVx3", kBad}, {"EditT", kBad}, {"EditLim", kBad}}));
}

}  // namespace
}  // namespace lur
