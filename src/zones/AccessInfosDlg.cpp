#include "zones/AccessInfosDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/NumberEdit.h"
#include "ui/RunModal.h"

namespace dudode {
namespace {

enum { kPhoneColumn = 0, kUserColumn = 1, kPasswordColumn = 2 };

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

TAccessInfosDlg::TAccessInfosDlg(const TAccessInfos& access, QWidget* parent)
    : QDialog(parent), access_(access) {
  setWindowTitle(QStringLiteral("Internetzugang"));
  auto* text = new QLabel(
      QStringLiteral(
          "In dieser Liste finden Sie Einwahlnummern und Zugangsinformationen für den Provider. Sie "
          "können beliebige Zugangsinformationen/Rufnummern hinzufügen. Diese Informationen "
          "werden von Dudode zur Erkennung der korrekten Tarife benötigt."),
      this);
  text->setObjectName("InfoLabel");
  text->setWordWrap(true);
  LV = new QTreeWidget(this);
  LV->setObjectName("LV");
  LV->setHeaderLabels(
      {QStringLiteral("Rufnummer"), QStringLiteral("Benutzername"), QStringLiteral("Passwort")});
  LV->setRootIsDecorated(false);
  LV->setSelectionMode(QAbstractItemView::SingleSelection);
  LV->setSelectionBehavior(QAbstractItemView::SelectRows);
  LV->setEditTriggers(QAbstractItemView::NoEditTriggers);
  LV->installEventFilter(this);
  RegistrationChkBox = Named<QCheckBox>(this, "RegistrationChkBox",
                                        QStringLiteral(" Anmeldung ist beim Provider erforderlich"));
  RegistrationChkBox->setChecked(access_.Registration);
  auto tool = [this](const char* name, const QString& caption, const QString& hint) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    return button;
  };
  AddEntryBtn =
      tool("AddEntryBtn", QStringLiteral("Hinzufügen"), QStringLiteral("Zugangsinformationen hinzufügen."));
  EditEntryBtn =
      tool("EditEntryBtn", QStringLiteral("Ändern"), QStringLiteral("Zugangsinformationen ändern."));
  DeleteEntryBtn =
      tool("DeleteEntryBtn", QStringLiteral("Löschen"), QStringLiteral("Zugangsinformationen löschen."));
  auto* applyBtn = Named<QPushButton>(this, "ApplyBtn", QStringLiteral("Übernehmen"));
  auto* cancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));

  connect(AddEntryBtn, &QToolButton::clicked, this, &TAccessInfosDlg::AddEntryBtnClick);
  connect(EditEntryBtn, &QToolButton::clicked, this, &TAccessInfosDlg::EditEntryBtnClick);
  connect(DeleteEntryBtn, &QToolButton::clicked, this, &TAccessInfosDlg::DeleteEntryBtnClick);
  connect(LV, &QTreeWidget::itemDoubleClicked, this, &TAccessInfosDlg::EditEntryBtnClick);
  connect(LV, &QTreeWidget::itemSelectionChanged, this, &TAccessInfosDlg::LVChange);
  connect(applyBtn, &QPushButton::clicked, this, [this] {
    if (CheckTypedFields(*this)) accept();
  });
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* tools = new QHBoxLayout;
  tools->addWidget(AddEntryBtn);
  tools->addWidget(EditEntryBtn);
  tools->addWidget(DeleteEntryBtn);
  tools->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(RegistrationChkBox);
  buttons->addStretch();
  buttons->addWidget(applyBtn);
  buttons->addWidget(cancelBtn);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(tools);
  layout->addWidget(LV);
  layout->addLayout(buttons);
  LVChange();
}

void TAccessInfosDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

// Lines are filled on the first showing only.
void TAccessInfosDlg::FormShow() {
  if (filled_) return;
  filled_ = true;
  for (const TAccessLine& line : AccessLines(access_)) AddLine(line);
  LVChange();
}

void TAccessInfosDlg::AddLine(const TAccessLine& line) {
  new QTreeWidgetItem(LV, {Q(line.PhoneNr), Q(line.UserName), Q(line.Password)});
}

void TAccessInfosDlg::LVChange() {
  const bool selected = !LV->selectedItems().isEmpty();
  EditEntryBtn->setEnabled(selected);
  DeleteEntryBtn->setEnabled(selected);
}

void TAccessInfosDlg::AddEntryBtnClick() {
  TAccessInfoEditDlg dlg(TAccessLine{}, this);
  if (RunModal(dlg) != QDialog::Accepted) return;
  AddLine(dlg.Line());
  LVChange();
}

