#include "app/Main.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPolygonF>
#include <QProgressBar>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QSizeGrip>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "app/CommandList.h"
#include "app/DocumentQuestions.h"
#include "app/FileCommands.h"
#include "app/HeapReport.h"
#include "app/PasswordEnterDlg.h"
#include "app/RegIniFile.h"
#include "app/StartWindow.h"
#include "app/StepNames.h"
#include "app/ZoneBox.h"
#include "core/Files.h"
#include "core/MessageBox.h"
#include "core/Recovery.h"
#include "core/Values.h"
#include "providers/CommandList.h"
#include "templates/CommandList.h"
#include "tools/CommandList.h"
#include "ui/DialogParts.h"
#include "ui/RunModal.h"
#include "ui/ThemeIcon.h"
#include "zones/CommandList.h"
#include "zones/TarifGrid.h"

namespace dudode {
namespace {

// A plain arrow in the text colour. The style's arrow icons come from the
// icon theme, whose search alone delayed the first window by about ten
// milliseconds.
QIcon ArrowIcon(const QWidget& widget, Qt::ArrowType arrow) {
  constexpr qreal kSide = 32;
  const qreal ratio = widget.devicePixelRatioF();
  QPixmap pixmap(QSize(kSide, kSide) * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(widget.palette().color(QPalette::ButtonText));
  // Drawn pointing up, then turned about the middle.
  painter.translate(kSide / 2, kSide / 2);
  const qreal turns[] = {0, 0, 180, -90, 90};  // none, up, down, left, right
  painter.rotate(turns[arrow]);
  painter.drawPolygon(QPolygonF({QPointF(0, -10), QPointF(11, 6), QPointF(-11, 6)}));
  return QIcon(pixmap);
}

// Hints use CR LF as line break; Qt wants LF.
QString Hint(const char* text) {
  return QString::fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Kept for a Windows build, where "I&nfo..." also goes into the system menu.
[[maybe_unused]] constexpr int kInfoCommandId = 100;

const char* const kAddEntryHint = "Fügt einen Tarif, in die\r\ngewählte Tarifzone, hinzu.";
const char* const kEditEntryHint = "Ändert den ausge-\r\nwählten Tarif.";
const char* const kDeleteEntryHint = "Löscht den ausge-\r\nwählten Tarif.";
const char* const kGeometryKey = "WindowGeometry";
const char* const kUndoCaption = "&Rückgängig";
const char* const kRedoCaption = "&Wiederherstellen";
// A change reaches the recovery copy within this time.
constexpr int kRecoveryDelayMs = 1000;

// "&Rückgängig: Tarif löschen"; the bare caption when there is no step.
QString StepCaption(const char* caption, const std::string& step) {
  QString text = QString::fromUtf8(caption);
  if (!step.empty()) text += QStringLiteral(": ") + QString::fromStdString(step);
  return text;
}

// What the editor remembers for itself lives in a settings file of its own:
// the counter's settings are only read.
std::unique_ptr<QSettings> EditorSettings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                     QStringLiteral("Vizorazod Software"), QStringLiteral("Dudode-Editor"));
}

}  // namespace

TMain::TMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Main");
  setWindowTitle(QString::fromLatin1(kEditorCaption));
  RegisterCommands();
  recoveryTimer_ = new QTimer(this);
  recoveryTimer_->setSingleShot(true);
  recoveryTimer_->setInterval(kRecoveryDelayMs);
  connect(recoveryTimer_, &QTimer::timeout, this, [this] { WriteRecoveryCopyNow(); });
  BuildPanel();
  BuildMenus();
  BuildToolBar();
  UpdateCommandStates();
  // Room for every tool bar command and a whole grid row; a size the user
  // chose comes back from the settings at start-up.
  resize(1000, 640);
  setMinimumSize(608, 480);
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

TMain::~TMain() = default;

// ---------------------------------------------------------------- building

void TMain::BuildPanel() {
  MainPanel = new QWidget(this);
  MainPanel->setObjectName("MainPanel");
  MainPanel->setFocusPolicy(Qt::StrongFocus);
  setCentralWidget(MainPanel);

  ListsArea = new QWidget(MainPanel);
  ListsArea->setObjectName("ListsArea");

  auto* zoneLabel = new QLabel(QStringLiteral("Tarifzone"), ListsArea);
  TarifComboBox = new TZoneBox(ListsArea);
  TarifComboBox->setObjectName("TarifComboBox");
  TarifComboBox->setMinimumContentsLength(30);
  zoneLabel->setBuddy(TarifComboBox);
  connect(TarifComboBox, &QComboBox::currentIndexChanged, this, [this] { TarifComboBoxChange(); });
  YearsComboBox = new QComboBox(ListsArea);
  YearsComboBox->setObjectName("YearsComboBox");
  YearsComboBox->setEnabled(false);
  YearsComboBox->setVisible(false);  // it stands on the window but has no function

  TarifStrGrid1 = new QTableWidget(ListsArea);
  TarifStrGrid1->setObjectName("TarifStrGrid1");
  TarifStrGrid2 = new QTableWidget(ListsArea);
  TarifStrGrid2->setObjectName("TarifStrGrid2");
  for (QTableWidget* grid : {TarifStrGrid1, TarifStrGrid2}) {
    SetupTarifGrid(*grid);
    grid->installEventFilter(this);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this,
            [this, grid](const QPoint& pos) { GridPopup(grid, pos); });
  }
  connect(TarifStrGrid1, &QTableWidget::cellDoubleClicked, this,
          [this] { RunCommand(TCommandId::EditEntry1); });
  connect(TarifStrGrid2, &QTableWidget::cellDoubleClicked, this,
          [this] { RunCommand(TCommandId::EditEntry2); });

