#include "live/views/TModuleLiveWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "live/views/DetailFields.h"

namespace lur {
namespace {

QLabel* Named(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

// A cell wide enough for its longest text, its colours filling it.
QLabel* Cell(const QString& name, QWidget* parent) {
  QLabel* label = Named(name, QString(), parent);
  label->setAutoFillBackground(true);
  label->setAlignment(Qt::AlignCenter);
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance("недостовер.") + 12);
  return label;
}

}  // namespace

QColor LiveColour(TLiveColour colour, const QPalette& palette) {
  switch (colour) {
    case TLiveColour::InfoBk:
      return palette.color(QPalette::ToolTipBase);
    case TLiveColour::Teal:
      return QColor(0x00, 0x80, 0x80);
    case TLiveColour::Red:
      return QColor(0xFF, 0x00, 0x00);
    case TLiveColour::Aqua:
      return QColor(0x00, 0xFF, 0xFF);
    case TLiveColour::Purple:
      return QColor(0x80, 0x00, 0x80);
    case TLiveColour::Lime:
      return QColor(0x00, 0xFF, 0x00);
    case TLiveColour::Yellow:
      return QColor(0xFF, 0xFF, 0x00);
    case TLiveColour::Black:
      break;
  }
  return QColor(Qt::black);
}

TModuleLiveWindow::TModuleLiveWindow(TModuleLiveController& form, const char* objectName, const char* caption,
                                     const char* moduleCaption, const char* signalName, const char* signalText,
                                     LookOf reliability, QWidget* parent)
    : QDialog(parent), form_(form), reliability_(std::move(reliability)) {
  setObjectName(objectName);
  setWindowTitle(caption);
  auto* grid = new QGridLayout(this);
  grid->addWidget(Named("Mod1", QString::fromUtf8(moduleCaption), this), 0, 0, 1, 2);
  labNMod_ = Named("LabNMod", QString(), this);
  grid->addWidget(labNMod_, 0, 2);
  tipMod_ = Named("TipMod", QString(), this);
  grid->addWidget(tipMod_, 0, 3);
  grid->addWidget(Named("StaticText1", "Адрес модуля", this), 1, 0);
  labAMod_ = Named("LabAMod", QString(), this);
  grid->addWidget(labAMod_, 1, 1);
  isprav_ = Cell("Isprav", this);
  grid->addWidget(isprav_, 1, 2);
  label1_ = Named("Label1", "запущен опрос", this);
  label1_->setVisible(false);
  grid->addWidget(label1_, 1, 3);

  const int signalCount = form_.Signals();
  for (int i = 0; i < signalCount; ++i) {
    const QString n = QString::number(i + 1);
    const int row = 2 + i;
    grid->addWidget(Named(QString::fromUtf8(signalName) + n, QString::fromUtf8(signalText) + ' ' + n, this), row, 0);
    tRecv_.push_back(Named("TRecv" + n, QString(), this));
    grid->addWidget(tRecv_.back(), row, 1);
    onOff_.push_back(Cell("OnOff" + n, this));
    grid->addWidget(onOff_.back(), row, 2);
    if (reliability_) {
      dost_.push_back(Cell("Dost" + n, this));
      grid->addWidget(dost_.back(), row, 3);
    }
  }
  // Start and stop follow showing and closing; the button stays hidden.
  button1_ = new QPushButton("Пуск и остановка таймера", this);
  button1_->setObjectName("Button1");
  button1_->setVisible(false);
  connect(button1_, &QPushButton::clicked, this, [this] { form_.Button1Click(); });
  grid->addWidget(button1_, 2 + signalCount, 0);

  form_.SetOnChange([this] { Refresh(); });
  Refresh();
}

TModuleLiveWindow::~TModuleLiveWindow() { form_.SetOnChange(nullptr); }

int TModuleLiveWindow::ExecForm() {
  Refresh();
  return exec();
}

void TModuleLiveWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) form_.FormShow();
}

void TModuleLiveWindow::done(int result) {
  form_.FormClose();
  QDialog::done(result);
}

void TModuleLiveWindow::Paint(QLabel* label, const TLiveCellLook& look) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, LiveColour(look.background, palette));
  palette.setColor(QPalette::WindowText, LiveColour(look.textColour, palette));
  label->setPalette(palette);
  label->setText(FromUtf8(look.text));
}

void TModuleLiveWindow::Refresh() {
  labNMod_->setText(FromUtf8(form_.labNMod));
  tipMod_->setText(FromUtf8(form_.tipMod));
  labAMod_->setText(FromUtf8(form_.labAMod));
  label1_->setVisible(form_.label1Visible);
  Paint(isprav_, form_.Isprav());
  for (std::size_t i = 0; i < onOff_.size(); ++i) {
    const int s = static_cast<int>(i);
    tRecv_[i]->setText(FromUtf8(form_.tRecv[i]));
    Paint(onOff_[i], form_.OnOff(s));
    if (reliability_) Paint(dost_[i], reliability_(s));
  }
}

}  // namespace lur
