#include "fb/widgets/TPanFB.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "fb/widgets/DiagramColors.h"
#include "fb/widgets/TDiagramPictures.h"
#include "model/DecimalText.h"

namespace lur {

namespace {

constexpr int kMaxFixedTime = 120;
constexpr int kMinAddress = 1;
constexpr int kMaxAddress = 10;
constexpr int kCircleThickness = 2;

bool KnownTimer(TimerType type) { return type >= tt0 && type <= tt5; }

// A circle 9 x 9 with a 2-pixel olive ring, filled with the panel's colour
// so that the line it sits on does not show through.
void DrawCircle(QPainter& painter, const QRect& rect, const QColor& fill) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(diagram::Olive(), kCircleThickness));
  painter.setBrush(fill);
  const double inset = kCircleThickness / 2.0;
  painter.drawEllipse(QRectF(rect).adjusted(inset, inset, -inset, -inset));
  painter.restore();
}

}  // namespace

TPanFB::TPart TPanFB::PartAt(QPoint at) {
  if (NumberRect().contains(at)) return fpNumber;
  if (TypeAreaRect().contains(at)) return fpTypeArea;
  return fpBody;
}

TPanFB::TPanFB(QWidget* parent, TFBType type, int number) : TDiagramPanel(parent), number_(number) {
  setObjectName(QString("PanFB%1").arg(number));
  setFixedSize(kWidth, kHeight);
  SetBevels(bvNone, bvNone);
  PutTypeFB(type);
}

// ---- the block type ----------------------------------------------------------

int TPanFB::NumberInputs() const {
  switch (type_) {
    case ftAND:
    case ftANDInv:
    case ftOR:
    case ftORInv:
    case ftTrigger:
    case ftComparator:
    case ftCounter:
      return 4;
    case ftGisterezis:
      return 2;
    case ftTimer:
      return timerType_ >= tt0 && timerType_ <= tt4 ? 2 : 4;
  }
  return 0;
}

QString TPanFB::IconName() const {
  switch (type_) {
    case ftAND:
    case ftANDInv:
      return "BL_AND";
    case ftOR:
    case ftORInv:
      return "BL_OR";
    case ftGisterezis:
      return "BL_GIST";
    case ftTimer:
      return "BL_TIMER1";
    case ftTrigger:
      return triggerType_ == ttRS ? "BL_TRIGGER" : triggerType_ == ttSR ? "BL_TRIGGER2" : QString();
    case ftComparator:
      return "BL_COMP";
    case ftCounter:
      return "BL_COUNT";
  }
  return {};
}

QString TPanFB::TypeText() const {
  switch (type_) {
    case ftTimer:
      return KnownTimer(timerType_) ? QString("T%1").arg(int(timerType_)) : QString();
    case ftComparator:
      return compCond_ == ccL ? "L" : compCond_ == ccH ? "H" : QString();
    case ftCounter:
      return QString::number(limitCount_);
    default:
      return {};
  }
}

void TPanFB::PutTypeFB(TFBType type) {
  type_ = type;
  // The drawn inputs start afresh; the settings of the type are shown again
  // from what is stored.
  captions_.fill(QString());
  directions_.fill(itNormal);
  PutSetReset();
  SetCaption(QString());
  if (IsTimer()) {
    PutTimerD();
    if (timerType_ == tt5) ShowAlarm();
  }
  if (IsComparator()) {
    PutTimerD();
    PutLimit();
  }
  update();
}

// ---- inputs -------------------------------------------------------------------

QString TPanFB::CaptionInput(int i) const { return i >= 1 && i <= kInputs ? captions_[i - 1] : QString(); }

void TPanFB::PutIdVh(int i, const QString& text) {
  if (!Drawn(i)) return;
  captions_[i - 1] = text;
  update();
}

InputType TPanFB::TypeInput(int i) const { return i >= 1 && i <= kInputs ? directions_[i - 1] : itNormal; }

void TPanFB::PutTInp(int i, InputType type) {
  if (!Drawn(i) || (IsComparator() && i != 1)) return;
  directions_[i - 1] = type;
  update();
}

