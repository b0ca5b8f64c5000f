#pragma once
// One function block of the diagram, 150 x 110, without a border: per drawn
// input an olive line with the input's source above it in blue and its role
// ("S", "R", ...) in teal at its end, an inversion circle on an inverted
// input, the output mark on the right (a circle for the inverting gates, a
// bar otherwise) and, on the right, the raised type area with the block's
// icon, its type text in teal (timer type, comparator condition, counter
// set-point) and the number plate. The panel's caption, centred, is a
// timer's time; a comparator shows its hysteresis under its inputs.
//
// Everything is painted by the panel itself: a diagram holds up to 120
// blocks, and a widget per line and label would cost the editor its speed.
// The geometry of the parts is public, for the editor's hit tests and for
// printing.
//
// Values no list holds (a type byte of 10, a timer subtype of 9) are kept
// as they are and drawn as nothing: an unknown block type draws no inputs
// and no type text, an unknown timer or trigger subtype no type text.
#include <array>

#include "fb/widgets/TDiagramPanel.h"

namespace lur {

class TPanFB : public TDiagramPanel {
  Q_OBJECT
 public:
  static constexpr int kWidth = 150;
  static constexpr int kHeight = 110;
  static constexpr int kInputs = 4;
  static constexpr int kLineLength = 112;

  // The parts, in panel coordinates; input i is 1..4.
  static QRect TypeAreaRect() { return {112, 8, 30, 97}; }
  static QRect NumberRect() { return {115, 78, 24, 25}; }  // (3, 70) in the type area
  static QRect IconRect() { return {118, 11, 16, 16}; }    // (6, 3) in the type area
  static QRect TypeTextRect() { return {113, 28, 28, 49}; }
  static QRect InputLineRect(int i) { return {0, 24 * (i - 1) + 20, kLineLength, 3}; }
  static QRect InputCaptionRect(int i) { return {0, 24 * (i - 1) + 4, 94, 15}; }
  static QRect RoleRect(int i) { return {94, 24 * (i - 1) + 5, 18, 14}; }
  static QRect InversionRect(int i) { return {103, 24 * (i - 1) + 16, 9, 9}; }
  static QRect OutputCircleRect() { return {141, 88, 9, 9}; }
  static QRect OutputBarRect() { return {141, 92, 9, 3}; }
  static QRect HysteresisRect() { return {0, 94, 112, 15}; }

  // Where a point of the panel lies, for the editor's double click.
  enum TPart { fpBody, fpTypeArea, fpNumber };
  static TPart PartAt(QPoint at);

  // `number` is the block's number (record index + 1).
  TPanFB(QWidget* parent, TFBType type, int number);

  int Number() const { return number_; }

  // ---- the block type ----
  TFBType TypeFB() const { return type_; }
  TFBType GetTFB() const { return type_; }
  void SetTFB(TFBType type) { PutTypeFB(type); }
  // Redraws the panel for a type: icon, type text, the drawn inputs (their
  // captions emptied and directions normal), the role labels and the type's
  // settings as they are stored.
  void PutTypeFB(TFBType type);
  // How many inputs the type draws: 2 for the hysteresis block and timers
  // T0..T4, none for an unknown type, 4 otherwise.
  int NumberInputs() const;
  // The icon's name ("BL_AND", ...), empty when the type has none.
  QString IconName() const;
  // The text of the type area (timer type, condition, counter set-point).
  QString TypeText() const;
  bool OutputInverted() const { return type_ == ftANDInv || type_ == ftORInv; }

  // ---- inputs (i = 1..4); inputs the type does not draw are ignored ----
  // A comparator's inputs 3 and 4 carry its set-point (PutLimit) and its
  // delay (PutTimerD); the editor captions only its inputs 1 and 2.
  QString CaptionInput(int i) const;
  void PutIdVh(int i, const QString& text);
  void SetCaptionInput(int i, const QString& text) { PutIdVh(i, text); }
  // The comparator draws only its first input's direction.
  InputType TypeInput(int i) const;
  void PutTInp(int i, InputType type);
  void SetTypeInput(int i, InputType type) { PutTInp(i, type); }
  // The role label of a drawn input ("S", "ZV", ...).
  QString RoleText(int i) const;
  // Role labels by the type: timers T0..T4 "S", "R"; trigger "S", "S", "R",
  // "R"; counter "ZV", "ZR", "S", "R"; none otherwise.
  void PutSetReset();
  // Texts kept for the form designer's sake; no label shows them.
  QString SetReset(int i) const;
  void SetSetReset(int i, const QString& text);

