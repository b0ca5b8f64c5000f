#include "shell/views/TFormPort.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/TFormPortController.h"

namespace lur {
namespace {

QComboBox* Combo(const char* name, const std::vector<std::string>& items, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (const auto& item : items) box->addItem(QString::fromStdString(item));
  return box;
}

}  // namespace

TFormPort::TFormPort(TFormPortController& form, std::function<void()> onExchange, QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName("TFormPort");
  setWindowTitle("Настройка СОМ-порта");
  port_ = Combo("CBoxPort", {}, this);
  port_->setMinimumContentsLength(24);
  port_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  speed_ = Combo("Skor", TFormPortController::SpeedItems(), this);
  parity_ = Combo("Parit", TFormPortController::ParityItems(), this);
  stop_ = Combo("StBit", TFormPortController::StopBitItems(), this);

  auto* layout = new QVBoxLayout(this);
  auto* form_layout = new QFormLayout;
  form_layout->addRow("СОМ-порт", port_);
  form_layout->addRow("Скорость(бит/с):", speed_);
  form_layout->addRow("Четность:", parity_);
  form_layout->addRow("Стоповые биты:", stop_);
  layout->addLayout(form_layout);

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OK");
  ok->setDefault(true);
  auto* exchange = new QPushButton("Настройка обмена", this);
  exchange->setObjectName("Button1");
  buttons->addWidget(ok);
  buttons->addWidget(exchange);
  layout->addLayout(buttons);

  connect(port_, &QComboBox::activated, this, [this](int i) { form_.CBoxPortChange(i); });
  connect(speed_, &QComboBox::currentIndexChanged, this, [this](int i) { form_.speedIndex = i; });
  connect(parity_, &QComboBox::currentIndexChanged, this, [this](int i) { form_.parityIndex = i; });
  connect(stop_, &QComboBox::currentIndexChanged, this, [this](int i) { form_.stopIndex = i; });
  connect(ok, &QPushButton::clicked, this, &TFormPort::OKClick);
  connect(exchange, &QPushButton::clicked, this, [onExchange] {
    if (onExchange) onExchange();
  });
}

void TFormPort::Show() {
  port_->clear();
  for (const auto& p : form_.ports) port_->addItem(QString::fromStdString(p));
  port_->setCurrentIndex(form_.portIndex);
  speed_->setCurrentIndex(form_.speedIndex);
  parity_->setCurrentIndex(form_.parityIndex);
  stop_->setCurrentIndex(form_.stopIndex);
}

int TFormPort::ExecForm() {
  Show();
  return exec();
}

void TFormPort::OKClick() {
  done(form_.OKClick() == kModalOk ? QDialog::Accepted : kInvalid);
}

}  // namespace lur
