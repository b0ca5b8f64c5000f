// The regulator editor's picture as a function of the table: frames and
// scroll range, the panels' types, texts and decimal bands, the marks, the
// setter's own scale, the selection colour and the hit test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loops/FormRegFixture.h"
#include "loops/TLoopDrawing.h"

namespace lur::test {
namespace {

// A discrete, an analog (signals 1..6, scale 0 .. 100 n), a relay and the
// regulator module; the loops of the table given.
TConfiguration Config(const TProgRegClass& reg) {
  TConfiguration config;
  TServClass::Identity id{};
  const std::array<std::uint8_t, 4> modules = {1, 7, 3, 14};
  for (std::size_t s = 0; s < modules.size(); ++s) id[1 + s] = modules[s];
  id[TServClass::kIdProcessedAnalog] = 6;
  EXPECT_TRUE(config.Serv.SetIdentityFromBytes(id));
  config.Serv.MakeDefaultInputIds();
  for (int c = 0; c < 6; ++c) {
    config.MBA.SetMinSkText("0", 0, c);
    config.MBA.SetMaxSkText(std::to_string(100 * (c + 1)), 0, c);
  }
  config.Reg.PutFileBlock(reg.GetFileBlock());
  return config;
}

TEST(LoopDrawing, FramesStackEvery320PixelsAndTheScrollRangeEnds20BelowTheLast) {
  const TLoopDrawing drawing = DrawLoops(Config(ThreeLoops()));
  ASSERT_EQ(drawing.frames.size(), 3u);
  for (int q = 0; q < 3; ++q) {
    EXPECT_EQ(drawing.frames[q].rect, (TLoopRect{24, 320 * q, 600, 320})) << q;
    for (const TLoopPanel& panel : drawing.frames[q].panels) {
      EXPECT_TRUE(drawing.frames[q].rect.Contains(panel.rect.x, panel.rect.y));
      EXPECT_TRUE(drawing.frames[q].rect.Contains(panel.rect.x + panel.rect.w - 1, panel.rect.Bottom() - 1));
    }
  }
  EXPECT_EQ(drawing.height, 3 * 320 + 20);
  EXPECT_EQ(kLoopWheelStep, 10);
  EXPECT_EQ(DrawLoops(Config(TProgRegClass{})).height, 0);

  struct Hit {
    int x, y;
    std::optional<int> loop;
  };
  for (const Hit& h : {Hit{24, 0, 0}, Hit{623, 319, 0}, Hit{624, 10, {}}, Hit{23, 10, {}}, Hit{100, 320, 1},
                       Hit{100, 959, 2}, Hit{100, 960, {}}}) {
    EXPECT_EQ(LoopAt(drawing, h.x, h.y), h.loop) << h.x << "," << h.y;
  }
}

TEST(LoopDrawing, PanelsShowTheirRecordsWithTheirMarks) {
  TProgRegClass reg = ThreeLoops();
  reg.SetAnVh(4, 6);  // a repeater
  reg.SetTReg(4, 0);
  reg.SetAdOUT(4, 5);
  reg.SetAnVh(5, 9);  // a role no loop kind knows, on a signal the list lacks
  reg.SetTReg(5, 5);
  reg.SetAdOUT(5, 4);
  reg.SetTi(5, "12000");
  reg.SetKp(5, "1500");
  reg.SetOSF(5, "99,5");
  reg.SetTd(5, "10,5");
  const TLoopDrawing drawing = DrawLoops(Config(reg));
  ASSERT_EQ(drawing.frames.size(), 5u);

  const TLoopFrame& single = drawing.frames[0];
  ASSERT_EQ(single.panels.size(), 1u);
  EXPECT_EQ(single.panels[0].type, TRegType::rtPID);
  EXPECT_EQ(single.panels[0].lines,
            (std::vector<std::string>{"AI1_1", "SP", "KP=1,0000", "Ti=3000,0", "Td=0,0000", "OSF=0,0000",
                                      "OL=0,00", "OH=100,00"}));
  EXPECT_EQ(single.marks[0].text, "вых ЦАП №1");
  EXPECT_TRUE(single.connectors.empty());

  const TLoopFrame& cascade = drawing.frames[1];
  ASSERT_EQ(cascade.panels.size(), 2u);
  EXPECT_EQ(cascade.panels[1].record, 2);
  EXPECT_GT(cascade.panels[1].rect.x, cascade.panels[0].rect.x + cascade.panels[0].rect.w);
  EXPECT_EQ(cascade.panels[0].lines[0], "AI1_2");
  EXPECT_EQ(cascade.panels[1].lines[0], "AI1_3");
  EXPECT_EQ(cascade.marks[0].text, "на рег 3");
  EXPECT_EQ(cascade.marks[1].text, "вых ЦАП №2");
  EXPECT_EQ(cascade.connectors.size(), 1u);

  const TLoopFrame& setter = drawing.frames[2];
  ASSERT_EQ(setter.panels.size(), 2u);
  EXPECT_EQ(setter.panels[1].type, TRegType::rtPZ);
  EXPECT_GT(setter.panels[1].rect.y, setter.panels[0].rect.Bottom());
  // Signal 4 is 0..400: code 1000 k reads 1000 k * 400 / 16383.
  EXPECT_EQ(
      setter.panels[1].lines,
      (std::vector<std::string>{"T1=60 с", "SP1=0,00", "T2=120 с", "SP2=24,42", "T3=180 с", "SP3=48,83",
                                "T4=240 с", "SP4=73,25", "T5=300 с", "SP5=97,66", "T6=360 с", "SP6=122,1"}));
  EXPECT_EQ(setter.marks[0].text, "вых ЦАП №3");
  EXPECT_EQ(setter.marks[1].text, "на рег 4");
  EXPECT_FALSE(setter.connectors.empty());

  const TLoopFrame& repeater = drawing.frames[3];
  EXPECT_EQ(repeater.panels[0].type, TRegType::rtPS);
  EXPECT_EQ(repeater.panels[0].lines, (std::vector<std::string>{"AI1_6", "SP"}));
  EXPECT_EQ(repeater.marks[0].text, "вых ЦАП №6");

  const TLoopFrame& unknown = drawing.frames[4];
  EXPECT_EQ(unknown.panels[0].type, TRegType::rtPID);
  EXPECT_EQ(unknown.panels[0].lines, (std::vector<std::string>{"", "SP", "KP=1500", "Ti=12000", "Td=10,500",
                                                               "OSF=99,500", "OL=0,00", "OH=0,00"}));
}

TEST(LoopDrawing, SetterPointsUseTheirOwnLoopsScaleAndSetterDrivenOutputsNameTheirRegulator) {
  TProgRegClass reg;
  // Loop 0 on signal 1 (0..100) with setter 0; loop 1 on signal 5 (0..500)
  // with setter 1, its output code above 15.
  reg.SetAnVh(0, 1);
  reg.SetTReg(0, 16);
  reg.SetAnVh(1, 5);
  reg.SetTReg(1, 17);
  reg.SetAdOUT(1, 17);
  reg.SetAReg(0, 1);
  reg.SetAReg(1, 2);
  reg.SetValPZ(0, 0, 16383);
  reg.SetValPZ(1, 0, 16383);
  reg.SetValPZ(1, 1, -16383);
  TConfiguration config = Config(reg);
  // The scale of whichever loop the dialog showed last plays no part.
  config.Reg.ScaleLow = 0;
  config.Reg.ScaleHigh = 10;
  const TLoopDrawing drawing = DrawLoops(config);
  ASSERT_EQ(drawing.frames.size(), 2u);
  EXPECT_EQ(drawing.frames[0].panels[1].lines[1], "SP1=100,00");
  EXPECT_EQ(drawing.frames[1].panels[1].lines[1], "SP1=500,0");
  EXPECT_EQ(drawing.frames[1].panels[1].lines[3], "SP2=-500,0");
  EXPECT_EQ(drawing.frames[1].marks[0].text, "на рег 2");
}

TEST(LoopDrawing, NumbersKeepTheirBands) {
  struct Case {
    std::string (*format)(double);
    double value;
    const char* text;
  };
  const Case cases[] = {
      {GainText, 10, "10,0000"},       {GainText, 10.5, "10,500"},      {GainText, 100, "100,000"},
      {GainText, 999.5, "999,50"},     {GainText, 1000, "1000,00"},     {GainText, 1000.5, "1001"},
      {TimeText, 1000.5, "1000,5"},    {TimeText, 10000, "10000,0"},    {TimeText, 10000.5, "10001"},
      {LimitText, 12.345, "12,35"},    {LimitText, 100, "100,00"},      {SetValueText, 100, "100,00"},
      {SetValueText, -100, "-100,00"}, {SetValueText, 100.25, "100,3"}, {SetValueText, 1000, "1000,0"},
      {SetValueText, 1000.4, "1000"},  {SetValueText, -2500, "-2500"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.format(c.value), c.text) << c.value;
}

TEST(LoopDrawing, ASelectedLoopIsSkyBlueEverywhere) {
  TConfiguration config = Config(ThreeLoops());
  config.Reg.Reg_Choose[3] = 1;  // the setter loop's main panel
  const TLoopDrawing drawing = DrawLoops(config);
  EXPECT_EQ(drawing.frames[0].color, kLoopFaceColor);
  EXPECT_EQ(drawing.frames[1].color, kLoopFaceColor);
  EXPECT_FALSE(drawing.frames[1].selected);
  EXPECT_EQ(drawing.frames[2].color, (TLoopColor{0xA6, 0xCA, 0xF0}));
  EXPECT_TRUE(drawing.frames[2].selected);
}

}  // namespace
}  // namespace lur::test
