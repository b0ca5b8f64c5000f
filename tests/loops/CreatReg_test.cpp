// The loop programming dialog: what it shows for a new loop and for each
// kind of loop, what choosing a kind enables, the checks on OK with their
// exact texts and fields, and the records StoreLoop makes of its values.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "loops/TCreatRegLoopDialog.h"
#include "loops/TFormCreatRegController.h"
#include "model/TConfiguration.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using Form = TFormCreatRegController;
using F = TCreatRegField;
using C = TCreatRegControl;

// Two analog modules (signals 1..12): signal 1 "TE-1" -500..2000 in "град.С",
// signal 2 "PT-2" 1000..1100 in "МПа", signal 3 0..100, signal 4 with
// H = L. The records are the loop table the editor knows best: record 0 a
// single loop on DAC 1, records 1 and 2 a cascade (inner on DAC 2), record 3
// a setter loop (DAC 3) with setter 0, record 4 a repeater on DAC 5.
struct Fixture {
  Fixture() {
    link.PortName = "COM1";
    config.Serv.SetAiModuleCount(2);
    config.Serv.SetProcessedAnalogCount(12);
    config.MBA.SetDefaultUnits();
    Signal(1, "TE-1", "-500", "2000", 0);
    Signal(2, "PT-2", "1000", "1100", 2);
    Signal(3, "FT-3", "0", "100", 1);
    Signal(4, "XX-4", "50", "50", 1);
    TProgRegClass& reg = config.Reg;
    Record(0, 1, 1, 0);
    Record(1, 2, 1, 10);
    Record(2, 3, 9, 1);
    Record(3, 1, 16, 2);
    Record(4, 3, 0, 4);
    for (int i = 0; i < 5; ++i) {
      reg.SetKp(i, "1");
      reg.SetTi(i, "100");
    }
    reg.SetKp(0, "2,5");
    reg.SetOL(4, "10");
    reg.SetOH(4, "90");
    reg.SetAReg(0, 4);
    const std::int16_t codes[6] = {655, 6553, 13000, -655, 0, 1};
    for (int k = 0; k < 6; ++k) {
      reg.SetTimePZ(0, k, static_cast<std::uint16_t>(10 * (k + 1)));
      reg.SetValPZ(0, k, codes[k]);
    }
    BuildLoopMap(reg);
  }
  void Signal(int n, const char* poz, const char* low, const char* high, int unit) {
    const int a = (n - 1) / 6;
    const int c = (n - 1) % 6;
    config.MBA.SetPozText(poz, a, c);
    config.MBA.SetMinSkText(low, a, c);
    config.MBA.SetMaxSkText(high, a, c);
    config.MBA.SetUnit(a, c, unit);
  }
  void Record(int i, int anVh, int tReg, int adOut) {
    config.Reg.SetAnVh(i, anVh);
    config.Reg.SetTReg(i, tReg);
    config.Reg.SetAdOUT(i, adOut);
  }
  // Leaves four records in use (the repeater gone), so a cascade fits.
  void DropRepeater() {
    config.Reg.DeleteRegs(4, 1);
    BuildLoopMap(config.Reg);
  }
  // A new loop of `kind` with every field good: the signal left, a free DAC
  // output (a cascade's inner regulator), the points within the scale.
  Form& Create(int kind) {
    form.Reset();
    form.FillCreate(*NewLoopSlot(config.Reg));
    return Choose(kind);
  }
  // What the user does in a new loop's dialog: a kind and good fields.
  Form& Choose(int kind) {
    form.CBoxTRegClick(kind);
    Type(F::EditAnVh, "1");
    form.EditAnVhExit();
    Type(F::EditAdOUT, kind == 2 ? std::to_string(config.Reg.NRegs + 2) : "4");
    if (kind == 2) {
      form.EditAdOUTExit();
      Type(F::EditAnVh1, "3");
      Type(F::EditAdOUT1, "6");
    }
    if (kind == 3) {
      for (int k = 0; k < 6; ++k) {
        Type(static_cast<F>(static_cast<int>(F::Edit1) + k), "60");
        Type(static_cast<F>(static_cast<int>(F::Edit7) + k), "150,5");
      }
    }
    return form;
  }
  Form& Edit(int record) {
    form.Reset();
    EXPECT_TRUE(form.FillEdit(record));
    return form;
  }
  void Type(F field, const std::string& text) { form.EditChange(field, text); }

