#include "live/views/TFormInfAn.h"

#include <QGridLayout>
#include <QLabel>

#include "live/DetailTexts.h"
#include "live/TFormInfAnController.h"

namespace lur {

TFormInfAn::TFormInfAn(TFormInfAnController& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName("TFormInfAn");
  setWindowTitle(TFormInfAnController::kCaption);
  auto* grid = new QGridLayout(this);
  label2_ = ValueLabel("Label2", this);
  labNMod_ = ValueLabel("LabNMod", this);
  labTMod_ = ValueLabel("LabTMod", this);
  label1_ = ValueLabel("Label1", this);
  labTextRecv_ = ValueLabel("LabTextRecv", this);
  grid->addWidget(CaptionLabel("LabNVh", kLabNVhText, this), 0, 0);
  grid->addWidget(label2_, 0, 1, 1, 2);
  grid->addWidget(CaptionLabel("Label11", TFormInfAnController::kLabel11, this), 1, 0);
  grid->addWidget(labNMod_, 1, 1);
  grid->addWidget(labTMod_, 1, 2);
  grid->addWidget(CaptionLabel("LabVh", kLabVhText, this), 2, 0);
  grid->addWidget(label1_, 2, 1);
  grid->addWidget(labTextRecv_, 3, 0, 1, 3);
  scale_.Build(grid, 4, this);
  AddOkButton(this, grid, 9, 3);
}

void TFormInfAn::Show() {
  label2_->setText(FromUtf8(form_.label2));
  labNMod_->setText(FromUtf8(form_.labNMod));
  labTMod_->setText(FromUtf8(form_.labTMod));
  label1_->setText(FromUtf8(form_.label1));
  labTextRecv_->setText(FromUtf8(form_.labTextRecv));
  scale_.Show(form_.razm1, form_.razm1Index, form_.poz1, form_.nsk1, form_.vsk1, form_.labUstLL, form_.ust1LL);
}

int TFormInfAn::ExecForm() {
  Show();
  return exec();
}

}  // namespace lur
