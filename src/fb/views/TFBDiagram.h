#pragma once
// The function block diagram inside ScrollBox1: the widgets of every block
// placed where the layout puts them (block panel, number mark, link,
// signalling panel and link, relay panel and line), the blocks' background
// rectangles and the algorithm captions. The widgets only draw: every mouse
// event falls through to the diagram, which maps it to a block through the
// layout and reports it.
#include <QWidget>
#include <vector>

#include "fb/TDiagramLayout.h"

namespace lur {

class TFBDiagram : public QWidget {
  Q_OBJECT
 public:
  explicit TFBDiagram(QWidget* parent = nullptr);

  // Replaces every element by the layout's.
  void Show(const TDiagramLayout& layout);
  // Only the colours of a layout with the same blocks: cheaper than Show
  // for a click that chooses or selects.
  void Recolor(const TDiagramLayout& layout);
  const TDiagramLayout& Layout() const { return layout_; }
  // The widgets of block `record`, for tests and printing; empty when none.
  std::vector<QWidget*> BlockWidgets(int record) const;

 signals:
  // A press on any element of a block, or on free space (record -1).
  void Pressed(int record, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint globalPos);
  void TypeAreaDoubleClicked(int record);
  void SignPanelDoubleClicked(int record);
  void RelayPanelDoubleClicked(int record);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void AddBlock(const TDiagramBlock& block);

  TDiagramLayout layout_;
  std::vector<std::vector<QWidget*>> widgets_;  // per block
  std::vector<QWidget*> captions_;
};

}  // namespace lur
