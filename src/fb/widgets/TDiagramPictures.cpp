#include "fb/widgets/TDiagramPictures.h"

#include <QPainter>
#include <QPen>

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

}  // namespace

const QImage& TDiagramPictures::TipKont() {
  static const QImage strip = Strip(DrawContact);
  return strip;
}

const QImage& TDiagramPictures::Arhiv() {
  static const QImage strip = Strip(DrawArchive);
  return strip;
}

}  // namespace lur
