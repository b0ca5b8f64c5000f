#include "network/views/TFormVhAnL.h"

#include <QGridLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

#include "live/views/DetailFields.h"
#include "network/views/NetLiveCells.h"
#include "session/TModalWindow.h"

namespace lur {

TFormVhAnL::TFormVhAnL(TFormVhAnLController& form, QWidget* parent) : QDialog(parent), form_(form) {
  using C = TFormVhAnLController;
  using D = TFormVhDLocController;
  setObjectName("TFormVhAnL");
  setWindowTitle(QString::fromUtf8(C::kCaption));
  auto* outer = new QVBoxLayout(this);
  auto* head = new QGridLayout();
  outer->addLayout(head);
  head->addWidget(NetLabel("StaticText1", QString::fromUtf8(D::kTipModCaption), this), 0, 0);
  tipMod_ = NetLabel("TipMod", QString(), this);
  head->addWidget(tipMod_, 0, 1);
  head->addWidget(NetLabel("StaticText2", QString::fromUtf8(D::kLabAModCaption), this), 1, 0);
  labAMod_ = NetLabel("LabAMod", QString(), this);
  head->addWidget(labAMod_, 1, 1);
  auto* butOnLine = new QPushButton(QString::fromUtf8(C::kButOnLineCaption), this);
  butOnLine->setObjectName("ButOnLine");
  butOnLine->setAutoDefault(false);
  connect(butOnLine, &QPushButton::clicked, this, [this] { form_.ButOnLineClick(); });
  head->addWidget(butOnLine, 0, 2);
  label49_ = NetLabel("Label49", QString::fromUtf8(C::kLabel49Caption), this);
  label49_->setVisible(false);
  head->addWidget(label49_, 1, 2);
  auto* button1 = new QPushButton(QString::fromUtf8(D::kButton1Caption), this);
  button1->setObjectName("Button1");
  button1->setVisible(false);
  head->addWidget(button1, 0, 3);

  auto* scroll = new QScrollArea(this);
  scroll->setObjectName("ScrollBox1");
  scroll->setWidgetResizable(true);
  auto* rows = new QWidget(scroll);
  auto* grid = new QGridLayout(rows);
  grid->addWidget(NetLabel("StaticText3", QString::fromUtf8(C::kLabelCaption), rows), 0, 0);
  for (int r = 0; r < C::kRows; ++r) {
    const QString n = QString::number(r + 1);
    const int row = 1 + r;
    label_.push_back(NetLabel("Label" + n, QString(), rows));
    grid->addWidget(label_.back(), row, 0);
    poz_.push_back(NetLabel("Poz" + n, QString(), rows));
    grid->addWidget(poz_.back(), row, 1);
    val_.push_back(NetLabel("Val" + n, QString(), rows));
    val_.back()->setMinimumWidth(val_.back()->fontMetrics().horizontalAdvance("0000000") + 8);
    grid->addWidget(val_.back(), row, 2);
    razm_.push_back(NetLabel("Razm" + n, QString(), rows));
    grid->addWidget(razm_.back(), row, 3);
    nar_.push_back(NetCell("Nar" + n, "L(L-H)", rows));
    grid->addWidget(nar_.back(), row, 4);
    ar_.push_back(NetCell("Ar" + n, "ww", rows));
    grid->addWidget(ar_.back(), row, 5);
  }
  scroll->setWidget(rows);
  outer->addWidget(scroll);
  resize(560, 600);

  form_.SetOnChange([this] { Refresh(); });
  Refresh();
}

TFormVhAnL::~TFormVhAnL() { form_.SetOnChange(nullptr); }

int TFormVhAnL::ExecForm() {
  Refresh();
  exec();
  return kModalOk;
}

void TFormVhAnL::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) form_.FormShow();
}

void TFormVhAnL::done(int result) {
  form_.FormClose();
  QDialog::done(result);
}

void TFormVhAnL::Refresh() {
  tipMod_->setText(FromUtf8(form_.head.tipMod));
  labAMod_->setText(FromUtf8(form_.head.labAMod));
  label49_->setVisible(form_.label49Visible);
  for (std::size_t i = 0; i < label_.size(); ++i) {
    const int r = static_cast<int>(i);
    label_[i]->setText(FromUtf8(form_.label[i]));
    poz_[i]->setText(FromUtf8(form_.poz[i]));
    val_[i]->setText(FromUtf8(form_.Val(r)));
    razm_[i]->setText(FromUtf8(form_.razm[i]));
    PaintNetCell(nar_[i], form_.Nar(r));
    PaintNetCell(ar_[i], form_.Ar(r));
  }
}

}  // namespace lur
