// The editor's entry: one instance per user, German texts, regional settings
// from the system, then the main window.
#include "app/Main.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QLockFile>
#include <QStandardPaths>
#include <QTranslator>

#include "app/StartupRules.h"
#include "core/Files.h"
#include "core/MessageBox.h"
#include "core/RegionalSettings.h"
#include "help/HelpWindow.h"
#include "ui/QtMessageBox.h"
#include "ui/QtRegional.h"

namespace {

// The program directory: --dir, the environment variable, the executable's
// directory (build tree, portable use) or the user's data directory, which a
// first start fills with the installed sample files.
bool SetUpProgramDirectory(const QCommandLineParser& parser) {
  using namespace dudode;
  const QString exeDir = QCoreApplication::applicationDirPath();
  TProgramDirectorySources sources;
  // Relative names are taken from where the program was started.
  auto absolute = [](const QString& dir) {
    return dir.isEmpty() ? std::string() : QDir(dir).absolutePath().toStdString();
  };
  sources.Option = absolute(parser.value(QStringLiteral("dir")));
  sources.Environment = absolute(qEnvironmentVariable(kProgramDirectoryVariable));
  sources.ExecutableDir = exeDir.toStdString();
  sources.UserDataDir =
      (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/dudode"))
          .toStdString();
  const std::string directory = ChooseProgramDirectory(sources);
  const bool userData = directory == sources.UserDataDir + "/";
  const std::string samples =
      userData ? QDir::cleanPath(exeDir + QStringLiteral("/../share/dudode")).toStdString() : std::string();
  std::string error;
  if (!PrepareProgramDirectory(directory, samples, &error)) {
    ShowMessageBox(error, "", mkFehler, mbOK);
    return false;
  }
  SetProgramDirectory(directory);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace dudode;
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(kEditorVersion));
  InstallQtMessageBox();

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Dudode - Editor: Tarifdateien bearbeiten"));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption({QStringLiteral("dir"), QStringLiteral("Programmverzeichnis mit den Tarifdateien"),
                    QStringLiteral("DIR")});
  parser.process(app);

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
  if (!SetUpProgramDirectory(parser)) return 1;
  InstallHelpKey(app);

  TMain main;
  if (!main.Startup({})) return 0;
  main.show();
  return app.exec();
}
