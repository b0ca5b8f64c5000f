#include "fb/views/TFBDiagram.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "fb/widgets/DiagramColors.h"
#include "fb/widgets/TDiagramPanel.h"
#include "fb/widgets/TPShapeZ.h"
#include "fb/widgets/TPanFB.h"
#include "fb/widgets/TPanMR.h"
#include "fb/widgets/TPanSign.h"
#include "fb/widgets/TShapeHorz.h"
#include "fb/widgets/TShapeMark.h"

namespace lur {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QColor ColorOf(const TDiagramBlock& block) { return block.highlighted ? diagram::SelectionColor() : diagram::FaceColor(); }

ShapeZType ShapeOf(TDiagramLink link) {
  switch (link) {
    case kLinkZigzag0: return stZigzag0;
    case kLinkZigzag1: return stZigzag1;
    case kLinkZigzag2: return stZigzag2;
    case kLinkZigzag3: return stZigzag3;
  }
  return stZigzag00;
}

// The panel's settings, in the order they depend on each other: the type
// first, then its kind of set-point, then the values.
void ApplySettings(TPanFB& panel, const TDiagramBlock& block) {
  const TBlockSettings& s = block.settings;
  switch (panel.TypeFB()) {
    case ftTimer:
      panel.SetTimerTyp(static_cast<TimerType>(s.subTip));
      panel.SetTimerD(static_cast<TimerDiskr>(s.timerD));
      panel.SetTimerTUsT(s.timerAdjustable != 0 ? tkorr : tfix);
      panel.SetTime(s.timerAdjustable != 0 ? s.timerAdrUst : s.timerTime);
      panel.PutTimerD();
      if (s.subTip == tt5) {
        panel.PutHour(s.timeHour);
        panel.PutMin(s.timeMin);
        panel.PutSec(s.timeSec);
      }
      break;
    case ftTrigger:
      panel.SetTypeTr(static_cast<TriggerType>(s.subTip));
      break;
    case ftComparator: {
      panel.SetTimerD(static_cast<TimerDiskr>(s.timerD));
      panel.SetTime(s.timerTime);
      panel.PutTimerD();
      panel.SetCompCond(static_cast<ComparatorCondition>(s.compCond));
      panel.SetCompTUs(s.compAdjustable != 0 ? tukorr : tufix);
      if (s.compAdjustable != 0) panel.SetCompAdrUst(s.subTip);
      panel.SetLimit(QString::fromStdString(s.limitText).replace(',', '.').toFloat());
      panel.PutLimit();
      panel.SetGisterezis(s.gisterezis);
      break;
    }
    case ftCounter:
      panel.SetLimitCount(s.limitCount);
      break;
    default:
      break;
  }
}

}  // namespace

TFBDiagram::TFBDiagram(QWidget* parent) : QWidget(parent) {
  setObjectName("Diagram");
  setAutoFillBackground(true);
}

std::vector<QWidget*> TFBDiagram::BlockWidgets(int record) const {
  for (std::size_t b = 0; b < layout_.blocks.size(); ++b) {
    if (layout_.blocks[b].record == record) return widgets_[b];
  }
  return {};
}

void TFBDiagram::Show(const TDiagramLayout& layout) {
  for (auto& block : widgets_) {
    for (QWidget* w : block) delete w;
  }
  for (QWidget* w : captions_) delete w;
  widgets_.clear();
  captions_.clear();
  layout_ = layout;
  for (const TDiagramBlock& block : layout_.blocks) AddBlock(block);
  for (const TAlgorithmCaption& caption : layout_.captions) {
    auto* label = new QLabel(Q(caption.text), this);
    label->setObjectName(QString("AlgCaption%1").arg(caption.algorithm + 1));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(kAlgorithmCaptionColor.r, kAlgorithmCaptionColor.g,
                                                  kAlgorithmCaptionColor.b));
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->adjustSize();
    label->move(caption.x, caption.y);
    label->show();
    captions_.push_back(label);
  }
  int width = 3 * kDiagramColumnWidth;
  for (const TDiagramBlock& block : layout_.blocks) width = std::max(width, block.rect.x + block.rect.w);
  setFixedSize(width, std::max(layout_.height, 1));
  update();
}

void TFBDiagram::Recolor(const TDiagramLayout& layout) {
  if (layout.blocks.size() != layout_.blocks.size()) {
    Show(layout);
    return;
  }
  for (std::size_t b = 0; b < layout.blocks.size(); ++b) {
    const bool changed = layout.blocks[b].highlighted != layout_.blocks[b].highlighted;
    layout_.blocks[b].highlighted = layout.blocks[b].highlighted;
    layout_.blocks[b].color = layout.blocks[b].color;
    if (!changed) continue;
    for (QWidget* w : widgets_[b]) {
      if (auto* panel = qobject_cast<TDiagramPanel*>(w)) panel->SetColor(ColorOf(layout_.blocks[b]));
    }
  }
  update();
}

