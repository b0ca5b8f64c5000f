#include "loops/views/TPanRegVis.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "fb/widgets/TSpBut.h"

namespace lur {
namespace {

constexpr int kGlyph = 20;
constexpr int kLampRadius = 6;
constexpr int kButtonLeft = 78;
constexpr int kButtonSize = 32;
constexpr int kTextTop = TPanRegVis::kScaleTop + TPanRegVis::kScaleHeight + 14;

// One strip of four glyphs: up, disabled, pressed, down. `picture` draws one
// glyph into its square, in the given ink, `on` for the pressed and down ones.
template <class Picture>
QImage Strip(const Picture& picture) {
  QImage strip(4 * kGlyph, kGlyph, QImage::Format_ARGB32);
  strip.fill(Qt::transparent);
  QPainter painter(&strip);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor inks[4] = {Qt::black, Qt::gray, Qt::darkBlue, Qt::darkBlue};
  for (int g = 0; g < 4; ++g) {
    painter.save();
    painter.translate(g * kGlyph, 0);
    picture(painter, inks[g], g >= 2);
    painter.restore();
  }
  return strip;
}

QPushButton* StepButton(const QString& text, const char* name, int top, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  QFont font = button->font();
  font.setPointSize(14);
  button->setFont(font);
  button->setGeometry(kButtonLeft, top, kButtonSize, kButtonSize - 4);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

QImage TPanRegVis::APOnOffGlyphs() {
  return Strip([](QPainter& p, const QColor& ink, bool on) {
    // "AP" over a lamp dot that lights when the switch is down.
    QFont font = p.font();
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRect(0, 0, kGlyph, 12), Qt::AlignCenter, "AP");
    p.setBrush(on ? QColor(Qt::green) : QColor(Qt::darkGray));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPoint(kGlyph / 2, 16), 3, 3);
  });
}

QImage TPanRegVis::HandAutGlyphs() {
  return Strip([](QPainter& p, const QColor& ink, bool on) {
    // Up: a hand (manual); down: "A" (automatic).
    p.setPen(QPen(ink, 1.5));
    if (on) {
      QFont font = p.font();
      font.setPixelSize(15);
      font.setBold(true);
      p.setFont(font);
      p.drawText(QRect(0, 0, kGlyph, kGlyph), Qt::AlignCenter, "A");
      return;
    }
    p.drawRoundedRect(QRectF(5, 9, 10, 8), 2, 2);  // palm
    for (int f = 0; f < 4; ++f)
      p.drawLine(QPointF(6 + 2.7 * f, 9), QPointF(6 + 2.7 * f, 3 + (f == 0 || f == 3 ? 2 : 0)));
    p.drawLine(QPointF(15, 13), QPointF(18, 9));  // thumb
  });
}

TPanRegVis::TPanRegVis(QWidget* parent) : QFrame(parent) {
  setObjectName("PanRegVis");
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  resize(kWidth, kHeight);
  SetSkyBlue(false);

  plusBut_ = StepButton("+", "PlusBut", kScaleTop, this);
  minusBut_ = StepButton("-", "MinusBut", kScaleTop + kButtonSize, this);
  connect(plusBut_, &QPushButton::clicked, this, [this] { emit StepUp(); });
  connect(minusBut_, &QPushButton::clicked, this, [this] { emit StepDown(); });

  apBut_ = new TSpBut(this);
  apBut_->setObjectName("APBut");
  apBut_->SetGlyph(APOnOffGlyphs(), 4);
  apBut_->SetHint("AP");
  apBut_->setEnabled(true);
  apBut_->setGeometry(kButtonLeft, kScaleTop + 2 * kButtonSize + 12, kButtonSize, kButtonSize);
  connect(apBut_, &TSpBut::OnClick, this, [this] { emit APSwitched(apBut_->Down()); });

  autoBut_ = new TSpBut(this);
  autoBut_->setObjectName("AutoBut");
  autoBut_->SetGlyph(HandAutGlyphs(), 4);
  autoBut_->SetHint("автомат / ручной");
  autoBut_->setEnabled(true);
  autoBut_->setGeometry(kButtonLeft, kScaleTop + 3 * kButtonSize + 20, kButtonSize, kButtonSize);
  connect(autoBut_, &TSpBut::OnClick, this, [this] { emit AutoSwitched(autoBut_->Down()); });
}

void TPanRegVis::SetNSk_PV(double low) { pvLow_ = low; }
void TPanRegVis::SetVSk_PV(double high) { pvHigh_ = high; }
void TPanRegVis::SetNSk_SP(double low) { spLow_ = low; }
void TPanRegVis::SetVSk_SP(double high) { spHigh_ = high; }

void TPanRegVis::CalcSk() {
  pvMarks_ = lur::CalcSk(pvHigh_, pvLow_);
  spMarks_ = lur::CalcSk(spHigh_, spLow_);
  update();
}

void TPanRegVis::PutValPV() {
  pvText_ = QString::fromStdString(ValueText(pv_));
  update();
}
void TPanRegVis::PutValSP() {
  spText_ = QString::fromStdString(ValueText(sp_));
  update();
}
void TPanRegVis::PutValOUT() {
  outText_ = QString::fromStdString(ValueText(out_));
  update();
}

void TPanRegVis::PutVal() {
  pvShown_ = pv_;
  spShown_ = sp_;
  update();
}

std::optional<int> TPanRegVis::PVBarHeight() const {
  if (!pvShown_) return std::nullopt;
  return BarHeight(*pvShown_, pvLow_, pvHigh_, kScaleHeight);
}

std::optional<int> TPanRegVis::SPBarHeight() const {
  if (!spShown_) return std::nullopt;
  return BarHeight(*spShown_, spLow_, spHigh_, kScaleHeight);
}

void TPanRegVis::SetCapPV(const QString& caption) {
  capPV_ = caption;
  update();
}
void TPanRegVis::SetCapSP(const QString& caption) {
  capSP_ = caption;
  update();
}
void TPanRegVis::SetCapOUT(const QString& caption) {
  capOUT_ = caption;
  update();
}

void TPanRegVis::SetColorP_In(const QColor& colour) {
  inLamp_ = colour;
  update();
}
void TPanRegVis::SetColorP_Out(const QColor& colour) {
  outLamp_ = colour;
  update();
}

void TPanRegVis::SetSwitchesVisible(bool visible) {
  for (QWidget* w : {static_cast<QWidget*>(plusBut_), static_cast<QWidget*>(minusBut_),
                     static_cast<QWidget*>(apBut_), static_cast<QWidget*>(autoBut_)}) {
    w->setVisible(visible);
  }
}

void TPanRegVis::SetAutomatic(bool down) { autoBut_->SetDown(down); }
void TPanRegVis::SetAP(bool down) { apBut_->SetDown(down); }

void TPanRegVis::SetSkyBlue(bool on) {
  skyBlue_ = on;
  QPalette p = palette();
  p.setColor(QPalette::Window, on ? SkyBlueColour() : QPalette().color(QPalette::Button));
  setPalette(p);
  update();
}

void TPanRegVis::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    SetSkyBlue(!skyBlue_);
    emit Clicked();
  } else if (event->button() == Qt::RightButton) {
    emit RightClicked(event->position().toPoint());
  }
  QFrame::mousePressEvent(event);
}

