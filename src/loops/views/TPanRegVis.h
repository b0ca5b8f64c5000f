#pragma once
// The panel of one regulator in "Режим on line": two vertical scales of
// eleven marks (PV on the left, SP on the right) with their bars, the texts
// of PV, SP and OUT, the input and output lamps, the step buttons "+" and
// "-", and the "AP" and automatic/manual switches. A click on the panel
// toggles its colour between clSkyBlue and clBtnFace.
//
// The numbers come from TPanRegVisModel: no bar on a scale whose high limit
// is not above its low one or for a value that is not finite, and a bar never
// leaves its scale.
#include <QColor>
#include <QFrame>
#include <QString>
#include <optional>

#include "loops/TPanRegVisModel.h"

class QPainter;
class QPushButton;

namespace lur {

class TSpBut;

class TPanRegVis : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kWidth = 190;
  static constexpr int kHeight = 310;
  static constexpr int kScaleTop = 30;
  static constexpr int kScaleHeight = 200;
  static constexpr int kPVBarLeft = 52;
  static constexpr int kSPBarLeft = 118;
  static constexpr int kBarWidth = 20;

  static QColor SkyBlueColour() { return QColor(0xA6, 0xCA, 0xF0); }

  explicit TPanRegVis(QWidget* parent = nullptr);

  // Scale limits: the PV scale (N low, V high) and the SP scale.
  void SetNSk_PV(double low);
  void SetVSk_PV(double high);
  void SetNSk_SP(double low);
  void SetVSk_SP(double high);
  // The marks of both scales from their limits.
  void CalcSk();
  const TScaleMarks& PVMarks() const { return pvMarks_; }
  const TScaleMarks& SPMarks() const { return spMarks_; }

  // Values; PutValPV/SP/OUT show their texts, PutVal draws the bars.
  void SetVal_PV(double value) { pv_ = value; }
  void SetVal_SP(double value) { sp_ = value; }
  void SetVal_OUT(double value) { out_ = value; }
  void PutValPV();
  void PutValSP();
  void PutValOUT();
  void PutVal();
  QString PVText() const { return pvText_; }
  QString SPText() const { return spText_; }
  QString OUTText() const { return outText_; }
  std::optional<int> PVBarHeight() const;
  std::optional<int> SPBarHeight() const;

  // Captions of the value texts ("PV", "SP", "OUT" until set).
  void SetCapPV(const QString& caption);
  void SetCapSP(const QString& caption);
  void SetCapOUT(const QString& caption);

  // Lamps: red or green.
  void SetColorP_In(const QColor& colour);
  void SetColorP_Out(const QColor& colour);
  QColor InputLamp() const { return inLamp_; }
  QColor OutputLamp() const { return outLamp_; }

  // The step buttons and both switches; a signal repeater hides them.
  void SetSwitchesVisible(bool visible);
  // The switches' states as the controller knows them (no signal).
  void SetAutomatic(bool down);
  void SetAP(bool down);
  TSpBut* AutoSwitch() const { return autoBut_; }
  TSpBut* APSwitch() const { return apBut_; }
  QPushButton* PlusButton() const { return plusBut_; }
  QPushButton* MinusButton() const { return minusBut_; }

  // The panel's colour: clSkyBlue when on, clBtnFace otherwise.
  bool SkyBlue() const { return skyBlue_; }
  void SetSkyBlue(bool on);

  // The glyph strips of the switches, four glyphs each (up, disabled,
  // pressed, down), drawn by the program.
  static QImage APOnOffGlyphs();
  static QImage HandAutGlyphs();

 signals:
  // A left click, after the colour toggled.
  void Clicked();
  // A right click, at a point of the panel.
  void RightClicked(const QPoint& at);
  void AutoSwitched(bool down);
  void APSwitched(bool down);
  void StepUp();
  void StepDown();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void DrawScale(QPainter& painter, const TScaleMarks& marks, int axis, bool textLeft);
  void DrawBar(QPainter& painter, std::optional<int> height, int left, const QColor& colour);

  double pvLow_ = 0, pvHigh_ = 0, spLow_ = 0, spHigh_ = 0;
  double pv_ = 0, sp_ = 0, out_ = 0;
  TScaleMarks pvMarks_{};
  TScaleMarks spMarks_{};
  std::optional<double> pvShown_;  // what PutVal drew the bars with
  std::optional<double> spShown_;
  QString pvText_, spText_, outText_;
  QString capPV_ = "PV", capSP_ = "SP", capOUT_ = "OUT";
  QColor inLamp_ = Qt::red;
  QColor outLamp_ = Qt::green;
  bool skyBlue_ = false;
  TSpBut* apBut_ = nullptr;
  TSpBut* autoBut_ = nullptr;
  QPushButton* plusBut_ = nullptr;
  QPushButton* minusBut_ = nullptr;
};

}  // namespace lur