void TFBDiagram::AddBlock(const TDiagramBlock& block) {
  std::vector<QWidget*> parts;
  const QColor color = ColorOf(block);
  const int number = block.record + 1;

  auto* panel = new TPanFB(this, static_cast<TFBType>(block.type), number);
  panel->setObjectName(QString("PanFB%1").arg(number));
  panel->SetColor(color);
  panel->move(block.panel.x, block.panel.y);
  for (int j = 0; j < TPanFB::kInputs; ++j) {
    const TDiagramInput& input = block.inputs[static_cast<std::size_t>(j)];
    panel->PutTInp(j + 1, input.inverse ? itInverse : itNormal);
  }
  ApplySettings(*panel, block);
  // Captions after the settings: the alarm clock and the comparator write
  // some of their inputs' captions themselves.
  const int captions = panel->TypeFB() == ftComparator ? 2 : TPanFB::kInputs;
  for (int j = 0; j < captions; ++j) {
    const TDiagramInput& input = block.inputs[static_cast<std::size_t>(j)];
    if (panel->TypeFB() == ftTimer && panel->TimerTyp() == tt5 && j > 0) break;
    panel->PutIdVh(j + 1, Q(input.caption));
  }
  parts.push_back(panel);

  auto* mark = new TShapeMark(this, number);
  mark->setObjectName(QString("ShapeMark%1").arg(number));
  mark->SetColor(color);
  mark->move(block.mark.x, block.mark.y);
  parts.push_back(mark);

  if (block.link) {
    auto* link = new TPShapeZ(this, number, ShapeOf(*block.link));
    link->setObjectName(QString("ShapeZ%1").arg(number));
    link->SetColor(color);
    link->move(block.linkAt.x, block.linkAt.y);
    parts.push_back(link);
  }
  if (block.signPanel) {
    auto* sign = new TPanSign(this, number);
    sign->setObjectName(QString("PanSign%1").arg(number));
    sign->SetColor(color);
    sign->PutTipS(block.tipS);
    sign->PutNTabS(block.tipS, block.nTabS);
    sign->move(block.signPanelRect.x, block.signPanelRect.y);
    parts.push_back(sign);
    auto* signLink = new TPShapeZ(this, number, stZigzag2);
    signLink->setObjectName(QString("SignLink%1").arg(number));
    signLink->SetColor(color);
    signLink->move(block.signLinkAt.x, block.signLinkAt.y);
    parts.push_back(signLink);
    sign->raise();
  }
  if (block.relayPanel) {
    auto* line = new TShapeHorz(this, number);
    line->setObjectName(QString("ShapeHorz%1").arg(number));
    line->SetColor(color);
    line->setGeometry(block.relayLine.x, block.relayLine.y, block.relayLine.w, line->height());
    parts.push_back(line);
    auto* relay = new TPanMR(this, number);
    relay->setObjectName(QString("PanMR%1").arg(number));
    relay->SetColor(color);
    for (int m = 0; m < 5; ++m) {
      const int mask = block.relayMasks[static_cast<std::size_t>(m)];
      relay->PassiveMR(m);
      if (mask != 0) relay->ActiveMR(m, static_cast<std::uint8_t>(mask));
    }
    relay->move(block.relayPanelRect.x, block.relayPanelRect.y);
    parts.push_back(relay);
  }
  for (QWidget* w : parts) w->show();
  widgets_.push_back(std::move(parts));
}

void TFBDiagram::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (const TDiagramBlock& block : layout_.blocks) {
    painter.fillRect(QRect(block.rect.x, block.rect.y, block.rect.w, block.rect.h), ColorOf(block));
  }
}

void TFBDiagram::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const std::optional<int> record = BlockAt(layout_, at.x(), at.y());
  emit Pressed(record.value_or(-1), event->button(), event->modifiers(), event->globalPosition().toPoint());
  event->accept();
}

void TFBDiagram::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  for (const TDiagramBlock& block : layout_.blocks) {
    if (block.signPanel && block.signPanelRect.Contains(at.x(), at.y())) {
      emit SignPanelDoubleClicked(block.record);
      return;
    }
    if (block.relayPanel && block.relayPanelRect.Contains(at.x(), at.y())) {
      emit RelayPanelDoubleClicked(block.record);
      return;
    }
    if (block.panel.Contains(at.x(), at.y()) &&
        TPanFB::PartAt(at - QPoint(block.panel.x, block.panel.y)) == TPanFB::fpTypeArea) {
      emit TypeAreaDoubleClicked(block.record);
      return;
    }
  }
  // Anything else is a second press.
  mousePressEvent(event);
}

void TFBDiagram::contextMenuEvent(QContextMenuEvent* event) { event->accept(); }

}  // namespace lur
