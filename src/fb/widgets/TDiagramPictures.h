#pragma once
// The pictures of the diagram buttons, drawn here rather than loaded: strips
// of 16 x 16 glyphs side by side in the order a speed button picks them
// (up, disabled, pressed while held, down).
#include <QImage>

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
};

}  // namespace lur
