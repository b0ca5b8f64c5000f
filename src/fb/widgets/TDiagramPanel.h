#pragma once
// The panel the diagram widgets are made of: a fixed-size rectangle with a
// background colour, an outer and an inner bevel and a caption, which paints
// its value boxes itself instead of holding child widgets, and reports the
// mouse to the editor that owns it.
//
// Mouse events nobody listens to pass on to the parent, so an editor may
// also handle clicks on its schema as a whole.
#include <QColor>
#include <QPoint>
#include <QString>
#include <QWidget>

#include "fb/widgets/WidgetTypes.h"

class QPainter;

namespace lur {

class TDiagramPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TDiagramPanel(QWidget* parent = nullptr);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);

  // The background at rest. The editor sets the face colour or the selection
  // colour; the hover colour is shown on top of it only while the mouse is
  // over the panel, when HoverHighlight is on.
  QColor Color() const { return color_; }
  void SetColor(const QColor& color);
  bool HoverHighlight() const { return hoverHighlight_; }
  void SetHoverHighlight(bool on);
  // The colour the panel is painted with now.
  QColor ShownColor() const;

  QString Hint() const { return toolTip(); }
  void SetHint(const QString& hint) { setToolTip(hint); }

  TPanelBevel BevelOuter() const { return outer_; }
  TPanelBevel BevelInner() const { return inner_; }
  void SetBevels(TPanelBevel outer, TPanelBevel inner);

  // Draws a one-pixel frame inside `rect` and returns what it encloses.
  static QRect DrawBevel(QPainter& painter, const QRect& rect, TPanelBevel bevel);
  // A sunken value box: the frame, the fill and the text centred.
  static void DrawSunkenBox(QPainter& painter, const QRect& rect, const QColor& fill, const QString& text);

 signals:
  // A left click (press and release on the panel); the modifiers of the
  // release tell a Ctrl+click.
  void OnClick(Qt::KeyboardModifiers modifiers);
  void OnDblClick();
  // The right button went down; the position is global, for a pop-up menu.
  void OnRightPress(QPoint globalPos);

 protected:
  // A left click after the press and release: emits OnClick. Subclasses
  // that react to a click themselves do it here.
  virtual void Click(Qt::KeyboardModifiers modifiers);
  // Whether a left press belongs to the panel rather than to its parent.
  virtual bool TakesLeftButton() const;
  // The caption's place and alignment; by default centred in the panel.
  virtual QRect CaptionRect() const;
  virtual Qt::Alignment CaptionAlignment() const { return Qt::AlignCenter; }
  // What a subclass draws over the background, bevels and caption.
  virtual void PaintContents(QPainter& painter);

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  // Taken when OnRightPress has a receiver, so that the parent does not open
  // a menu of its own over the one the receiver opens.
  void contextMenuEvent(QContextMenuEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

  // The area inside both bevels.
  QRect ClientRect() const;

 private:
  QString caption_;
  QColor color_;
  TPanelBevel outer_ = bvRaised;
  TPanelBevel inner_ = bvNone;
  bool hoverHighlight_ = false;
  bool hovered_ = false;
  bool leftPressed_ = false;
  // The release that ends a double click is no second click.
  bool swallowRelease_ = false;
};

}  // namespace lur
