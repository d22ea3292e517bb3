#include "app/OpenDlg.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/MessageBox.h"
#include "ui/DialogContract.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"

namespace dudode {

TOpenDlg::TOpenDlg(const std::string& currentFileName, QWidget* parent)
    : QDialog(parent), currentFileName_(currentFileName) {
  LeaveEscapeToDialog(this);
  setWindowTitle(QStringLiteral("Tarifdatei öffnen"));
  auto* listLabel = new QLabel(QStringLiteral("vorhandene Tarifdateien:"), this);
  OpenListBox = new QListWidget(this);
  OpenListBox->setObjectName("OpenListBox");
  OpenListBox->setSelectionMode(QAbstractItemView::SingleSelection);
  OpenListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  listLabel->setBuddy(OpenListBox);
  QuickSearchEdit = new QLineEdit(this);
  QuickSearchEdit->setObjectName("QuickSearchEdit");
  InfoLabel = new QLabel(this);
  InfoLabel->setObjectName("InfoLabel");
  OpenBtn = Named<QPushButton>(this, "OpenBtn", QStringLiteral("Öffnen"));
  SetConfirmButton(this, OpenBtn);
  CancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
  DeleteBtn = Named<QPushButton>(this, "DeleteBtn", QStringLiteral("Löschen"));

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(OpenBtn);
  buttons->addWidget(CancelBtn);
  buttons->addSpacing(12);
  buttons->addWidget(DeleteBtn);
  buttons->addStretch();
  auto* left = new QVBoxLayout;
  left->addWidget(listLabel);
  left->addWidget(OpenListBox);
  left->addWidget(QuickSearchEdit);
  left->addWidget(InfoLabel);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(buttons);
  resize(460, 320);

  connect(OpenBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(DeleteBtn, &QPushButton::clicked, this, &TOpenDlg::DeleteBtnClick);
  // Clicks and the arrow keys both select a line.
  connect(OpenListBox, &QListWidget::currentRowChanged, this, [this] {
    if (!selecting_) OpenListBoxClick();
  });
  connect(OpenListBox, &QListWidget::itemClicked, this, &TOpenDlg::OpenListBoxClick);
  connect(OpenListBox, &QListWidget::itemDoubleClicked, this, &TOpenDlg::DoubleClick);
  connect(QuickSearchEdit, &QLineEdit::textChanged, this, &TOpenDlg::QuickSearchEditChange);
  auto* mechanics = new TDialogMechanics(this);
  mechanics->EnterRuns(QuickSearchEdit, [this] { DoubleClick(); });
  QuickSearchEdit->installEventFilter(this);
}

bool TOpenDlg::eventFilter(QObject* watched, QEvent* event) {
  // The arrow and page keys in the quick search field move through the list.
  if (watched == QuickSearchEdit && event->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
        QApplication::sendEvent(OpenListBox, event);
        return true;
      default:
        break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TOpenDlg::showEvent(QShowEvent* event) {
  FillList();
  QDialog::showEvent(event);
  QuickSearchEdit->setFocus();
}

void TOpenDlg::FillList() {
  OpenListBox->clear();
  OpenListBox->setEnabled(true);
  records_ = ReadTariffFileRecords();
  int current = -1;
  for (std::size_t i = 0; i < records_.size(); ++i) {
    OpenListBox->addItem(QString::fromStdString(records_[i].Description));
    if (!currentFileName_.empty() && records_[i].FileName == currentFileName_) current = static_cast<int>(i);
  }
  SelectLine(current, true);
}

void TOpenDlg::SelectLine(int row, bool takeText) {
  selecting_ = true;
  OpenListBox->setCurrentRow(row);
  if (row < 0) OpenListBox->clearSelection();
  selecting_ = false;
  const bool selected = row >= 0 && row < static_cast<int>(records_.size());
  if (selected && takeText) {
    settingText_ = true;
    QuickSearchEdit->setText(OpenListBox->item(row)->text());
    QuickSearchEdit->selectAll();  // typing starts a new search
    settingText_ = false;
  }
  InfoLabel->setText(selected ? QString::fromStdString(TariffFileUpdateText(records_[row].FileName))
                              : QString());
  OpenBtn->setEnabled(selected);
  DeleteBtn->setEnabled(selected);
}

void TOpenDlg::OpenListBoxClick() {
  SelectLine(OpenListBox->currentRow(), true);
}

void TOpenDlg::QuickSearchEditChange(const QString& text) {
  if (settingText_) return;
  std::vector<std::string> lines;
  for (const TTariffFileRecord& r : records_) lines.push_back(r.Description);
  SelectLine(QuickSearchMatch(lines, text.toStdString()), false);
}

void TOpenDlg::DoubleClick() {
  if (OpenBtn->isEnabled()) OpenBtn->click();
}

void TOpenDlg::DeleteBtnClick() {
  const int row = OpenListBox->currentRow();
  if (row < 0 || row >= static_cast<int>(records_.size())) return;
  const std::string question =
      "Möchten Sie wirklich die Tarifdatei \"" + OpenListBox->item(row)->text().toStdString() + "\" löschen?";
  if (ShowMessageBox(question, "", mkBestaetigung, mbYesNo | mbDefaultSecond) != idYes) return;
  if (!DeleteTariffFile(records_[row].FileName)) {
    ShowMessageBox("Die Tarifdatei konnte nicht gelöscht werden.", "", mkFehler, mbOK);
    return;
  }
  records_.erase(records_.begin() + row);
  delete OpenListBox->takeItem(row);
  SelectLine(-1, false);
}

std::string TOpenDlg::SelectedFileName() const {
  const int row = OpenListBox->currentRow();
  if (row < 0 || row >= static_cast<int>(records_.size()) || !OpenListBox->item(row)->isSelected()) return {};
  return records_[row].FileName;
}

void TOpenDlg::done(int result) {
  // The selection is read after the dialog closed, so keep it; only the
  // controls go quiet.
  OpenBtn->setEnabled(false);
  DeleteBtn->setEnabled(false);
  OpenListBox->setEnabled(false);
  InfoLabel->clear();
  QDialog::done(result);
}

}  // namespace dudode
