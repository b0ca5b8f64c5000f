#include "fb/widgets/TPanMR.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "fb/widgets/DiagramColors.h"

namespace lur {

namespace {

constexpr int kBoxLeft = 28;
constexpr int kBoxWidth = 32;
constexpr int kBoxGap = 2;

bool Valid(int m) { return m >= 0 && m < TPanMR::kModules; }

QString HintHead(int m) { return QString("MP %1: ").arg(m + 1); }

}  // namespace

QRect TPanMR::BoxRect(int m) { return {kBoxLeft + m * (kBoxWidth + kBoxGap), 10, kBoxWidth, 21}; }

TPanMR::TPanMR(QWidget* parent, int number) : TDiagramPanel(parent) {
  setObjectName(QString("PanMR%1").arg(number));
  setFixedSize(kWidth, kHeight);
  SetBevels(bvLowered, bvNone);
  SetCaption("МР");
  SetHint("панель выходов");
  for (int m = 0; m < kModules; ++m) PassiveMR(m);
}

void TPanMR::PassiveMR(int m) {
  if (!Valid(m)) return;
  modules_[m] = {false, QString(), HintHead(m)};
  update();
}

void TPanMR::ActiveMR(int m, std::uint8_t mask) {
  if (!Valid(m)) return;
  // Built afresh, so that showing a module twice does not list it twice.
  QString outputs;
  for (int k = 0; k < 8; ++k)
    if (mask & (1u << k)) outputs += QString::number(k + 1) + ",";
  modules_[m] = {true, outputs, HintHead(m) + outputs};
  update();
}

QString TPanMR::GetHint(int m) const { return Valid(m) ? modules_[m].hint : QString(); }
QString TPanMR::BoxText(int m) const { return Valid(m) ? modules_[m].text : QString(); }
bool TPanMR::Active(int m) const { return Valid(m) && modules_[m].active; }

QRect TPanMR::CaptionRect() const {
  const QRect client = ClientRect();
  return QRect(client.left(), client.top(), kBoxLeft - client.left(), client.height());
}

void TPanMR::PaintContents(QPainter& painter) {
  for (int m = 0; m < kModules; ++m)
    DrawSunkenBox(painter, BoxRect(m), modules_[m].active ? diagram::InfoColor() : diagram::Silver(),
                  modules_[m].text);
}

bool TPanMR::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    for (int m = 0; m < kModules; ++m) {
      if (BoxRect(m).contains(help->pos())) {
        QToolTip::showText(help->globalPos(), modules_[m].hint, this, BoxRect(m));
        return true;
      }
    }
  }
  return TDiagramPanel::event(event);
}

}  // namespace lur
