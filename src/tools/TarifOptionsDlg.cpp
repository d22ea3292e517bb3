#include "tools/TarifOptionsDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/MessageBox.h"
#include "core/RegionalSettings.h"
#include "core/Text.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/MaskedEdit.h"
#include "ui/NumberEdit.h"
#include "ui/RunModal.h"

namespace dudode {
namespace {

QLineEdit* TextField(QWidget* parent, const char* name, int maxChars) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(maxChars);
  return edit;
}

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

// Removes every ";" that came in by pasting.
void DropCommentCharacters(QLineEdit* edit) {
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
    if (!text.contains(';')) return;
    const int cursor = edit->cursorPosition() - text.left(edit->cursorPosition()).count(';');
    QString cleaned = text;
    cleaned.remove(';');
    edit->setText(cleaned);
    edit->setCursorPosition(cursor);
  });
}

}  // namespace

TTarifOptionsDlg::TTarifOptionsDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Optionen der Tarifdatei anpassen"));
  PageControl = new QTabWidget(this);
  PageControl->setObjectName("PageControl");
  PageControl->addTab(BuildFilePage(), QStringLiteral("Tarifdatei"));
  PageControl->addTab(BuildProviderPage(), QStringLiteral("Angaben zum Telefonanbieter"));
  PageControl->addTab(BuildCommentPage(), QStringLiteral("Kommentar/Ersteller"));
  PageControl->setCurrentIndex(0);
  QPushButton* closeBtn = BuildButtons();
  ConnectMechanics(closeBtn);
  resize(480, 400);
}

// First page: the file and its defaults.
QWidget* TTarifOptionsDlg::BuildFilePage() {
  const QString currency = QString::fromStdString(Regional().CurrencySymbol);
  auto* filePage = new QWidget;
  filePage->setObjectName("FilePage");
  FileNameEdit = TextField(filePage, "FileNameEdit", kMaxDescriptionChars);
  BaseValueEdit = new TNumberEdit(filePage, "BaseValueEdit", 4, kMaxBaseConnectPrice);
  PriceEdit = new TNumberEdit(filePage, "PriceEdit", 4, kMaxPrice);
  TaktEdit = new TNumberEdit(filePage, "TaktEdit", 4, kMaxTakt);
  CurrencyLabel1 = new QLabel(currency, filePage);
  CurrencyLabel1->setObjectName("CurrencyLabel1");
  CurrencyLabel2 = new QLabel(currency, filePage);
  CurrencyLabel2->setObjectName("CurrencyLabel2");
  CWChckBox2431 =
      new QCheckBox(QStringLiteral(" Der CityWeekend - Tarif gilt auch am 24.12. und 31.12.."), filePage);
  CWChckBox2431->setObjectName("CWChckBox2431");
  AccessCodeEdit = new TMaskedEdit(filePage);
  AccessCodeEdit->setObjectName("AccessCodeEdit");
  AccessCodeEdit->setInputMask(QString(kMaxAccessCodeDigits, QChar('0')) + QStringLiteral("; "));

  auto* info = new QGroupBox(QStringLiteral(" Information "), filePage);
  info->setObjectName("InfoFrame");
  LastEditDate = new QLineEdit(info);
  LastEditDate->setObjectName("LastEditDate");
  LastEditDate->setReadOnly(true);
  ZoneCount = new TNumberEdit(info);
  ZoneCount->setObjectName("ZoneCount");
  ZoneCount->SetDecimals(0);
  ZoneCount->SetRange(0, 1e6);
  ZoneCount->setReadOnly(true);
  auto* infoLayout = new QGridLayout(info);
  infoLayout->addWidget(Caption(QStringLiteral("Letzte Änderung:"), LastEditDate, info), 0, 0);
  infoLayout->addWidget(LastEditDate, 0, 1);
  infoLayout->addWidget(Caption(QStringLiteral("Anzahl Tarifzonen:"), ZoneCount, info), 1, 0);
  infoLayout->addWidget(ZoneCount, 1, 1);

  auto* fileLayout = new QGridLayout(filePage);
  fileLayout->addWidget(Caption(QStringLiteral("Name der Tarifdatei:"), FileNameEdit, filePage), 0, 0, 1, 3);
  fileLayout->addWidget(FileNameEdit, 1, 0, 1, 3);
  fileLayout->addWidget(Caption(QStringLiteral("Standardpreis pro Gespräch:"), BaseValueEdit, filePage), 2,
                        0);
  fileLayout->addWidget(BaseValueEdit, 2, 1);
  fileLayout->addWidget(CurrencyLabel1, 2, 2);
  fileLayout->addWidget(Caption(QStringLiteral("Standardpreis pro Einheit:"), PriceEdit, filePage), 3, 0);
  fileLayout->addWidget(PriceEdit, 3, 1);
  fileLayout->addWidget(CurrencyLabel2, 3, 2);
  fileLayout->addWidget(Caption(QStringLiteral("Standardlänge einer Einheit"), TaktEdit, filePage), 4, 0);
  fileLayout->addWidget(TaktEdit, 4, 1);
  fileLayout->addWidget(new QLabel(QStringLiteral("Sekunde(n)"), filePage), 4, 2);
  fileLayout->addWidget(
      Caption(QStringLiteral("Netzkennzahl des Anbieters (z.B. 01050):"), AccessCodeEdit, filePage), 5, 0);
  fileLayout->addWidget(AccessCodeEdit, 5, 1, 1, 2);
  fileLayout->addWidget(CWChckBox2431, 6, 0, 1, 3);
  fileLayout->addWidget(info, 7, 0, 1, 3);
  fileLayout->setRowStretch(8, 1);
  return filePage;
}

