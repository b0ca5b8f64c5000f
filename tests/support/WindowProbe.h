#pragma once
// Looks at windows as the user sees them: a widget rendered offscreen to an
// image, and the colours of key pixels and rectangles in it. Tests check a
// few places that carry meaning (a field's background, a marker's text), not
// whole images, so a style or font change does not break them.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <cstdlib>

namespace lur::test {

// The widget and its children as they would appear on screen.
inline QImage Render(QWidget* widget) {
  widget->ensurePolished();
  return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Whether two colours are the same within `tolerance` per channel
// (antialiasing and styles shade edges).
inline bool SameColour(QColor a, QColor b, int tolerance = 8) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

inline bool PixelIs(const QImage& image, QPoint at, QColor colour, int tolerance = 8) {
  return image.rect().contains(at) && SameColour(image.pixelColor(at), colour, tolerance);
}

// The share (0..1) of the pixels of `rect` that have `colour`; a rectangle
// outside the image has none.
inline double ColourShare(const QImage& image, QRect rect, QColor colour, int tolerance = 8) {
  rect = rect.intersected(image.rect());
  if (rect.isEmpty()) return 0;
  int hits = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      if (SameColour(image.pixelColor(x, y), colour, tolerance)) ++hits;
    }
  }
  return double(hits) / (rect.width() * rect.height());
}

// The rectangle of `child` in the coordinates of `ancestor`'s rendering.
inline QRect RectIn(const QWidget* child, const QWidget* ancestor) {
  return QRect(child->mapTo(ancestor, QPoint(0, 0)), child->size());
}

}  // namespace lur::test
