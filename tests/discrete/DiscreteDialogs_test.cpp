// The number dialog's refusals and the small dialogs of the discrete editor.
#include <gtest/gtest.h>

#include "DialogFixture.h"

namespace lur {
namespace {

struct VhCase {
  int group;
  const char* a;
  const char* b;  // Edit2 in group 2
  int result;
  std::vector<TFieldError> inlineErrors;
  std::vector<std::string> boxes;
};

class NumberDialogOk : public ::testing::TestWithParam<VhCase> {};

// OK validates the visible group only; a refusal names the failing field
// with the inline marker (or shows the box of a number that does not
// exist) and keeps the dialog open with result 6.
TEST_P(NumberDialogOk, ValidatesTheVisibleGroup) {
  const VhCase& c = GetParam();
  test::DialogFixture f;
  f.Modules(3, 0);  // 36 signals
  TFormVhController& form = f.forms.vh;
  form.ShowGroup(c.group);
  form.tooLargeText = "Вход за пределами базы";
  (c.group == 1 ? form.editNVh : c.group == 2 ? form.edit1 : form.edit3) = c.a;
  form.edit2 = c.b;
  EXPECT_EQ(form.OKClick(), c.result);
  EXPECT_EQ(f.ui.inlineErrors, c.inlineErrors);
  EXPECT_EQ(f.ui.Texts(), c.boxes);
  for (const TMessage& m : f.ui.shown) {
    EXPECT_EQ(m.caption, "");  // a plain box
    EXPECT_EQ(m.icon, MsgIcon::None);
  }
}

const std::string kBad = " Ошибка ввода ";
const std::string kNoSuch = "Вход с таким № не существует";

INSTANTIATE_TEST_SUITE_P(
    Entries, NumberDialogOk,
    ::testing::Values(VhCase{1, "", "", kModalError, {{"EditNVh", kBad}}, {}},
                      VhCase{1, "0", "", kModalError, {{"EditNVh", kBad}}, {}},
                      VhCase{1, "37", "", kModalError, {}, {kNoSuch}},
                      // Ten digits: 4294967333 would wrap to 37 in 32 bits, 4294967298 to 2.
                      VhCase{1, "4294967298", "", kModalError, {}, {kNoSuch}},
                      VhCase{1, "9999999999", "", kModalError, {}, {kNoSuch}},
                      VhCase{1, "36", "", kModalOk, {}, {}},
                      VhCase{2, "", "5", kModalError, {{"Edit1", kBad}}, {}},
                      VhCase{2, "3", "", kModalError, {{"Edit2", kBad}}, {}},
                      VhCase{2, "3", "0", kModalError, {{"Edit2", kBad}}, {}},
                      VhCase{2, "4294967298", "5", kModalError, {{"Edit1", kBad}}, {}},
                      VhCase{2, "3", "500", kModalOk, {}, {}},
                      VhCase{3, "0", "", kModalError, {{"Edit3", kBad}}, {}},
                      VhCase{3, "4294967298", "", kModalError, {}, {"Вход за пределами базы"}},
                      VhCase{3, "190", "", kModalOk, {}, {}}));

TEST(FormVh, ValuesFocusAndCancel) {
  test::DialogFixture f;
  f.Modules(3, 0);
  TFormVhController& form = f.forms.vh;
  const struct {
    int group;
    const char* focused;
  } groups[] = {{1, "EditNVh"}, {2, "Edit1"}, {3, "Edit3"}};
  for (const auto& g : groups) {
    form.ShowGroup(g.group);
    form.FormShow();
    EXPECT_EQ(form.focused, g.focused);
  }
  form.ShowGroup(7);  // no such group: the last one stays
  EXPECT_EQ(form.group, 3);

  form.editNVh = "37";
  form.edit1 = "2";
  form.edit2 = "9999999999";
  form.edit3 = " 12 ";
  EXPECT_EQ(form.NVh(), std::nullopt);
  EXPECT_EQ(form.First(), 2);
  EXPECT_EQ(form.Last(), std::nullopt);
  EXPECT_EQ(form.Start(), 12);
  form.editNVh = "36";
  EXPECT_EQ(form.NVh(), 36);

  EXPECT_EQ(form.CancelClick(), kModalCancel);  // whatever the fields hold
  EXPECT_TRUE(f.ui.shown.empty());
  EXPECT_TRUE(f.ui.inlineErrors.empty());
}

TEST(SmallDialogs, EmptiedNumericFieldsCloseAsZero) {
  int marks = 0;
  TFormSigController sig;
  sig.marksChange.Set([&] { ++marks; });
  sig.RadioGroup1Click(2);
  sig.RadioGroup1Click(4);  // no such type
  sig.Edit1Change("");
  EXPECT_EQ(sig.FormClose(), kModalOk);
  EXPECT_EQ(sig.edit1, "00");
  EXPECT_EQ(sig.Cell(), 0);
  EXPECT_EQ(sig.radioGroup1, 2);
  EXPECT_EQ(marks, 2);

  TFormZaController za;
  za.marksChange.Set([&] { ++marks; });
  za.EditDiskrChange("");
  za.EditTChange("");
  EXPECT_EQ(za.FormClose(), kModalOk);
  EXPECT_EQ(za.editDiskr, "00");
  EXPECT_EQ(za.editT, "00");
  EXPECT_EQ(marks, 4);
}

TEST(SmallDialogs, AnOutputToggleFlipsItsBitAndItsColourFollows) {
  test::DialogFixture f;
  int marks = 0;
  TFormVyhController& vyh = f.forms.vyh;
  vyh.marksChange.Set([&] { ++marks; });
  vyh.Preset(2, {0x05, 0x80, 0xFF, 0xFF, 0xFF});
  EXPECT_EQ(vyh.Bytes(), (std::array<std::uint8_t, 5>{0x05, 0x80, 0, 0, 0}));  // hidden modules hold 0

  EXPECT_EQ(vyh.OutputColor(0, 1), TFormVyhController::kColorOff);
  vyh.OutputClick(0, 1);
  EXPECT_EQ(vyh.Byte(0), 0x07);
  EXPECT_EQ(vyh.OutputColor(0, 1), 0x808000u);
  vyh.OutputClick(0, 1);
  EXPECT_EQ(vyh.Byte(0), 0x05);  // twice: unchanged and silver
  EXPECT_EQ(vyh.OutputColor(0, 1), 0xC0C0C0u);
  vyh.OutputClick(1, 7);
  EXPECT_EQ(vyh.Byte(1), 0x00);
  vyh.OutputClick(2, 0);  // a hidden module
  EXPECT_EQ(vyh.Byte(2), 0x00);
  EXPECT_EQ(marks, 3);

  vyh.OutputRightPress(1, 6);
  EXPECT_EQ(f.config.Lur.InfMR, 1);
  EXPECT_EQ(f.config.Lur.InfOut, 6);
  EXPECT_EQ(TFormVyhController::ModuleLabel(4), "MP №5");
}

TEST(SmallDialogs, ArchiveToggleCaptionAndMark) {
  test::DialogFixture f;
  TFormVklController& vkl = f.forms.vkl;
  vkl.Preset(true);
  EXPECT_EQ(vkl.sbVklCaption, "включено");
  EXPECT_EQ(f.config.Lur.DiskrModified, 0);  // the caller's preset is no change
  vkl.SBVklClick(false);
  EXPECT_FALSE(vkl.sbVkl);
  EXPECT_EQ(vkl.sbVklCaption, "отключено");
  EXPECT_EQ(f.config.Lur.DiskrModified, 1);
}

TEST(SmallDialogs, TextDialogTracksEditsAndBlanksAnEmptyText) {
  test::DialogFixture f;
  TFormTextController& text = f.forms.text;
  f.config.Serv.InputTextsEdited = 1;
  text.FormShow();
  EXPECT_EQ(f.config.Serv.InputTextsEdited, 0);
  text.EditTextChange("");
  EXPECT_EQ(f.config.Serv.InputTextsEdited, 1);
  EXPECT_EQ(text.FormClose(), kModalOk);
  EXPECT_EQ(text.editText, "          ");
}

}  // namespace
}  // namespace lur
