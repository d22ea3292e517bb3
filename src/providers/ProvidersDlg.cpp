#include "providers/ProvidersDlg.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "providers/NewEditProvEntryDlg.h"
#include "providers/NewEditProviderDlg.h"
#include "providers/WaitForm.h"
#include "ui/DialogContract.h"

namespace dudode {
namespace {

std::size_t Side(TDayClass dayClass) {
  return dayClass == TDayClass::Werktag ? 0 : 1;
}

// The hourglass for as long as the guard lives.
struct TWaitCursor {
  TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

TProvidersDlg::TProvidersDlg(const std::string& fileName, TProviderList providers, int currencyBase,
                             QWidget* parent)
    : QDialog(parent), fileName_(fileName), editor_(std::move(providers), currencyBase) {
  LeaveEscapeToDialog(this);
  setWindowTitle(QStringLiteral("Provider bearbeiten"));
  BuildControls();
  BuildLayout();
  Display();
}

void TProvidersDlg::BuildControls() {
  ProviderBox = new QComboBox(this);
  ProviderBox->setObjectName("ProviderBox");
  ProviderBox->setMinimumContentsLength(30);
  // Typing does not change the provider; the arrow keys choose.
  ProviderBox->installEventFilter(this);
  connect(ProviderBox, &QComboBox::activated, this, [this](int index) {
    editor_.Select(index);
    Display();
  });
  FreeHoursValue = new QLabel(this);
  FreeHoursValue->setObjectName("FreeHoursValue");
  BaseAmountValue = new QLabel(this);
  BaseAmountValue->setObjectName("BaseAmountValue");
  for (QLabel* value : {FreeHoursValue, BaseAmountValue}) {
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
  }
  auto button = [this](const char* name, const QString& text, const char* hint) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    if (hint) b->setToolTip(QString::fromUtf8(hint));
    return b;
  };
  AddProvBtn = button("AddProvBtn", QStringLiteral("&Neu..."), "Fügt einen neuen\nProvider hinzu.");
  EditProvBtn = button("EditProvBtn", QStringLiteral("&Optionen..."), "Ändert den ausge-\nwählten Provider.");
  DelProvBtn = button("DelProvBtn", QStringLiteral("&Entfernen"), "Löscht ausgewählten\nProvider.");
  SortBtn = button("SortBtn", QStringLiteral("So&rtieren"), "Zeigt die Einträge neu-\nsortiert an.");
  SaveBtn = button("SaveBtn", QStringLiteral("Speichern"), nullptr);
  CancelBtn = button("CancelBtn", QStringLiteral("Abbrechen"), nullptr);
  connect(AddProvBtn, &QPushButton::clicked, this,
          [this] { Changed(editor_.AddProvider(ProviderDialogRunner(this))); });
  connect(EditProvBtn, &QPushButton::clicked, this,
          [this] { Changed(editor_.EditProvider(ProviderDialogRunner(this))); });
  connect(DelProvBtn, &QPushButton::clicked, this, [this] { Changed(editor_.DeleteProvider()); });
  connect(SortBtn, &QPushButton::clicked, this, &TProvidersDlg::SortBtnClick);
  connect(SaveBtn, &QPushButton::clicked, this, &TProvidersDlg::SaveBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TProvidersDlg::reject);

