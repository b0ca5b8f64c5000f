#include "discrete/views/TFormPrgD.h"

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "discrete/TFormPrgDController.h"
#include "discrete/views/TDiscretePrinter.h"
#include "session/TModalWindow.h"
#include "fb/widgets/DiagramColors.h"
#include "fb/widgets/TDiagramPictures.h"
#include "fb/widgets/TPanInp.h"
#include "fb/widgets/TPanMR.h"
#include "fb/widgets/TPanSign.h"
#include "fb/widgets/TPanZader.h"
#include "fb/widgets/TShapeHorz.h"
#include "fb/widgets/TSpBut.h"
#include "ui/TQtFieldInput.h"

namespace lur {
namespace {

using A = TFormPrgDAction;

const QColor kMaroon(0x80, 0x00, 0x00);
constexpr int kSchemaWidth = TFormPrgDController::kSchemaWidth + 10;  // the bands and the output column
constexpr int kWheelStep = 10;     // pixels per notch
// The tooltip of a command whose window the program does not have yet.
const char* const kComesLater = "Окно появится в следующей версии";

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QRect R(const TSchemaRect& r) { return QRect(r.x, r.y, r.w, r.h); }

// The schema's content: the row bands are painted here, everything else is
// a child widget placed at its layout rectangle.
class TSchemaContent : public QWidget {
 public:
  TSchemaContent(const TSchemaLayout& layout, QWidget* parent) : QWidget(parent), layout_(layout) {
    setObjectName("Schema");
    setAutoFillBackground(true);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    const QColor face = diagram::FaceColor();
    for (const TSchemaRow& row : layout_.rows) {
      const QRect band = R(row.band);
      if (!band.intersects(event->rect())) continue;
      painter.fillRect(band, row.bandSelected ? diagram::SelectionColor() : face);
    }
  }

 private:
  const TSchemaLayout& layout_;
};

// The connection point where the line meets a block: a 9 x 9 olive dot on
// a transparent ground.
class TSchemaMarker : public QWidget {
 public:
  explicit TSchemaMarker(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(9, 9);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(diagram::Olive());
    painter.drawEllipse(QRectF(0.5, 0.5, 8, 8));
  }
};

QLabel* RowLabel(const char* name, QColor colour, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  QFont font("Arial");
  font.setPointSize(8);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

}  // namespace

// The widgets of one row slot; created when a row first needs them and kept
// (hidden) when the schema shrinks, so a redraw updates rather than rebuilds.
struct TFormPrgD::RowWidgets {
  QLabel* number = nullptr;
  QLabel* text = nullptr;
  TSpBut* contact = nullptr;
  TSpBut* archive = nullptr;
  TPanInp* panel = nullptr;
  TShapeHorz* line = nullptr;
  TPanSign* sign = nullptr;    // the blocks: made when the row first shows one
  TPanZader* zader = nullptr;
  TPanMR* mr = nullptr;
  std::array<TSchemaMarker*, 3> markers{};