void TPanRegVis::DrawScale(QPainter& painter, const TScaleMarks& marks, int axis, bool textLeft) {
  const int bottom = kScaleTop + kScaleHeight;
  painter.setPen(Qt::black);
  painter.drawLine(axis, kScaleTop, axis, bottom);
  QFont font = painter.font();
  font.setPixelSize(9);
  painter.setFont(font);
  for (int k = 0; k <= 10; ++k) {
    const int y = bottom - k * kScaleHeight / 10;
    painter.drawLine(textLeft ? axis - 4 : axis, y, textLeft ? axis : axis + 4, y);
    const QRect box =
        textLeft ? QRect(2, y - 6, axis - 7, 12) : QRect(axis + 6, y - 6, kWidth - axis - 8, 12);
    painter.drawText(box, (textLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                     QString::fromStdString(marks[static_cast<std::size_t>(k)]));
  }
}

void TPanRegVis::DrawBar(QPainter& painter, std::optional<int> height, int left, const QColor& colour) {
  const int bottom = kScaleTop + kScaleHeight;
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawRect(left, kScaleTop, kBarWidth, kScaleHeight);
  if (!height || *height <= 0) return;
  painter.setBrush(colour);
  painter.drawRect(left, bottom - *height, kBarWidth, *height);
}

void TPanRegVis::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  // Lamps: input at the left, output at the right.
  painter.setPen(Qt::black);
  painter.setBrush(inLamp_);
  painter.drawEllipse(QPoint(14, 14), kLampRadius, kLampRadius);
  painter.setBrush(outLamp_);
  painter.drawEllipse(QPoint(kWidth - 14, 14), kLampRadius, kLampRadius);

  DrawBar(painter, PVBarHeight(), kPVBarLeft, QColor(0x00, 0x80, 0x00));
  DrawBar(painter, SPBarHeight(), kSPBarLeft, QColor(0x00, 0x00, 0xC0));
  DrawScale(painter, pvMarks_, kPVBarLeft - 2, true);
  DrawScale(painter, spMarks_, kSPBarLeft + kBarWidth + 2, false);

  painter.setPen(Qt::black);
  QFont font = painter.font();
  font.setPixelSize(12);
  painter.setFont(font);
  const QString captions[3] = {capPV_, capSP_, capOUT_};
  const QString texts[3] = {pvText_, spText_, outText_};
  for (int i = 0; i < 3; ++i) {
    const int y = kTextTop + 20 * i;
    painter.drawText(QRect(10, y, 40, 18), Qt::AlignLeft | Qt::AlignVCenter, captions[i]);
    painter.drawText(QRect(50, y, kWidth - 60, 18), Qt::AlignRight | Qt::AlignVCenter, texts[i]);
  }
}

}  // namespace lur