  for (TDayClass dayClass : kDayClasses) {
    const std::size_t side = Side(dayClass);
    const std::string n = std::to_string(side + 1);
    grids_[side] = BuildGrid(dayClass);
    entryButtons_[side] = {button(("AddEntry" + n + "Btn").c_str(), QStringLiteral("Hinzufügen..."),
                                  "Fügt einen Eintrag zum \naktuellen Provider hinzu."),
                           button(("EditEntry" + n + "Btn").c_str(), QStringLiteral("Ändern..."),
                                  "Ändert den ausge-\nwählten Eintrag."),
                           button(("DeleteEntry" + n + "Btn").c_str(), QStringLiteral("Löschen"),
                                  "Löscht den ausge-\nwählten Eintrag.")};
    connect(entryButtons_[side][0], &QPushButton::clicked, this, [this, dayClass] { AddEntry(dayClass); });
    connect(entryButtons_[side][1], &QPushButton::clicked, this, [this, dayClass] { EditEntry(dayClass); });
    connect(entryButtons_[side][2], &QPushButton::clicked, this, [this, dayClass] { DeleteEntry(dayClass); });
  }
}

QTableWidget* TProvidersDlg::BuildGrid(TDayClass dayClass) {
  auto* grid = new QTableWidget(1, 4, this);
  grid->setObjectName(dayClass == TDayClass::Werktag ? "ProvGrid1" : "ProvGrid2");
  const QStringList titles = {QStringLiteral("von"), QStringLiteral("bis"), QStringLiteral("Zeittakt"),
                              QStringLiteral("Gebühr")};
  grid->setHorizontalHeaderLabels(titles);
  // Wide enough for typical cells in the platform's font.
  TProviderEntry typical{8 * 3600, 17 * 3600 + 3599, 3600, 10.5};
  const TProvEntryRow row = ProvEntryRow(typical);
  const QFontMetrics metrics(grid->font());
  int width = 0;
  for (int c = 0; c < 4; ++c) {
    const int cell =
        std::max(metrics.horizontalAdvance(QString::fromStdString(row[static_cast<std::size_t>(c)])),
                 metrics.horizontalAdvance(titles[c])) +
        16;
    grid->setColumnWidth(c, cell);
    width += cell;
  }
  grid->setMinimumWidth(width + 2 * grid->frameWidth() + 4);
  grid->verticalHeader()->setVisible(false);
  grid->horizontalHeader()->setHighlightSections(false);
  grid->horizontalHeader()->setStretchLastSection(true);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setWordWrap(false);
  grid->installEventFilter(this);
  connect(grid, &QTableWidget::cellDoubleClicked, this, [this, dayClass] { EditEntry(dayClass); });
  grid->setContextMenuPolicy(Qt::ActionsContextMenu);
  const struct {
    const char* Text;
    void (TProvidersDlg::*Run)(TDayClass);
  } actions[] = {{"Hin&zufügen...", &TProvidersDlg::AddEntry},
                 {"Än&dern...", &TProvidersDlg::EditEntry},
                 {"Lö&schen", &TProvidersDlg::DeleteEntry}};
  for (const auto& a : actions) {
    auto* action = new QAction(QString::fromUtf8(a.Text), grid);
    const auto run = a.Run;
    connect(action, &QAction::triggered, this, [this, run, dayClass] { (this->*run)(dayClass); });
    grid->addAction(action);
  }
  return grid;
}

void TProvidersDlg::BuildLayout() {
  auto* top = new QGridLayout;
  auto* providerLabel = new QLabel(QStringLiteral("Provider"), this);
  providerLabel->setBuddy(ProviderBox);  // its mnemonic reaches the selector
  top->addWidget(providerLabel, 0, 0);
  top->addWidget(ProviderBox, 0, 1);
  auto* providerButtons = new QHBoxLayout;
  providerButtons->addWidget(AddProvBtn);
  providerButtons->addWidget(EditProvBtn);
  providerButtons->addWidget(DelProvBtn);
  top->addLayout(providerButtons, 0, 2);
  top->addWidget(new QLabel(QStringLiteral("Anzahl Freistunden:"), this), 1, 0);
  top->addWidget(FreeHoursValue, 1, 1);
  top->addWidget(new QLabel(QStringLiteral("Grundbetrag:"), this), 2, 0);
  top->addWidget(BaseAmountValue, 2, 1);
  top->setColumnStretch(1, 1);

  auto* lists = new QHBoxLayout;
  for (TDayClass dayClass : kDayClasses) {
    const std::size_t side = Side(dayClass);
    auto* box = new QGroupBox(dayClass == TDayClass::Werktag ? QStringLiteral("Werktag")
                                                             : QStringLiteral("Samstag/Sonntag/Feiertag"),
                              this);
    auto* column = new QVBoxLayout(box);
    column->addWidget(grids_[side]);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : entryButtons_[side]) buttons->addWidget(b);
    buttons->addStretch();
    column->addLayout(buttons);
    lists->addWidget(box);
  }

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(SortBtn);
  bottom->addStretch();
  bottom->addWidget(SaveBtn);
  bottom->addWidget(CancelBtn);
  QWidget* previous = DelProvBtn;
  for (const std::size_t side : {0u, 1u}) {
    setTabOrder(previous, grids_[side]);
    previous = grids_[side];
    for (QPushButton* b : entryButtons_[side]) {
      setTabOrder(previous, b);
      previous = b;
    }
  }
  setTabOrder(previous, SortBtn);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(lists, 1);
  layout->addLayout(bottom);
}

void TProvidersDlg::Display() {
  ProviderBox->clear();
  for (const TProvider& provider : editor_.Providers())
    ProviderBox->addItem(QString::fromStdString(provider.Name));
  ProviderBox->setCurrentIndex(editor_.Selected());
  FreeHoursValue->setText(QString::fromStdString(editor_.FreeHoursText()));
  BaseAmountValue->setText(QString::fromStdString(editor_.BaseAmountText()));
  for (TDayClass dayClass : kDayClasses) FillGrid(dayClass);
}

void TProvidersDlg::FillGrid(TDayClass dayClass) {
  QTableWidget* grid = grids_[Side(dayClass)];
  const int current = grid->currentRow();
  const std::vector<TProvEntryRow> rows = editor_.Rows(dayClass);
  grid->clearContents();
  grid->setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (int c = 0; c < 4; ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(rows[r][static_cast<std::size_t>(c)]));
      if (c >= 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid->setItem(static_cast<int>(r), c, item);
    }
  }
  if (current >= 0) grid->setCurrentCell(std::min(current, grid->rowCount() - 1), 0);
}