  void Hide() {
    for (QWidget* w : std::initializer_list<QWidget*>{number, text, contact, archive, panel, line, sign, zader, mr}) {
      if (w) w->hide();
    }
    for (auto* marker : markers) marker->hide();
  }
};

TFormPrgD::TFormPrgD(TFormPrgDController& form, TUserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui) {
  setObjectName("TFormPrgD");
  setWindowTitle(Q(form_.Caption()));
  setSizeGripEnabled(true);
  resize(900, 640);

  BuildActions();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 0, 4, 4);
  BuildMenus();
  layout->setMenuBar(findChild<QMenuBar*>("MainMenu1"));
  layout->addWidget(findChild<QToolBar*>("ToolBar1"));
  layout->addWidget(BuildTop());
  BuildSchema();
  layout->addWidget(scrollBox1_, 1);
  Draw();
}

TFormPrgD::~TFormPrgD() = default;

void TFormPrgD::BuildActions() {
  auto handler = [this](A action) -> std::function<void()> {
    TFormPrgDController& f = form_;
    switch (action) {
      case A::AInPort: return [&f] { f.InPortClick(); };
      case A::AOutPort: return [&f] { f.OutPortClick(); };
      case A::AVhod: return [&f] { f.CreatVhButClick(); };
      case A::ABSign: return [&f] { f.CreatSignButClick(); };
      case A::ABZader: return [&f] { f.CreatZaderButClick(); };
      case A::ABVyh: return [&f] { f.CreatVyhButClick(); };
      case A::AText: return [&f] { f.PMenu2TextClick(); };
      case A::ASign: return [&f] { f.PMenu1SignClick(); };
      case A::AZader: return [&f] { f.PMenu1ZaderClick(); };
      case A::ABlVyh: return [&f] { f.PMenu1VyhClick(); };
      case A::AFB: return [&f] { f.PMenu1FBClick(); };
      case A::AId: return [&f] { f.PMenu1IdClick(); };
      case A::ADelSign: return [&f] { f.DelSignClick(); };
      case A::ADelZader: return [&f] { f.DelZaderClick(); };
      case A::ADelVyh: return [&f] { f.DelVyhClick(); };
      case A::AArhiv: return [&f] { f.PMenu2ArhivClick(); };
      case A::AInfAnalog: return [&f] { f.PMenu2InfClick(); };
      case A::ANomerVh: return [&f] { f.PMenu3NVhClick(); };
      case A::AInfVyh: return [&f] { f.InfVyhClick(); };
      case A::ACopy: return [&f] { f.PMenu2CopClick(); };
      case A::ACut: return [&f] { f.CutClick(); };
      case A::ADelChoose: return [&f] { f.DelChooseClick(); };
      case A::AChange: return [&f] { f.PMenu2ChangeClick(); };
      case A::AInsertPaspGroup: return [&f] { f.InsertPaspGroupClick(); };
      case A::AInsertPaspGroupFrom: return [&f] { f.InsertPaspGroupFromClick(); };
      case A::AChooseAll: return [&f] { f.ChooseAllClick(); };
      case A::AOpenFile: return [&f] { f.OpenFileClick(); };
      case A::APort: return [this] {
        if (portDialog_) portDialog_();
      };
      // The transfer out and the main window's file and password keys do
      // nothing here.
      default: return {};
    }
  };
  const std::array<std::pair<A, QStyle::StandardPixmap>, 11> icons = {{
      {A::AInPort, QStyle::SP_ArrowDown},
      {A::AOutPort, QStyle::SP_ArrowUp},
      {A::AVhod, QStyle::SP_FileIcon},
      {A::ABSign, QStyle::SP_MessageBoxWarning},
      {A::ABZader, QStyle::SP_BrowserReload},
      {A::ABVyh, QStyle::SP_MediaPlay},
      {A::AText, QStyle::SP_FileDialogDetailedView},
      {A::ASign, QStyle::SP_MessageBoxInformation},
      {A::AZader, QStyle::SP_FileDialogInfoView},
      {A::ABlVyh, QStyle::SP_MediaSeekForward},
      {A::AFB, QStyle::SP_FileDialogContentsView},
  }};
  for (std::size_t i = 0; i < actions_.size(); ++i) {
    const A id = static_cast<A>(i);
    const TFormPrgDActionText& text = ActionText(id);
    auto* action = new QAction(Q(text.caption), this);
    action->setObjectName(Q(text.name));
    action->setShortcut(QKeySequence(Q(text.shortcut)));
    action->setToolTip(Q(text.caption));
    for (const auto& [which, icon] : icons) {
      if (which == id) action->setIcon(style()->standardIcon(icon));
    }
    addAction(action);  // the keys work whether a menu shows the action or not
    if (std::function<void()> run = handler(id)) {
      connect(action, &QAction::triggered, this, [this, run] { Run(run); });
    }
    actions_[i] = action;
  }
  connect(Action(A::AClose), &QAction::triggered, this, &TFormPrgD::reject);
}

void TFormPrgD::BuildMenus() {
  auto* bar = new QMenuBar(this);
  bar->setObjectName("MainMenu1");
  QMenu* port = bar->addMenu("   Порт");
  port->setObjectName("MenuPort");
  port->addActions({Action(A::AInPort), Action(A::AOutPort)});
  QMenu* creat = bar->addMenu("       Создание элементов схемы");
  creat->setObjectName("MenuCreat");
  creat->addActions({Action(A::AVhod), Action(A::ABSign), Action(A::ABZader), Action(A::ABVyh)});
  QMenu* prog = bar->addMenu("              Программирование        ");
  prog->setObjectName("MenuProg");
  prog->addActions({Action(A::AText), Action(A::ASign), Action(A::AZader), Action(A::ABlVyh), Action(A::AFB)});

  auto* tools = new QToolBar("ToolBar1", this);
  tools->setObjectName("ToolBar1");
  for (A a : {A::AInPort, A::AOutPort, A::AVhod, A::ABSign, A::ABZader, A::ABVyh, A::AText, A::ASign, A::AZader,
              A::ABlVyh, A::AFB}) {
    tools->addAction(Action(a));
  }

  // Count stands for a separator.
  constexpr A kSeparator = A::Count;
  auto fill = [this](QMenu* menu, std::initializer_list<A> items) {
    for (A a : items) {
      if (a == kSeparator) {
        menu->addSeparator();
      } else {
        menu->addAction(Action(a));
      }
    }
  };
  rowMenu_ = new QMenu(this);
  rowMenu_->setObjectName("RowMenu");
  fill(rowMenu_, {A::ACut, A::ACopy, A::AChange, A::ADelChoose, kSeparator, A::ABSign, A::ASign, A::ADelSign,
                  kSeparator, A::ABZader, A::AZader, A::ADelZader, kSeparator, A::ABVyh, A::ABlVyh, A::ADelVyh,
                  kSeparator, A::AText, A::AArhiv, kSeparator, A::AInfAnalog});
  schemaMenu_ = new QMenu(this);
  schemaMenu_->setObjectName("SchemaMenu");
  fill(schemaMenu_, {A::AVhod, kSeparator, A::AInsertPaspGroupFrom, A::AInsertPaspGroup, kSeparator, A::ANomerVh,
                     kSeparator, A::AChooseAll});
}

QWidget* TFormPrgD::BuildTop() {
  auto* top = new QWidget(this);
  auto* row = new QHBoxLayout(top);
  row->setContentsMargins(0, 0, 0, 0);
  auto* label1 = new QLabel(" Исполнение", top);
  label1->setObjectName("Label1");
  editModif_ = new QLineEdit(top);
  editModif_->setObjectName("EditModif");
  editModif_->setReadOnly(true);
  editModif_->setFixedWidth(editModif_->fontMetrics().horizontalAdvance("000000000") + 12);
  auto* label11 = new QLabel("Тип модуля индикации", top);
  label11->setObjectName("Label11");
  tipModInd_ = new QLabel(top);
  tipModInd_->setObjectName("TipModInd");
  tipModInd_->setFrameShape(QFrame::Panel);
  tipModInd_->setFrameShadow(QFrame::Sunken);
  tipModInd_->setMinimumWidth(96);
  labelFile_ = new QLabel("Режим работы с файлом", top);
  labelFile_->setObjectName("LabelFile");
  labelFile_->setVisible(false);
  progressBar1_ = new QProgressBar(top);
  progressBar1_->setObjectName("ProgressBar1");
  progressBar1_->setVisible(false);
  informButMR_ = new QPushButton("Дискретные выходы", top);
  auto* informButMR = informButMR_;
  informButMR->setObjectName("InformButMR");
  connect(informButMR, &QPushButton::clicked, this, [this] { Run([this] { form_.InformButMRClick(); }); });
  auto* button1 = new QPushButton("Печать", top);
  button1->setObjectName("Button1");
  connect(button1, &QPushButton::clicked, this, [this] { Run([this] { Button1Click(); }); });
  informButMR->setAutoDefault(false);
  button1->setAutoDefault(false);
  // Kept for their names; never shown.
  for (const char* name : {"ButAssignConfig", "Contr", "Button2"}) {
    auto* inert = new QPushButton(top);
    inert->setObjectName(name);
    inert->setVisible(false);
  }
  row->addWidget(label1);
  row->addWidget(editModif_);
  row->addWidget(label11);
  row->addWidget(tipModInd_);
  row->addWidget(labelFile_);
  row->addWidget(progressBar1_, 1);
  row->addStretch();
  row->addWidget(informButMR);
  row->addWidget(button1);
  return top;
}

void TFormPrgD::BuildSchema() {
  scrollBox1_ = new QScrollArea(this);
  scrollBox1_->setObjectName("ScrollBox1");
  scrollBox1_->setWidgetResizable(false);
  // The mouse moves the focus only where the editor says (a right click
  // must not close the in-place text field).
  scrollBox1_->setFocusPolicy(Qt::TabFocus);
  schema_ = new TSchemaContent(form_.Layout(), scrollBox1_);
  scrollBox1_->setWidget(schema_);
  scrollBox1_->viewport()->installEventFilter(this);
  Watch(schema_);

  auto column = [this](const char* name, int x) {
    auto* shape = new QFrame(schema_);
    shape->setObjectName(name);
    shape->setFrameShape(QFrame::VLine);
    shape->setLineWidth(2);
    shape->setGeometry(x, 0, 3, TSchemaRow::kHeight);
    QPalette palette = shape->palette();
    palette.setColor(QPalette::WindowText, diagram::Olive());
    shape->setPalette(palette);
    Watch(shape);
    return shape;
  };
  shVh1_ = column("ShVh1", TSchemaRow::kInputLeft - 6);
  shVyh1_ = column("ShVyh1", kSchemaWidth - 8);

  editText_ = new QLineEdit(schema_);
  editText_->setObjectName("EditText");
  editText_->setMaxLength(14);
  editText_->setVisible(false);
  TQtFieldInput::Bind(editText_, TFieldKind::Text, ui_);
  editText_->installEventFilter(this);
  connect(editText_, &QLineEdit::textEdited, this,
          [this](const QString& text) { form_.EditTextChange(text.toStdString()); });
}

void TFormPrgD::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void TFormPrgD::reject() {
  if (busy_ > 0) return;
  // A text still being typed in place is kept, as if the field lost the focus.
  if (form_.InPlaceEdit().active) {
    const std::string text = editText_->text().toStdString();
    Run([this, text] { form_.EditTextExit(text); });
  }
  // Unsent changes: send, discard or stay.
  bool close = true;
  Run([this, &close] { close = form_.FormCloseQuery(); });
  if (close) done(kModalOk);
}

void TFormPrgD::Watch(QWidget* widget) { widget->installEventFilter(this); }

void TFormPrgD::Run(const std::function<void()>& operation) {
  // An operation's message boxes and transfers service events; a second
  // operation must not start inside it.
  if (busy_ > 0) return;
  // The controller keeps its last scroll target; only a new one scrolls, so
  // a later click does not pull the schema back.
  const int targetBefore = form_.ScrollTarget();
  ++busy_;
  operation();
  --busy_;
  if (form_.CloseRequested()) {
    done(kModalOk);
    return;
  }
  Draw();
  const int target = form_.ScrollTarget();
  if (target >= 0 && target != targetBefore) ScrollTo(target);
}

void TFormPrgD::ScrollTo(int y) { scrollBox1_->ensureVisible(0, y, 0, TSchemaRow::kHeight); }

void TFormPrgD::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  scrollBox1_->setFocus();
  Run([this] { form_.FormShow(); });
}

