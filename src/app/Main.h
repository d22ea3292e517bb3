#pragma once
// The main window: the open tariff document, its current zone in two grids,
// and every command of the editor.
#include <QMainWindow>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/DocumentQuestions.h"
#include "app/StartupRules.h"
#include "core/TarifFile.h"

class QAbstractButton;
class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QTableWidget;
class QToolBar;

namespace dudode {

struct TZoneCommandResult;

class TMain : public QMainWindow {
  Q_OBJECT
 public:
  // Every command of the menus, the tool bar, the list buttons and the grids.
  enum class TCommand {
    New,
    Open,
    Save,
    SaveAs,
    Import,
    Exit,
    NewZone,
    EditZone,
    DeleteZone,
    ReorderZones,
    Options,
    Vat,
    TenPlus,
    CheckTariffs,
    Holidays,
    Applications,
    Providers,
    ConnectionTemplates,
    PhoneTemplates,
    HelpContents,
    Info,
    AddEntry1,
    EditEntry1,
    DeleteEntry1,
    AddEntry2,
    EditEntry2,
    DeleteEntry2,
    SortAll,
    CopyOneUp,
    CopyAllUp,
    CopyOneDown,
    CopyAllDown,
  };

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

  TTarifFile& Document() { return document_; }
  const TProgramSettings& Settings() const { return settings_; }

  // The busy rule: while a long operation runs the main panel is disabled and
  // every command does nothing. Each command asks here first.
  bool CommandsReady() const;
  // A long operation: panel and tool bar disabled, hourglass; with hideLists
  // the zone box, grids and their buttons disappear meanwhile.
  void BeginLongOperation(const std::string& label, bool hideLists);
  // Shows progress and lets the window process pending events.
  void ShowProgress(const std::string& label, int percent);
  void EndLongOperation();

  // Runs a command through the busy rule; commands not built yet do nothing.
  void RunCommand(TCommand command);
  bool CommandBuilt(TCommand command) const;

  // File commands.
  void NewCommand();
  void OpenCommand();
  TSaveOutcome SaveCommand();
  void SaveAsCommand();
  void Tarifoptionen1Click();
  void InfoCommand();

  // Zone editing: one handler per command serves both lists.
  void AddEntryBtnClick(TDayClass dayClass);
  void EditEntryBtnClick(TDayClass dayClass);
  void DeleteEntryBtnClick(TDayClass dayClass);
  void CopyOneBtnClick(TDayClass target);
  void CopyAllBtnClick(TDayClass target);
  void TarifSortBtnClick();
  void NeuerTarif2Click();
  void Tarifndern2Click();
  void Tariflschen1Click();
  void Tarifzonenneuanordnen1Click();
  bool KeepFileDate() const;
  void UpdateTitle();

  // The current zone: the checked item of the zone menu; -1 for none.
  int CurrentZone() const;
  // Refills the zone box and the zone menu from the document, checks zone
  // current (none when it is out of range) and rebuilds the grids.
  void RebuildZoneControls(int current);
  void SelectZone(int index);
  void RebuildGrids();
  QTableWidget* Grid(TDayClass dayClass) const;
  // The entry a grid's selected row stands for (row n shows entry n); -1 for none.
  int SelectedEntry(TDayClass dayClass) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TCommandEntry {
    std::function<void()> Handler;  // empty until the command is built
    std::vector<QObject*> Triggers;
  };

  void BuildMenus();
  void BuildToolBar();
  void BuildPanel();
  void DefineCommands();
  void DefineZoneCommands();
  // Grid row of a list's selection, counted from 1 as the commands count.
  int SelectedRow(TDayClass dayClass) const;
  void AfterZoneCommand(const TZoneCommandResult& result);
  void EnableBuiltCommands();
  QAction* MenuItem(QMenu* menu, const char* name, const QString& caption, TCommand command,
                    const QKeySequence& shortcut = {});
  void Bind(TCommand command, QAction* action);
  void Bind(TCommand command, QAbstractButton* button);
  QAbstractButton* ListButton(const char* name, const QString& caption, const char* hint, TCommand command);
  void TarifComboBoxChange();
  // Checks the zone menu item of this zone only (-1: none).
  void CheckZoneItem(int index);
  void GridKey(QTableWidget* grid, QEvent* event, bool& handled);
  void GridPopup(QTableWidget* grid, const QPoint& pos);

  TTarifFile document_;
  TProgramSettings settings_;
  bool documentLoaded_ = false;
  std::map<TCommand, TCommandEntry> commands_;
  std::vector<QAction*> zoneItems_;
  int checkedZone_ = -1;
  std::vector<QObject*> unhinted_;

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
