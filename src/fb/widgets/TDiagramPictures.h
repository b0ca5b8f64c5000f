#pragma once
// The pictures of the diagram buttons, drawn here rather than loaded: strips
// of 16 x 16 glyphs side by side in the order a speed button picks them
// (up, disabled, pressed while held, down).
#include <QImage>
#include <QString>

namespace lur {

class TDiagramPictures {
 public:
  static constexpr int kGlyphSize = 16;
  static constexpr int kGlyphCount = 4;

  // "TIPKONT", the contact type: a normally closed contact when up, a
  // normally open one when down.
  static const QImage& TipKont();
  // "ARHIV", archiving: an empty archive box when up, a filled one when down.
  static const QImage& Arhiv();

  // The 16 x 16 icon of a function block by its name: "BL_AND", "BL_OR",
  // "BL_GIST", "BL_COMP", "BL_COUNT", "BL_TIMER1", "BL_TRIGGER" (an RS
  // trigger) or "BL_TRIGGER2" (an SR trigger); a null image for any other
  // name.
  static const QImage& BlockIcon(const QString& name);
};

}  // namespace lur