  // ---- timer ----
  TimerType TimerTyp() const { return timerType_; }
  // "T0".."T5" in the type area; T5 (the alarm clock) draws four inputs and
  // shows its time, reset to 0:0:0.
  void PutTypeTim(TimerType type);
  void SetTimerTyp(TimerType type) { PutTypeTim(type); }
  TimerDiskr TimerD() const { return timerD_; }
  void SetTimerD(TimerDiskr unit);
  // The time (or the adjustable set-point's address) as the caption: a
  // timer's panel caption, a comparator's input 4.
  void PutTimerD();
  int TimerTime() const { return timerTime_; }
  // A fixed time (timer or comparator) is kept to 0..120, an adjustable
  // timer set-point's address to 1..10.
  void SetTime(int value);
  void SetTimerTime(int value) { SetTime(value); }
  TimerTUsT TimerTUstT() const { return timerTUs_; }
  // Also brings the stored time into the new kind's range.
  void SetTimerTUsT(TimerTUsT kind);
  // The caption a timer or a comparator shows for its time, empty for an
  // unknown unit.
  QString TimeText() const;

  // ---- alarm clock (timer T5): inputs 2, 3 and 4 ----
  int TimeSec() const { return timeSec_; }
  int TimeMin() const { return timeMin_; }
  int TimeHour() const { return timeHour_; }
  void PutSec(int value);
  void PutMin(int value);
  void PutHour(int value);
  void SetTimeSec(int value) { PutSec(value); }
  void SetTimeMin(int value) { PutMin(value); }
  void SetTimeHour(int value) { PutHour(value); }

  // ---- trigger ----
  TriggerType TypeTr() const { return triggerType_; }
  void PutTypeTr(TriggerType type);
  void SetTypeTr(TriggerType type) { PutTypeTr(type); }

  // ---- comparator ----
  ComparatorCondition CompCond() const { return compCond_; }
  void PutCompCond(ComparatorCondition condition);
  void SetCompCond(ComparatorCondition condition) { PutCompCond(condition); }
  CompTUst CompTUs() const { return compTUs_; }
  void SetCompTUs(CompTUst kind);
  int CompAdrUst() const { return compAdrUst_; }
  // Kept to 1..10.
  void SetCompAdrUst(int address);
  float Limit() const { return limit_; }
  void SetLimit(float value);
  // Input 3's caption: "уставка=" and the fixed set-point with the decimals
  // its magnitude gets, or "адр. " and the adjustable set-point's address.
  void PutLimit();
  int Gisterezis() const { return gisterezis_; }
  // "гистерезис=" and the value and "%" under the inputs.
  void PutGisterezis(int value);
  void SetGisterezis(int value) { PutGisterezis(value); }
  // The hysteresis text, empty unless the block is a comparator.
  QString HysteresisText() const;

  // ---- counter ----
  int LimitCount() const { return limitCount_; }
  // The set-point in the type area.
  void PutLimitCount(int value);
  void SetLimitCount(int value) { PutLimitCount(value); }

 signals:
  // A left click on the number plate or on the type area; OnClick follows.
  void OnNFBClick(Qt::KeyboardModifiers modifiers);
  void OnTFBClick(Qt::KeyboardModifiers modifiers);
  // A double click on the type area; OnDblClick follows.
  void OnTFBDblClick();

 protected:
  void Click(Qt::KeyboardModifiers modifiers) override;
  bool TakesLeftButton() const override;
  void PaintContents(QPainter& painter) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  bool Drawn(int i) const { return i >= 1 && i <= NumberInputs(); }
  bool IsTimer() const { return type_ == ftTimer; }
  bool IsComparator() const { return type_ == ftComparator; }
  void ShowAlarm();

  int number_;
  TFBType type_ = ftAND;
  std::array<QString, kInputs> captions_;
  std::array<InputType, kInputs> directions_{};
  std::array<QString, kInputs> roles_;
  std::array<QString, kInputs> setReset_;
  TimerType timerType_ = tt0;
  TimerDiskr timerD_ = tdms;
  int timerTime_ = 0;
  TimerTUsT timerTUs_ = tfix;
  int timeSec_ = 0;
  int timeMin_ = 0;
  int timeHour_ = 0;
  TriggerType triggerType_ = ttRS;
  ComparatorCondition compCond_ = ccL;
  CompTUst compTUs_ = tufix;
  int compAdrUst_ = 0;
  float limit_ = 0;
  int gisterezis_ = 0;
  int limitCount_ = 0;
  // Where the last left press went down, to tell the part a click hit.
  QPoint pressAt_;
};

}  // namespace lur
