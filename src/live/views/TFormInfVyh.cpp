#include "live/views/TFormInfVyh.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "live/views/DetailFields.h"

namespace lur {

TFormInfVyh::TFormInfVyh(TFormInfVyhController& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName("TFormInfVyh");
  setWindowTitle(TFormInfVyhController::kCaption);
  auto* grid = new QGridLayout(this);
  for (int f = 0; f < TFormInfVyhController::kFieldCount; ++f) {
    const auto& heading = TFormInfVyhController::kHeadings[f];
    const QString caption = QString::fromUtf8(heading.top) + '\n' + QString::fromUtf8(heading.bottom);
    const QByteArray name = QByteArray(kFieldNames[f]);
    grid->addWidget(CaptionLabel(("St" + name).constData(), caption, this), f, 0);
    values_[f] = ValueEdit(("Lab" + name).constData(), this);
    grid->addWidget(values_[f], f, 1);
  }
  AddOkButton(this, grid, TFormInfVyhController::kFieldCount, 2);
}

void TFormInfVyh::Show() {
  for (int f = 0; f < TFormInfVyhController::kFieldCount; ++f) values_[f]->setText(FromUtf8(form_.fields[f]));
}

int TFormInfVyh::ExecForm() {
  Show();
  return exec();
}

}  // namespace lur