  auto* zoneRow = new QHBoxLayout;
  zoneRow->addWidget(zoneLabel);
  zoneRow->addWidget(TarifComboBox, 1);
  zoneRow->addWidget(YearsComboBox);

  auto* buttons1 = new QVBoxLayout;
  buttons1->addWidget(ListButton("AddEntry1Btn", QStringLiteral("+"), kAddEntryHint, TCommandId::AddEntry1));
  buttons1->addWidget(
      ListButton("EditEntry1Btn", QStringLiteral("\u270E"), kEditEntryHint, TCommandId::EditEntry1));
  buttons1->addWidget(
      ListButton("DeleteEntry1Btn", QStringLiteral("\u2212"), kDeleteEntryHint, TCommandId::DeleteEntry1));
  buttons1->addStretch();
  auto* upper = new QHBoxLayout;
  upper->addWidget(TarifStrGrid1, 1);
  upper->addLayout(buttons1);

  auto* copyRow = new QHBoxLayout;
  const QIcon upArrow = ArrowIcon(*this, Qt::UpArrow);
  const QIcon downArrow = ArrowIcon(*this, Qt::DownArrow);
  auto copyButton = [this, &copyRow](const char* name, const char* caption, const char* hint, TCommandId id,
                                     const QIcon& arrow) {
    QAbstractButton* button = ListButton(name, QString::fromUtf8(caption), hint, id);
    button->setIcon(arrow);
    static_cast<QToolButton*>(button)->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    copyRow->addWidget(button);
  };
  copyRow->addStretch();
  copyButton("OneUpBtn", "Einzeln",
             "Kopiert einen Tarif aus\r\n\"Samstag / Sonntag / Feiertag\"\r\nin \"Werktag\".",
             TCommandId::CopyOneUp, upArrow);
  copyButton("AllUpBtn", "Alle",
             "Kopiert alle Tarife aus\r\n\"Samstag / Sonntag / Feiertag\"\r\nin \"Werktag\".",
             TCommandId::CopyAllUp, upArrow);
  copyRow->addSpacing(24);
  copyButton("OneDownBtn", "Einzeln",
             "Kopiert einen Tarif aus \"Werktag\" \r\nin \"Samstag / Sonntag / Feiertag\".",
             TCommandId::CopyOneDown, downArrow);
  copyButton("AllDownBtn", "Alle",
             "Kopiert alle Tarife aus \"Werktag\" \r\nin \"Samstag / Sonntag / Feiertag\".",
             TCommandId::CopyAllDown, downArrow);
  copyRow->addStretch();

  auto* buttons2 = new QVBoxLayout;
  buttons2->addWidget(ListButton("AddEntry2Btn", QStringLiteral("+"), kAddEntryHint, TCommandId::AddEntry2));
  buttons2->addWidget(
      ListButton("EditEntry2Btn", QStringLiteral("\u270E"), kEditEntryHint, TCommandId::EditEntry2));
  buttons2->addWidget(
      ListButton("DeleteEntry2Btn", QStringLiteral("\u2212"), kDeleteEntryHint, TCommandId::DeleteEntry2));
  buttons2->addWidget(ListButton("TarifSortBtn", QStringLiteral("\u21C5"),
                                 "Zeigt Tarife neu-\r\nsortiert an.", TCommandId::SortAll));
  buttons2->addStretch();
  auto* lower = new QHBoxLayout;
  lower->addWidget(TarifStrGrid2, 1);
  lower->addLayout(buttons2);

