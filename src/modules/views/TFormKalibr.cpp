#include "modules/views/TFormKalibr.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace lur {
namespace {

QString Text(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QLabel* Named(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

// A cell wide enough for its longest text, its colours filling it.
QLabel* Cell(const QString& name, const char* widest, QWidget* parent) {
  QLabel* label = Named(name, QString(), parent);
  label->setAutoFillBackground(true);
  label->setAlignment(Qt::AlignCenter);
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromUtf8(widest)) + 12);
  return label;
}

QPushButton* Button(const QString& name, const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

QColor KalibrColour(TKalibrColour colour, const QPalette& palette) {
  switch (colour) {
    case TKalibrColour::InfoBk:
      return palette.color(QPalette::ToolTipBase);
    case TKalibrColour::Lime:
      return QColor(0x00, 0xFF, 0x00);
    case TKalibrColour::Yellow:
      return QColor(0xFF, 0xFF, 0x00);
    case TKalibrColour::Purple:
      return QColor(0x80, 0x00, 0x80);
    case TKalibrColour::Red:
      return QColor(0xFF, 0x00, 0x00);
    case TKalibrColour::Black:
      break;
  }
  return QColor(Qt::black);
}

std::array<QWidget*, 11> TFormKalibr::RowControls::All() const {
  return {spBut, poz, kodMin, kodAcp, kodMax, val, razm, nar, ar, kalMin, kalMax};
}

TFormKalibr::TFormKalibr(TFormKalibrController& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName("TFormKalibr");
  setWindowTitle(QString::fromUtf8(TFormKalibrController::kCaption));
  auto* grid = new QGridLayout(this);
  labKalibr_ = Named("LabKalibr", "Калибровка", this);
  grid->addWidget(labKalibr_, 0, 9, 1, 2, Qt::AlignCenter);
  grid->addWidget(Named("LabColumns", QString::fromUtf8(TFormKalibrController::kColumns), this), 0, 1, 1, 8);

  for (int k = 1; k <= TFormKalibrController::kRowsMax; ++k) {
    const QString n = QString::number(k);
    RowControls& r = rows_[static_cast<std::size_t>(k - 1)];
    r.spBut = Button("SpBut" + n, QString(), this);
    r.spBut->setCheckable(true);
    r.poz = Cell("Poz" + n, "WWWWWWWW", this);
    r.kodMin = Cell("KodMin" + n, "-32768", this);
    r.kodAcp = Cell("KodAcp" + n, "-32768", this);
    r.kodMax = Cell("KodMax" + n, "-32768", this);
    r.val = Cell("Val" + n, "-0000,00", this);
    r.razm = Cell("Razm" + n, "кгС/см2", this);
    r.nar = Cell("Nar" + n, "L(L-H)", this);
    r.ar = Cell("Ar" + n, "WW", this);
    r.kalMin = Button("KalMin" + n, "Min", this);
    r.kalMax = Button("KalMax" + n, "Max", this);
    int col = 0;
    for (QWidget* w : r.All()) grid->addWidget(w, k, col++);
    // The button shows the controller's selection after every click, so a
    // refused or failed command leaves it as the controller says.
    connect(r.spBut, &QPushButton::clicked, this, [this, k](bool down) {
      form_.SpButClick(k, down);
      Refresh();
    });
    connect(r.kalMin, &QPushButton::clicked, this, [this, k] { form_.KalMinClick(k); });
    connect(r.kalMax, &QPushButton::clicked, this, [this, k] { form_.KalMaxClick(k); });
  }
  button1_ = Button("Button1", "Пуск и остановка таймера", this);
  grid->addWidget(button1_, TFormKalibrController::kRowsMax + 1, 0, 1, 4);
  connect(button1_, &QPushButton::clicked, this, [this] { form_.Button1Click(); });
  label1_ = Named("Label1", "запущен таймер", this);
  label1_->setVisible(false);
  grid->addWidget(label1_, TFormKalibrController::kRowsMax + 1, 4, 1, 3);

  form_.SetOnChange([this] { Refresh(); });
  Refresh();
}

TFormKalibr::~TFormKalibr() { form_.SetOnChange(nullptr); }

int TFormKalibr::ExecForm() {
  Refresh();
  return exec();
}

void TFormKalibr::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) form_.FormShow();
}

void TFormKalibr::done(int result) {
  form_.FormClose();
  QDialog::done(result);
}

void TFormKalibr::Paint(QLabel* label, const TKalibrCell& cell) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, KalibrColour(cell.background, palette));
  palette.setColor(QPalette::WindowText, KalibrColour(cell.textColour, palette));
  label->setPalette(palette);
  label->setText(Text(cell.text));
}

void TFormKalibr::Refresh() {
  const int selected = form_.Selected();
  for (int k = 1; k <= TFormKalibrController::kRowsMax; ++k) {
    RowControls& r = rows_[static_cast<std::size_t>(k - 1)];
    const bool shown = k <= form_.Rows();
    for (QWidget* w : r.All()) w->setVisible(shown);
    if (!shown) continue;
    const TKalibrRow& row = form_.Row(k);
    r.spBut->setText(Text(row.label));
    r.spBut->setChecked(k == selected);
    r.poz->setText(Text(row.tag));
    r.kodMin->setText(Text(form_.CodeMin(k)));
    r.kodAcp->setText(Text(form_.CodeNow(k)));
    r.kodMax->setText(Text(form_.CodeMax(k)));
    r.val->setText(Text(form_.Value(k)));
    r.razm->setText(Text(form_.Unit(k)));
    Paint(r.nar, form_.Violation(k));
    Paint(r.ar, form_.State(k));
    r.kalMin->setEnabled(k == selected);
    r.kalMax->setEnabled(k == selected);
  }
  QPalette palette = labKalibr_->palette();
  palette.setColor(QPalette::WindowText, form_.KalibrLabelBlack() ? QColor(Qt::black) : QColor(Qt::gray));
  labKalibr_->setPalette(palette);
  label1_->setVisible(form_.label1Visible);
}

}  // namespace lur