// The provider's contact data.
QWidget* TTarifOptionsDlg::BuildProviderPage() {
  auto* providerPage = new QWidget;
  providerPage->setObjectName("ProviderPage");
  WWWEdit = TextField(providerPage, "WWWEdit", kMaxWWWChars);
  HotlineEdit = TextField(providerPage, "HotlineEdit", kMaxHotlineChars);
  EMAILEdit = TextField(providerPage, "EMAILEdit", kMaxEMailChars);
  auto* providerLayout = new QVBoxLayout(providerPage);
  providerLayout->addWidget(Caption(QStringLiteral("URL (optional):"), WWWEdit, providerPage));
  providerLayout->addWidget(WWWEdit);
  providerLayout->addWidget(
      Caption(QStringLiteral("Telefon Hotline (optional):"), HotlineEdit, providerPage));
  providerLayout->addWidget(HotlineEdit);
  providerLayout->addWidget(
      Caption(QStringLiteral("Info E-Mail - Adresse (optional):"), EMAILEdit, providerPage));
  providerLayout->addWidget(EMAILEdit);
  providerLayout->addStretch();
  return providerPage;
}

QWidget* TTarifOptionsDlg::BuildCommentPage() {
  auto* commentPage = new QWidget;
  commentPage->setObjectName("CommentPage");
  CommentEdit = TextField(commentPage, "CommentEdit", kMaxCommentChars);
  CopyrightEdit = TextField(commentPage, "CopyrightEdit", kMaxCopyrightChars);
  auto* commentLayout = new QVBoxLayout(commentPage);
  commentLayout->addWidget(Caption(QStringLiteral("Kommentar (optional):"), CommentEdit, commentPage));
  commentLayout->addWidget(CommentEdit);
  commentLayout->addWidget(
      Caption(QStringLiteral("Ersteller/Copyright der Datei (optional):"), CopyrightEdit, commentPage));
  commentLayout->addWidget(CopyrightEdit);
  commentLayout->addStretch();
  return commentPage;
}

QPushButton* TTarifOptionsDlg::BuildButtons() {
  auto* applyBtn = Named<QPushButton>(this, "ApplyBtn", QStringLiteral("Übernehmen"));
  auto* closeBtn = Named<QPushButton>(this, "CloseBtn", QStringLiteral("Schließen"));
  connect(applyBtn, &QPushButton::clicked, this, [this] {
    if (CheckTypedFields(*this)) accept();
  });
  connect(closeBtn, &QPushButton::clicked, this, &QDialog::reject);  // Escape rejects too
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl);
  layout->addLayout(ButtonRow(this, applyBtn, {applyBtn, closeBtn}));
  return closeBtn;
}

