#pragma once
// The main window: the open tariff document, its current zone in two grids,
// and the host on which the commands of every feature folder run.
#include <QMainWindow>
#include <map>
#include <string>
#include <vector>

#include "app/StartupRules.h"
#include "core/TarifFile.h"
#include "core/UndoHistory.h"
#include "ui/Command.h"

class QAbstractButton;
class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QTableWidget;
class QTimer;
class QToolBar;

namespace dudode {

class TMain : public QMainWindow, public TCommandHost {
  Q_OBJECT
 public:
  struct TStartupOptions {
    // Tests keep the start window away whatever the settings say.
    bool AllowStartWindow = true;
    int StartWindowMilliseconds = 2600;
  };

  explicit TMain(QWidget* parent = nullptr);
  ~TMain() override;

  // The rest of the window's creation: the location rule, the settings, the
  // start window, the access password and the first Open. false when the
  // program must end (after its message).
  bool Startup(const TStartupOptions& options);

  // Runs a registered command through the one gate: nothing runs while busy
  // or while the command is disabled.
  void RunCommand(TCommandId id);
  bool Busy() const { return busy_ > 0; }

  // The command host.
  TTarifFile& Document() override { return document_; }
  bool DocumentLoaded() const override { return documentLoaded_; }
  int CurrentZone() const override;
  int HighlightedRow(TDayClass dayClass) const override;
  void SelectEntryRow(TDayClass dayClass, int row) override;
  QWidget* Window() override { return this; }
  int CurrencyBase() const override { return settings_.CurrencyBase; }
  bool KeepFileDate() const override;
  TSaveOutcome Save() override;
  bool EnsureDescription(const std::string& caption) override;
  void CloseWindow() override { close(); }
  void Apply(const TCommandResult& result) override;

  const TProgramSettings& Settings() const { return settings_; }
  void SelectZone(int index) override;
  QTableWidget* Grid(TDayClass dayClass) const;

 protected:
  void EnterBusy(const std::string& label, bool hideLists) override;
  void ShowProgress(const std::string& label, int percent) override;
  void LeaveBusy() override;

  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RegisterCommands();
  // Enables every trigger from the program's state: the one place for it.
  void UpdateCommandStates();
  void BuildMenus();
  void BuildToolBar();
  void BuildPanel();
  QAction* MenuItem(QMenu* menu, const char* name, const QString& caption, TCommandId id,
                    const QKeySequence& shortcut = {});
  void Bind(TCommandId id, QAction* action);
  void Bind(TCommandId id, QAbstractButton* button);
  QAbstractButton* ListButton(const char* name, const QString& caption, const char* hint, TCommandId id);
  void UpdateTitle();
  // Refills the zone box and the zone menu from the document, checks zone
  // current (none when it is out of range) and rebuilds the grids.
  void RebuildZoneControls(int current);
  void StoreWindowGeometry();
  void RestoreWindowGeometry();
  void RebuildGrids();
  void TarifComboBoxChange();
  // Checks the zone menu item of this zone only (-1: none).
  void CheckZoneItem(int index);
  void GridKey(QTableWidget* grid, QEvent* event, bool& handled);
  void GridPopup(QTableWidget* grid, const QPoint& pos);

  // Undo history and recovery copy: every command's effect on the document
  // is recorded here, after it ran, and nowhere else.
  TViewState View() const;
  void ShowView(const TViewState& view);
  void RecordStep(TCommandId id, const TViewState& before, const TFileStamp& stampBefore);
  TCommandResult UndoStep(bool redo);
  bool StepAvailable(TCommandId id) const;
  void ScheduleRecoveryCopy();
  void WriteRecoveryCopyNow();
  // At start-up: offers the copy a crash left. Cancelled ends the start and
  // keeps the copy for the next one.
  enum class TRecoveryAnswer { None, Restored, Cancelled };
  TRecoveryAnswer OfferRecoveryCopy();

  TTarifFile document_;
  TProgramSettings settings_;
  bool documentLoaded_ = false;
  int busy_ = 0;
  std::map<TCommandId, TCommandDef> commands_;
  std::map<TCommandId, std::vector<QObject*>> triggers_;
  std::vector<QAction*> zoneItems_;
  int checkedZone_ = -1;
  std::vector<QObject*> unhinted_;
  TUndoHistory history_;
  QTimer* recoveryTimer_ = nullptr;
  QAction* undoItem_ = nullptr;
  QAction* redoItem_ = nullptr;
  QAction* undoTool_ = nullptr;
  QAction* redoTool_ = nullptr;

  QToolBar* ToolBarTop = nullptr;
  QWidget* MainPanel = nullptr;
  QWidget* ListsArea = nullptr;
  QComboBox* TarifComboBox = nullptr;
  QComboBox* YearsComboBox = nullptr;
  QTableWidget* TarifStrGrid1 = nullptr;
  QTableWidget* TarifStrGrid2 = nullptr;
  QLabel* InfoLabel = nullptr;
  QProgressBar* Gauge = nullptr;
  QMenu* ZoneMenu = nullptr;
  QActionGroup* zoneGroup_ = nullptr;
  QAction* KeepFileDate1 = nullptr;
  QMenu* GridMenu1 = nullptr;
  QMenu* GridMenu2 = nullptr;
};

}  // namespace dudode
