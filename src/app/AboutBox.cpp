#include "app/AboutBox.h"

#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>
#include <QVBoxLayout>

#include "app/StartupRules.h"
#include "core/Files.h"
#include "core/Values.h"
#include "ui/DialogContract.h"
#include "ui/DialogParts.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace dudode {
namespace {

QString MemoryText() {
#if defined(_SC_PHYS_PAGES) && defined(_SC_PAGESIZE)
  const long pages = sysconf(_SC_PHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pages > 0 && pageSize > 0) {
    const long long bytes = static_cast<long long>(pages) * pageSize;
    QString text = QString::fromStdString(GroupedNumber(bytes / 1024)) + QStringLiteral(" KByte");
#if defined(_SC_AVPHYS_PAGES)
    const long available = sysconf(_SC_AVPHYS_PAGES);
    if (available > 0) {
      text += QStringLiteral(" (frei: ") +
              QString::fromStdString(GroupedNumber(static_cast<long long>(available) * pageSize / 1024)) +
              QStringLiteral(" KByte)");
    }
#endif
    return text;
  }
#endif
  return QStringLiteral("unbekannt");
}

QString DisplayText() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return QStringLiteral("unbekannt");
  const QSize size = screen->size();
  return QStringLiteral("%1 × %2 Pixel, %3 Bit Farbtiefe, %4 dpi")
      .arg(size.width())
      .arg(size.height())
      .arg(screen->depth())
      .arg(qRound(screen->logicalDotsPerInch()));
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  LeaveEscapeToDialog(this);
  setWindowTitle(QStringLiteral("Info"));
  auto* name = new QLabel(QString::fromLatin1(kEditorCaption), this);
  name->setObjectName("ProductName");
  QFont big = name->font();
  big.setPointSize(big.pointSize() + 6);
  big.setBold(true);
  name->setFont(big);
  auto* version = new QLabel(QStringLiteral("Version ") + QString::fromLatin1(kEditorVersion), this);
  version->setObjectName("Version");

  auto* facts = new QFormLayout;
  auto addFact = [&](const QString& caption, const QString& value, const char* objectName) {
    auto* label = new QLabel(value, this);
    label->setObjectName(objectName);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    facts->addRow(caption, label);
  };
  addFact(QStringLiteral("Betriebssystem:"),
          QSysInfo::prettyProductName() + QStringLiteral(" (") + QSysInfo::kernelType() + QChar(' ') +
              QSysInfo::kernelVersion() + QStringLiteral(", ") + QSysInfo::currentCpuArchitecture() +
              QChar(')'),
          "OSLabel");
  addFact(QStringLiteral("Arbeitsspeicher:"), MemoryText(), "MemoryLabel");
  addFact(QStringLiteral("Bildschirm:"), DisplayText(), "DisplayLabel");
  addFact(QStringLiteral("Programmverzeichnis:"), QString::fromStdString(ProgramDirectory()),
          "ProgramDirLabel");

  auto* okBtn = Named<QPushButton>(this, "OKBtn", QStringLiteral("OK"));
  connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(name);
  layout->addWidget(version);
  layout->addSpacing(8);
  layout->addLayout(facts);
  layout->addLayout(ButtonRow(this, okBtn, {okBtn}));
}

}  // namespace dudode
