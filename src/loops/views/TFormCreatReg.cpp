#include "loops/views/TFormCreatReg.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "session/TModalWindow.h"
#include "ui/TQtFieldErrors.h"
#include "ui/TQtFieldInput.h"

namespace lur {
namespace {

using Form = TFormCreatRegController;
using F = TCreatRegField;
using C = TCreatRegControl;

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

QPushButton* Button(const char* name, const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  // Enter moves between the fields; it presses no button.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

constexpr int kRealChars = 10;

}  // namespace

TFormCreatReg::TFormCreatReg(TFormCreatRegController& form, TUserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui) {
  setObjectName("TFormCreatReg");
  setWindowTitle(Form::kCaption);
  auto* column = new QVBoxLayout(this);

  // The head: loop number, creating or programming, the kind.
  auto* head = new QGridLayout;
  head->addWidget(Label("LabReg", "Контур регулирования №", this), 0, 0);
  QLineEdit* number = Field(F::EditNKReg, {}, 3, head, 0, 1, this);
  number->setMaximumWidth(50);
  labCreatProg_ = Label("LabCreatProg", "", this);
  head->addWidget(labCreatProg_, 0, 2);
  head->addWidget(Label("LabTReg", "Тип  контура регулирования", this), 1, 0);
  cBoxTReg_ = List("CBoxTReg", Form::kKindItems, Form::kKinds, this);
  controls_[C::CBoxTReg] = cBoxTReg_;
  head->addWidget(cBoxTReg_, 1, 1, 1, 2);
  head->setColumnStretch(3, 1);
  column->addLayout(head);

  // The regulator of a single loop, the outer one of a cascade or the one a
  // setter drives.
  auto* groups = new QHBoxLayout;
  QGroupBox* comp = Group(C::GBComp, "Настройки одноконтур. рег.,   рег. внеш. контура или рег. с ПЗ");
  auto* compGrid = new QGridLayout(comp);
  Field(F::EditNReg, "Регулятор №", 3, compGrid, 0, 0, comp);
  Field(F::EditAnVh, "№ входа регулируемого            параметра", 3, compGrid, 1, 0, comp);
  labInf1_ = Label("LabInf1", "", comp);
  labInf_ = Label("LabInf", "", comp);
  compGrid->addWidget(labInf1_, 2, 0, 1, 2);
  compGrid->addWidget(labInf_, 3, 0, 1, 2);
  compGrid->addWidget(Label("LabTOut", "Tип выхода", comp), 4, 0);
  cBoxTOut_ = List("CBoxTOut", Form::kDirectionItems, 2, comp);
  compGrid->addWidget(cBoxTOut_, 4, 1);
  labAdOUT_ = Label("LabAdOUT", Form::kDacOutput, comp);
  compGrid->addWidget(labAdOUT_, 5, 0);
  compGrid->addWidget(Field(F::EditAdOUT, {}, 2, nullptr, 0, 0, comp), 5, 1);
  Field(F::EditKp, "Kp", kRealChars, compGrid, 6, 0, comp);
  Field(F::EditTi, "Ti", kRealChars, compGrid, 7, 0, comp);
  Field(F::EditTd, "Td", kRealChars, compGrid, 8, 0, comp);
  Field(F::EditOL, "Ограничение выхода снизу OL, %", kRealChars, compGrid, 9, 0, comp);
  Field(F::EditOH, "Ограничение выхода сверху OH, %", kRealChars, compGrid, 10, 0, comp);
  Field(F::EditdSP, "Безопасное значение выхода OSF, %", kRealChars, compGrid, 11, 0, comp);
  Field(F::EditVhPZ, "Адрес ПЗ", 2, compGrid, 12, 0, comp);
  groups->addWidget(comp);

  QGroupBox* inner = Group(C::GBRegInt, "Настройки регулятора внутреннего контура");
  auto* innerGrid = new QGridLayout(inner);
  Field(F::EditNReg1, "Регулятор №", 3, innerGrid, 0, 0, inner);
  Field(F::EditAnVh1, "№ входа регулируемого            параметра", 3, innerGrid, 1, 0, inner);
  labInf2_ = Label("LabInf2", "", inner);
  labInf3_ = Label("LabInf3", "", inner);
  innerGrid->addWidget(labInf2_, 2, 0, 1, 2);
  innerGrid->addWidget(labInf3_, 3, 0, 1, 2);
  innerGrid->addWidget(Label("LabTOut1", "Tип выхода", inner), 4, 0);
  cBoxTOut1_ = List("CBoxTOut1", Form::kDirectionItems, 2, inner);
  innerGrid->addWidget(cBoxTOut1_, 4, 1);
  Field(F::EditAdOUT1, "Выход ЦАП №", 2, innerGrid, 5, 0, inner);
  Field(F::EditKp1, "Kp", kRealChars, innerGrid, 6, 0, inner);
  Field(F::EditTi1, "Ti", kRealChars, innerGrid, 7, 0, inner);
  Field(F::EditTd1, "Td", kRealChars, innerGrid, 8, 0, inner);
  Field(F::EditOL1, "Ограничение выхода снизу OL, %", kRealChars, innerGrid, 9, 0, inner);
  Field(F::EditOH1, "Ограничение выхода сверху OH, %", kRealChars, innerGrid, 10, 0, inner);
  Field(F::EditdSP1, "Безопасное значение выхода OSF, %", kRealChars, innerGrid, 11, 0, inner);
  Field(F::EditVhSP, "Адрес рег. внеш. контура ", 2, innerGrid, 12, 0, inner);
  groups->addWidget(inner);
  column->addLayout(groups);

  // The program setter: six reference points.
  QGroupBox* setter = Group(C::GBPZ, "Настройки программного задатчика");
  auto* setterGrid = new QGridLayout(setter);
  Field(F::EditNPZ, "ПЗ №", 2, setterGrid, 0, 0, setter);
  Field(F::EditAReg, "Адрес регулятора", 2, setterGrid, 0, 2, setter);
  for (int k = 0; k < TProgRegClass::kPoints; ++k) {
    const QString n = QString::number(k + 1);
    const auto interval = static_cast<F>(static_cast<int>(F::Edit1) + k);
    const auto value = static_cast<F>(static_cast<int>(F::Edit7) + k);
    Field(interval, "Интервал времени        реперной точки №" + n, 5, setterGrid, 1 + k, 0, setter);
    Field(value, "Задание регулятора       в реперной точкe №" + n, kRealChars, setterGrid, 1 + k, 2, setter);
  }
  column->addWidget(setter);

  // Unit names a unit index turns into; never shown.
  razm1_ = new QComboBox(this);
  razm1_->setObjectName("Razm1");
  razm1_->hide();
  razm2_ = new QComboBox(this);
  razm2_->setObjectName("Razm2");
  razm2_->hide();

  auto* buttons = new QHBoxLayout;
  QPushButton* inform = Button("InformBut", "Входные сигналы", this);
  controls_[C::InformBut] = inform;
  QPushButton* ok = Button("OK", "OK", this);
  QPushButton* cancel = Button("Cancel", "Отмена", this);
  buttons->addWidget(inform);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  column->addLayout(buttons);
  ErrorMarker(this)->installEventFilter(this);  // the hidden "ошибка" below a refused field

  connect(cBoxTReg_, &QComboBox::activated, this, [this](int item) {
    form_.CBoxTRegClick(item);
    Show();
  });
  connect(cBoxTOut_, &QComboBox::activated, this, [this](int item) {
    form_.CBoxTOutClick(item);
    Show();
  });
  connect(cBoxTOut1_, &QComboBox::activated, this, [this](int item) {
    form_.CBoxTOut1Click(item);
    Show();
  });
  connect(fields_[F::EditAnVh], &QLineEdit::editingFinished, this, [this] { Run(&Form::EditAnVhExit); });
  connect(fields_[F::EditAnVh1], &QLineEdit::editingFinished, this, [this] { Run(&Form::EditAnVh1Exit); });
  connect(fields_[F::EditAdOUT], &QLineEdit::editingFinished, this, [this] { Run(&Form::EditAdOUTExit); });
  connect(inform, &QPushButton::clicked, this, [this] { form_.InformButClick(); });
  connect(ok, &QPushButton::clicked, this, [this] { OKClick(); });
  connect(cancel, &QPushButton::clicked, this, [this] { done(form_.CancelClick()); });
}

QLabel* TFormCreatReg::Label(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QComboBox* TFormCreatReg::List(const char* name, const char* const* items, int count, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  for (int k = 0; k < count; ++k) list->addItem(QString::fromUtf8(items[k]));
  return list;
}

QGroupBox* TFormCreatReg::Group(TCreatRegControl control, const QString& title) {
  auto* box = new QGroupBox(title, this);
  box->setObjectName(Form::Name(control));
  controls_[control] = box;
  return box;
}

QLineEdit* TFormCreatReg::Field(F field, const QString& caption, int maxLength, QGridLayout* grid, int row,
                                int column, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(Form::Name(field));
  edit->setMaxLength(maxLength);
  TQtFieldInput::Bind(edit, Form::KindOf(field), ui_);
  if (!IsReadOnlyField(field)) {
    connect(edit, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { form_.EditChange(field, text.toStdString()); });
  } else {
    edit->setReadOnly(true);
  }
  if (field == F::EditAReg) controls_[C::EditAReg] = edit;
  if (field == F::EditVhPZ) controls_[C::EditVhPZ] = edit;
  fields_[field] = edit;
  if (grid) {
    if (!caption.isEmpty()) {
      const QByteArray name = QByteArray("Lab") + Form::Name(field);
      grid->addWidget(Label(name.constData(), caption, parent), row, column);
    }
    grid->addWidget(edit, row, column + 1);
  }
  return edit;
}

void TFormCreatReg::Show() {
  showing_ = true;
  labCreatProg_->setText(Q(form_.labCreatProg));
  labAdOUT_->setText(Q(form_.labAdOUT));
  labInf1_->setText(Q(form_.labInf1));
  labInf_->setText(Q(form_.labInf));
  labInf2_->setText(Q(form_.labInf2));
  labInf3_->setText(Q(form_.labInf3));
  // A role code the list does not hold shows as its number.
  const int kind = form_.Kind();
  const bool listed = kind >= 0 && kind < Form::kKinds;
  cBoxTReg_->setPlaceholderText(listed || kind == Form::kNoChoice ? QString() : QString::number(kind));
  cBoxTReg_->setCurrentIndex(listed ? kind : -1);
  cBoxTOut_->setCurrentIndex(form_.cBoxTOut);
  cBoxTOut1_->setCurrentIndex(form_.cBoxTOut1);
  for (auto [list, units] : {std::pair{razm1_, &form_.razm1}, std::pair{razm2_, &form_.razm2}}) {
    list->clear();
    for (const std::string& unit : *units) list->addItem(Q(unit));
  }
  for (auto& [field, edit] : fields_) {
    const QString text = Q(form_.Text(field));
    if (edit->text() != text) edit->setText(text);
  }
  for (auto& [control, widget] : controls_) widget->setEnabled(form_.Enabled(control));
  showing_ = false;
}

void TFormCreatReg::Run(void (TFormCreatRegController::*handler)()) {
  if (showing_ || !isVisible()) return;
  (form_.*handler)();
  Show();
}

int TFormCreatReg::ExecForm() {
  Show();
  ErrorMarker(this)->hide();
  form_.FormShow();
  if (auto* focus = findChild<QWidget*>(Q(form_.focused)); focus && focus->isEnabled()) focus->setFocus();
  return exec() == kModalOk ? kModalOk : kModalCancel;
}

void TFormCreatReg::OKClick() {
  const int result = form_.OKClick();
  Show();
  if (result == kModalOk) done(kModalOk);  // otherwise refused: the dialog stays open
}

void TFormCreatReg::reject() { done(form_.CancelClick()); }

void TFormCreatReg::closeEvent(QCloseEvent* event) {
  if (isVisible()) done(form_.CancelClick());
  event->accept();
}

bool TFormCreatReg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ErrorMarker(this) &&
      (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)) {
    form_.ErrorTextMouseMove();
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace lur