  auto* lists = new QVBoxLayout(ListsArea);
  lists->setContentsMargins(0, 0, 0, 0);
  lists->addLayout(zoneRow);
  lists->addWidget(new QLabel(QStringLiteral("Werktag"), ListsArea));
  lists->addLayout(upper, 1);
  lists->addLayout(copyRow);
  lists->addWidget(new QLabel(QStringLiteral("Sa. / So. / Feiertag"), ListsArea));
  lists->addLayout(lower, 1);

  InfoLabel = new QLabel(MainPanel);
  InfoLabel->setObjectName("InfoLabel");
  Gauge = new QProgressBar(MainPanel);
  Gauge->setObjectName("Gauge");
  Gauge->setRange(0, 100);
  Gauge->setValue(0);
  Gauge->setFixedWidth(160);
  auto* grip = new QSizeGrip(MainPanel);
  grip->setObjectName("SizeGrip");
  auto* status = new QHBoxLayout;
  status->addWidget(InfoLabel, 1);
  status->addWidget(Gauge);
  status->addWidget(grip, 0, Qt::AlignBottom | Qt::AlignRight);

  auto* layout = new QVBoxLayout(MainPanel);
  layout->setContentsMargins(6, 4, 2, 2);
  layout->addWidget(ListsArea, 1);
  layout->addLayout(status);
}

QAbstractButton* TMain::ListButton(const char* name, const QString& caption, const char* hint,
                                   TCommandId id) {
  auto* button = new QToolButton(ListsArea);
  button->setObjectName(name);
  button->setText(caption);
  button->setToolTip(Hint(hint));
  button->setAutoRaise(true);
  ShowFocusFrame(button);
  button->setMinimumWidth(28);
  Bind(id, button);
  return button;
}

QAction* TMain::MenuItem(QMenu* menu, const char* name, const QString& caption, TCommandId id,
                         const QKeySequence& shortcut) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  Bind(id, action);
  return action;
}

