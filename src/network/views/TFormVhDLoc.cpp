#include "network/views/TFormVhDLoc.h"

#include <QGridLayout>
#include <QPushButton>
#include <QShowEvent>

#include "live/views/DetailFields.h"
#include "network/views/NetLiveCells.h"
#include "session/TModalWindow.h"

namespace lur {

TFormVhDLoc::TFormVhDLoc(TFormVhDLocController& form, QWidget* parent) : QDialog(parent), form_(form) {
  using C = TFormVhDLocController;
  setObjectName("TFormVhDLoc");  // no caption of its own
  auto* grid = new QGridLayout(this);
  grid->addWidget(NetLabel("StaticText1", QString::fromUtf8(C::kTipModCaption), this), 0, 0);
  tipMod_ = NetLabel("TipMod", QString(), this);
  grid->addWidget(tipMod_, 0, 1);
  grid->addWidget(NetLabel("StaticText2", QString::fromUtf8(C::kLabAModCaption), this), 1, 0);
  labAMod_ = NetLabel("LabAMod", QString(), this);
  grid->addWidget(labAMod_, 1, 1);
  label1_ = NetLabel("Label1", QString::fromUtf8(C::kLabel1Caption), this);
  label1_->setVisible(false);
  grid->addWidget(label1_, 1, 2, 1, 2);
  grid->addWidget(NetLabel("StaticText3", QString::fromUtf8(C::kVhCaption), this), 2, 0);
  grid->addWidget(NetLabel("StaticText4", QString::fromUtf8(C::kTRecvCaption), this), 2, 1);
  for (int r = 0; r < C::kRows; ++r) {
    const QString n = QString::number(r + 1);
    const int row = 3 + r;
    vh_.push_back(NetLabel("Vh" + n, QString(), this));
    grid->addWidget(vh_.back(), row, 0);
    tRecv_.push_back(NetLabel("TRecv" + n, QString(), this));
    grid->addWidget(tRecv_.back(), row, 1);
    onOff_.push_back(NetCell("OnOff" + n, "off", this));
    grid->addWidget(onOff_.back(), row, 2);
    dost_.push_back(NetCell("Dost" + n, "недостовер.", this));
    grid->addWidget(dost_.back(), row, 3);
  }
  auto* button1 = new QPushButton(QString::fromUtf8(C::kButton1Caption), this);
  button1->setObjectName("Button1");
  button1->setAutoDefault(false);
  connect(button1, &QPushButton::clicked, this, [this] { form_.Button1Click(); });
  grid->addWidget(button1, 3 + C::kRows, 0, 1, 4);

  form_.SetOnChange([this] { Refresh(); });
  Refresh();
}

TFormVhDLoc::~TFormVhDLoc() { form_.SetOnChange(nullptr); }

int TFormVhDLoc::ExecForm() {
  if (!form_.ShowRows()) return kModalCancel;
  Refresh();
  exec();
  return kModalOk;
}

void TFormVhDLoc::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) form_.StartPolling();
}

void TFormVhDLoc::done(int result) {
  form_.FormClose();
  QDialog::done(result);
}

void TFormVhDLoc::Refresh() {
  tipMod_->setText(FromUtf8(form_.head.tipMod));
  labAMod_->setText(FromUtf8(form_.head.labAMod));
  label1_->setVisible(form_.label1Visible);
  for (std::size_t i = 0; i < vh_.size(); ++i) {
    const int r = static_cast<int>(i);
    vh_[i]->setText(FromUtf8(form_.vh[i]));
    tRecv_[i]->setText(FromUtf8(form_.tRecv[i]));
    PaintNetCell(onOff_[i], form_.OnOff(r));
    PaintNetCell(dost_[i], form_.Dost(r));
  }
}

}  // namespace lur
