#include "fb/views/TFormCreatFB.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "discrete/views/DialogParts.h"
#include "session/TModalWindow.h"
#include "ui/TQtFieldErrors.h"

namespace lur {
namespace {

using C = TCreatFBControl;
using Form = TFormCreatFBController;

constexpr int kLimChars = 7;

}  // namespace

TFormCreatFB::TFormCreatFB(TFormCreatFBController& form, TUserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui) {
  setObjectName("TFormCreatFB");
  setWindowTitle(Form::kCaption);
  auto* column = new QVBoxLayout(this);

  // The block: number, creating or programming, type, archiving.
  auto* head = new QHBoxLayout;
  head->addWidget(NamedLabel("LabFB", "Функциональный блок №", this));
  editNFB_ = new QLineEdit(this);
  editNFB_->setObjectName("EditNFB");
  editNFB_->setEnabled(false);
  editNFB_->setMaximumWidth(50);
  head->addWidget(editNFB_);
  labCreatProg_ = NamedLabel("LabCreatProg", "", this);
  head->addWidget(labCreatProg_);
  head->addStretch();
  column->addLayout(head);

  auto* top = new QHBoxLayout;
  top->addWidget(RadioGroup(C::RadioGroup1, "Тип функц. блока", Form::kTypeItems, 9, &Form::radioGroup1,
                            &Form::RadioGroup1Click, this));
  auto* archive = new QVBoxLayout;
  archive->addWidget(NamedLabel("Label1", "Архивирование", this));
  sbVkl_ = new QToolButton(this);
  sbVkl_->setObjectName("SBVkl");
  sbVkl_->setCheckable(true);
  sbVkl_->setMinimumWidth(90);
  controls_[C::SBVkl] = sbVkl_;
  archive->addWidget(sbVkl_);
  archive->addWidget(RadioGroup(C::RadioGroup3, "Тип триггера", Form::kTriggerItems, 2, &Form::radioGroup3,
                                &Form::RadioGroup3Click, this));
  archive->addStretch();
  top->addLayout(archive);
  column->addLayout(top);

  // The four input rows.
  auto* inputs = new QGroupBox("Входы функционального блока", this);
  inputs->setObjectName("GroupBox1");
  auto* grid = new QGridLayout(inputs);
  grid->addWidget(NamedLabel("Label2", "тип входа", inputs), 0, 1);
  grid->addWidget(NamedLabel("Label3", " источник вход. сигн.", inputs), 0, 2);
  grid->addWidget(NamedLabel("Label4", "№ вх. дискр. сигнала, № вх. анал. сигнала,    № ФБ или № КВУ", inputs), 0,
                  3);
  const C direction[] = {C::ComboBox1, C::ComboBox3, C::ComboBox5, C::ComboBox7};
  const C kind[] = {C::ComboBox2, C::ComboBox4, C::ComboBox6, C::ComboBox8};
  const C number[] = {C::EditVx1, C::EditVx2, C::EditVx3, C::EditVx4};
  for (int r = 0; r < Form::kRows; ++r) {
    const QByteArray rowLabel = "LabVx" + QByteArray::number(r + 1);
    grid->addWidget(NamedLabel(rowLabel.constData(), QString::number(r + 1), inputs), r + 1, 0);
    grid->addWidget(List(direction[r], Form::kDirectionItems, 2, inputs), r + 1, 1);
    grid->addWidget(List(kind[r], Form::kKindItems, 4, inputs), r + 1, 2);
    QLineEdit* edit = Field(number[r], TFieldKind::Integer, 3, inputs);
    edit->setPlaceholderText("000");
    grid->addWidget(edit, r + 1, 3);
    const QByteArray roleName = "LabRS" + QByteArray::number(r + 1);
    labRS_[r] = NamedLabel(roleName.constData(), "", inputs);
    grid->addWidget(labRS_[r], r + 1, 4);
  }
  column->addWidget(inputs);

  // Timer (and the comparator's delay).
  auto* timer = new QGroupBox("Реквизиты таймера и компаратора", this);
  timer->setObjectName("GBTimer");
  controls_[C::GBTimer] = timer;
  auto* timerGrid = new QGridLayout(timer);
  timerGrid->addWidget(RadioGroup(C::RadioGroup2, "Тип таймера", Form::kTimerItems, 6, &Form::radioGroup2,
                                  &Form::RadioGroup2Click, timer),
                       0, 0, 3, 1);
  timerGrid->addWidget(RadioGroup(C::RadioGroup4, "Дискретность времени длит. импульса", Form::kDiscretenessItems,
                                  3, &Form::radioGroup4, &Form::RadioGroup4Click, timer),
                       0, 1);
  QLineEdit* editT = Field(C::EditT, TFieldKind::Integer, 4, timer);
  editT->setToolTip("Время в ед дискр(0-120)");
  timerGrid->addWidget(editT, 1, 1);
  timerGrid->addWidget(RadioGroup(C::RadioGroup5, "Тип уставки времени таймера", Form::kSetPointItems, 2,
                                  &Form::radioGroup5, &Form::RadioGroup5Click, timer),
                       0, 2);
  QLineEdit* editAdrT = Field(C::EditAdrT, TFieldKind::Integer, 2, timer);
  editAdrT->setToolTip("Адрес(1-10)");
  timerGrid->addWidget(editAdrT, 1, 2);
  auto* alarm = new QGroupBox("Реальное время включения \"будильника\"", timer);
  alarm->setObjectName("GroupBox2");
  auto* alarmRow = new QHBoxLayout(alarm);
  const struct {
    C control;
    const char* hint;
  } alarmFields[] = {{C::EditHour, "0-23"}, {C::EditMin, "0-59"}, {C::EditSec, "0-59"}};
  for (const auto& a : alarmFields) {
    QLineEdit* edit = Field(a.control, TFieldKind::Integer, 2, alarm);
    edit->setToolTip(a.hint);
    alarmRow->addWidget(edit);
  }
  timerGrid->addWidget(alarm, 2, 1, 1, 2);
  column->addWidget(timer);

  // Comparator and counter.
  auto* lower = new QHBoxLayout;
  auto* comp = new QGroupBox("Настройки компаратора", this);
  comp->setObjectName("GBComp");
  controls_[C::GBComp] = comp;
  auto* compGrid = new QGridLayout(comp);
  compGrid->addWidget(NamedLabel("Label5", "№ аналог. сигнала", comp), 0, 0);
  compGrid->addWidget(Field(C::EditAnVh, TFieldKind::Integer, 3, comp), 0, 1);
  compGrid->addWidget(NamedLabel("Label6", " источник вход. аналог.сигн.", comp), 1, 0);
  compGrid->addWidget(List(C::ComboBox9, Form::kAnalogSourceItems, 2, comp), 1, 1);
  compGrid->addWidget(NamedLabel("Label7", "условие сравнения", comp), 2, 0);
  compGrid->addWidget(List(C::CBoxCond, Form::kConditionItems, 2, comp), 2, 1);
  compGrid->addWidget(RadioGroup(C::RadioGroup6, "Тип уставки сравнения", Form::kSetPointItems, 2,
                                 &Form::radioGroup6, &Form::RadioGroup6Click, comp),
                      0, 2, 2, 1);
  compGrid->addWidget(NamedLabel("Label8", "Фикс. уставка", comp), 2, 2);
  compGrid->addWidget(Field(C::EditLim, TFieldKind::Real, kLimChars, comp), 3, 2);
  QLineEdit* editAdrUst = Field(C::EditAdrUst, TFieldKind::Integer, 2, comp);
  editAdrUst->setToolTip("Адрес(1-10)");
  compGrid->addWidget(editAdrUst, 4, 2);
  compGrid->addWidget(NamedLabel("Label9", "гистерезис, %", comp), 3, 0);
  QLineEdit* editGist = Field(C::EditGist, TFieldKind::Integer, 2, comp);
  editGist->setToolTip("Гистерезис(0-31)");
  compGrid->addWidget(editGist, 3, 1);
  lower->addWidget(comp);

  auto* count = new QGroupBox("Настройки счетчика", this);
  count->setObjectName("GBCount");
  controls_[C::GBCount] = count;
  auto* countRow = new QHBoxLayout(count);
  countRow->addWidget(NamedLabel("Label10", "уставка", count));
  countRow->addWidget(Field(C::EditLimCount, TFieldKind::Integer, 2, count));
  lower->addWidget(count, 0, Qt::AlignTop);
  column->addLayout(lower);

  auto* buttons = new QHBoxLayout;
  auto* inform = DialogButton("InformBut", "Входные сигналы", this);
  auto* ok = DialogButton("OK", "OK", this);
  auto* cancel = DialogButton("Cancel", "Отмена", this);
  buttons->addWidget(inform);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  column->addLayout(buttons);
  ErrorMarker(this)->installEventFilter(this);  // the hidden "ошибка" beside a refused field

  connect(sbVkl_, &QToolButton::clicked, this, [this](bool down) {
    form_.SBVklClick(down);
    Show();
  });
  connect(inform, &QPushButton::clicked, this, [this] { form_.InformButClick(); });
  connect(ok, &QPushButton::clicked, this, [this] { OKClick(); });
  connect(cancel, &QPushButton::clicked, this, [this] { done(form_.CancelClick()); });
}

QGroupBox* TFormCreatFB::RadioGroup(TCreatFBControl control, const QString& title, const char* const* items,
                                    int count, int TFormCreatFBController::*value, void (TFormCreatFBController::*click)(int),
                                    QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(Form::Name(control));
  auto* layout = new QVBoxLayout(box);
  auto* group = new QButtonGroup(box);
  for (int k = 0; k < count; ++k) {
    auto* button = new QRadioButton(QString::fromUtf8(items[k]), box);
    button->setObjectName(QString("%1_%2").arg(Form::Name(control)).arg(k));
    group->addButton(button, k);
    layout->addWidget(button);
  }
  // The handler bound to the controller here, not inside the slot.
  const std::function<void(int)> handler = std::bind_front(click, &form_);
  connect(group, &QButtonGroup::idClicked, this, [this, handler](int item) {
    handler(item);
    Show();
  });
  controls_[control] = box;
  radios_[control] = {group, value};
  return box;
}

QComboBox* TFormCreatFB::List(TCreatFBControl control, const char* const* items, int count, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(Form::Name(control));
  for (int k = 0; k < count; ++k) list->addItem(QString::fromUtf8(items[k]));
  connect(list, &QComboBox::activated, this, [this, control](int item) {
    form_.ComboBox1Change(control, item);
    Show();
  });
  controls_[control] = list;
  lists_[control] = list;
  return list;
}

QLineEdit* TFormCreatFB::Field(TCreatFBControl control, TFieldKind kind, int maxLength, QWidget* parent) {
  QLineEdit* edit = BoundEdit(Form::Name(control), kind, maxLength, ui_, parent);
  connect(edit, &QLineEdit::textEdited, this,
          [this, control](const QString& text) { form_.EditVx1Change(control, S(text)); });
  controls_[control] = edit;
  fields_[control] = edit;
  return edit;
}

void TFormCreatFB::ShowChoice(QButtonGroup* group, int item) {
  // No button checked for a value the group does not hold.
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(group->id(button) == item);
  group->setExclusive(true);
}

void TFormCreatFB::Show() {
  editNFB_->setText(Q(form_.editNFB));
  labCreatProg_->setText(Q(form_.labCreatProg));
  sbVkl_->setChecked(form_.sbVkl);
  sbVkl_->setText(Q(form_.sbVklCaption));
  for (int r = 0; r < Form::kRows; ++r) labRS_[r]->setText(Q(form_.labRS[r]));
  for (auto& [control, radio] : radios_) ShowChoice(radio.group, form_.*radio.value);
  const C direction[] = {C::ComboBox1, C::ComboBox3, C::ComboBox5, C::ComboBox7};
  const C kind[] = {C::ComboBox2, C::ComboBox4, C::ComboBox6, C::ComboBox8};
  for (int r = 0; r < Form::kRows; ++r) {
    lists_[direction[r]]->setCurrentIndex(form_.rows[r].direction);
    lists_[kind[r]]->setCurrentIndex(form_.rows[r].kind);
  }
  lists_[C::ComboBox9]->setCurrentIndex(form_.comboBox9);
  lists_[C::CBoxCond]->setCurrentIndex(form_.cBoxCond);
  for (auto& [control, edit] : fields_) {
    const QString text = Q(form_.Text(control));
    // A set-point from a file may be longer than the field takes: shown whole,
    // never cut.
    if (control == C::EditLim) edit->setMaxLength(std::max<int>(kLimChars, text.size()));
    if (edit->text() != text) edit->setText(text);
  }
  for (auto& [control, widget] : controls_) widget->setEnabled(form_.Enabled(control));
}

int TFormCreatFB::ExecForm() {
  Show();
  ErrorMarker(this)->hide();
  form_.FormShow();
  if (auto* focus = findChild<QWidget*>(Q(form_.focused))) {
    if (auto* group = qobject_cast<QGroupBox*>(focus)) {
      const auto buttons = group->findChildren<QRadioButton*>();
      const auto checked = std::find_if(buttons.begin(), buttons.end(), [](auto* b) { return b->isChecked(); });
      focus = checked != buttons.end() ? *checked : (buttons.isEmpty() ? focus : buttons.first());
    }
    focus->setFocus();
  }
  return exec() == kModalOk ? kModalOk : kModalCancel;
}

bool TFormCreatFB::OKClick() {
  const int result = form_.OKClick();
  Show();
  if (result != kModalOk) return false;  // refused: the dialog stays open
  done(kModalOk);
  return true;
}

void TFormCreatFB::reject() { done(form_.CancelClick()); }

void TFormCreatFB::closeEvent(QCloseEvent* event) {
  if (!isVisible() || OKClick()) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool TFormCreatFB::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ErrorMarker(this) && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)) {
    form_.ErrorTextMouseMove();
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace lur