void TMain::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
  file->setObjectName("FileMenu");
  MenuItem(file, "Neu1", QStringLiteral("&Neu"), TCommandId::New, QKeySequence(Qt::CTRL | Qt::Key_N));
  MenuItem(file, "Oeffnen1", QStringLiteral("Ö&ffnen..."), TCommandId::Open,
           QKeySequence(Qt::CTRL | Qt::Key_O));
  MenuItem(file, "Speichern1", QStringLiteral("&Speichern..."), TCommandId::Save,
           QKeySequence(Qt::CTRL | Qt::Key_S));
  MenuItem(file, "SpeichernUnter1", QStringLiteral("Speichern &unter..."), TCommandId::SaveAs);
  file->addSeparator();
  MenuItem(file, "Import1", QStringLiteral("&Import..."), TCommandId::Import,
           QKeySequence(Qt::CTRL | Qt::Key_I));
  file->addSeparator();
  KeepFileDate1 = file->addAction(QStringLiteral("Aktualisierungs&datum nicht ändern"));
  KeepFileDate1->setObjectName("KeepFileDate1");
  KeepFileDate1->setCheckable(true);
  KeepFileDate1->setChecked(false);
  connect(KeepFileDate1, &QAction::triggered, this, [this](bool checked) {
    // It only toggles its own mark, and not even that while a save runs.
    if (Busy()) KeepFileDate1->setChecked(!checked);
  });
  file->addSeparator();
  MenuItem(file, "Beenden1", QStringLiteral("&Beenden"), TCommandId::Exit,
           QKeySequence(Qt::ALT | Qt::Key_F4));

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
  edit->setObjectName("EditMenu");
  undoItem_ = MenuItem(edit, "Rueckgaengig1", QString::fromUtf8(kUndoCaption), TCommandId::Undo,
                       QKeySequence(Qt::CTRL | Qt::Key_Z));
  redoItem_ = MenuItem(edit, "Wiederherstellen1", QString::fromUtf8(kRedoCaption), TCommandId::Redo);
  redoItem_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  edit->addSeparator();
  MenuItem(edit, "NeueTarifzone1", QStringLiteral("&Neue Tarifzone..."), TCommandId::NewZone,
           QKeySequence(Qt::Key_F2));
  MenuItem(edit, "TarifzoneAendern1", QStringLiteral("Tarifzonenname und Optionen än&dern..."),
           TCommandId::EditZone, QKeySequence(Qt::Key_F3));
  MenuItem(edit, "TarifzoneLoeschen1", QStringLiteral("Tarifzone &löschen"), TCommandId::DeleteZone,
           QKeySequence(Qt::Key_F4));
  edit->addSeparator();
  MenuItem(edit, "TarifzonenAnordnen1", QStringLiteral("Tarifzonen neu &anordnen..."),
           TCommandId::ReorderZones, QKeySequence(Qt::Key_F5));
  edit->addSeparator();
  MenuItem(edit, "Tarifoptionen1", QStringLiteral("&Optionen der Tarifdatei anpassen..."),
           TCommandId::Options, QKeySequence(Qt::Key_F10));
  edit->addSeparator();
  MenuItem(edit, "Umsatzsteuer1", QStringLiteral("&Umsatzsteueranpassung..."), TCommandId::Vat,
           QKeySequence(Qt::Key_F6));
  edit->addSeparator();
  MenuItem(edit, "Rabatt10plus1", QStringLiteral("&10plus Rabatt zuweisen..."), TCommandId::TenPlus,
           QKeySequence(Qt::Key_F7));
  edit->addSeparator();
  MenuItem(edit, "Tarifeberprfen1", QStringLiteral("&Tarife überprüfen"), TCommandId::CheckTariffs,
           QKeySequence(Qt::Key_F9));
  MenuItem(edit, "Tarifabdeckung1", QStringLiteral("Tarifa&bdeckung..."), TCommandId::Coverage);
  MenuItem(edit, "Plausibilitaet1", QStringLiteral("&Plausibilität prüfen..."), TCommandId::Lint);

  ZoneMenu = menuBar()->addMenu(QStringLiteral("Tarif&zonen"));
  ZoneMenu->setObjectName("ZoneMenu");
  zoneGroup_ = new QActionGroup(this);
  zoneGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);

  QMenu* holidays = menuBar()->addMenu(QStringLiteral("&Feiertage"));
  holidays->setObjectName("HolidayMenu");
  MenuItem(holidays, "Feiertage1", QStringLiteral("&Bearbeiten..."), TCommandId::Holidays,
           QKeySequence(Qt::CTRL | Qt::Key_F));
  QMenu* apps = menuBar()->addMenu(QStringLiteral("An&wendungen"));
  apps->setObjectName("ApplicationMenu");
  MenuItem(apps, "Anwendungen1", QStringLiteral("&Bearbeiten..."), TCommandId::Applications,
           QKeySequence(Qt::CTRL | Qt::Key_A));
  QMenu* providers = menuBar()->addMenu(QStringLiteral("&Provider"));
  providers->setObjectName("ProviderMenu");
  MenuItem(providers, "Provider1", QStringLiteral("&Bearbeiten..."), TCommandId::Providers,
           QKeySequence(Qt::CTRL | Qt::Key_P));
  QMenu* templates = menuBar()->addMenu(QStringLiteral("Verbindungs&vorlagen"));
  templates->setObjectName("TemplateMenu");
  MenuItem(templates, "Providervorlagen1", QStringLiteral("&Providervorlagen bearbeiten..."),
           TCommandId::ConnectionTemplates);
  MenuItem(templates, "Telefonievorlagen1", QStringLiteral("&Telefonievorlagen bearbeiten..."),
           TCommandId::PhoneTemplates);
  QMenu* help = menuBar()->addMenu(QStringLiteral("&?"));
  help->setObjectName("HelpMenu");
  MenuItem(help, "Inhalt1", QStringLiteral("&Inhalt..."), TCommandId::HelpContents);
  help->addSeparator();
  MenuItem(help, "Info1", QStringLiteral("I&nfo..."), TCommandId::Info);

  // The grids' pop-up menus.
  GridMenu1 = new QMenu(this);
  GridMenu1->setObjectName("GridMenu1");
  MenuItem(GridMenu1, "AddEntryItem1", QStringLiteral("Hin&zufügen..."), TCommandId::AddEntry1);
  MenuItem(GridMenu1, "EditEntryItem1", QStringLiteral("Än&dern..."), TCommandId::EditEntry1);
  MenuItem(GridMenu1, "DeleteEntryItem1", QStringLiteral("Lö&schen"), TCommandId::DeleteEntry1);
  GridMenu2 = new QMenu(this);
  GridMenu2->setObjectName("GridMenu2");
  MenuItem(GridMenu2, "AddEntryItem2", QStringLiteral("Hin&zufügen..."), TCommandId::AddEntry2);
  MenuItem(GridMenu2, "EditEntryItem2", QStringLiteral("Än&dern..."), TCommandId::EditEntry2);
  MenuItem(GridMenu2, "DeleteEntryItem2", QStringLiteral("Lö&schen..."), TCommandId::DeleteEntry2);
}