QString TPanFB::RoleText(int i) const { return Drawn(i) ? roles_[i - 1] : QString(); }

void TPanFB::PutSetReset() {
  roles_.fill(QString());
  if (IsTimer() && timerType_ >= tt0 && timerType_ <= tt4)
    roles_ = {"S", "R", "", ""};
  else if (type_ == ftTrigger)
    roles_ = {"S", "S", "R", "R"};
  else if (type_ == ftCounter)
    roles_ = {"ZV", "ZR", "S", "R"};
  update();
}

QString TPanFB::SetReset(int i) const { return i >= 1 && i <= kInputs ? setReset_[i - 1] : QString(); }

void TPanFB::SetSetReset(int i, const QString& text) {
  if (i >= 1 && i <= kInputs) setReset_[i - 1] = text;
}

// ---- timer --------------------------------------------------------------------

void TPanFB::PutTypeTim(TimerType type) {
  timerType_ = type;
  if (!IsTimer()) return;
  // T5 draws two more inputs than T0..T4: the inputs are laid out again.
  const std::array<QString, kInputs> captions = captions_;
  const std::array<InputType, kInputs> directions = directions_;
  captions_.fill(QString());
  directions_.fill(itNormal);
  for (int i = 1; i <= NumberInputs(); ++i) {
    captions_[i - 1] = captions[i - 1];
    directions_[i - 1] = directions[i - 1];
  }
  PutSetReset();
  if (type == tt5) {
    timeSec_ = timeMin_ = timeHour_ = 0;
    ShowAlarm();
  }
  update();
}

void TPanFB::SetTimerD(TimerDiskr unit) {
  timerD_ = unit;
  PutTimerD();
}

QString TPanFB::TimeText() const {
  const QString head = IsComparator() ? QString("Тзад.=") : QString("Т=");
  if (IsTimer() && timerTUs_ == tkorr) return "Адр " + QString::number(timerTime_);
  switch (timerD_) {
    case tdms: return head + QString::number(timerTime_ * 100) + " мс";
    case tdsec: return head + QString::number(timerTime_) + " с";
    case tdDecsec: return head + QString::number(timerTime_ * 10) + " с";
  }
  return {};
}

void TPanFB::PutTimerD() {
  if (IsTimer())
    SetCaption(TimeText());
  else if (IsComparator())
    captions_[3] = TimeText();
  update();
}

void TPanFB::SetTime(int value) {
  if (IsTimer() && timerTUs_ == tkorr)
    timerTime_ = std::clamp(value, kMinAddress, kMaxAddress);
  else
    timerTime_ = std::clamp(value, 0, kMaxFixedTime);
  PutTimerD();
}

void TPanFB::SetTimerTUsT(TimerTUsT kind) {
  timerTUs_ = kind;
  SetTime(timerTime_);
}

// ---- alarm clock -------------------------------------------------------------

void TPanFB::ShowAlarm() {
  captions_[1] = QString::number(timeSec_) + " сек";
  captions_[2] = QString::number(timeMin_) + " мин";
  captions_[3] = QString::number(timeHour_) + " час";
  update();
}

void TPanFB::PutSec(int value) {
  timeSec_ = value;
  if (IsTimer() && timerType_ == tt5) ShowAlarm();
}

void TPanFB::PutMin(int value) {
  timeMin_ = value;
  if (IsTimer() && timerType_ == tt5) ShowAlarm();
}

void TPanFB::PutHour(int value) {
  timeHour_ = value;
  if (IsTimer() && timerType_ == tt5) ShowAlarm();
}

// ---- trigger ------------------------------------------------------------------

void TPanFB::PutTypeTr(TriggerType type) {
  triggerType_ = type;
  update();
}

// ---- comparator ---------------------------------------------------------------

void TPanFB::PutCompCond(ComparatorCondition condition) {
  compCond_ = condition;
  update();
}

void TPanFB::SetCompTUs(CompTUst kind) {
  compTUs_ = kind;
  PutLimit();
}

void TPanFB::SetCompAdrUst(int address) {
  compAdrUst_ = std::clamp(address, kMinAddress, kMaxAddress);
  PutLimit();
}