TFormPrgD::RowWidgets& TFormPrgD::Row(std::size_t index) {
  while (rows_.size() <= index) {
    const int position = static_cast<int>(rows_.size());
    auto row = std::make_unique<RowWidgets>();
    row->number = RowLabel("LabelNum", Qt::blue, schema_);
    row->text = RowLabel("LabelText", kMaroon, schema_);
    // The contact and archive buttons write the record, so they are enabled.
    row->contact = new TSpBut(schema_);
    row->contact->setObjectName("SpBKont");
    row->contact->SetGlyph(TDiagramPictures::TipKont(), TDiagramPictures::kGlyphCount);
    row->contact->setEnabled(true);
    connect(row->contact, &TSpBut::OnClick, this, [this, position] {
      const bool down = rows_[static_cast<std::size_t>(position)]->contact->Down();
      Run([this, position, down] { form_.PanInp1SpBClick(position, down); });
    });
    row->archive = new TSpBut(schema_);
    row->archive->setObjectName("SpBArhiv");
    row->archive->SetGlyph(TDiagramPictures::Arhiv(), TDiagramPictures::kGlyphCount);
    row->archive->SetHint("Архивирование");
    row->archive->setEnabled(true);
    connect(row->archive, &TSpBut::OnClick, this, [this, position] {
      const bool down = rows_[static_cast<std::size_t>(position)]->archive->Down();
      Run([this, position, down] { form_.ArhivClick(position, down); });
    });
    row->line = new TShapeHorz(schema_, position + 1);
    row->panel = new TPanInp(schema_, position + 1, tpId);
    row->panel->SetToggleColorOnClick(false);  // the selection colours are the editor's
    row->panel->SetHoverHighlight(true);
    for (auto& marker : row->markers) marker = new TSchemaMarker(schema_);
    for (QWidget* w : std::initializer_list<QWidget*>{row->number, row->text, row->contact, row->archive, row->line,
                                                      row->panel}) {
      Watch(w);
    }
    rows_.push_back(std::move(row));
  }
  return *rows_[index];
}

