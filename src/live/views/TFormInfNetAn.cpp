#include "live/views/TFormInfNetAn.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "live/DetailTexts.h"
#include "live/TFormInfNetAnController.h"

namespace lur {

TFormInfNetAn::TFormInfNetAn(TFormInfNetAnController& form, QWidget* parent) : QDialog(parent), form_(form) {
  using F = TFormInfNetAnController;
  setObjectName("TFormInfNetAn");
  setWindowTitle(F::kCaption);
  auto* grid = new QGridLayout(this);
  label2_ = ValueLabel("Label2", this);
  labNMod_ = ValueLabel("LabNMod", this);
  labAdrSlave_ = ValueLabel("LabAdrSlave", this);
  labTUst_ = ValueLabel("LabTUst", this);
  label1_ = ValueLabel("Label1", this);
  labTextRecv_ = ValueLabel("LabTextRecv", this);
  grid->addWidget(CaptionLabel("LabNVh", kLabNVhText, this), 0, 0);
  grid->addWidget(label2_, 0, 1);
  grid->addWidget(CaptionLabel("Label11", F::kLabel11, this), 1, 0);
  grid->addWidget(labNMod_, 1, 1);
  grid->addWidget(CaptionLabel("Label5", F::kLabel5, this), 2, 0);
  grid->addWidget(labAdrSlave_, 2, 1);
  grid->addWidget(CaptionLabel("Label4", F::kLabel4, this), 3, 0);
  grid->addWidget(labTUst_, 3, 1);
  grid->addWidget(CaptionLabel("LabVh", kLabVhText, this), 4, 0);
  grid->addWidget(label1_, 4, 1);
  grid->addWidget(labTextRecv_, 5, 0, 1, 2);

  groupBox1_ = new QGroupBox(F::kGroupBox1, this);
  groupBox1_->setObjectName("GroupBox1");
  auto* group = new QGridLayout(groupBox1_);
  scale_.Build(group, 0, groupBox1_);
  grid->addWidget(groupBox1_, 6, 0, 1, 2);
  AddOkButton(this, grid, 7, 2);
}

void TFormInfNetAn::Show() {
  label2_->setText(FromUtf8(form_.label2));
  labNMod_->setText(FromUtf8(form_.labNMod));
  labAdrSlave_->setText(FromUtf8(form_.labAdrSlave));
  labTUst_->setText(FromUtf8(form_.labTUst));
  label1_->setText(FromUtf8(form_.label1));
  labTextRecv_->setText(FromUtf8(form_.labTextRecv));
  scale_.Show(form_.razm1, form_.razm1Index, form_.poz1, form_.nsk1, form_.vsk1, form_.labUstLL, form_.ust1LL);
  groupBox1_->setVisible(form_.groupBox1Visible);
  adjustSize();
}

int TFormInfNetAn::ExecForm() {
  Show();
  return exec();
}

}  // namespace lur
