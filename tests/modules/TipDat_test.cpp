// The sensor-type module window against the simulated controller: the bit of
// each selector, the page 98 write and what every way of closing leaves in
// memory, the reserve and the module's "sent" flag.
#include <gtest/gtest.h>

#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "modules/TFormTipDatController.h"
#include "session/TModalWindow.h"
#include "session/TServAddressing.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {
namespace {

struct TipDat : ::testing::Test {
  VirtualClock clock;
  SimPort line{clock, [] {
                 sim::SimOptions o;
                 o.modules = {1, 10, 7, 3, 0, 0, 0, 0};
                 return o;
               }()};
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};
  std::vector<TEditorRequest> opened;
  TEditorRegistry editors = [this] {
    TEditorRegistry r;
    r.Register(TEditor::DiscreteInputView, [this](const TEditorRequest& request) {
      opened.push_back(request);
      return kModalOk;
    });
    return r;
  }();
  TFormTipDatController form{session, editors};

  TipDat() {
    link.PortName = "COM1";
    config.Lur.FullAccess = 1;
    // Module 1 has NAMUR on its sensor 1; the reserve holds the same.
    config.Lur.SetTipDatByte(0, 0x01);
    config.Lur.UnpackTipDat();
    for (int b = 0; b < 16; ++b) config.Reserv.ResTipDat[static_cast<std::size_t>(b)] = config.Lur.GetTipDatByte(b);
    EXPECT_TRUE(form.FormShow(2, "ЛЕНС-9", "DI_2_1 - DI_2_12"));
  }
  std::vector<std::uint8_t> Block() const {
    std::vector<std::uint8_t> bytes;
    for (int b = 0; b < 16; ++b) bytes.push_back(config.Lur.GetTipDatByte(b));
    return bytes;
  }
  // NAMUR for sensor 3 of the module at position 2, and the window closed
  // with OK.
  bool ChangeAndClose() {
    form.RadioGroup1Click(2, 1);
    form.OKClick();
    return form.FormCloseQuery();
  }
};

TEST_F(TipDat, SelectorsShowAndSetTheirModulesBits) {
  EXPECT_EQ(form.LabNMod(), "2");
  EXPECT_EQ(form.LabTMod(), "ЛЕНС-9");
  EXPECT_EQ(form.LabN(), "входы DI_2_1 - DI_2_12");
  EXPECT_EQ(form.Hint(0), "номер дискретного сигнала в базе 13 (адрес 0x0C)");
  EXPECT_EQ(form.Hint(11), "номер дискретного сигнала в базе 24 (адрес 0x17)");
  for (int i = 0; i < 12; ++i) EXPECT_EQ(form.Selector(i), 0) << i;
  form.RadioGroup1Click(2, 1);
  EXPECT_EQ(config.Lur.GetTipDatByte(2), 0x04);  // bit 2 of word 1
  EXPECT_EQ(config.Lur.GetTipDatByte(0), 0x01);  // module 1's word untouched
  EXPECT_EQ(form.Selector(2), 1);
  EXPECT_EQ(config.Lur.TipDatSent[1], 0);
  form.RadioGroup1Click(11, 1);
  EXPECT_EQ(config.Lur.GetTipDatByte(3), 0x08);  // sensor 12: bit 11
  // The module at position 8 has the last word.
  ASSERT_TRUE(form.FormShow(8, "", ""));
  form.RadioGroup1Click(0, 1);
  EXPECT_EQ(config.Lur.GetTipDatByte(14), 0x01);
  EXPECT_FALSE(form.FormShow(9, "", ""));
  EXPECT_FALSE(form.FormShow(0, "", ""));
}

TEST_F(TipDat, ClosingWithoutAChangeNeitherAsksNorWrites) {
  form.OKClick();
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(line.requests.empty());
}

