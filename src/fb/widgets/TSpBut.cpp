#include "fb/widgets/TSpBut.h"

#include <QPainter>

#include "fb/widgets/TDiagramPanel.h"
#include "fb/widgets/TDiagramPictures.h"

namespace lur {

TSpBut::TSpBut(QWidget* parent, bool down) : QAbstractButton(parent) {
  setObjectName("SpBut");
  setCheckable(true);
  setChecked(down);
  setEnabled(false);
  setFocusPolicy(Qt::NoFocus);
  setToolTip("Состояние входа - Нажато: НР");
  SetGlyph(TDiagramPictures::TipKont(), TDiagramPictures::kGlyphCount);
  resize(kWidth, kHeight);
  connect(this, &QAbstractButton::clicked, this, [this] {
    clicked_ = true;
    emit OnClick();
  });
}

void TSpBut::SetGlyph(const QImage& strip, int count) {
  glyph_ = strip;
  glyphCount_ = count < 1 ? 1 : count;
  update();
}

int TSpBut::GlyphIndex() const {
  int index = 0;
  if (!isEnabled())
    index = 1;
  else if (isDown())
    index = 2;
  else if (isChecked())
    index = 3;
  return index < glyphCount_ ? index : glyphCount_ - 1;
}

void TSpBut::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const bool sunken = isDown() || isChecked();
  painter.fillRect(rect(), palette().color(QPalette::Button));
  TDiagramPanel::DrawBevel(painter, rect(), sunken ? bvLowered : bvRaised);
  if (glyph_.isNull()) return;
  const int w = glyph_.width() / glyphCount_;
  const int h = glyph_.height();
  const QRect source(GlyphIndex() * w, 0, w, h);
  const QPoint at((width() - w) / 2, (height() - h) / 2);
  painter.drawImage(at, glyph_, source);
}

}  // namespace lur
