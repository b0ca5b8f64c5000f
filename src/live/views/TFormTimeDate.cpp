#include "live/views/TFormTimeDate.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "session/TModalWindow.h"
#include "ui/TQtFieldErrors.h"
#include "ui/TQtFieldInput.h"

namespace lur {
namespace {

QLabel* Named(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

// A clock cell: sunken, wide enough for "00:00:00".
QLabel* Cell(const char* name, QWidget* parent) {
  QLabel* label = Named(name, QString(), parent);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setAlignment(Qt::AlignCenter);
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance("00:00:00") + 16);
  return label;
}

QPushButton* Button(const char* name, const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

TFormTimeDate::TFormTimeDate(TFormTimeDateController& form, TUserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName("TFormTimeDate");
  setWindowTitle(QString::fromUtf8(TFormTimeDateController::kCaption));
  auto* layout = new QVBoxLayout(this);

  auto* reading = new QGroupBox("Запрос текущего времени прибора", this);
  reading->setObjectName("GroupBox1");
  auto* readingGrid = new QGridLayout(reading);
  readingGrid->addWidget(Named("Label8", "Время", reading), 0, 0);
  readingGrid->addWidget(Named("Label9", "Дата", reading), 0, 1);
  readingGrid->addWidget(Named("Label11", "День недели", reading), 0, 2);
  stTime_ = Cell("StTime", reading);
  stDate_ = Cell("StDate", reading);
  stDayWeek_ = Cell("StDayWeek", reading);
  readingGrid->addWidget(stTime_, 1, 0);
  readingGrid->addWidget(stDate_, 1, 1);
  readingGrid->addWidget(stDayWeek_, 1, 2);
  auto* button1 = Button("Button1", "Пуск и остановка запроса времени", reading);
  readingGrid->addWidget(button1, 2, 0, 1, 2);
  label10_ = Named("Label10", "запрос  времени включен", reading);
  label10_->setVisible(false);
  readingGrid->addWidget(label10_, 2, 2);
  auto* button2 = Button("Button2", "Время и дата прибора", reading);
  readingGrid->addWidget(button2, 3, 0, 1, 3);
  layout->addWidget(reading);

  auto* setting = new QGroupBox("Задание времени и даты", this);
  setting->setObjectName("GroupBox2");
  auto* settingGrid = new QGridLayout(setting);
  for (int i = 0; i < TFormTimeDateController::kFields; ++i) {
    const auto& field = TFormTimeDateController::kClockFields[static_cast<std::size_t>(i)];
    const QString labelName = QString("Label%1").arg(i + 1);
    auto* label = new QLabel(QString::fromUtf8(field.label), setting);
    label->setObjectName(labelName);
    settingGrid->addWidget(label, 0, i);
    auto* edit = new QLineEdit(setting);
    edit->setObjectName(field.name);
    edit->setMaxLength(field.maxLength);
    edit->setToolTip(QString("%1-%2").arg(field.lo).arg(field.hi));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance("000") + 16);
    TQtFieldInput::Bind(edit, TFieldKind::Integer, ui);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
      form_.EditChange(i, text.toStdString());
    });
    settingGrid->addWidget(edit, 1, i);
    edits_[static_cast<std::size_t>(i)] = edit;
  }
  auto* button3 = Button("Button3", "Время и дата PC", setting);
  settingGrid->addWidget(button3, 2, 0, 1, 4);
  auto* changeTime = Button("ChangeTime", "Передать время и дату в прибор", setting);
  settingGrid->addWidget(changeTime, 2, 4, 1, 3);
  layout->addWidget(setting);

  auto* buttons = new QHBoxLayout;
  auto* ok = Button("OK", "OK", this);
  auto* cancel = Button("Cancel", "Отмена", this);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  ErrorMarker(this);  // the hidden "ошибка" beside a field

  connect(button1, &QPushButton::clicked, this, [this] { form_.Button1Click(); });
  connect(button2, &QPushButton::clicked, this, [this] { form_.Button2Click(); });
  connect(button3, &QPushButton::clicked, this, [this] { form_.Button3Click(); });
  connect(changeTime, &QPushButton::clicked, this, [this] { form_.ChangeTimeClick(); });
  connect(ok, &QPushButton::clicked, this, [this] {
    if (form_.OKClick()) done(kModalOk);
  });
  connect(cancel, &QPushButton::clicked, this, [this] { done(kModalCancel); });

  form_.SetOnChange([this] { Refresh(); });
  Refresh();
}

TFormTimeDate::~TFormTimeDate() { form_.SetOnChange(nullptr); }

int TFormTimeDate::ExecForm() {
  closing_ = false;
  Refresh();
  const int result = exec();
  // The close box and Esc reject: they act as Cancel.
  return result == kModalOk ? kModalOk : kModalCancel;
}

void TFormTimeDate::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) {
    closing_ = false;
    form_.FormShow();
  }
}

void TFormTimeDate::done(int result) {
  closing_ = true;
  form_.FormClose();
  QDialog::done(result);
}

bool TFormTimeDate::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && !closing_ && isVisible()) {
    // Focus taken by a box or another window is not leaving the field.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      for (int i = 0; i < TFormTimeDateController::kFields; ++i) {
        if (watched == edits_[static_cast<std::size_t>(i)]) form_.EditExit(i);
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TFormTimeDate::Refresh() {
  stTime_->setText(QString::fromStdString(form_.stTime));
  stDate_->setText(QString::fromStdString(form_.stDate));
  stDayWeek_->setText(QString::fromStdString(form_.stDayWeek));
  label10_->setVisible(form_.label10Visible);
  for (int i = 0; i < TFormTimeDateController::kFields; ++i) {
    QLineEdit* edit = edits_[static_cast<std::size_t>(i)];
    const QString text = QString::fromStdString(form_.Field(i));
    if (edit->text() != text) edit->setText(text);
  }
}

}  // namespace lur
