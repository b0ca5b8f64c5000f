#include "fb/views/TFormFBCalc.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "discrete/views/DialogParts.h"
#include "session/TModalWindow.h"
#include "ui/TQtFieldErrors.h"

namespace lur {
namespace {

using C = TFBCalcControl;
using Form = TFormFBCalcController;

}  // namespace

TFormFBCalc::TFormFBCalc(TFormFBCalcController& form, TUserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui) {
  setObjectName("TFormFBCalc");
  setWindowTitle(Form::kCaption);
  auto* column = new QVBoxLayout(this);
  labCreatProg_ = NamedLabel("LabCreatProg", "", this);
  column->addWidget(labCreatProg_);

  // The two integrator blocks, twelve channels each.
  auto* integrators = new QGroupBox("Настройки интеграторов расхода", this);
  integrators->setObjectName("GroupBox2");
  controls_[C::GroupBox2] = integrators;
  auto* grid = new QGridLayout(integrators);
  grid->addWidget(NamedLabel("LabFB", "Интегратор расхода №", integrators), 0, 0, 1, 2);
  labNFB1_ = NamedLabel("LabNFB1", "", integrators);
  grid->addWidget(labNFB1_, 0, 2);
  grid->addWidget(Field(C::EditNFB1, TFieldKind::Integer, 3, integrators), 0, 3);
  grid->addWidget(NamedLabel("Label26", "Интегратор расхода  №", integrators), 0, 4, 1, 2);
  labNFB2_ = NamedLabel("LabNFB2", "", integrators);
  grid->addWidget(labNFB2_, 0, 6);
  grid->addWidget(Field(C::EditNFB2, TFieldKind::Integer, 3, integrators), 0, 7);
  grid->addWidget(NamedLabel("Label27", "№ в базе ", integrators), 1, 1);
  grid->addWidget(NamedLabel("Label28", "№ в базе ", integrators), 1, 5);
  for (int c = 0; c < Form::kChannels; ++c) {
    const int row = 2 + c % Form::kBlockChannels;
    const int col = c < Form::kBlockChannels ? 0 : 4;
    const QByteArray label = "LabCh" + QByteArray::number(c + 1);
    grid->addWidget(
        NamedLabel(label.constData(), QString("№%1").arg(c % Form::kBlockChannels + 1), integrators), row,
        col);
    grid->addWidget(Field(Form::Channel(c), TFieldKind::Integer, 7, integrators), row, col + 1);
  }
  column->addWidget(integrators);

  auto* middle = new QHBoxLayout;
  auto* hour = new QGroupBox("Час начала суток", this);
  hour->setObjectName("GroupBox1");
  auto* hourRow = new QHBoxLayout(hour);
  QLineEdit* hourField = Field(C::HourBeginDay, TFieldKind::Integer, 2, hour);
  hourField->setToolTip("0-23");
  hourRow->addWidget(hourField);
  middle->addWidget(hour, 0, Qt::AlignTop);

  auto* operations = new QGroupBox("Тип арифметического блока", this);
  operations->setObjectName("RadioGroup1");
  controls_[C::RadioGroup1] = operations;
  auto* operationColumn = new QVBoxLayout(operations);
  radioGroup1_ = new QButtonGroup(operations);
  for (int k = 0; k < 6; ++k) {
    auto* button = new QRadioButton(QString::fromUtf8(Form::kOperationItems[k]), operations);
    button->setObjectName(QString("RadioGroup1_%1").arg(k));
    radioGroup1_->addButton(button, k);
    operationColumn->addWidget(button);
  }
  middle->addWidget(operations);
  column->addLayout(middle);

  // One arithmetic block.
  auto* arithmetic = new QGroupBox("Настройки арифметических блоков", this);
  arithmetic->setObjectName("GroupBox3");
  controls_[C::GroupBox3] = arithmetic;
  auto* blockGrid = new QGridLayout(arithmetic);
  blockGrid->addWidget(NamedLabel("Label31", "Арифметический блок №", arithmetic), 0, 0);
  labNFB3_ = NamedLabel("LabNFB3", "", arithmetic);
  blockGrid->addWidget(labNFB3_, 0, 1);
  auto* number = new QHBoxLayout;
  QLineEdit* editNFB3 = Field(C::EditNFB3, TFieldKind::Integer, 3, arithmetic);
  editNFB3->setReadOnly(true);
  number->addWidget(editNFB3);
  // The horizontal spinner bound to EditNFB3.
  auto* upDown = new QWidget(arithmetic);
  upDown->setObjectName("UpDown1");
  controls_[C::UpDown1] = upDown;
  auto* upDownRow = new QHBoxLayout(upDown);
  upDownRow->setContentsMargins(0, 0, 0, 0);
  upDownRow->setSpacing(0);
  for (const bool up : {false, true}) {
    auto* arrow = new QToolButton(upDown);
    arrow->setObjectName(up ? "UpDown1_Up" : "UpDown1_Down");
    arrow->setArrowType(up ? Qt::RightArrow : Qt::LeftArrow);
    arrow->setFocusPolicy(Qt::NoFocus);
    connect(arrow, &QToolButton::clicked, this, [this, up] { Spin(up); });
    upDownRow->addWidget(arrow);
  }
  number->addWidget(upDown);
  blockGrid->addLayout(number, 0, 2);
  blockGrid->addWidget(NamedLabel("Label32", " источник ", arithmetic), 1, 1);
  blockGrid->addWidget(NamedLabel("Label33", "№ аналог. сигнала или № расчет. величины", arithmetic), 1, 2);
  blockGrid->addWidget(NamedLabel("Label34", "значения констант", arithmetic), 1, 3);
  blockGrid->addWidget(NamedLabel("LabX1", "X1", arithmetic), 2, 0);
  blockGrid->addWidget(List(C::ComboBox1, arithmetic), 2, 1);
  blockGrid->addWidget(Field(C::EditX1, TFieldKind::Integer, 7, arithmetic), 2, 2);
  blockGrid->addWidget(Field(C::EditC1, TFieldKind::Real, 10, arithmetic), 2, 3);
  blockGrid->addWidget(NamedLabel("LabX2", "X2", arithmetic), 3, 0);
  blockGrid->addWidget(List(C::ComboBox2, arithmetic), 3, 1);
  blockGrid->addWidget(Field(C::EditX2, TFieldKind::Integer, 7, arithmetic), 3, 2);
  blockGrid->addWidget(Field(C::EditC2, TFieldKind::Real, 10, arithmetic), 3, 3);
  blockGrid->addWidget(
      NamedLabel("Label35", "адрес результата в массиве         расчетных величин", arithmetic), 4, 0, 1, 2);
  blockGrid->addWidget(Field(C::EditY, TFieldKind::Integer, 2, arithmetic), 4, 2);
  column->addWidget(arithmetic);

  auto* buttons = new QHBoxLayout;
  auto* ok = DialogButton("OK", "OK", this);
  auto* cancel = DialogButton("Cancel", "Отмена", this);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  column->addLayout(buttons);
  ErrorMarker(this)->installEventFilter(this);  // the hidden "ошибка" beside a refused field

  connect(radioGroup1_, &QButtonGroup::idClicked, this, [this](int item) {
    form_.RadioGroup1Click(item);
    Show();
  });
  connect(ok, &QPushButton::clicked, this, [this] { OKClick(); });
  connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
  // Leaving a field is checked, except the two block numbers nobody types.
  for (const auto& [control, edit] : fields_) {
    if (control != C::EditNFB1 && control != C::EditNFB2 && control != C::HourBeginDay)
      leaving_[edit] = control;
  }
}

QLineEdit* TFormFBCalc::Field(TFBCalcControl control, TFieldKind kind, int maxLength, QWidget* parent) {
  QLineEdit* edit = BoundEdit(Form::Name(control), kind, maxLength, ui_, parent);
  connect(edit, &QLineEdit::textEdited, this,
          [this, control](const QString& text) { form_.Edit1Change(control, S(text)); });
  edit->installEventFilter(this);
  controls_[control] = edit;
  fields_[control] = edit;
  return edit;
}

QComboBox* TFormFBCalc::List(TFBCalcControl control, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(Form::Name(control));
  for (const char* item : Form::kSourceItems) list->addItem(QString::fromUtf8(item));
  connect(list, &QComboBox::activated, this, [this, control](int item) {
    form_.ComboBoxChange(control, item);
    Show();
  });
  controls_[control] = list;
  lists_[control] = list;
  return list;
}

void TFormFBCalc::Show() {
  labCreatProg_->setText(Q(form_.labCreatProg));
  labNFB1_->setText(Q(form_.labNFB1));
  labNFB2_->setText(Q(form_.labNFB2));
  labNFB3_->setText(Q(form_.labNFB3));
  // No button checked while no operation is chosen.
  radioGroup1_->setExclusive(false);
  for (QAbstractButton* button : radioGroup1_->buttons())
    button->setChecked(radioGroup1_->id(button) == form_.radioGroup1);
  radioGroup1_->setExclusive(true);
  lists_[C::ComboBox1]->setCurrentIndex(form_.comboBox1);
  lists_[C::ComboBox2]->setCurrentIndex(form_.comboBox2);
  for (auto& [control, edit] : fields_) {
    const QString text = Q(form_.Text(control));
    if (edit->text() != text) edit->setText(text);
  }
  for (auto& [control, widget] : controls_) {
    // The block numbers of the integrators and the result address are shown, never typed.
    const bool shownOnly = control == C::EditNFB1 || control == C::EditNFB2 || control == C::EditY;
    widget->setEnabled(!shownOnly && form_.Enabled(control));
  }
}

int TFormFBCalc::ExecForm() {
  Show();
  ErrorMarker(this)->hide();
  return exec() == kModalOk ? kModalOk : kModalCancel;
}

void TFormFBCalc::Spin(bool up) {
  if (busy_) return;
  busy_ = true;
  const bool open = form_.UpDown1Click(up);
  busy_ = false;
  Show();
  if (!open) done(kModalCancel);
}

bool TFormFBCalc::OKClick() {
  if (busy_) return false;
  const int result = form_.OKClick();
  Show();
  if (result != kModalOk) return false;  // refused: the dialog stays open
  done(kModalOk);
  return true;
}

void TFormFBCalc::reject() {
  if (busy_) return;
  done(form_.CancelClick());
}

void TFormFBCalc::closeEvent(QCloseEvent* event) {
  if (!isVisible() || OKClick()) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool TFormFBCalc::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ErrorMarker(this) &&
      (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)) {
    form_.ErrorTextMouseMove();
  }
  if (event->type() == QEvent::FocusOut && isVisible() && !busy_) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // The focus leaving with the window (another window, a menu) is no leaving of the field.
    const auto it = leaving_.find(watched);
    if (it != leaving_.end() && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      busy_ = true;
      bool open = true;
      if (it->second == C::EditNFB3) {
        open = form_.EditNFB3Exit();
      } else {
        form_.Edit1Exit(it->second);
      }
      busy_ = false;
      Show();
      if (!open) done(kModalCancel);
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace lur
