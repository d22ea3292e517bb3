// The editor's entry: one instance per user, German texts, regional settings
// from the system, then the main window.
#include "app/Main.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QLockFile>
#include <QStandardPaths>
#include <QTranslator>

#include "app/StartupRules.h"
#include "core/Files.h"
#include "core/MessageBox.h"
#include "core/RegionalSettings.h"
#include "ui/QtMessageBox.h"
#include "ui/QtRegional.h"

int main(int argc, char** argv) {
  using namespace dudode;
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
  InstallQtMessageBox();

  QTranslator qtTranslator;
  if (qtTranslator.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTranslator);
  }

  // One editor per user: the lock lives in the user's runtime directory and
  // goes away with the process, even when it crashes.
  QString lockDir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (lockDir.isEmpty()) lockDir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
  QLockFile lock(lockDir + QStringLiteral("/Dudode - Editor32.lock"));
  lock.setStaleLockTime(0);
  // Only another editor holding the lock stops this one; a directory that
  // takes no lock file does not keep the user from working.
  if (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError) {
    ShowMessageBox(kAlreadyRunningText, "", mkFehler, mbOK);
    return 0;
  }

  RegionalSettings regional = RegionalSettingsFromLocale(QLocale::system());
  regional.ShortDateFormat = FourDigitYearFormat(regional.ShortDateFormat);
  SetRegional(regional);
  SetProgramDirectory(QCoreApplication::applicationDirPath().toStdString());

  TMain main;
  if (!main.Startup({})) return 0;
  main.show();
  return app.exec();
}
