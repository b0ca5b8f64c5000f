// The input identifier dialog: its choices stay within what the
// configuration has, whatever was chosen or typed before.
#include <gtest/gtest.h>

#include "DialogFixture.h"

namespace lur {
namespace {

using Form = TFormCreatVhController;

struct OwnCase {
  int di, ai, chosen;
  bool ownEnabled;
  int kind, moduleMax, inputMax;
  bool limitEnabled;
};

class OwnKindForcing : public ::testing::TestWithParam<OwnCase> {};

// The own kind is forced by the module counts on showing the dialog and on
// a click of the kind list alike; both zero disables the own page.
TEST_P(OwnKindForcing, OnShowingAndOnAKindClick) {
  const OwnCase c = GetParam();
  test::DialogFixture f;
  f.Modules(c.di, c.ai);
  f.Blocks({{1, 4}});
  Form& form = f.forms.creatVh;
  form.kind = c.chosen;
  form.module = 8;  // left from an earlier opening
  form.input = 24;
  form.FormShow();
  EXPECT_EQ(form.ownPageEnabled, c.ownEnabled);
  if (!c.ownEnabled) {
    EXPECT_EQ(form.page, Form::kNetPage);
    return;
  }
  EXPECT_EQ(form.page, Form::kOwnPage);
  EXPECT_EQ(form.kind, c.kind);
  EXPECT_EQ(form.moduleMax, c.moduleMax);
  EXPECT_EQ(form.inputMax, c.inputMax);
  EXPECT_EQ(form.limitEnabled, c.limitEnabled);
  EXPECT_EQ(form.module, c.moduleMax);  // held inside the new range
  EXPECT_EQ(form.input, c.inputMax);

  form.limit = 2;
  form.CBoxTipVhClick(c.chosen);
  EXPECT_EQ(form.kind, c.kind);
  EXPECT_EQ(form.moduleMax, c.moduleMax);
  EXPECT_EQ(form.limitEnabled, c.limitEnabled);
  EXPECT_EQ(form.module, 1);
  EXPECT_EQ(form.input, 1);
  EXPECT_EQ(form.limit, 0);
}

INSTANTIATE_TEST_SUITE_P(Counts, OwnKindForcing,
                         ::testing::Values(OwnCase{2, 3, Form::kDiscrete, true, Form::kDiscrete, 2, 12,
                                                   false},
                                           OwnCase{2, 3, Form::kAnalog, true, Form::kAnalog, 3, 6, true},
                                           OwnCase{0, 3, Form::kDiscrete, true, Form::kAnalog, 3, 6, true},
                                           OwnCase{2, 0, Form::kAnalog, true, Form::kDiscrete, 2, 12, false},
                                           OwnCase{0, 0, Form::kDiscrete, false, 0, 0, 0, false}));

struct NetCase {
  const char* name;
  std::vector<TServClass::NetBlock> blocks;
  int chosen, block;
  bool netEnabled;
  int kind, regMax;
  bool limitEnabled;
};

class NetKindForcing : public ::testing::TestWithParam<NetCase> {};

// Selecting the network page forces the kind by the totals, then by the
// selected block; the register maximum and the limit list follow.
TEST_P(NetKindForcing, OnSelectingTheNetworkPage) {
  const NetCase& c = GetParam();
  test::DialogFixture f;
  f.Modules(1, 1);
  f.Blocks(c.blocks);
  f.config.MBM.SetUstr(c.block - 1, 17);
  f.config.MBM.SetTipUstr(c.block - 1, 5);
  Form& form = f.forms.creatVh;
  form.netKind = c.chosen;
  form.block = c.block;
  form.reg = 24;
  form.labTipSlave = "stale";
  form.labAdrSlave = "stale";
  form.FormShow();
  form.PageControl1Change(Form::kNetPage);
  EXPECT_EQ(form.netPageEnabled, c.netEnabled);
  if (!c.netEnabled) {
    EXPECT_EQ(form.page, Form::kOwnPage);  // a disabled page cannot be selected
    form.page = Form::kNetPage;
    form.NetPageShow();
    EXPECT_EQ(form.labTipSlave, "");
    EXPECT_EQ(form.labAdrSlave, "");
    return;
  }
  EXPECT_EQ(form.page, Form::kNetPage);
  EXPECT_EQ(form.blockMax, f.config.Serv.GetNetBlockTotal());
  EXPECT_EQ(form.netKind, c.kind);
  EXPECT_EQ(form.regMax, c.regMax);
  EXPECT_EQ(form.reg, c.regMax);
  EXPECT_EQ(form.netLimitEnabled, c.limitEnabled);
  EXPECT_EQ(form.labTipSlave, "ЛУР-05");
  EXPECT_EQ(form.labAdrSlave, "17");
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, NetKindForcing,
    ::testing::Values(
        NetCase{"none", {}, Form::kDiscrete, 1, false, 0, 0, false},
        NetCase{"analogOnly", {{3, 5}}, Form::kDiscrete, 1, true, Form::kAnalog, 5, true},
        NetCase{"discreteOnly", {{2, 10}}, Form::kAnalog, 1, true, Form::kDiscrete, 10, false},
        NetCase{"mixedDiscreteBlock", {{1, 10}, {4, 3}}, Form::kAnalog, 1, true, Form::kDiscrete, 10, false},
        NetCase{"mixedAnalogBlock", {{1, 10}, {4, 3}}, Form::kDiscrete, 2, true, Form::kAnalog, 3, true},
        // Block 2 of a table with a gap has no values: one register at most,
        // which the caller refuses as outside the block.
        NetCase{"gap", {{1, 10}, {0, 0}, {3, 2}}, Form::kDiscrete, 2, true, Form::kDiscrete, 1, false}),
    [](const ::testing::TestParamInfo<NetCase>& info) { return std::string(info.param.name); });

TEST(FormCreatVh, ABlockChangeResetsTheRegisterAndFollowsTheBlock) {
  test::DialogFixture f;
  f.Modules(1, 0);
  f.Blocks({{1, 10}, {3, 2}, {2, 7}});
  f.config.MBM.SetUstr(1, 5);
  f.config.MBM.SetTipUstr(1, 15);
  Form& form = f.forms.creatVh;
  form.FormShow();
  form.PageControl1Change(Form::kNetPage);
  ASSERT_EQ(form.blockMax, 3);
  form.SetRegister(9);
  form.netLimit = 3;
  form.SetBlock(2);
  EXPECT_EQ(form.reg, 1);
  EXPECT_EQ(form.netKind, Form::kAnalog);
  EXPECT_EQ(form.regMax, 2);
  EXPECT_TRUE(form.netLimitEnabled);
  EXPECT_EQ(form.labTipSlave, "не определен");
  EXPECT_EQ(form.labAdrSlave, "5");

  form.CBoxTipVhNetClick(Form::kDiscrete);  // block 2 has analog values only
  EXPECT_EQ(form.netKind, Form::kAnalog);
  EXPECT_EQ(form.netLimit, 0);

  form.SetBlock(9);  // typed past the configured blocks
  EXPECT_EQ(form.block, 3);
  EXPECT_EQ(form.netKind, Form::kDiscrete);
  EXPECT_EQ(form.regMax, 7);
  EXPECT_FALSE(form.netLimitEnabled);
}

// Up-downs and typed values alike stay inside the current ranges.
TEST(FormCreatVh, SpinValuesHoldTheirRanges) {
  test::DialogFixture f;
  f.Modules(3, 2);
  f.Blocks({{1, 6}});
  Form& form = f.forms.creatVh;
  form.FormShow();
  const struct {
    void (Form::*set)(int);
    int Form::*value;
    int typed, held;
  } cases[] = {
      {&Form::SetModule, &Form::module, 9, 3}, {&Form::SetModule, &Form::module, 0, 1},
      {&Form::SetInput, &Form::input, 13, 12}, {&Form::SetInput, &Form::input, -4, 1},
      {&Form::SetBlock, &Form::block, 2, 1},   {&Form::SetRegister, &Form::reg, 99, 6},
      {&Form::SetRegister, &Form::reg, 0, 1},
  };
  form.PageControl1Change(Form::kOwnPage);
  for (const auto& c : cases) {
    (form.*c.set)(c.typed);
    EXPECT_EQ(form.*c.value, c.held) << "typed " << c.typed;
  }
  form.CBoxTipVhClick(Form::kAnalog);
  form.SetInput(7);
  EXPECT_EQ(form.input, 6);
  form.SetModule(3);
  EXPECT_EQ(form.module, 2);
}

TEST(FormCreatVh, TextContactAndArchiveMarkTheProcessingChanged) {
  test::DialogFixture f;
  f.Modules(1, 0);
  f.config.Serv.FileMode = 1;
  Form& form = f.forms.creatVh;
  const struct {
    const char* what;
    std::function<void()> act;
  } actions[] = {
      {"text", [&] { form.EditTextChange("Насос 1"); }},
      {"contact", [&] { form.TipKClick(1); }},
      {"archive", [&] { form.ArhClick(true); }},
  };
  for (const auto& a : actions) {
    f.config.Lur.DiskrModified = 0;
    f.config.Serv.Modified = 0;
    a.act();
    EXPECT_EQ(f.config.Lur.DiskrModified, 1) << a.what;
    EXPECT_EQ(f.config.Serv.Modified, 1) << a.what;
  }
  EXPECT_EQ(form.tipK, 1);
  EXPECT_TRUE(form.arh);
  EXPECT_EQ(f.config.Serv.InputTextsEdited, 1);
  EXPECT_EQ(form.editText, "Насос 1");
}

TEST(FormCreatVh, TextKeepsFourteenCharactersWithAWindows1251Form) {
  test::DialogFixture f;
  Form& form = f.forms.creatVh;
  form.EditTextChange("Давление в котле");  // 16 characters
  EXPECT_EQ(form.editText, "Давление в кот");
  f.config.Lur.DiskrModified = 0;
  f.config.Serv.InputTextsEdited = 0;
  form.EditTextChange("Насос 中");
  EXPECT_EQ(form.editText, "Давление в кот");
  EXPECT_EQ(f.config.Lur.DiskrModified, 0);
  EXPECT_EQ(f.config.Serv.InputTextsEdited, 0);
}

TEST(FormCreatVh, ShowingWithAnotherConfigurationRepairsStaleChoices) {
  test::DialogFixture f;
  f.Modules(2, 2);
  f.Blocks({{1, 4}, {3, 3}});
  Form& form = f.forms.creatVh;
  form.page = Form::kNetPage;
  form.block = 2;
  form.netKind = Form::kAnalog;
  form.reg = 3;
  form.FormShow();
  EXPECT_EQ(form.reg, 3);  // a valid preset is kept
  EXPECT_EQ(form.netKind, Form::kAnalog);

  // Now a configuration with one discrete block and no own modules: the
  // network page stays, its choices shrink.
  test::DialogFixture g;
  g.Modules(0, 0);
  g.Blocks({{2, 2}});
  Form& other = g.forms.creatVh;
  other.page = Form::kNetPage;
  other.block = 5;
  other.netKind = Form::kAnalog;
  other.reg = 20;
  other.FormShow();
  EXPECT_FALSE(other.ownPageEnabled);
  EXPECT_TRUE(other.netPageEnabled);
  EXPECT_EQ(other.blockMax, 1);
  EXPECT_EQ(other.block, 1);
  EXPECT_EQ(other.netKind, Form::kDiscrete);
  EXPECT_EQ(other.reg, 2);
  other.PageControl1Change(Form::kOwnPage);  // disabled: refused
  EXPECT_EQ(other.page, Form::kNetPage);
  EXPECT_EQ(other.OKClick(), kModalOk);

  // The same dialog over a configuration with modules again: the own page is back.
  g.Modules(1, 0);
  other.FormShow();
  EXPECT_TRUE(other.ownPageEnabled);
  other.PageControl1Change(Form::kOwnPage);
  EXPECT_EQ(other.page, Form::kOwnPage);
}

}  // namespace
}  // namespace lur