  test::VirtualClock clock;
  test::ScriptedPort port{clock};
  TScriptedUserInterface ui;
  TComPortClass link{port, clock};
  TConfiguration config;
  TFixedAddressing addressing{0, 0};
  TSession session{config, link, ui, addressing};
  TEditorRegistry editors;
  Form form{session, editors};
};

std::vector<std::string> Texts(const Form& form, std::initializer_list<F> fields) {
  std::vector<std::string> texts;
  for (F f : fields) texts.push_back(form.Text(f));
  return texts;
}

const std::vector<std::string> kDefaults = {"1,0000", "3000,0000", "0,0000", "0,0000", "100,0000", "25,0000"};

TEST(CreatRegFill, NewLoopShowsTheSlotAndTheDefaults) {
  Fixture f;
  Form& form = f.form;
  form.Reset();
  form.FillCreate(*NewLoopSlot(f.config.Reg));
  EXPECT_EQ(form.labCreatProg, "создание");
  EXPECT_EQ(form.Text(F::EditNKReg), "5");
  EXPECT_EQ(form.Text(F::EditNReg), "6");
  EXPECT_EQ(form.Kind(), Form::kNoChoice);
  EXPECT_TRUE(form.Enabled(C::CBoxTReg));
  for (C c : {C::GBComp, C::GBRegInt, C::GBPZ, C::EditAReg, C::EditVhPZ, C::InformBut}) {
    EXPECT_FALSE(form.Enabled(c)) << Form::Name(c);
  }
  EXPECT_EQ(Texts(form, {F::EditKp, F::EditTi, F::EditTd, F::EditOL, F::EditOH, F::EditdSP}), kDefaults);
  EXPECT_EQ(Texts(form, {F::EditAnVh, F::EditAnVh1, F::EditAReg, F::EditAdOUT, F::EditKp1, F::Edit12}),
            (std::vector<std::string>{"00", "00", "00", "0", "0", "0"}));
  EXPECT_EQ(form.labAdOUT, "Выход ЦАП №");
  EXPECT_EQ(form.razm1.at(2), "МПа");
}

TEST(CreatRegFill, EachKindFromItsRecords) {
  Fixture f;
  Form& single = f.Edit(0);
  EXPECT_EQ(single.labCreatProg, "программирование");
  EXPECT_FALSE(single.Enabled(C::CBoxTReg));
  EXPECT_TRUE(single.Enabled(C::GBComp));
  EXPECT_EQ(single.Kind(), 1);
  EXPECT_EQ(Texts(single, {F::EditNKReg, F::EditNReg, F::EditAnVh, F::EditAdOUT, F::EditKp, F::EditTi}),
            (std::vector<std::string>{"1", "1", "1", "1", "2,5000", "100,0000"}));
  EXPECT_EQ(single.labInf1, "позиция    НШК       ВШК        разм");
  EXPECT_EQ(single.labInf, "TE-1       -500,0000  2000,000   град.С");
  EXPECT_EQ(f.config.Reg.ScaleLow, -500.0);
  EXPECT_EQ(f.config.Reg.ScaleHigh, 2000.0);

  // The cascade shows its inner regulator, the one the map found.
  Form& cascade = f.Edit(1);
  EXPECT_EQ(cascade.Kind(), 2);
  EXPECT_EQ(cascade.labAdOUT, "Регулятор внутр.       контура №");
  EXPECT_TRUE(cascade.Enabled(C::GBRegInt));
  EXPECT_FALSE(cascade.Enabled(C::GBPZ));
  EXPECT_EQ(Texts(cascade, {F::EditNKReg, F::EditNReg, F::EditAdOUT, F::EditNReg1, F::EditAnVh1,
                            F::EditAdOUT1, F::EditVhSP}),
            (std::vector<std::string>{"2", "2", "3", "3", "3", "2", "2"}));
  EXPECT_EQ(cascade.labInf3, "FT-3       0,0000  100,0000   %");
  EXPECT_EQ(cascade.labInf, "PT-2       1000,000  1100,000   МПа");

  // The setter's points in the signal's units: 2 decimals up to 100, 1 up
  // to 1000, none beyond; the comma separates.
  Form& setter = f.Edit(3);
  EXPECT_EQ(setter.Kind(), 3);
  EXPECT_TRUE(setter.Enabled(C::GBPZ));
  EXPECT_EQ(Texts(setter, {F::EditNKReg, F::EditNPZ, F::EditVhPZ, F::EditAReg, F::Edit1, F::Edit6}),
            (std::vector<std::string>{"3", "1", "1", "4", "10", "60"}));
  EXPECT_EQ(Texts(setter, {F::Edit7, F::Edit8, F::Edit9, F::Edit10, F::Edit11, F::Edit12}),
            (std::vector<std::string>{"99,95", "1000,0", "1984", "-99,95", "0,00", "0,15"}));

  Form& repeater = f.Edit(4);
  EXPECT_EQ(repeater.Kind(), 0);
  EXPECT_EQ(Texts(repeater, {F::EditNKReg, F::EditAdOUT, F::EditKp, F::EditTi, F::EditTd, F::EditOL,
                             F::EditOH, F::EditdSP}),
            (std::vector<std::string>{"4", "5", "00", "00", "00", "10,0000", "90,0000", "00"}));

  // Filling is no change; a record no loop starts is not programmed.
  EXPECT_EQ(f.config.Reg.RegModified, 0);
  f.form.Reset();
  EXPECT_FALSE(f.form.FillEdit(2));
  EXPECT_FALSE(f.form.FillEdit(5));
  EXPECT_FALSE(f.form.FillEdit(-1));
}

