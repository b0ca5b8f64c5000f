#include "network/views/TFormLNet.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace lur {
namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TFormLNet::TFormLNet(TFormLNetController& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName("TFormLNet");
  auto* layout = new QVBoxLayout(this);

  groupBox1_ = new QGroupBox("Функциональные блоки MBM ф1, ф2, ф3, ф4", this);
  groupBox1_->setObjectName("GroupBox1");
  auto* grid = new QGridLayout(groupBox1_);
  popupMenu1_ = new QMenu(this);
  popupMenu1_->setObjectName("PopupMenu1");
  QAction* deleteBl = popupMenu1_->addAction("Удаление блока МВМ");
  deleteBl->setObjectName("DeleteBl");
  deleteBl->setShortcut(QKeySequence("Ctrl+Del"));
  connect(deleteBl, &QAction::triggered, this, [this] {
    form_.DeleteBlClick();
    Refresh();
  });
  for (int b = 0; b < TProgMBMClass::kBlockCount; ++b) {
    auto* button = new QPushButton(groupBox1_);
    button->setObjectName(QString("Button%1").arg(b + 1));
    button->setMinimumWidth(48);
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(button, &QPushButton::clicked, this, [this, b] {
      form_.ButtonClick(b);
      Refresh();
    });
    connect(button, &QWidget::customContextMenuRequested, this, [this, b, button](const QPoint& at) {
      form_.ButtonRightClick(b);
      popupMenu1_->exec(button->mapToGlobal(at));
    });
    grid->addWidget(button, b / 8, b % 8);
    buttons_[static_cast<std::size_t>(b)] = button;
  }
  layout->addWidget(groupBox1_);

  groupBox2_ = new QGroupBox("Настройка обмена", this);
  groupBox2_->setObjectName("GroupBox2");
  auto* settings = new QGridLayout(groupBox2_);
  skor_ = new QComboBox(groupBox2_);
  skor_->setObjectName("Skor");
  for (const char* item : TFormLNetController::kSpeedItems) skor_->addItem(item);
  parit_ = new QComboBox(groupBox2_);
  parit_->setObjectName("Parit");
  for (const char* item : TFormLNetController::kFrameItems) parit_->addItem(item);
  settings->addWidget(new QLabel("Скорость(бит/с):", groupBox2_), 0, 0);
  settings->addWidget(skor_, 0, 1);
  settings->addWidget(new QLabel("Четность:", groupBox2_), 1, 0);
  settings->addWidget(parit_, 1, 1);
  connect(skor_, &QComboBox::activated, this, [this](int item) { form_.SkorClick(item); });
  connect(parit_, &QComboBox::activated, this, [this](int item) { form_.ParitClick(item); });
  layout->addWidget(groupBox2_);

  groupBox3_ = new QGroupBox("Функциональные блоки MBM ф15", this);
  groupBox3_->setObjectName("GroupBox3");
  auto* row15 = new QHBoxLayout(groupBox3_);
  popupMenu2_ = new QMenu(this);
  popupMenu2_->setObjectName("PopupMenu2");
  QAction* deleteBl15 = popupMenu2_->addAction("Удаление блока МВМ Ф15");
  deleteBl15->setObjectName("DeleteBl15");
  deleteBl15->setShortcut(QKeySequence("Ctrl+Del"));
  connect(deleteBl15, &QAction::triggered, this, [this] {
    form_.DeleteBl15Click();
    Refresh();
  });
  for (int k = 0; k < 2; ++k) {
    auto* button = new QPushButton(groupBox3_);
    button->setObjectName(QString("LocNet15_%1").arg(k + 1));
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(button, &QPushButton::clicked, this, [this, k] {
      form_.LocNet15Click(k);
      Refresh();
    });
    connect(button, &QWidget::customContextMenuRequested, this, [this, k, button](const QPoint& at) {
      form_.LocNet15RightClick(k);
      popupMenu2_->exec(button->mapToGlobal(at));
    });
    row15->addWidget(button);
    buttons15_[static_cast<std::size_t>(k)] = button;
  }
  layout->addWidget(groupBox3_);

  labelFile_ = new QLabel("Режим работы с файлом", this);
  labelFile_->setObjectName("LabelFile");
  layout->addWidget(labelFile_);
  indicator_ = new QLabel("Идет запись ", this);
  indicator_->setObjectName("Indicator");
  indicator_->hide();
  layout->addWidget(indicator_);
  progressBar1_ = new QProgressBar(this);
  progressBar1_->setObjectName("ProgressBar1");
  progressBar1_->hide();
  layout->addWidget(progressBar1_);
  // The writes run on closing; their buttons stay hidden as in the form.
  auto* save = new QPushButton("Save", this);
  save->setObjectName("Save");
  save->hide();
  connect(save, &QPushButton::clicked, this, [this] { form_.SaveClick(); });
  auto* save15 = new QPushButton("Save15", this);
  save15->setObjectName("Save15");
  save15->hide();
  connect(save15, &QPushButton::clicked, this, [this] { form_.Save15Click(); });
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OK");
  connect(ok, &QPushButton::clicked, this, &QWidget::close);
  layout->addWidget(ok);
  form_.indicatorChanged = [this] {
    indicator_->setVisible(form_.indicatorVisible);
    indicator_->repaint();
  };
}

TFormLNet::~TFormLNet() { form_.indicatorChanged = nullptr; }

void TFormLNet::Refresh() {
  setWindowTitle(Text(form_.caption));
  groupBox1_->setVisible(form_.groupBox1Visible);
  groupBox2_->setVisible(form_.groupBox2Visible);
  groupBox3_->setVisible(form_.groupBox3Visible);
  for (std::size_t b = 0; b < buttons_.size(); ++b) buttons_[b]->setText(Text(form_.buttons[b]));
  for (std::size_t k = 0; k < buttons15_.size(); ++k) buttons15_[k]->setText(Text(form_.buttons15[k]));
  const QSignalBlocker blockSkor(skor_);
  const QSignalBlocker blockParit(parit_);
  skor_->setCurrentIndex(form_.skor);
  parit_->setCurrentIndex(form_.parit);
  labelFile_->setVisible(form_.labelFileVisible);
  indicator_->setVisible(form_.indicatorVisible);
}

int TFormLNet::ExecForm(TLNetMode mode) {
  form_.FormShow(mode);
  Refresh();
  exec();
  return form_.Result();
}

void TFormLNet::closeEvent(QCloseEvent* event) {
  if (!form_.FormCloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
  done(form_.Result());
}

// Esc closes through the same question.
void TFormLNet::reject() { close(); }

}  // namespace lur