void TMain::BuildToolBar() {
  ToolBarTop = new QToolBar(QStringLiteral("ToolBarTop"), this);
  ToolBarTop->setObjectName("ToolBarTop");
  ToolBarTop->setMovable(false);
  ToolBarTop->setFloatable(false);
  ToolBarTop->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  ToolBarTop->toggleViewAction()->setVisible(false);
  addToolBar(Qt::TopToolBarArea, ToolBarTop);
  auto button = [this](const char* name, const char* caption, const char* hint, TCommandId id,
                       const char* icon) -> QAction* {
    // The platform's icon theme first, the program's own icons where it has none.
    const QString iconName = QString::fromLatin1(icon);
    QAction* action = ToolBarTop->addAction(
        ThemeIcon(
            iconName,
            [iconName] { return QIcon(QStringLiteral(":/icons/") + iconName + QStringLiteral(".png")); }),
        QString::fromUtf8(caption));
    action->setObjectName(name);
    Bind(id, action);
    if (hint) {
      action->setToolTip(Hint(hint));
    } else {
      // Qt would show the caption as hint; these buttons have none.
      ToolBarTop->widgetForAction(action)->installEventFilter(this);
      unhinted_.push_back(ToolBarTop->widgetForAction(action));
    }
    return action;
  };
  button("ExitToolBtn", "Beenden", nullptr, TCommandId::Exit, "application-exit");
  button("SaveToolBtn", "Speichern", nullptr, TCommandId::Save, "document-save");
  ToolBarTop->addSeparator();
  undoTool_ = button("UndoToolBtn", "Rückgängig", "", TCommandId::Undo, "edit-undo");
  redoTool_ = button("RedoToolBtn", "Wiederherstellen", "", TCommandId::Redo, "edit-redo");
  // Icons only, so that the bar keeps room for every other command.
  for (QAction* action : {undoTool_, redoTool_}) {
    static_cast<QToolButton*>(ToolBarTop->widgetForAction(action))
        ->setToolButtonStyle(Qt::ToolButtonIconOnly);
  }
  // The style's arrows where the icon theme has no undo icons.
  auto arrow = [window = QPointer<QWidget>(this)](Qt::ArrowType direction) {
    return [window, direction] { return window ? ArrowIcon(*window, direction) : QIcon(); };
  };
  undoTool_->setIcon(ThemeIcon(QStringLiteral("edit-undo"), arrow(Qt::LeftArrow)));
  redoTool_->setIcon(ThemeIcon(QStringLiteral("edit-redo"), arrow(Qt::RightArrow)));
  ToolBarTop->addSeparator();
  button("ReorderToolBtn", "Tarifzonen neu anordnen", "Ordnet die Tarif-\r\nzonen neu an.",
         TCommandId::ReorderZones, "view-sort-ascending");
  button("NewZoneToolBtn", "Neue Tarifzone", "Erstellt eine neue\r\nTarifzone.", TCommandId::NewZone,
         "list-add");
  button("EditZoneToolBtn", "Tarif ändern",
         "Ändert den Namen\r\nund die Optionen der \r\ngewählten Tarifzone.", TCommandId::EditZone,
         "document-properties");
  button("DeleteZoneToolBtn", "Tarifzone löschen", "Löscht die gewählte\r\nTarifzone.",
         TCommandId::DeleteZone, "edit-delete");
  button("CheckToolBtn", "Tarife überprüfen",
         "Überprüft die Tarife \r\nder gewählten Tarifzone\r\nauf Vollständigkeit.", TCommandId::CheckTariffs,
         "dialog-ok");
  ToolBarTop->addSeparator();
  button("HelpToolBtn", "  Hilfe  ", nullptr, TCommandId::HelpContents, "help-contents");
}

// ---------------------------------------------------------------- commands

void TMain::RegisterCommands() {
  for (auto list :
       {AppCommandList, ZonesCommandList, ToolsCommandList, ProvidersCommandList, TemplatesCommandList}) {
    for (TCommandDef& def : list()) commands_[def.Id] = std::move(def);
  }
  commands_[TCommandId::Undo] = {TCommandId::Undo, [this](TCommandHost&) { return UndoStep(false); }};
  commands_[TCommandId::Redo] = {TCommandId::Redo, [this](TCommandHost&) { return UndoStep(true); }};
}

void TMain::UpdateCommandStates() {
  const TCommandState state{Busy(), documentLoaded_};
  for (auto& [id, triggers] : triggers_) {
    const auto it = commands_.find(id);
    const bool enabled = it != commands_.end() && CommandEnabled(it->second, state) && StepAvailable(id);
    for (QObject* trigger : triggers) {
      if (auto* action = qobject_cast<QAction*>(trigger)) action->setEnabled(enabled);
      if (auto* button = qobject_cast<QAbstractButton*>(trigger)) button->setEnabled(enabled);
    }
  }
  undoItem_->setText(StepCaption(kUndoCaption, history_.UndoName()));
  redoItem_->setText(StepCaption(kRedoCaption, history_.RedoName()));
  undoTool_->setToolTip(StepCaption(kUndoCaption, history_.UndoName()).remove(QLatin1Char('&')));
  redoTool_->setToolTip(StepCaption(kRedoCaption, history_.RedoName()).remove(QLatin1Char('&')));
}