namespace {

// Makes a block panel the first time a row shows it.
template <class TBlock>
TBlock* Block(TBlock*& block, QWidget* schema, int number, QObject* watcher) {
  if (!block) {
    block = new TBlock(schema, number);
    block->SetHoverHighlight(true);
    block->installEventFilter(watcher);
  }
  return block;
}

}  // namespace

void TFormPrgD::DrawRow(std::size_t index, const TSchemaRow& row) {
  RowWidgets& w = Row(index);
  const int number = row.position + 1;
  const QColor face = diagram::FaceColor();
  w.number->setGeometry(R(row.numberLabel));
  w.number->setText(Q(row.numberText));
  w.number->show();
  w.text->setGeometry(R(row.textLabel));
  w.text->setText(Q(row.text));
  w.text->show();
  w.contact->setGeometry(R(row.contactButton));
  w.contact->SetDown(row.contactDown);
  w.contact->show();
  w.archive->setGeometry(R(row.archiveButton));
  w.archive->SetDown(row.archiveDown);
  w.archive->show();
  w.line->setGeometry(R(row.line));
  w.line->show();
  w.panel->setGeometry(R(row.inputPanel));
  w.panel->SetCaption(Q(row.identifier));
  w.panel->SetHint(Q(row.hint));
  w.panel->SetColor(row.panelSelected ? diagram::SelectionColor() : face);
  w.panel->show();

  if (row.hasSign) {
    TPanSign* sign = Block(w.sign, schema_, number, this);
    sign->setGeometry(R(row.sign));
    sign->SetColor(face);
    sign->PutTipS(row.tipS);
    sign->PutNTabS(row.tipS, row.nTabS);
    sign->show();
  } else if (w.sign) {
    w.sign->hide();
  }
  if (row.hasZader) {
    TPanZader* zader = Block(w.zader, schema_, number, this);
    zader->setGeometry(R(row.zader));
    zader->SetColor(face);
    zader->PutTimeDelay(row.timeZ, row.factor);
    zader->show();
  } else if (w.zader) {
    w.zader->hide();
  }
  if (row.hasMR) {
    TPanMR* mr = Block(w.mr, schema_, number, this);
    mr->setGeometry(R(row.mrPanel));
    mr->SetColor(face);
    for (int m = 0; m < TPanMR::kModules; ++m) {
      // Each module passive, then active with its byte when it switches any.
      mr->PassiveMR(m);
      const std::uint8_t mask = row.mr[static_cast<std::size_t>(m)];
      if (m < row.mrModules && mask != 0) mr->ActiveMR(m, mask);
    }
    mr->show();
  } else if (w.mr) {
    w.mr->hide();
  }

  for (std::size_t m = 0; m < w.markers.size(); ++m) {
    if (m < row.markers.size()) {
      w.markers[m]->move(row.markers[m].x, row.markers[m].y);
      w.markers[m]->show();
      w.markers[m]->raise();
    } else {
      w.markers[m]->hide();
    }
  }
}