TEST(CreatRegFill, ChoosingAKindEnablesItsGroups) {
  const struct {
    int item;
    std::vector<C> enabled;
    // EditKp, EditTi, EditOH, EditKp1, EditVhSP, EditVhPZ, EditNPZ, EditAReg
    std::vector<std::string> fields;
    const char* labAdOUT;
  } cases[] = {
      {0, {C::GBComp}, {"00", "00", "100,0000", "00", "00", "0", "0", "00"}, "Выход ЦАП №"},
      {1, {C::GBComp}, {"1,0000", "3000,0000", "100,0000", "00", "00", "0", "0", "00"}, "Выход ЦАП №"},
      {2,
       {C::GBComp, C::GBRegInt},
       {"1,0000", "3000,0000", "100,0000", "1,0000", "5", "0", "0", "00"},
       "Регулятор внутр.       контура №"},
      // The setter a new loop gets is the first no loop uses: setter 2.
      {3,
       {C::GBComp, C::GBPZ},
       {"1,0000", "3000,0000", "100,0000", "00", "00", "2", "2", "5"},
       "Выход ЦАП №"},
      {4, {}, {"1,0000", "3000,0000", "100,0000", "00", "00", "0", "0", "00"}, "Выход ЦАП №"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    Fixture f;
    f.DropRepeater();
    Form& form = f.form;
    form.Reset();
    form.FillCreate(*NewLoopSlot(f.config.Reg));
    f.Type(F::EditAnVh, "3");
    form.EditAnVhExit();
    form.CBoxTRegClick(c.item);
    EXPECT_EQ(form.Kind(), c.item);
    std::vector<C> on;
    for (C g : {C::GBComp, C::GBRegInt, C::GBPZ, C::EditAReg, C::EditVhPZ}) {
      if (form.Enabled(g)) on.push_back(g);
    }
    EXPECT_EQ(on, c.enabled);
    EXPECT_EQ(Texts(form, {F::EditKp, F::EditTi, F::EditOH, F::EditKp1, F::EditVhSP, F::EditVhPZ, F::EditNPZ,
                           F::EditAReg}),
              c.fields);
    EXPECT_EQ(form.labAdOUT, c.labAdOUT);
    EXPECT_EQ(Texts(form, {F::EditAnVh, F::EditAdOUT, F::Edit1, F::Edit7}),
              (std::vector<std::string>{"00", "00", "0", "0"}));
    EXPECT_EQ(form.labInf, "");
    EXPECT_EQ(f.config.Reg.RegModified, 1);
  }
  // The kind of an existing loop stays.
  Fixture f;
  f.Edit(0).CBoxTRegClick(3);
  EXPECT_EQ(f.form.Kind(), 1);
  EXPECT_FALSE(f.form.Enabled(C::GBPZ));
}

// One table over the checks on OK, in their order: the field the inline
// error stands at and its text; "" for a loop that passes.
TEST(CreatRegChecks, FirstFailingCheckAtItsField) {
  const std::string kInput = " Ошибка ввода ";
  const struct {
    const char* what;
    std::function<void(Fixture&)> act;
    std::string field;
    std::string text;
  } cases[] = {
      {"no kind chosen", [](Fixture& f) { f.form.Reset(), f.form.FillCreate(*NewLoopSlot(f.config.Reg)); },
       "EditAdOUT", kInput},
      {"single loop passes", [](Fixture& f) { f.Create(1); }, "", ""},
      {"empty signal", [](Fixture& f) { f.Create(1), f.Type(F::EditAnVh, ""); }, "EditAnVh", kInput},
      {"empty output", [](Fixture& f) { f.Create(1), f.Type(F::EditAdOUT, ""); }, "EditAdOUT", kInput},
      // Regulator 6 of a cascade would need regulator 7.
      {"cascade with five records in use", [](Fixture& f) { f.Create(2), f.Type(F::EditAdOUT, "6"); },
       "EditAdOUT", kInput},
      {"cascade passes", [](Fixture& f) { f.DropRepeater(), f.Create(2); }, "", ""},
      {"cascade names a record before its own",
       [](Fixture& f) { f.DropRepeater(), f.Create(2), f.Type(F::EditAdOUT, "4"); }, "EditAdOUT", kInput},
      {"cascade names one too far",
       [](Fixture& f) { f.DropRepeater(), f.Create(2), f.Type(F::EditAdOUT, "7"); }, "EditAdOUT", kInput},
      {"cascade's inner would be another loop's record",
       [](Fixture& f) { f.Edit(0), f.form.cBoxTReg = 2, f.Type(F::EditAdOUT, "2"); }, "EditAdOUT", kInput},
      {"Kp below its range", [](Fixture& f) { f.Create(1), f.Type(F::EditKp, "0,05"); }, "EditKp",
       "Величина вне диапазона 0.1 - 1000"},
      {"Ti above its range", [](Fixture& f) { f.Create(1), f.Type(F::EditTi, "10001"); }, "EditTi",
       "Величина вне диапазона 0.1 - 10000"},
      {"OSF above its range", [](Fixture& f) { f.Create(3), f.Type(F::EditdSP, "100,5"); }, "EditdSP",
       "Величина вне диапазона 0 - 100"},
      {"Kp no number", [](Fixture& f) { f.Create(1), f.Type(F::EditKp, "1,2,3"); }, "EditKp", kInput},
      {"Td empty", [](Fixture& f) { f.Create(1), f.Type(F::EditTd, ""); }, "EditTd", kInput},
      {"repeater keeps Kp 00", [](Fixture& f) { f.Create(0); }, "", ""},
      {"repeater out of the ranges", [](Fixture& f) { f.Create(0), f.Type(F::EditOH, "1000"); }, "", ""},
      {"repeater OL no number", [](Fixture& f) { f.Create(0), f.Type(F::EditOL, "1,2,3"); }, "EditOL",
       kInput},
      {"setter loop passes", [](Fixture& f) { f.Create(3); }, "", ""},
      {"setter interval empty", [](Fixture& f) { f.Create(3), f.Type(F::Edit2, ""); }, "Edit2", kInput},
      {"setter interval beyond 16 bits", [](Fixture& f) { f.Create(3), f.Type(F::Edit3, "70000"); }, "Edit3",
       "Величина вне диапазона 0 - 65535"},
      {"setter value empty", [](Fixture& f) { f.Create(3), f.Type(F::Edit8, ""); }, "Edit8", kInput},
      {"setter value no number", [](Fixture& f) { f.Create(3), f.Type(F::Edit8, "1,2,3"); }, "Edit8", kInput},
      {"setter value outside the scale", [](Fixture& f) { f.Create(3), f.Type(F::Edit9, "2000,5"); }, "Edit9",
       "Величина вне диапазона -500 - 2000"},
      // 1100 on 1000..1100 is code 180213: more than 16 bits hold.
      {"setter value beyond its code",
       [](Fixture& f) { f.Create(3), f.Type(F::EditAnVh, "2"), f.Type(F::Edit7, "1100"); }, "Edit7",
       "Величина вне диапазона -200.012 - 200.006"},
      {"setter on a signal without span",
       [](Fixture& f) { f.Create(3), f.Type(F::EditAnVh, "4"), f.form.EditAnVhExit(); }, "EditAnVh", kInput},
      // The scale is the signal's the field names, left or not.
      {"setter on a signal not yet left", [](Fixture& f) { f.Create(3), f.Type(F::EditAnVh, "3"); }, "Edit7",
       "Величина вне диапазона 0 - 100"},
      {"DAC output 7", [](Fixture& f) { f.Create(1), f.Type(F::EditAdOUT, "7"); }, "EditAdOUT", kInput},
      {"signal 0", [](Fixture& f) { f.Create(1), f.Type(F::EditAnVh, "0"); }, "EditAnVh", kInput},
      {"signal past the analog count", [](Fixture& f) { f.Create(1), f.Type(F::EditAnVh, "13"); }, "EditAnVh",
       kInput},
      {"inner DAC output 0", [](Fixture& f) { f.DropRepeater(), f.Create(2), f.Type(F::EditAdOUT1, "0"); },
       "EditAdOUT1", kInput},
      {"inner signal 13", [](Fixture& f) { f.DropRepeater(), f.Create(2), f.Type(F::EditAnVh1, "13"); },
       "EditAnVh1", kInput},
      {"inner Kp above its range",
       [](Fixture& f) { f.DropRepeater(), f.Create(2), f.Type(F::EditKp1, "1001"); }, "EditKp1",
       "Величина вне диапазона 0.1 - 1000"},
      {"DAC output in use", [](Fixture& f) { f.Create(1), f.Type(F::EditAdOUT, "2"); }, "EditAdOUT",
       "Такой выход ЦАП уже использован"},
      {"inner DAC output in use",
       [](Fixture& f) { f.DropRepeater(), f.Create(2), f.Type(F::EditAdOUT1, "3"); }, "EditAdOUT1",
       "Такой выход ЦАП уже использован"},
      {"a regulator keeps its own DAC output", [](Fixture& f) { f.Edit(0); }, "", ""},
      {"a regulator takes another's DAC output", [](Fixture& f) { f.Edit(0), f.Type(F::EditAdOUT, "3"); },
       "EditAdOUT", "Такой выход ЦАП уже использован"},
      {"a cascade keeps its inner", [](Fixture& f) { f.Edit(1); }, "", ""},
      // Record 0 made a cascade naming record 1, which is the next loop's
      // outer regulator: the map shows it without inner, and it may not
      // take that record.
      {"an inner-less cascade names a shown loop's record",
       [](Fixture& f) { f.Record(0, 1, 1, 9), BuildLoopMap(f.config.Reg), f.Edit(0); }, "EditAdOUT", kInput},
      {"an edited cascade names another inner", [](Fixture& f) { f.Edit(1), f.Type(F::EditAdOUT, "4"); },
       "EditAdOUT", kInput},
      {"a setter loop as filled", [](Fixture& f) { f.Edit(3); }, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    c.act(f);
    f.ui.inlineErrors.clear();
    const int result = f.form.OKClick();
    if (c.field.empty()) {
      EXPECT_EQ(result, kModalOk);
      EXPECT_TRUE(f.ui.inlineErrors.empty()) << f.ui.inlineErrors.front().field;
    } else {
      EXPECT_EQ(result, kModalError);
      ASSERT_EQ(f.ui.inlineErrors.size(), 1u);
      EXPECT_EQ(f.ui.inlineErrors[0], (TFieldError{c.field, c.text}));
      EXPECT_TRUE(f.form.errorTextVisible);
      EXPECT_EQ(f.form.errorField, c.field);
    }
  }
}

TEST(CreatRegChecks, CancelClosesWhateverTheFieldsHold) {
  Fixture f;
  f.Create(1);
  f.Type(F::EditKp, "1,2,3");
  EXPECT_EQ(f.form.CancelClick(), kModalCancel);
  EXPECT_EQ(f.form.cancelled, 1);
  EXPECT_TRUE(f.form.FormCloseQuery());
  EXPECT_TRUE(f.ui.inlineErrors.empty());
}

TEST(CreatRegFields, LeavingTheSignalAndOutputFields) {
  Fixture f;
  f.DropRepeater();
  Form& form = f.Create(2);
  // Leaving EditAnVh: the info and the scale, or silently nothing.
  f.Type(F::EditAnVh, "2");
  form.EditAnVhExit();
  EXPECT_EQ(form.labInf, "PT-2       1000,000  1100,000   МПа");
  EXPECT_EQ(f.config.Reg.ScaleHigh, 1100.0);
  f.Type(F::EditAnVh, "40");
  form.EditAnVhExit();
  EXPECT_EQ(form.labInf, "");
  EXPECT_EQ(f.config.Reg.ScaleHigh, 0.0);

  // Leaving EditAnVh1: the inner's info without the scale; a signal that
  // does not exist is reported at once.
  f.Type(F::EditAnVh1, "1");
  form.EditAnVh1Exit();
  EXPECT_EQ(form.labInf2, "позиция    НШК       ВШК        разм");
  EXPECT_EQ(form.labInf3, "TE-1       -500,0000  2000,000   град.С");
  EXPECT_EQ(f.config.Reg.ScaleHigh, 0.0);
  EXPECT_TRUE(f.ui.inlineErrors.empty());
  f.Type(F::EditAnVh1, "13");
  form.EditAnVh1Exit();
  EXPECT_EQ(f.ui.inlineErrors, (std::vector<TFieldError>{{"EditAnVh1", " Ошибка ввода "}}));

  // Leaving a cascade's EditAdOUT: the inner number shown, or the error.
  f.Type(F::EditAdOUT, "6");
  form.EditAdOUTExit();
  EXPECT_EQ(form.Text(F::EditNReg1), "6");
  f.Type(F::EditAdOUT, "3");
  form.EditAdOUTExit();
  EXPECT_EQ(f.ui.inlineErrors.back(), (TFieldError{"EditAdOUT", " Ошибка ввода "}));
  EXPECT_EQ(form.Text(F::EditNReg1), "6");

  // Read-only fields take nothing typed.
  f.Type(F::EditNReg, "3");
  EXPECT_EQ(form.Text(F::EditNReg), "5");
}

TEST(CreatRegFields, KeyFiltersReportAtTheField) {
  Fixture f;
  Form& form = f.Create(1);
  EXPECT_EQ(form.EditAnVhKeyDown(F::EditAnVh, {TKey::Letter}), TFieldKeyVerdict::InputError);
  EXPECT_EQ(form.EditAnVhKeyDown(F::EditAnVh, {TKey::KeypadDigit}), TFieldKeyVerdict::Pass);
  EXPECT_EQ(form.EditKpKeyDown(F::EditKp1, {TKey::Digit, true}), TFieldKeyVerdict::InputError);
  EXPECT_EQ(form.EditKpKeyDown(F::EditKp, {TKey::Other}), TFieldKeyVerdict::Pass);
  EXPECT_EQ(f.ui.inputErrors,
            (std::vector<TFieldError>{{"EditAnVh", " Ошибка ввода "}, {"EditKp1", " Ошибка ввода "}}));
  EXPECT_EQ(Form::KindOf(F::Edit1), TFieldKind::Integer);
  EXPECT_EQ(Form::KindOf(F::Edit7), TFieldKind::Real);
  EXPECT_EQ(Form::KindOf(F::EditdSP1), TFieldKind::Real);
}

TEST(CreatRegFields, InformButOpensTheInputWindowWhenThereIsOne) {
  Fixture f;
  f.form.InformButClick();  // nothing registered: nothing happens
  int opened = 0;
  f.editors.Register(TEditor::InputInform, [&](const TEditorRequest&) { return ++opened, kModalOk; });
  f.form.Reset();
  EXPECT_TRUE(f.form.Enabled(C::InformBut));
  f.form.InformButClick();
  EXPECT_EQ(opened, 1);
}

// The values stored give the records' bytes.
TEST(CreatRegStore, ValuesThroughStoreLoop) {
  Fixture f;
  TProgRegClass& reg = f.config.Reg;
  f.Create(3);
  f.Type(F::EditKp, "2,5");
  f.form.CBoxTOutClick(1);
  f.Type(F::Edit12, "-500");
  ASSERT_EQ(f.form.OKClick(), kModalOk);
  StoreLoop(reg, f.form.Values());
  // Record 5: signal 1, setter 1 (16 + 1), DAC 4, reverse; setter 1 drives regulator 6.
  EXPECT_EQ(reg.GetAnVh(5), 1);
  EXPECT_EQ(reg.GetTReg(5), 17);
  EXPECT_EQ(reg.GetAdOUT(5), 3);
  EXPECT_EQ(reg.GetTOut(5), 1);
  EXPECT_EQ(reg.GetKp(5), "2,5000");
  EXPECT_EQ(reg.GetTi(5), "3000,0000");
  EXPECT_EQ(reg.GetAReg(1), 6);
  EXPECT_EQ(reg.GetTimePZ(1, 0), 60);
  EXPECT_EQ(reg.GetValPZ(1, 0), 986);    // 150.5 * 16383 / 2500
  EXPECT_EQ(reg.GetValPZ(1, 5), -3276);  // -500 * 16383 / 2500
  EXPECT_EQ(reg.NLoops, 5);

  Fixture g;
  g.DropRepeater();
  g.Create(2);
  ASSERT_EQ(g.form.OKClick(), kModalOk);
  StoreLoop(g.config.Reg, g.form.Values());
  const TProgRegClass& cascade = g.config.Reg;
  EXPECT_EQ(cascade.GetTReg(4), 1);
  EXPECT_EQ(cascade.GetAdOUT(4), 13);  // drives record 5
  EXPECT_EQ(cascade.GetAnVh(5), 3);
  EXPECT_EQ(cascade.GetTReg(5), 12);  // names record 4 back
  EXPECT_EQ(cascade.GetAdOUT(5), 5);
  EXPECT_EQ(cascade.GetTi(5), "3000,0000");
  EXPECT_EQ(cascade.NLoops, 4);

  // A role code the list does not know is kept, and so is every byte the
  // dialog does not show.
  Fixture h;
  h.Record(4, 3, 14, 4);
  h.config.Reg.SetRegByte(4, 26, 0x5A);
  BuildLoopMap(h.config.Reg);
  const auto before = h.config.Reg.GetRegRecord(4);
  h.Edit(4);
  EXPECT_EQ(h.form.Kind(), 14);
  ASSERT_EQ(h.form.OKClick(), kModalOk);
  StoreLoop(h.config.Reg, h.form.Values());
  EXPECT_EQ(h.config.Reg.GetRegRecord(4), before);
}

// The adapter: filling does not mark the table; what the user changes does,
// OK or Cancel; only values that passed the checks come back.
TEST(CreatRegDialog, ModifiedFlagAndResult) {
  Fixture f;
  TProgRegClass& reg = f.config.Reg;
  std::function<int(Form&)> user;
  int shows = 0;
  TModalFunction<Form> window{[&](Form& form) { return ++shows, user(form); }};
  TCreatRegLoopDialog dialog(f.form, window);
  const TLoopDialogRequest program{1, {}, 3};

  user = [](Form& form) { return form.CancelClick(); };
  reg.RegModified = reg.RegModifiedSave = 0;
  EXPECT_FALSE(dialog.Program(program).has_value());
  EXPECT_EQ(reg.RegModified, 0);

  user = [](Form& form) {
    form.EditChange(F::EditTi, "20");
    return form.CancelClick();
  };
  EXPECT_FALSE(dialog.Program(program).has_value());
  EXPECT_EQ(reg.RegModified, 1);

  // The editor saved 1: it is 1 again before the window shows.
  reg.RegModifiedSave = 1;
  user = [&](Form& form) {
    EXPECT_EQ(reg.RegModified, 1);
    return form.OKClick();
  };
  const auto same = dialog.Program(program);
  ASSERT_TRUE(same.has_value());
  EXPECT_EQ(same->regulator, 4);
  EXPECT_EQ(same->setter, 1);

  // A window ending with OK past a failing check gives nothing.
  reg.RegModified = reg.RegModifiedSave = 0;
  user = [](Form& form) {
    form.EditChange(F::EditKp, "0");
    return kModalOk;
  };
  EXPECT_FALSE(dialog.Program(program).has_value());
  EXPECT_EQ(f.ui.inlineErrors.back(), (TFieldError{"EditKp", "Величина вне диапазона 0.1 - 1000"}));

  // A record no loop starts: nothing shown.
  shows = 0;
  EXPECT_FALSE(dialog.Program({1, {}, 2}).has_value());
  EXPECT_EQ(shows, 0);

  // Creating in file mode: a change the user made marks the file on OK.
  f.config.Serv.FileMode = 1;
  reg.RegModified = reg.RegModifiedSave = 0;
  user = [&](Form& form) {
    f.Choose(1);
    return form.OKClick();
  };
  const auto created = dialog.Program({0, *NewLoopSlot(reg), -1});
  ASSERT_TRUE(created.has_value());
  EXPECT_EQ(created->kind, 1);
  EXPECT_EQ(created->regulator, 6);
  EXPECT_EQ(f.config.Serv.Modified, 1);
}

}  // namespace
}  // namespace lur