bool TMain::StepAvailable(TCommandId id) const {
  if (id == TCommandId::Undo) return history_.CanUndo();
  if (id == TCommandId::Redo) return history_.CanRedo();
  return true;
}

void TMain::Bind(TCommandId id, QAction* action) {
  triggers_[id].push_back(action);
  connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
}

void TMain::Bind(TCommandId id, QAbstractButton* button) {
  triggers_[id].push_back(button);
  connect(button, &QAbstractButton::clicked, this, [this, id] { RunCommand(id); });
}

void TMain::RunCommand(TCommandId id) {
  const auto it = commands_.find(id);
  if (it == commands_.end() || !CommandEnabled(it->second, {Busy(), documentLoaded_}) || !StepAvailable(id)) {
    return;
  }
  const TViewState before = View();
  const TFileStamp stampBefore = document_.LoadedStamp;
  Apply(it->second.Run(*this));
  RecordStep(id, before, stampBefore);
}

void TMain::Apply(const TCommandResult& result) {
  if (result.DocumentLoaded) {
    documentLoaded_ = true;
    history_.Reset(document_);
    ScheduleRecoveryCopy();
  }
  if (result.ZonesChanged) {
    RebuildZoneControls(result.CurrentZone);
  } else if (result.GridsChanged) {
    RebuildGrids();
  }
  if (result.TitleChanged) UpdateTitle();
  UpdateCommandStates();
}

void TMain::EnterBusy(const std::string& label, bool hideLists) {
  if (busy_++ == 0) {
    Gauge->setValue(0);
    MainPanel->setEnabled(false);
    ToolBarTop->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    UpdateCommandStates();
  }
  InfoLabel->setText(QString::fromStdString(label));
  if (hideLists) ListsArea->hide();
}

void TMain::ShowProgress(const std::string& label, int percent) {
  InfoLabel->setText(QString::fromStdString(label));
  Gauge->setValue(percent);
  QCoreApplication::processEvents();
}

void TMain::LeaveBusy() {
  if (--busy_ > 0) return;
  ListsArea->show();
  MainPanel->setEnabled(true);
  ToolBarTop->setEnabled(true);
  QApplication::restoreOverrideCursor();
  InfoLabel->clear();
  RebuildGrids();
  UpdateCommandStates();
}

bool TMain::KeepFileDate() const {
  return KeepFileDate1->isChecked();
}

void TMain::UpdateTitle() {
  setWindowTitle(QString::fromStdString(EditorWindowTitle(document_)));
}

TSaveOutcome TMain::Save() {
  if (Busy()) return TSaveOutcome::Stopped;
  const TSaveOutcome outcome = SaveDocument(*this);
  if (outcome == TSaveOutcome::Saved) {
    history_.MarkSaved(document_);
    recoveryTimer_->stop();
    RemoveRecoveryCopy();
  }
  UpdateTitle();
  return outcome;
}

bool TMain::EnsureDescription(const std::string& caption) {
  const bool named = NameDocument(*this, caption);
  UpdateTitle();
  return named;
}

// ---------------------------------------------------------------- zones and grids

int TMain::CurrentZone() const {
  for (std::size_t i = 0; i < zoneItems_.size(); ++i) {
    if (zoneItems_[i]->isChecked()) return static_cast<int>(i);
  }
  return -1;
}

void TMain::RebuildZoneControls(int current) {
  {
    const QSignalBlocker block(TarifComboBox);
    TarifComboBox->clear();
    for (QAction* item : zoneItems_) {
      // The item may be the one whose click led here.
      zoneGroup_->removeAction(item);
      ZoneMenu->removeAction(item);
      item->setObjectName(QString());
      item->deleteLater();
    }
    zoneItems_.clear();
    for (std::size_t i = 0; i < document_.Zones.size(); ++i) {
      const QString caption = QString::fromStdString(document_.Zones[i].MenuCaption());
      QAction* item = ZoneMenu->addAction(caption);
      item->setObjectName(QStringLiteral("ZoneItem%1").arg(i));
      item->setCheckable(true);
      zoneGroup_->addAction(item);
      const int index = static_cast<int>(i);
      connect(item, &QAction::triggered, this, [this, index] {
        // A click toggles the mark at once; while busy the old mark comes back.
        if (!Busy()) {
          SelectZone(index);
        } else {
          CheckZoneItem(checkedZone_);
        }
      });
      zoneItems_.push_back(item);
      TarifComboBox->addItem(QString::fromStdString(RemoveAmpersand(document_.Zones[i].MenuCaption())));
    }
    const bool valid = current >= 0 && current < static_cast<int>(zoneItems_.size());
    CheckZoneItem(valid ? current : -1);
    TarifComboBox->setCurrentIndex(valid ? current : -1);
  }
  for (TDayClass dayClass : kDayClasses) ClearGridHighlight(*Grid(dayClass));
  RebuildGrids();
}

