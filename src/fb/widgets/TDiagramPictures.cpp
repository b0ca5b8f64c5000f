#include "fb/widgets/TDiagramPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <map>

namespace lur {

namespace {

enum class TGlyph { Up, Disabled, Pressed, Down };

// A glyph strip from a drawing of one glyph in a given ink, `down` telling the
// down state's symbol from the up one.
template <typename Draw>
QImage Strip(Draw draw) {
  constexpr int s = TDiagramPictures::kGlyphSize;
  QImage image(s * TDiagramPictures::kGlyphCount, s, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  const QColor ink(0, 0, 0);
  const QColor grey(128, 128, 128);
  const QColor emboss(255, 255, 255);
  for (TGlyph glyph : {TGlyph::Up, TGlyph::Disabled, TGlyph::Pressed, TGlyph::Down}) {
    const int left = s * int(glyph);
    painter.save();
    painter.setClipRect(left, 0, s, s);
    switch (glyph) {
      case TGlyph::Up:
        painter.translate(left, 0);
        draw(painter, ink, false);
        break;
      case TGlyph::Disabled:
        // Greyed out the usual way: a white copy one pixel down and right.
        painter.translate(left + 1, 1);
        draw(painter, emboss, false);
        painter.translate(-1, -1);
        draw(painter, grey, false);
        break;
      case TGlyph::Pressed:
        // Held down: the up symbol pushed one pixel into the button.
        painter.translate(left + 1, 1);
        draw(painter, ink, false);
        break;
      case TGlyph::Down:
        painter.translate(left, 0);
        draw(painter, ink, true);
        break;
    }
    painter.restore();
  }
  return image;
}

// A contact between two terminals: the blade closes the gap when the contact
// is normally closed (with the bar that marks it), and stands off when open.
void DrawContact(QPainter& painter, const QColor& ink, bool normallyOpen) {
  QPen pen(ink, 1.6, Qt::SolidLine, Qt::RoundCap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(pen);
  painter.drawLine(QPointF(1, 11), QPointF(5, 11));
  painter.drawLine(QPointF(11, 11), QPointF(15, 11));
  if (normallyOpen) {
    painter.drawLine(QPointF(5, 11), QPointF(12, 3));
  } else {
    painter.drawLine(QPointF(11, 11), QPointF(11, 4));
    painter.drawLine(QPointF(5, 11), QPointF(13, 5));
  }
}

// An archive box with a lid and a label slot; filled with a stack of
// sheets when archiving is on.
void DrawArchive(QPainter& painter, const QColor& ink, bool on) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(ink, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(1, 3, 13, 3);   // lid
  painter.drawRect(2, 6, 11, 8);   // body
  painter.drawLine(6, 9, 9, 9);    // label slot
  if (on) {
    painter.fillRect(3, 1, 9, 2, ink);   // sheets above the lid
    painter.fillRect(3, 11, 9, 2, ink);  // contents
  }
}

// A block icon: one 16 x 16 glyph in black ink, drawn by `draw`.
template <typename Draw>
QImage Icon(Draw draw) {
  constexpr int s = TDiagramPictures::kGlyphSize;
  QImage image(s, s, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  draw(painter);
  return image;
}

// Two input leads on the left and the output lead on the right of a gate.
void DrawLeads(QPainter& painter) {
  painter.drawLine(QPointF(0.5, 5), QPointF(3.5, 5));
  painter.drawLine(QPointF(0.5, 11), QPointF(3.5, 11));
  painter.drawLine(QPointF(12.5, 8), QPointF(15.5, 8));
}

// A gate with a flat back and a round front.
void DrawAnd(QPainter& painter) {
  QPainterPath body(QPointF(3.5, 2.5));
  body.lineTo(7.5, 2.5);
  body.arcTo(QRectF(2.5, 2.5, 10, 11), 90, -180);
  body.lineTo(3.5, 13.5);
  body.closeSubpath();
  painter.drawPath(body);
  DrawLeads(painter);
}

// A gate with a hollow back and a pointed front.
void DrawOr(QPainter& painter) {
  QPainterPath body(QPointF(2.5, 2.5));
  body.quadTo(QPointF(6, 8), QPointF(2.5, 13.5));
  body.quadTo(QPointF(10, 13.5), QPointF(12.5, 8));
  body.quadTo(QPointF(10, 2.5), QPointF(2.5, 2.5));
  painter.drawPath(body);
  DrawLeads(painter);
}

// A hysteresis loop: up on the right, down on the left, with its arrows.
void DrawHysteresis(QPainter& painter) {
  painter.drawLine(QPointF(0.5, 12.5), QPointF(10.5, 12.5));
  painter.drawLine(QPointF(10.5, 12.5), QPointF(10.5, 3.5));
  painter.drawLine(QPointF(5.5, 3.5), QPointF(15.5, 3.5));
  painter.drawLine(QPointF(5.5, 3.5), QPointF(5.5, 12.5));
  painter.drawLine(QPointF(10.5, 7), QPointF(9, 9));    // up
  painter.drawLine(QPointF(10.5, 7), QPointF(12, 9));
  painter.drawLine(QPointF(5.5, 9), QPointF(4, 7));     // down
  painter.drawLine(QPointF(5.5, 9), QPointF(7, 7));
}

// A rising value crossing a dashed set-point, the crossing marked.
void DrawComparator(QPainter& painter) {
  painter.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 1.5));
  QPen dashed = painter.pen();
  dashed.setDashPattern({2, 1.5});
  painter.save();
  painter.setPen(dashed);
  painter.drawLine(QPointF(0.5, 8), QPointF(15.5, 8));
  painter.restore();
  painter.setBrush(Qt::black);
  painter.drawEllipse(QPointF(8, 8), 1.8, 1.8);
}

// A staircase: one step per counted pulse.
void DrawCounter(QPainter& painter) {
  QPainterPath steps(QPointF(0.5, 14.5));
  for (int k = 0; k < 4; ++k) {
    steps.lineTo(3.5 + 3 * k, 14.5 - 3 * k);
    steps.lineTo(3.5 + 3 * k, 11.5 - 3 * k);
  }
  steps.lineTo(15.5, 2.5);
  painter.drawPath(steps);
}

// A clock face with its hands.
void DrawTimer(QPainter& painter) {
  painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  painter.drawLine(QPointF(8, 8), QPointF(8, 3.5));
  painter.drawLine(QPointF(8, 8), QPointF(11.5, 10));
  painter.drawPoint(QPointF(8, 8));
}

// A flip-flop: a box split into its set half (top) and reset half (bottom),
// the dominant half filled.
void DrawTrigger(QPainter& painter, bool setDominant) {
  painter.drawRect(QRectF(3.5, 1.5, 9, 13));
  painter.drawLine(QPointF(3.5, 8), QPointF(12.5, 8));
  painter.fillRect(setDominant ? QRectF(5, 3, 6, 4) : QRectF(5, 9.5, 6, 4), Qt::black);
  DrawLeads(painter);
}

}  // namespace

const QImage& TDiagramPictures::BlockIcon(const QString& name) {
  static const std::map<QString, QImage> icons{
      {"BL_AND", Icon(DrawAnd)},
      {"BL_OR", Icon(DrawOr)},
      {"BL_GIST", Icon(DrawHysteresis)},
      {"BL_COMP", Icon(DrawComparator)},
      {"BL_COUNT", Icon(DrawCounter)},
      {"BL_TIMER1", Icon(DrawTimer)},
      {"BL_TRIGGER", Icon([](QPainter& p) { DrawTrigger(p, false); })},
      {"BL_TRIGGER2", Icon([](QPainter& p) { DrawTrigger(p, true); })},
  };
  static const QImage none;
  const auto found = icons.find(name);
  return found == icons.end() ? none : found->second;
}

const QImage& TDiagramPictures::TipKont() {
  static const QImage strip = Strip(DrawContact);
  return strip;
}

const QImage& TDiagramPictures::Arhiv() {
  static const QImage strip = Strip(DrawArchive);
  return strip;
}

}  // namespace lur
