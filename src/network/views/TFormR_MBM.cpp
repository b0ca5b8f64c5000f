#include "network/views/TFormR_MBM.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "session/TModalWindow.h"
#include "ui/TQtFieldInput.h"

namespace lur {
namespace {

using Form = TFormR_MBMController;

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

QPushButton* Button(const char* name, const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

TFormR_MBM::TFormR_MBM(TFormR_MBMController& form, TUserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName("TFormR_MBM");
  setWindowTitle(Form::kCaption);
  auto* column = new QVBoxLayout(this);
  auto* heading = new QLabel(Form::kHeading, this);
  heading->setObjectName("Heading");
  column->addWidget(heading);

  auto* area = new QScrollArea(this);
  auto* sheet = new QWidget(area);
  auto* grid = new QGridLayout(sheet);
  for (int c = 0; c < static_cast<int>(std::size(Form::kHeaders)); ++c) {
    grid->addWidget(new QLabel(Form::kHeaders[c], sheet), 0, c);
  }
  const std::vector<std::string> units = form_.UnitNames();
  for (int e = 0; e < kRows; ++e) {
    RowWidgets& row = rows_[static_cast<std::size_t>(e)];
    auto* label = new QLabel(QString::number(e + 1), sheet);
    label->setObjectName(Q(Form::LabelName(e)));
    grid->addWidget(label, e + 1, 0);
    row.labN = new QLabel(sheet);
    row.labN->setObjectName(Q(Form::LabNName(e)));
    grid->addWidget(row.labN, e + 1, 1);
    row.razm = new QComboBox(sheet);
    row.razm->setObjectName(Q(Form::RazmName(e)));
    for (const std::string& unit : units) row.razm->addItem(Q(unit));
    grid->addWidget(row.razm, e + 1, 2);
    row.poz = new QLineEdit(sheet);
    row.poz->setObjectName(Q(Form::PozName(e)));
    row.poz->setMaxLength(8);
    TQtFieldInput::Bind(row.poz, TFieldKind::Text, ui);
    grid->addWidget(row.poz, e + 1, 3);
    connect(row.razm, &QComboBox::activated, this, [this, e](int unit) { form_.RazmClick(e, unit); });
    connect(row.poz, &QLineEdit::textEdited, this,
            [this, e](const QString& text) { form_.PozChange(e, text.toStdString()); });
    for (int c = 0; c < kNumbers; ++c) {
      auto* edit = new QLineEdit(sheet);
      const auto column_ = static_cast<TR_MBMColumn>(c);
      edit->setObjectName(Q(Form::NumberName(e, column_)));
      edit->setMaxLength(8);
      TQtFieldInput::Bind(edit, TFieldKind::Real, ui);
      row.numbers[static_cast<std::size_t>(c)] = edit;
      grid->addWidget(edit, e + 1, 4 + c);
      connect(edit, &QLineEdit::editingFinished, this, [this, e, column_, edit] {
        if (closing_ || !isVisible() || !edit->isModified()) return;
        edit->setModified(false);
        form_.NumberExit(e, column_, edit->text().toStdString());
        const QSignalBlocker block(edit);
        edit->setText(Q(form_.Row(e).numbers[static_cast<std::size_t>(column_)]));
      });
    }
  }
  area->setWidget(sheet);
  area->setWidgetResizable(true);
  column->addWidget(area);

  auto* buttons = new QHBoxLayout;
  auto* report = Button("BNew1", "Создание и печать файла .rtf", this);
  auto* ok = Button("OK", "OK", this);
  buttons->addWidget(report);
  buttons->addStretch();
  buttons->addWidget(ok);
  for (const char* name : {"Save", "But3", "But5", "Button1"}) Button(name, "", this)->hide();
  auto* progress = new QProgressBar(this);
  progress->setObjectName("ProgressBar1");
  progress->hide();
  column->addLayout(buttons);
  resize(1000, 600);

  connect(report, &QPushButton::clicked, this, [this] { form_.BNew1Click(); });
  connect(ok, &QPushButton::clicked, this, [this] { Close(); });
}

void TFormR_MBM::Show() {
  for (int e = 0; e < kRows; ++e) {
    const TR_MBMRow& data = form_.Row(e);
    RowWidgets& row = rows_[static_cast<std::size_t>(e)];
    row.labN->setText(Q(data.labN));
    row.labN->setToolTip(Q(data.hint));
    {
      const QSignalBlocker block(row.razm);
      row.razm->setCurrentIndex(data.labN == "_" ? -1 : data.razm);
    }
    row.poz->setText(Q(data.poz));
    for (int c = 0; c < kNumbers; ++c) {
      row.numbers[static_cast<std::size_t>(c)]->setText(Q(data.numbers[static_cast<std::size_t>(c)]));
      row.numbers[static_cast<std::size_t>(c)]->setModified(false);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{row.razm, row.poz}) w->setEnabled(data.enabled);
    for (QLineEdit* edit : row.numbers) edit->setEnabled(data.enabled);
  }
}

int TFormR_MBM::ExecForm() {
  closing_ = false;
  Show();
  exec();
  if (!closing_) form_.FormCloseQuery();
  return kModalOk;
}

void TFormR_MBM::Close() {
  if (closing_) return;
  closing_ = true;
  form_.FormCloseQuery();
  done(kModalOk);
}

void TFormR_MBM::closeEvent(QCloseEvent* event) {
  if (isVisible()) Close();
  event->accept();
}

}  // namespace lur