void TMain::CheckZoneItem(int index) {
  for (std::size_t i = 0; i < zoneItems_.size(); ++i) zoneItems_[i]->setChecked(static_cast<int>(i) == index);
  checkedZone_ = index;
}

void TMain::SelectZone(int index) {
  if (Busy()) return;
  if (index == -1) index = 0;
  const bool valid = index >= 0 && index < static_cast<int>(zoneItems_.size());
  CheckZoneItem(valid ? index : -1);
  if (valid) {
    const QSignalBlocker block(TarifComboBox);
    TarifComboBox->setCurrentIndex(index);
  }
  // Rows of another zone mean nothing here.
  for (TDayClass dayClass : kDayClasses) ClearGridHighlight(*Grid(dayClass));
  RebuildGrids();
  MainPanel->setFocus();
}

void TMain::TarifComboBoxChange() {
  // The box cannot be typed into, so its text is always one of its items.
  const int index = TarifComboBox->currentIndex();
  if (index >= 0) SelectZone(index);
}

void TMain::RebuildGrids() {
  if (TarifComboBox->count() > 0 && TarifComboBox->currentText().isEmpty()) {
    {
      const QSignalBlocker block(TarifComboBox);
      TarifComboBox->setCurrentIndex(0);
    }
    TarifComboBoxChange();
    if (!Busy()) return;  // the change rebuilt the grids
  }
  const int zone = CurrentZone();
  const bool shown =
      zone >= 0 && zone < static_cast<int>(document_.Zones.size()) && !TarifComboBox->currentText().isEmpty();
  for (TDayClass dayClass : kDayClasses) {
    FillTarifGrid(*Grid(dayClass), shown ? &document_.Zones[zone].Entries(dayClass) : nullptr);
  }
}

QTableWidget* TMain::Grid(TDayClass dayClass) const {
  return dayClass == TDayClass::Werktag ? TarifStrGrid1 : TarifStrGrid2;
}

int TMain::HighlightedRow(TDayClass dayClass) const {
  return HighlightedGridRow(*Grid(dayClass));
}

void TMain::SelectEntryRow(TDayClass dayClass, int row) {
  QTableWidget* grid = Grid(dayClass);
  if (row < 1 || row > grid->rowCount()) return;
  grid->setCurrentCell(row - 1, 0);
  grid->setFocus();
}

void TMain::GridPopup(QTableWidget* grid, const QPoint& pos) {
  QMenu* menu = grid == TarifStrGrid1 ? GridMenu1 : GridMenu2;
  menu->popup(grid->viewport()->mapToGlobal(pos));
}

void TMain::GridKey(QTableWidget* grid, QEvent* event, bool& handled) {
  auto* key = static_cast<QKeyEvent*>(event);
  const bool upper = grid == TarifStrGrid1;
  constexpr Qt::KeyboardModifiers kHeapKeys = Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;
  if (event->type() == QEvent::KeyPress && key->key() == Qt::Key_M &&
      (key->modifiers() & (kHeapKeys | Qt::MetaModifier)) == kHeapKeys) {
    ShowHeapReport();
    handled = true;
    return;
  }
  if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat() && key->modifiers() == Qt::NoModifier) {
    if (key->key() == Qt::Key_Insert) {
      RunCommand(upper ? TCommandId::AddEntry1 : TCommandId::AddEntry2);
      handled = true;
    } else if (key->key() == Qt::Key_Delete) {
      RunCommand(upper ? TCommandId::DeleteEntry1 : TCommandId::DeleteEntry2);
      handled = true;
    }
  }
}

// ---------------------------------------------------------------- window events

