#include "modules/views/TFormTipDat.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "session/TModalWindow.h"

namespace lur {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QLabel* Label(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

TFormTipDat::TFormTipDat(TFormTipDatController& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName("TFormTipDat");
  setWindowTitle(TFormTipDatController::kCaption);
  auto* layout = new QVBoxLayout(this);

  auto* head = new QHBoxLayout;
  head->addWidget(Label("LabMod", "Модуль", this));
  labNMod_ = Label("LabNMod", {}, this);
  head->addWidget(labNMod_);
  labTMod_ = Label("LabTMod", {}, this);
  head->addWidget(labTMod_);
  head->addWidget(Label("LabMod1", "модуль  ввода дискретных сигналов", this));
  head->addStretch();
  layout->addLayout(head);
  labN_ = Label("LabN", {}, this);
  layout->addWidget(labN_);

  auto* sensors = new QGroupBox("Тип датчика", this);
  sensors->setObjectName("GroupBox1");
  auto* grid = new QGridLayout(sensors);
  for (int i = 0; i < TFormTipDatController::kSensors; ++i) {
    const QString caption = i == 0 ? QString("Датчик №1") : QString("Датчик № %1").arg(i + 1);
    auto* group = new QGroupBox(caption, sensors);
    group->setObjectName(QString("RadioGroup%1").arg(i + 1));
    auto* items = new QVBoxLayout(group);
    const std::array<const char*, 2> texts = {"Сухой контакт", "NAMUR"};
    for (int k = 0; k < 2; ++k) {
      auto* item = new QRadioButton(texts[static_cast<std::size_t>(k)], group);
      item->setObjectName(QString("RadioGroup%1_%2").arg(i + 1).arg(k));
      items->addWidget(item);
      items_[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)] = item;
      connect(item, &QRadioButton::toggled, this, [this, i, k](bool on) {
        if (on && !drawing_ && isVisible()) form_.RadioGroup1Click(i, k);
      });
    }
    groups_[static_cast<std::size_t>(i)] = group;
    grid->addWidget(group, i / 4, i % 4);
  }
  layout->addWidget(sensors);

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OK");
  auto* cancel = new QPushButton("Отмена", this);
  cancel->setObjectName("Cancel");
  auto* onLine = new QPushButton("on line", this);
  onLine->setObjectName("ButOnLine");
  auto* save = new QPushButton("Save", this);
  save->setObjectName("Save");
  save->hide();
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(onLine);
  buttons->addWidget(save);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, [this] {
    form_.OKClick();
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, [this] {
    form_.CancelClick();
    reject();
  });
  connect(onLine, &QPushButton::clicked, this, [this] { form_.ButOnLineClick(); });
  connect(save, &QPushButton::clicked, this, [this] { form_.SaveClick(); });
}

void TFormTipDat::Draw() {
  drawing_ = true;
  labNMod_->setText(Q(form_.LabNMod()));
  labTMod_->setText(Q(form_.LabTMod()));
  labN_->setText(Q(form_.LabN()));
  for (int i = 0; i < TFormTipDatController::kSensors; ++i) {
    const auto index = static_cast<std::size_t>(form_.Selector(i));
    items_[static_cast<std::size_t>(i)][index]->setChecked(true);
    groups_[static_cast<std::size_t>(i)]->setToolTip(Q(form_.Hint(i)));
  }
  drawing_ = false;
}

void TFormTipDat::done(int result) {
  // The closing question may keep the window open (its Cancel).
  if (!form_.FormCloseQuery()) {
    Draw();
    return;
  }
  (void)result;
  QDialog::done(kModalOk);  // the window always ends with 2
}

}  // namespace lur
