#pragma once
// The main window "Программатор ЛУР - 05HMI": menu, actions and toolbar,
// the device panel, the configuration counts, the module table, the editor
// buttons and the units list. A thin view over TForm1Controller: each
// handler runs the controller's operation and draws TMainState again.
#include <QMainWindow>
#include <array>
#include <functional>

#include "shell/TMainState.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace lur {

class TForm1Controller;
class TPortSettingsFlow;
class TFPSW;
class TConfig;
class TFormCompare;
class TFormScan;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(TForm1Controller& form, QWidget* parent = nullptr);
  ~TForm1() override;

  // The port and exchange settings behind APort and ANastr (their dialogs
  // are children of this window, so they come after it).
  void SetSettings(TPortSettingsFlow& settings) { settings_ = &settings; }

  // FormShow: the start-up password, then the port settings. False when the
  // user gave up at the password (the window is closed).
  bool Start();
  // Draws the controller's state.
  void Draw();

  QProgressBar* ProgressBar() const { return progressBar1_; }
  TFPSW* PasswordDialog() const { return fpsw_; }
  TConfig* ConfigDialog() const { return tconfig_; }
  TFormCompare* CompareWindow() const { return compare_; }
  // "Поиск приборов": the controllers on the bus; choosing one picks it in
  // CBoxUstr.
  TFormScan* ScanWindow() const { return scan_; }
  // True while an operation runs (a transfer holds the window).
  bool Busy() const { return busy_ > 0; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildActions();
  void BuildMenu();
  void BuildToolBar();
  QWidget* BuildDevicePanel();
  QGroupBox* BuildCounts();
  QGroupBox* BuildModuleTable();
  QGroupBox* BuildLocalNet();
  QGroupBox* BuildUnits();
  QPushButton* EditorButton(TForm1Control control, const QString& caption, QWidget* parent);
  // Runs an operation of the controller, then draws; nothing while another
  // one holds the window.
  void Run(const std::function<void()>& operation);
  void DrawControl(QWidget* widget, TForm1Control control);

  TForm1Controller& form_;
  TPortSettingsFlow* settings_ = nullptr;
  TFPSW* fpsw_;
  TConfig* tconfig_;
  TFormCompare* compare_;
  TFormScan* scan_;
  int busy_ = 0;

  QAction* aCreatFile_;
  QAction* aOpenFile_;
  QAction* aSaveFile_;
  QAction* aInPort_;
  QAction* aOutPort_;
  QAction* aPort_;
  QAction* aNastr_;
  QAction* aCompare_;
  QAction* aParol_;
  QAction* aScan_;
  QMenu* menuParol_ = nullptr;

  QComboBox* cBoxUstr_;
  QComboBox* cBoxUstrZ_;
  QLineEdit* editModif_;
  QLabel* tipModInd_;
  QLabel* stLUR_;
  QLabel* labelFile_;
  QProgressBar* progressBar1_;

  QLabel* stKVhA_;
  QLabel* stKVhD_;
  QLabel* stAllD_;
  QLabel* stKVyhS_;
  QLabel* stAllAn_;

  struct Row {
    QLabel* caption;
    QLabel* code;
    QLabel* inputs;
    QLabel* outputs;
    QPushButton* button;
  };
  std::array<Row, 8> rows_{};

  std::vector<std::pair<QPushButton*, TForm1Control>> editorButtons_;
  QGroupBox* gBoxRazm_;
  QComboBox* cBoxRazmChange_;
};

}  // namespace lur