bool TMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip &&
      std::find(unhinted_.begin(), unhinted_.end(), watched) != unhinted_.end()) {
    return true;
  }
  if ((watched == TarifStrGrid1 || watched == TarifStrGrid2) &&
      (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
    bool handled = false;
    GridKey(static_cast<QTableWidget*>(watched), event, handled);
    return handled;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMain::closeEvent(QCloseEvent* event) {
  if (CloseQuery(document_, Busy(), [this] { return Save(); })) {
    StoreWindowGeometry();
    recoveryTimer_->stop();
    RemoveRecoveryCopy();  // a clean end: nothing is left to recover
    event->accept();
  } else {
    event->ignore();
  }
}

void TMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  TarifStrGrid1->viewport()->update();
}

// ---------------------------------------------------------------- start-up

// The window's size and place between runs.
void TMain::StoreWindowGeometry() {
  EditorSettings()->setValue(QString::fromLatin1(kGeometryKey), saveGeometry());
}

void TMain::RestoreWindowGeometry() {
  const QByteArray stored = EditorSettings()->value(QString::fromLatin1(kGeometryKey)).toByteArray();
  if (!stored.isEmpty()) restoreGeometry(stored);
}

bool TMain::Startup(const TStartupOptions& options) {
  if (IsFileSystemRoot(ProgramDirectory())) {
    ShowMessageBox(kDriveRootText, "", mkFehler, mbOK);
    return false;
  }
  settings_ = ReadProgramSettings();
  RestoreWindowGeometry();
  std::unique_ptr<TStartWindow> start;
  if (settings_.ShowStartWindow && options.AllowStartWindow) {
    start = std::make_unique<TStartWindow>(options.StartWindowMilliseconds);
    start->ShowStart();
    QCoreApplication::processEvents();
  }
  document_.Price = 0.12;
  if (start) start->CloseWhenDue();
  start.reset();

  if (settings_.EditorProtected()) {
    TPasswordEnterDlg dlg;
    if (RunModal(dlg) != QDialog::Accepted || dlg.Password() != settings_.Password) {
      ShowMessageBox(kWrongPasswordText, kWrongPasswordCaption, mkFehler, mbOK);
      return false;
    }
  }
  switch (OfferRecoveryCopy()) {
    case TRecoveryAnswer::Restored:
      return true;
    case TRecoveryAnswer::Cancelled:
      return false;  // the copy stays for the next start
    case TRecoveryAnswer::None:
      break;
  }
  RunCommand(TCommandId::Open);
  return true;
}

// ---------------------------------------------------------------- undo and recovery

TViewState TMain::View() const {
  return {CurrentZone(), HighlightedRow(TDayClass::Werktag), HighlightedRow(TDayClass::SaSo)};
}

void TMain::ShowView(const TViewState& view) {
  RebuildZoneControls(view.Zone);
  if (view.Row2 > 0) SelectEntryRow(TDayClass::SaSo, view.Row2);
  if (view.Row1 > 0) SelectEntryRow(TDayClass::Werktag, view.Row1);
}

void TMain::RecordStep(TCommandId id, const TViewState& before, const TFileStamp& stampBefore) {
  if (!documentLoaded_) return;
  const std::string name = StepName(id);
  const bool changed = name.empty() ? history_.Fold(document_)
                                    : history_.Record(document_, name, before, View(),
                                                      !(document_.LoadedStamp == stampBefore));
  if (changed) ScheduleRecoveryCopy();
  UpdateCommandStates();
}

TCommandResult TMain::UndoStep(bool redo) {
  const TViewState view = redo ? history_.Redo(document_) : history_.Undo(document_);
  ShowView(view);
  ScheduleRecoveryCopy();
  return TCommandResult::Title();
}

void TMain::ScheduleRecoveryCopy() {
  if (!recoveryTimer_->isActive()) recoveryTimer_->start();
}

void TMain::WriteRecoveryCopyNow() {
  // A long operation may be half-way through the document.
  if (Busy()) {
    recoveryTimer_->start();
    return;
  }
  if (!documentLoaded_ || !document_.Modified) {
    RemoveRecoveryCopy();
    return;
  }
  std::string error;
  if (!WriteRecoveryCopy(document_, ProgramDirectory(), &error)) {
    InfoLabel->setText(QStringLiteral("Die Sicherungskopie konnte nicht geschrieben werden: ") +
                       QString::fromStdString(error));
  }
}

TMain::TRecoveryAnswer TMain::OfferRecoveryCopy() {
  TRecoveryCopy copy;
  // A copy of another program directory waits for a start on that one.
  if (!ReadRecoveryCopy(copy) || copy.Directory != ProgramDirectory()) return TRecoveryAnswer::None;
  // Escape must not throw the changes away: it cancels the start instead.
  switch (ShowMessageBox(RecoveryQuestion(copy), kEditorCaption, mkFrage, mbYesNoCancel)) {
    case idYes:
      break;
    case idNo:
      RemoveRecoveryCopy();
      return TRecoveryAnswer::None;
    default:
      return TRecoveryAnswer::Cancelled;
  }
  document_ = std::move(copy.Document);
  TCommandResult loaded = TCommandResult::Zones(document_.Zones.empty() ? -1 : 0);
  loaded.DocumentLoaded = loaded.TitleChanged = true;
  Apply(loaded);
  return TRecoveryAnswer::Restored;
}

}  // namespace dudode
