#pragma once
// A flat speed button with a glyph strip (TDiagramPictures): the contact type
// of an input, or archiving with the "ARHIV" picture. It toggles on each
// click, takes no focus and is built disabled; the editor enables the buttons
// its rows write through.
#include <QAbstractButton>
#include <QImage>

namespace lur {

class TSpBut : public QAbstractButton {
  Q_OBJECT
 public:
  static constexpr int kWidth = 23;
  static constexpr int kHeight = 22;

  // `down` is the initial pressed (checked) state.
  explicit TSpBut(QWidget* parent = nullptr, bool down = false);

  // The toggled state: down is a normally open contact, or archiving on.
  bool Down() const { return isChecked(); }
  void SetDown(bool down) { setChecked(down); }

  // A strip of `count` glyphs (up, disabled, pressed, down; with fewer the
  // last one stands in for the missing).
  void SetGlyph(const QImage& strip, int count);
  const QImage& Glyph() const { return glyph_; }
  int GlyphIndex() const;

  QString Hint() const { return toolTip(); }
  void SetHint(const QString& hint) { setToolTip(hint); }

  // Set by a click, until the owner resets it.
  bool Clicked() const { return clicked_; }
  void ResetClicked() { clicked_ = false; }

  QSize sizeHint() const override { return {kWidth, kHeight}; }

 signals:
  // A click, after the button has toggled.
  void OnClick();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage glyph_;
  int glyphCount_ = 0;
  bool clicked_ = false;
};

}  // namespace lur