void TTarifOptionsDlg::ConnectMechanics(QPushButton* closeBtn) {
  auto* mechanics = new TDialogMechanics(this);
  mechanics->NoChecksFor(closeBtn);
  // Number fields, the information fields and the check box: Enter moves on.
  for (QWidget* w :
       std::initializer_list<QWidget*>{BaseValueEdit, TaktEdit, ZoneCount, LastEditDate, CWChckBox2431}) {
    mechanics->EnterMovesFocus(w);
  }
  // Text fields: Enter moves on, ";" cannot be typed.
  const auto noComment = [](const QString& c) { return !IsCommentCharacter(c.toStdString()); };
  for (QLineEdit* edit :
       {FileNameEdit, AccessCodeEdit, WWWEdit, HotlineEdit, EMAILEdit, CommentEdit, CopyrightEdit}) {
    mechanics->EnterMovesFocus(edit);
    mechanics->FilterKeys(edit, noComment);
    DropCommentCharacters(edit);
  }
  mechanics->EnterMovesFocus(PriceEdit);
  mechanics->FilterKeys(PriceEdit, [this](const QString& c) { return PriceEditKeyPress(c); });
  mechanics->CheckOnLeave(FileNameEdit, [this] { return FileNameEditExit(); });
  mechanics->CheckOnLeave(AccessCodeEdit, [this] { return AccessCodeEditExit(); });
  for (QLineEdit* edit : {WWWEdit, HotlineEdit, EMAILEdit, CommentEdit, CopyrightEdit}) {
    mechanics->CheckOnLeave(edit, [this, edit] { return TrimEditExit(edit); });
  }
}

void TTarifOptionsDlg::Fill(const TTarifFile& document, const TDateTime& today) {
  const TTarifOptions o = OptionsOf(document);
  TaktEdit->SetValue(o.Takt);
  FileNameEdit->setText(QString::fromStdString(o.Description));
  BaseValueEdit->SetValue(o.BaseConnectPrice);
  PriceEdit->SetValue(o.Price);
  WWWEdit->setText(QString::fromStdString(o.WWW));
  HotlineEdit->setText(QString::fromStdString(o.Hotline));
  EMAILEdit->setText(QString::fromStdString(o.EMail));
  CommentEdit->setText(QString::fromStdString(o.Comment));
  CopyrightEdit->setText(QString::fromStdString(o.Copyright));
  ZoneCount->SetValue(static_cast<double>(document.Zones.size()));
  CWChckBox2431->setChecked(o.CityWeekend);
  AccessCodeEdit->setText(QString::fromStdString(o.AccessCode));
  LastEditDate->setText(QString::fromStdString(LastUpdateDisplay(document.FileDate, today)));
}

TTarifOptions TTarifOptionsDlg::Options() const {
  TTarifOptions o;
  o.Description = FileNameEdit->text().toStdString();
  o.BaseConnectPrice = BaseValueEdit->Value();
  o.Price = PriceEdit->Value();
  o.CityWeekend = CWChckBox2431->isChecked();
  o.Takt = TaktEdit->Value();
  o.WWW = WWWEdit->text().toStdString();
  o.Hotline = HotlineEdit->text().toStdString();
  o.Comment = CommentEdit->text().toStdString();
  o.EMail = EMAILEdit->text().toStdString();
  o.Copyright = CopyrightEdit->text().toStdString();
  o.AccessCode = RemoveBlanks(AccessCodeEdit->text().toStdString());
  return o;
}

// A warning only: the dialog can still be confirmed.
bool TTarifOptionsDlg::FileNameEditExit() {
  FileNameEdit->setText(QString::fromStdString(TrimBlanks(FileNameEdit->text().toStdString())));
  if (IsMissingFileName(FileNameEdit->text().toStdString())) {
    ShowMessageBox(kMissingFileNameWarning, "", mkFehler, mbOK);
  }
  return true;
}

bool TTarifOptionsDlg::TrimEditExit(QLineEdit* edit) {
  edit->setText(QString::fromStdString(TrimBlanks(edit->text().toStdString())));
  return true;
}

bool TTarifOptionsDlg::AccessCodeEditExit() {
  AccessCodeEdit->setText(QString::fromStdString(RemoveBlanks(AccessCodeEdit->text().toStdString())));
  return true;
}

bool TTarifOptionsDlg::PriceEditKeyPress(const QString& character) {
  if (PriceKeyAllowed(character.toStdString())) return true;
  ShowMessageBox(PriceKeyMessage(), "", mkFehler, mbOK);
  return false;
}

TCommandResult OptionsCommand(TCommandHost& host) {
  TTarifOptionsDlg dlg(host.Window());
  dlg.Fill(host.Document(), Now());
  if (RunModal(dlg) != QDialog::Accepted) return {};
  ApplyOptions(host.Document(), dlg.Options());
  return TCommandResult::Title();
}

}  // namespace dudode