void TPanFB::SetLimit(float value) {
  limit_ = value;
  PutLimit();
}

void TPanFB::PutLimit() {
  if (!IsComparator()) return;
  if (compTUs_ == tukorr) {
    captions_[2] = "адр. " + QString::number(compAdrUst_);
  } else {
    const double v = limit_;
    captions_[2] = "уставка=" + QString::fromStdString(FixedText(v, DecimalsByMagnitude(v)));
  }
  update();
}

void TPanFB::PutGisterezis(int value) {
  gisterezis_ = value;
  update();
}

QString TPanFB::HysteresisText() const {
  return IsComparator() ? "гистерезис=" + QString::number(gisterezis_) + "%" : QString();
}

// ---- counter ------------------------------------------------------------------

void TPanFB::PutLimitCount(int value) {
  limitCount_ = value;
  update();
}

// ---- drawing ------------------------------------------------------------------

void TPanFB::PaintContents(QPainter& painter) {
  const QColor fill = ShownColor();
  painter.save();
  QFont small = painter.font();
  small.setPointSize(7);
  painter.setFont(small);
  for (int i = 1; i <= NumberInputs(); ++i) {
    painter.fillRect(InputLineRect(i), diagram::Olive());
    if (!captions_[i - 1].isEmpty()) {
      painter.setPen(diagram::Blue());
      painter.drawText(InputCaptionRect(i), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, captions_[i - 1]);
    }
    if (!roles_[i - 1].isEmpty()) {
      painter.setPen(diagram::Teal());
      painter.drawText(RoleRect(i), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, roles_[i - 1]);
    }
    if (directions_[i - 1] == itInverse) DrawCircle(painter, InversionRect(i), fill);
  }
  if (IsComparator()) {
    painter.setPen(diagram::Blue());
    painter.drawText(HysteresisRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, HysteresisText());
  }
  // The type area: a raised panel with the icon, the type text and the
  // number plate.
  DrawBevel(painter, TypeAreaRect(), bvRaised);
  const QImage& icon = TDiagramPictures::BlockIcon(IconName());
  if (!icon.isNull()) painter.drawImage(IconRect().topLeft(), icon);
  const QString typeText = TypeText();
  if (!typeText.isEmpty()) {
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(diagram::Teal());
    painter.drawText(TypeTextRect(), Qt::AlignCenter | Qt::TextSingleLine, typeText);
  }
  const QRect plate = DrawBevel(painter, DrawBevel(painter, NumberRect(), bvRaised), bvLowered);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(plate, Qt::AlignCenter | Qt::TextSingleLine, QString::number(number_));
  // The output mark touches the type area's edge, and is drawn over it.
  if (OutputInverted())
    DrawCircle(painter, OutputCircleRect(), fill);
  else
    painter.fillRect(OutputBarRect(), diagram::Olive());
  painter.restore();
}

// ---- mouse --------------------------------------------------------------------

bool TPanFB::TakesLeftButton() const {
  return TDiagramPanel::TakesLeftButton() || isSignalConnected(QMetaMethod::fromSignal(&TPanFB::OnNFBClick)) ||
         isSignalConnected(QMetaMethod::fromSignal(&TPanFB::OnTFBClick)) ||
         isSignalConnected(QMetaMethod::fromSignal(&TPanFB::OnTFBDblClick));
}

void TPanFB::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressAt_ = event->position().toPoint();
  TDiagramPanel::mousePressEvent(event);
}

void TPanFB::Click(Qt::KeyboardModifiers modifiers) {
  switch (PartAt(pressAt_)) {
    case fpNumber: emit OnNFBClick(modifiers); break;
    case fpTypeArea: emit OnTFBClick(modifiers); break;
    case fpBody: break;
  }
  TDiagramPanel::Click(modifiers);
}

void TPanFB::mouseDoubleClickEvent(QMouseEvent* event) {
  // The number plate lies inside the type area: a double click on it opens
  // the block too.
  if (event->button() == Qt::LeftButton && TakesLeftButton() && PartAt(event->position().toPoint()) != fpBody)
    emit OnTFBDblClick();
  TDiagramPanel::mouseDoubleClickEvent(event);
}

}  // namespace lur