TEST_F(TipDat, YesWritesPage98AndTheReserveFollows) {
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(ChangeAndClose());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "База  была изменена. Передать в прибор?");
  EXPECT_EQ(ui.shown[0].caption, "Подтвердите передачу базы данных");
  EXPECT_EQ(ui.shown[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(ui.shown[0].defaultAnswer, MsgAnswer::No);
  EXPECT_EQ(line.PagesWritten(), std::vector<std::uint8_t>{98});
  EXPECT_EQ(line.Page(98), Block());
  EXPECT_EQ(line.RequestsOf(0x45)[0].size(), 2u + 17 + 2);
  EXPECT_EQ(config.Lur.TipDatSent[1], 1);
  EXPECT_EQ(config.Lur.DiskrModified, 1);  // as the window always did
  for (int b = 0; b < 16; ++b) EXPECT_EQ(config.Reserv.ResTipDat[static_cast<std::size_t>(b)], Block()[static_cast<std::size_t>(b)]);
}

TEST_F(TipDat, NoAndCancelPutBackOnlyThisModulesWord) {
  // An unsent change of module 1 made earlier.
  config.Lur.SetTipDatBit(5, 0, 1);
  config.Lur.TipDatSent[0] = 0;
  ui.answers = {MsgAnswer::No};
  EXPECT_TRUE(ChangeAndClose());
  EXPECT_EQ(config.Lur.GetTipDatByte(2), 0x00);
  EXPECT_EQ(form.Selector(2), 0);
  EXPECT_EQ(config.Lur.GetTipDatByte(0), 0x21);  // module 1's change stays
  EXPECT_EQ(config.Lur.TipDatSent[1], 1);
  EXPECT_EQ(config.Lur.TipDatSent[0], 0);
  EXPECT_TRUE(line.requests.empty());

  // The window's own Отмена does the same without asking.
  ui.shown.clear();
  form.RadioGroup1Click(4, 1);
  form.CancelClick();
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(config.Lur.GetTipDatByte(2), 0x00);
  EXPECT_EQ(config.Lur.GetTipDatByte(0), 0x21);

  // The question's Cancel keeps the window open with the change.
  ui.answers = {MsgAnswer::Cancel};
  form.RadioGroup1Click(2, 1);
  form.OKClick();
  EXPECT_FALSE(form.FormCloseQuery());
  EXPECT_EQ(config.Lur.GetTipDatByte(2), 0x04);
}

TEST_F(TipDat, AFailedOrRefusedWriteAsksAgainAtTheNextClosing) {
  line.FailPage(0x45, 98, ExceptionAnswer(4));
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(ChangeAndClose());  // the window closes anyway
  ASSERT_EQ(ui.shown.size(), 2u);  // the question, then the one failure box
  EXPECT_EQ(ui.shown[1].text, link.ErrorText(0, 4));
  EXPECT_EQ(config.Lur.TipDatSent[1], 0);
  EXPECT_EQ(config.Reserv.ResTipDat[2], 0x00);

  // Opened again, closed at once: the unsent change is asked about.
  line.ClearFaults();
  ASSERT_TRUE(form.FormShow(2, "ЛЕНС-9", ""));
  ui.answers = {MsgAnswer::Yes};
  form.OKClick();
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(ui.shown.size(), 3u);
  EXPECT_EQ(line.Page(98), Block());
  EXPECT_EQ(config.Lur.TipDatSent[1], 1);

  // At the limited level nothing is sent and the change stays unsent.
  config.Lur.FullAccess = 0;
  line.ForgetRequests();
  ui.shown.clear();
  ui.answers = {MsgAnswer::Yes};
  form.RadioGroup1Click(7, 1);
  form.OKClick();
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_TRUE(line.requests.empty());
  EXPECT_EQ(ui.shown.back().text, "Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт");
  EXPECT_EQ(config.Lur.TipDatSent[1], 0);
}

TEST_F(TipDat, FileModeMarksTheConfigurationAndTakesTheReserve) {
  config.Serv.FileMode = 1;
  EXPECT_TRUE(ChangeAndClose());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(line.requests.empty());
  EXPECT_EQ(config.Serv.Modified, 1);
  EXPECT_EQ(config.Reserv.ResTipDat[2], 0x04);
  EXPECT_EQ(config.Lur.TipDatSent[1], 1);
}

TEST_F(TipDat, OnLineOpensTheModulesInputView) {
  form.ButOnLineClick();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].editor, TEditor::DiscreteInputView);
  EXPECT_EQ(opened[0].slot, 2);
  EXPECT_EQ(opened[0].typeName, "ЛЕНС-9");
}

}  // namespace
}  // namespace lur::test