int TProvidersDlg::HighlightedRow(TDayClass dayClass) const {
  const QModelIndexList rows = grids_[Side(dayClass)]->selectionModel()->selectedRows();
  return rows.isEmpty() ? 0 : rows.front().row() + 1;
}

void TProvidersDlg::Changed(bool changed) {
  if (changed) Display();
}

void TProvidersDlg::AddEntry(TDayClass dayClass) {
  Changed(editor_.AddEntry(dayClass, ProvEntryDialogRunner(this)));
}

void TProvidersDlg::EditEntry(TDayClass dayClass) {
  Changed(editor_.EditEntry(dayClass, HighlightedRow(dayClass), ProvEntryDialogRunner(this)));
}

void TProvidersDlg::DeleteEntry(TDayClass dayClass) {
  Changed(editor_.DeleteEntry(dayClass, HighlightedRow(dayClass)));
}

void TProvidersDlg::SortBtnClick() {
  editor_.SortAll();
  Display();
}

TSaveOutcome TProvidersDlg::SaveBtnClick() {
  if (busy_) return TSaveOutcome::Stopped;
  // While writing, the editor takes no input: nothing can start a second
  // write or close the window under the writer.
  busy_ = true;
  std::unique_ptr<TWaitForm> wait;
  std::unique_ptr<TWaitCursor> cursor;
  const TSaveOutcome outcome = editor_.Write(
      fileName_,
      [&] {
        setEnabled(false);
        cursor = std::make_unique<TWaitCursor>();
        wait = std::make_unique<TWaitForm>(
            QStringLiteral("Bitte warten Sie bis die Providerinformationen geschrieben wurden."), this);
        wait->ShowNow();
      },
      [](int, int) { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
  wait.reset();
  cursor.reset();
  setEnabled(true);
  busy_ = false;
  if (outcome == TSaveOutcome::Saved) QDialog::accept();
  return outcome;
}

void TProvidersDlg::reject() {
  if (busy_) return;
  switch (ProviderCloseAction(editor_.Modified())) {
    case TCloseAction::Stay:
      return;
    case TCloseAction::Save:
      // A declined or failed write keeps the editor open with its changes.
      if (SaveBtnClick() != TSaveOutcome::Saved) return;
      break;
    case TCloseAction::Close:
      break;
  }
  if (isVisible()) QDialog::reject();
}

bool TProvidersDlg::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  // The selector takes no typing; choosing keys, help, leaving the field
  // and closing still work.
  if (watched == ProviderBox) {
    return key != Qt::Key_F1 && key != Qt::Key_Escape && key != Qt::Key_Tab && key != Qt::Key_Backtab &&
           !ChoosesWithoutTyping(*static_cast<QKeyEvent*>(event));
  }
  if (type != QEvent::KeyRelease) return false;
  for (TDayClass dayClass : kDayClasses) {
    if (watched != grids_[Side(dayClass)]) continue;
    if (key == Qt::Key_Insert) AddEntry(dayClass);
    if (key == Qt::Key_Delete) DeleteEntry(dayClass);
    return key == Qt::Key_Insert || key == Qt::Key_Delete;
  }
  return false;
}

}  // namespace dudode
