#include "live/views/DetailFields.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "live/DetailTexts.h"

namespace lur {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

QLabel* CaptionLabel(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLabel* ValueLabel(const char* name, QWidget* parent) {
  auto* label = CaptionLabel(name, QString(), parent);
  label->setEnabled(false);
  return label;
}

QLineEdit* ValueEdit(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  edit->setEnabled(false);
  return edit;
}

void AddOkButton(QDialog* dialog, QGridLayout* grid, int row, int columns) {
  auto* ok = new QPushButton("OK", dialog);
  ok->setObjectName("OK");
  ok->setDefault(true);
  grid->addWidget(ok, row, 0, 1, columns, Qt::AlignCenter);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
}

void TScaleFields::Build(QGridLayout* grid, int row, QWidget* parent) {
  poz1 = ValueEdit("Poz1", parent);
  razm1 = new QComboBox(parent);
  razm1->setObjectName("Razm1");
  razm1->setEnabled(false);
  nsk1 = ValueEdit("NSK1", parent);
  vsk1 = ValueEdit("VSK1", parent);
  labUstLL = ValueLabel("LabUstLL", parent);
  ust1LL = ValueEdit("Ust1LL", parent);
  grid->addWidget(CaptionLabel("Label7", kLabel7Text, parent), row, 0);
  grid->addWidget(poz1, row, 1);
  grid->addWidget(CaptionLabel("LabelRazm", kLabelRazmText, parent), row + 1, 0);
  grid->addWidget(razm1, row + 1, 1);
  grid->addWidget(CaptionLabel("Label8", kLabel8Text, parent), row + 2, 0);
  grid->addWidget(nsk1, row + 2, 1);
  grid->addWidget(CaptionLabel("Label9", kLabel9Text, parent), row + 3, 0);
  grid->addWidget(vsk1, row + 3, 1);
  grid->addWidget(labUstLL, row + 4, 0);
  grid->addWidget(ust1LL, row + 4, 1);
}

void TScaleFields::Show(const std::vector<std::string>& units, int index, const std::string& poz,
                        const std::string& nsk, const std::string& vsk, const std::string& setPointCaption,
                        const std::string& setPoint) {
  razm1->clear();
  for (const auto& unit : units) razm1->addItem(FromUtf8(unit));
  razm1->setCurrentIndex(index >= 0 && index < razm1->count() ? index : -1);
  poz1->setText(FromUtf8(poz));
  nsk1->setText(FromUtf8(nsk));
  vsk1->setText(FromUtf8(vsk));
  labUstLL->setText(FromUtf8(setPointCaption));
  ust1LL->setText(FromUtf8(setPoint));
}

}  // namespace lur
