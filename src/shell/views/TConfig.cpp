#include "shell/views/TConfig.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/ModuleTypes.h"
#include "shell/TConfigController.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

}  // namespace

TConfig::TConfig(QWidget* parent) : QDialog(parent) {
  setObjectName("TConfig");
  setWindowTitle("Задание конфигурации");
  setModal(true);
  auto* layout = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  auto* display = new QGroupBox("Тип модуля индикации", this);
  display->setObjectName("TModInd");
  auto* displayLayout = new QVBoxLayout(display);
  tModInd_ = new QButtonGroup(this);
  for (int d = 0; d <= kMaxDisplayType; ++d) {
    auto* radio = new QRadioButton(Q(DisplayTypeCaption(d)), display);
    radio->setObjectName(QString("TModInd%1").arg(d));
    tModInd_->addButton(radio, d);
    displayLayout->addWidget(radio);
  }
  top->addWidget(display);

  auto* mode = new QGroupBox("Режим создания файла конфигурации", this);
  mode->setObjectName("RegimCreat");
  auto* modeLayout = new QVBoxLayout(mode);
  regimCreat_ = new QButtonGroup(this);
  const char* modes[] = {"Создать конфигурацию на базе открытого файла", "Создать конфигурацию заново"};
  for (int r = 0; r < 2; ++r) {
    auto* radio = new QRadioButton(modes[r], mode);
    radio->setObjectName(QString("RegimCreat%1").arg(r));
    regimCreat_->addButton(radio, r);
    modeLayout->addWidget(radio);
  }
  auto* saveMBM = new QCheckBox("Сохранить локальную сеть", mode);
  saveMBM->setObjectName("SaveMBM");
  auto* saveFB = new QCheckBox("Сохранить функциональные блоки", mode);
  saveFB->setObjectName("SaveFB");
  for (QCheckBox* hidden : {saveMBM, saveFB}) {
    hidden->setEnabled(false);
    hidden->setChecked(false);
    hidden->setVisible(false);
  }
  modeLayout->addWidget(saveMBM);
  modeLayout->addWidget(saveFB);
  top->addWidget(mode);
  layout->addLayout(top);

  auto* digits = new QHBoxLayout;
  auto* label = new QLabel(" Исполнение", this);
  editModif_ = new QLineEdit(this);
  editModif_->setObjectName("EditModif");
  editModif_->setMaxLength(8);
  editModif_->installEventFilter(this);
  errorText_ = new QLabel("ошибка", this);
  errorText_->setObjectName("ErrorText");
  errorText_->setStyleSheet("color: #c00000;");
  errorText_->setVisible(false);
  errorText_->installEventFilter(this);
  errorText_->setMouseTracking(true);
  digits->addWidget(label);
  digits->addWidget(editModif_);
  digits->addWidget(errorText_);
  digits->addStretch(1);
  layout->addLayout(digits);

  auto* rows = new QGridLayout;
  for (int s = 0; s < kSlotCount; ++s) {
    const QString n = QString::number(s + 1);
    m_[s] = new QComboBox(this);
    m_[s]->setObjectName("M" + n);
    for (const auto name : kModuleTypeNames) m_[s]->addItem(Q(name));
    saveBD_[s] = new QCheckBox("Сохранить БД", this);
    saveBD_[s]->setObjectName("SaveBD" + n);
    mvstNew_[s] = new QCheckBox("БЕРТ-3 изм. 7", this);
    mvstNew_[s]->setObjectName("MVSTNew" + n);
    rows->addWidget(new QLabel("Модуль " + n, this), s, 0);
    rows->addWidget(m_[s], s, 1);
    rows->addWidget(saveBD_[s], s, 2);
    rows->addWidget(mvstNew_[s], s, 3);
    connect(m_[s], &QComboBox::activated, this, [this, s](int type) {
      if (!form_) return;
      form_->M1Click(s, type);
      Draw();
    });
    connect(saveBD_[s], &QCheckBox::clicked, this, [this, s](bool on) {
      if (!form_) return;
      form_->SaveBDClick(s, on);
      Draw();
    });
    connect(mvstNew_[s], &QCheckBox::clicked, this, [this, s](bool on) {
      if (!form_) return;
      form_->MVSTNewClick(s, on);
      Draw();
    });
  }
  layout->addLayout(rows);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OK");
  ok->setDefault(true);
  layout->addWidget(ok, 0, Qt::AlignRight);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(tModInd_, &QButtonGroup::idClicked, this, [this](int d) {
    if (!form_) return;
    form_->TModIndClick(d);
    Draw();
  });
  connect(regimCreat_, &QButtonGroup::idClicked, this, [this](int r) {
    if (!form_) return;
    form_->RegimCreatClick(r);
    Draw();
  });
  connect(editModif_, &QLineEdit::textChanged, this, &TConfig::EditModifChanged);
}

int TConfig::ShowModal(TConfigController& controller) {
  form_ = &controller;
  closedByCheck_ = false;
  Draw();
  exec();
  form_ = nullptr;
  return closedByCheck_ ? kModalOk : kModalCancel;
}

void TConfig::done(int result) {
  // Every way of closing (OK, Escape, the close box) runs the check; a
  // refused check keeps the dialog open.
  if (form_) {
    if (!form_->FormCloseQuery()) {
      Draw();
      return;
    }
    closedByCheck_ = true;
    Draw();
  }
  QDialog::done(result);
}

void TConfig::EditModifChanged(const QString& text) {
  if (drawing_ || !form_) return;
  // Pasted or typed, the whole text is checked; a refused one is put back.
  form_->EditModifChange(text.toStdString());
  Draw();
}

bool TConfig::eventFilter(QObject* watched, QEvent* event) {
  if (watched == errorText_ && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)) {
    if (form_) form_->ErrorTextMouseMove();
    errorText_->setVisible(false);
    return false;
  }
  if (watched == editModif_ && event->type() == QEvent::KeyPress && form_) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.size() != 1 || key->key() == Qt::Key_Backspace || !text[0].isPrint()) return false;
    if (text[0].unicode() > 127) return true;
    const char typed = static_cast<char>(text[0].unicode());
    const char accepted = form_->EditModifKeyPress(typed);
    if (accepted == 0) return true;
    if (accepted != typed) {
      editModif_->insert(QString(QChar(accepted)));
      return true;
    }
    return false;
  }
  return QDialog::eventFilter(watched, event);
}

void TConfig::Draw() {
  if (!form_) return;
  drawing_ = true;
  const TConfigController& f = *form_;
  if (auto* b = tModInd_->button(f.TModInd)) b->setChecked(true);
  if (auto* b = regimCreat_->button(f.RegimCreat)) b->setChecked(true);
  if (editModif_->text() != QString::fromStdString(f.EditModif)) {
    editModif_->setText(QString::fromStdString(f.EditModif));
  }
  errorText_->setText(f.ErrorTextVisible ? QString(kInputErrorMessage) : QString("ошибка"));
  errorText_->setVisible(f.ErrorTextVisible);
  for (int s = 0; s < kSlotCount; ++s) {
    m_[s]->setCurrentIndex(f.M[s]);
    saveBD_[s]->setChecked(f.SaveBD[s]);
    saveBD_[s]->setEnabled(f.SaveBDEnabled[s]);
    mvstNew_[s]->setChecked(f.MVSTNew[s]);
    mvstNew_[s]->setEnabled(f.MVSTNewEnabled[s]);
    mvstNew_[s]->setVisible(f.MVSTNewVisible[s]);
  }
  drawing_ = false;
}

}  // namespace lur