void TFormPrgD::Draw() {
  setWindowTitle(Q(form_.Caption()));
  editModif_->setText(Q(form_.EditModif()));
  tipModInd_->setText(Q(form_.TipModInd()));
  labelFile_->setVisible(form_.LabelFileShown());

  informButMR_->setEnabled(form_.InformButMRAvailable());
  informButMR_->setToolTip(form_.InformButMRAvailable() ? QString() : QString(kComesLater));
  const TControlStates<A>& states = form_.Actions();
  const bool inPlace = form_.InPlaceEdit().active;
  for (std::size_t i = 0; i < actions_.size(); ++i) {
    const A id = static_cast<A>(i);
    actions_[i]->setEnabled(states.IsEnabled(id));
  }
  Action(A::AFB)->setToolTip(states.IsEnabled(A::AFB) ? Q(ActionText(A::AFB).caption) : QString(kComesLater));
  // Del and the Ctrl keys belong to the in-place text field while it is open.
  for (A id : {A::ADelChoose, A::ACopy, A::AInsertPaspGroup, A::AChooseAll, A::ACut}) {
    Action(id)->setShortcut(inPlace ? QKeySequence() : QKeySequence(Q(ActionText(id).shortcut)));
  }

  const TSchemaLayout& layout = form_.Layout();
  schema_->resize(kSchemaWidth, std::max(layout.columnHeight, int(layout.rows.size()) * TSchemaRow::kHeight));
  shVh1_->resize(shVh1_->width(), layout.columnHeight);
  shVyh1_->resize(shVyh1_->width(), layout.columnHeight);
  for (std::size_t i = 0; i < layout.rows.size(); ++i) DrawRow(i, layout.rows[i]);
  for (std::size_t i = layout.rows.size(); i < rows_.size(); ++i) rows_[i]->Hide();
  DrawInPlaceEdit();
  schema_->update();
}