void TAccessInfosDlg::EditEntryBtnClick() {
  const QList<QTreeWidgetItem*> selected = LV->selectedItems();
  if (selected.isEmpty()) return;
  QTreeWidgetItem* item = selected.first();
  TAccessInfoEditDlg dlg({item->text(kPhoneColumn).toStdString(), item->text(kUserColumn).toStdString(),
                          item->text(kPasswordColumn).toStdString()},
                         this);
  if (RunModal(dlg) != QDialog::Accepted) return;
  const TAccessLine line = dlg.Line();
  item->setText(kPhoneColumn, Q(line.PhoneNr));
  item->setText(kUserColumn, Q(line.UserName));
  item->setText(kPasswordColumn, Q(line.Password));
}

void TAccessInfosDlg::DeleteEntryBtnClick() {
  const QList<QTreeWidgetItem*> selected = LV->selectedItems();
  if (selected.isEmpty()) return;
  delete selected.first();
  LVChange();
}

bool TAccessInfosDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == LV && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Insert) {
      AddEntryBtnClick();
      return true;
    }
    if (key == Qt::Key_Delete) {
      DeleteEntryBtnClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

TAccessInfos TAccessInfosDlg::Access() const {
  TAccessInfos access = access_;
  access.Registration = RegistrationChkBox->isChecked();
  if (!filled_) return access;  // never shown: the lines are as handed in
  std::vector<TAccessLine> lines;
  for (int i = 0; i < LV->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = LV->topLevelItem(i);
    lines.push_back({item->text(kPhoneColumn).toStdString(), item->text(kUserColumn).toStdString(),
                     item->text(kPasswordColumn).toStdString()});
  }
  JoinAccessLines(lines, access);
  return access;
}

TAccessInfoEditDlg::TAccessInfoEditDlg(const TAccessLine& line, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Internetzugang "));
  auto* text =
      new QLabel(QStringLiteral("Bei Call-by-Call Anbietern können Sie hier Informationen zum "
                                "Verbindungsaufbau angeben.\nACHTUNG!! Geben Sie auf keinen Fall Ihre "
                                "persönlichen Zugangsinformationen ein!"),
                 this);
  text->setObjectName("InfoLabel");
  text->setWordWrap(true);
  auto edit = [this](const char* name, const std::string& value) {
    auto* e = new QLineEdit(Q(value), this);
    e->setObjectName(name);
    return e;
  };
  PhoneNrEdit = edit("PhoneNrEdit", line.PhoneNr);
  UserNameEdit = edit("UserNameEdit", line.UserName);
  PasswordEdit = edit("PasswordEdit", line.Password);
  auto* okBtn = Named<QPushButton>(this, "OKBtn", QStringLiteral("OK"));
  auto* cancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
  connect(okBtn, &QPushButton::clicked, this, [this] {
    if (CheckTypedFields(*this)) accept();
  });
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* fields = new QGridLayout;
  const struct {
    const char* Caption;
    QLineEdit* Field;
  } rows[] = {
      {"Rufnummer (komplette Zugangsnummer mit Vorwahl):", PhoneNrEdit},
      {"Benutzername (nur bei Call-by-Call, falls vorgeschrieben):", UserNameEdit},
      {"Kennwort (nur bei Call-by-Call, falls vorgeschrieben):", PasswordEdit},
  };
  int row = 0;
  for (const auto& r : rows) {
    auto* label = new QLabel(QString::fromUtf8(r.Caption), this);
    label->setBuddy(r.Field);
    fields->addWidget(label, row, 0);
    fields->addWidget(r.Field, row, 1);
    ++row;
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(fields);
  layout->addLayout(ButtonRow(this, okBtn, {okBtn, cancelBtn}));

  auto* mechanics = new TDialogMechanics(this);
  for (QLineEdit* field : {PhoneNrEdit, UserNameEdit, PasswordEdit}) mechanics->EnterMovesFocus(field);
  mechanics->FilterKeys(PhoneNrEdit, [](const QString& c) {
    return c == QStringLiteral("\b") || IsPhoneNrKey(c.toUcs4().value(0));
  });
  mechanics->CheckOnLeave(PhoneNrEdit, [this] {
    const QString digits = Q(PhoneNrDigits(PhoneNrEdit->text().toStdString()));
    if (digits != PhoneNrEdit->text()) PhoneNrEdit->setText(digits);
    return true;
  });
  mechanics->NoChecksFor(cancelBtn);
}

TAccessLine TAccessInfoEditDlg::Line() const {
  // A number pasted and confirmed without leaving the field is cleaned too.
  return {PhoneNrDigits(PhoneNrEdit->text().toStdString()), UserNameEdit->text().toStdString(),
          PasswordEdit->text().toStdString()};
}

bool EditAccessInfos(TAccessInfos& access, QWidget* parent) {
  TAccessInfosDlg dlg(access, parent);
  if (RunModal(dlg) != QDialog::Accepted) return false;
  access = dlg.Access();
  return true;
}

}  // namespace dudode
