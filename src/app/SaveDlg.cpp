#include "app/SaveDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/MessageBox.h"
#include "core/TarifFile.h"
#include "tools/TarifOptions.h"
#include "ui/DialogContract.h"
#include "ui/DialogMechanics.h"
#include "ui/DialogParts.h"
#include "ui/NumberEdit.h"

namespace dudode {

TSaveDlg::TSaveDlg(const QString& title, const std::string& name, QWidget* parent) : QDialog(parent) {
  LeaveEscapeToDialog(this);
  setWindowTitle(title);
  auto* label = new QLabel(QStringLiteral("Name der Tarifdatei"), this);
  FileNameEdit = new QLineEdit(QString::fromStdString(name), this);
  FileNameEdit->setObjectName("FileNameEdit");
  FileNameEdit->setMaxLength(kMaxDescriptionChars);
  FileNameEdit->setMinimumWidth(320);
  label->setBuddy(FileNameEdit);
  auto* saveBtn = Named<QPushButton>(this, "SaveBtn", QStringLiteral("Speichern"));
  auto* cancelBtn = Named<QPushButton>(this, "CancelBtn", QStringLiteral("Abbrechen"));
  connect(saveBtn, &QPushButton::clicked, this, [this] {
    if (CheckTypedFields(*this)) accept();
  });
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(FileNameEdit);
  layout->addLayout(ButtonRow(this, saveBtn, {saveBtn, cancelBtn}));

  auto* mechanics = new TDialogMechanics(this);
  mechanics->EnterMovesFocus(FileNameEdit);
  mechanics->CheckOnLeave(FileNameEdit, [this] { return FileNameEditExit(); });
  mechanics->NoChecksFor(cancelBtn);
  FileNameEdit->selectAll();
}

// A warning only: the callers check the name again.
bool TSaveDlg::FileNameEditExit() {
  FileNameEdit->setText(FileNameEdit->text().trimmed());
  if (IsMissingFileName(FileNameEdit->text().toStdString())) {
    ShowMessageBox(
        "Sie sollten einen Namen für die Tarifdatei angeben, ansonsten speichert der Editor nicht!", "",
        mkFehler, mbOK);
  }
  return true;
}

std::string TSaveDlg::Name() const {
  return FileNameEdit->text().trimmed().toStdString();
}

}  // namespace dudode