void TFormPrgD::DrawInPlaceEdit() {
  const auto& edit = form_.InPlaceEdit();
  if (!edit.active) {
    if (editText_->isVisible()) {
      editText_->clear();
      editText_->hide();
    }
    return;
  }
  if (editText_->isVisible()) return;
  editText_->setGeometry(R(edit.rect));
  editText_->setText(Q(edit.text));
  editText_->show();
  editText_->raise();
  editText_->setFocus();
}

bool TFormPrgD::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editText_) {
    // Another window coming to the front is no exit from the field.
    const bool exit = event->type() == QEvent::FocusOut &&
                      static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
                      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
    if (exit && form_.InPlaceEdit().active) {
      const std::string text = editText_->text().toStdString();
      Run([this, text] { form_.EditTextExit(text); });
    }
    return false;
  }
  if (watched == scrollBox1_->viewport()) {
    if (event->type() == QEvent::Wheel) {
      auto* wheel = static_cast<QWheelEvent*>(event);
      // A notch is 120 eighths of a degree; finer wheels move by their share.
      QScrollBar* bar = scrollBox1_->verticalScrollBar();
      bar->setValue(bar->value() - wheel->angleDelta().y() * kWheelStep / 120);
      return true;
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
      return SchemaMouse(scrollBox1_->viewport(), static_cast<QMouseEvent*>(event));
    }
    return false;
  }
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
    return SchemaMouse(widget, static_cast<QMouseEvent*>(event));
  }
  return QDialog::eventFilter(watched, event);
}

bool TFormPrgD::SchemaMouse(QWidget* widget, QMouseEvent* event) {
  const QPoint at = widget == scrollBox1_->viewport()
                        ? schema_->mapFrom(widget, event->position().toPoint())
                        : widget->mapTo(schema_, event->position().toPoint());
  const TSchemaHit hit = form_.Layout().HitTest(at.x(), at.y());
  const bool onRow = hit.row >= 0 && hit.element != TSchemaElement::None;
  const bool onButton = hit.element == TSchemaElement::ContactButton || hit.element == TSchemaElement::ArchiveButton;
  if (event->button() == Qt::LeftButton && form_.InPlaceEdit().active) {
    // A click anywhere on the schema ends the in-place edit: the focus
    // leaves the field and its text goes to the row it was opened on.
    scrollBox1_->setFocus(Qt::MouseFocusReason);
  }
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (onButton) return false;  // a quick second click toggles the button again
    if (event->button() != Qt::LeftButton || !onRow) return true;
    const int row = hit.row;
    switch (hit.element) {
      case TSchemaElement::InputPanel: Run([this, row] { form_.PMenu1IdClick(row); }); break;
      case TSchemaElement::TextLabel: Run([this, row] { form_.PMenu2TextClick(row); }); break;
      case TSchemaElement::Sign: Run([this, row] { form_.PMenu1SignClick(row); }); break;
      case TSchemaElement::Zader: Run([this, row] { form_.PMenu1ZaderClick(row); }); break;
      case TSchemaElement::MR: Run([this, row] { form_.PMenu1VyhClick(row); }); break;
      default: break;
    }
    return true;
  }
  if (event->button() == Qt::RightButton) {
    RowRightClick(at, event->globalPosition().toPoint());
    return true;
  }
  if (event->button() != Qt::LeftButton) return false;
  if (onRow) {
    const int row = hit.row;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    Run([this, row, ctrl] { form_.RowClick(row, ctrl); });
  } else {
    scrollBox1_->setFocus(Qt::MouseFocusReason);
    Run([this] { form_.ScrollBox1Click(); });
  }
  // The row's contact and archive buttons still take their own click.
  return !onButton;
}

void TFormPrgD::RowRightClick(QPoint content, QPoint global) {
  if (form_.InPlaceEdit().active || busy_ > 0) return;
  const TSchemaHit hit = form_.Layout().HitTest(content.x(), content.y());
  auto popup = TFormPrgDController::TPopup::Schema;
  Run([&] { popup = form_.RightClick(hit.row, hit.element != TSchemaElement::None); });
  QMenu* menu = popup == TFormPrgDController::TPopup::Row ? rowMenu_ : schemaMenu_;
  menu->popup(global);
}

// ---- printing ------------------------------------------------------------------

void TFormPrgD::Button1Click() {
  // The heading names the main window's caption and file label, when the
  // editor has a main window.
  std::string mainCaption;
  std::string fileLabel;
  if (QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr) {
    mainCaption = owner->windowTitle().toStdString();
    if (auto* label = owner->findChild<QLabel*>("LabelFile")) fileLabel = label->text().toStdString();
  }
  const std::optional<TDiscretePrintout> printout = form_.Button1Click(mainCaption, fileLabel);
  if (!printout) return;
  TPrintTarget target;
  target.parent = this;
  target.pdfPath = printPdf_;
  PrintDiscreteSchema(*printout, target, [this](int first, int count) {
    return schema_->grab(QRect(0, first * TSchemaRow::kHeight, schema_->width(), count * TSchemaRow::kHeight))
        .toImage();
  });
  scrollBox1_->setFocus();
}

}  // namespace lur
