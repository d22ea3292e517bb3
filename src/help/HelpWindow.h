#pragma once
// The help window: German pages from the program's resources with a contents
// list, back and forward, and a search through all pages.
#include <QHash>
#include <QTextBrowser>
#include <QWidget>
#include <string>

class QApplication;
class QLabel;
class QLineEdit;
class QListWidget;

namespace dudode {

// Shows page placeholders filled in (the program directory in use).
class THelpBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  using QTextBrowser::QTextBrowser;
  QVariant loadResource(int type, const QUrl& name) override;
};

class THelpWindow;
THelpWindow* ShowHelpPage(const std::string& file);

class THelpWindow : public QWidget {
  Q_OBJECT
  friend THelpWindow* ShowHelpPage(const std::string& file);

 public:
  // The one help window; nullptr until help was first asked for.
  static THelpWindow* Instance();
  void ShowPage(const QString& file);
  // The file name of the page shown.
  QString CurrentPage() const;

 private:
  THelpWindow();
  void CreateControls();
  void CreateLayout();
  void ConnectControls();
  void SearchNext();
  QString PlainText(const QString& file);

  THelpBrowser* browser_ = nullptr;
  QListWidget* contents_ = nullptr;
  QLineEdit* searchEdit_ = nullptr;
  QLabel* searchInfo_ = nullptr;
  QHash<QString, QString> plainTexts_;
};

// Opens the help window on a page file ("index.html" for the contents), above
// a modal dialog that is open.
THelpWindow* ShowHelpPage(const std::string& file);
// F1 in any window or dialog opens the page of that window.
void InstallHelpKey(QApplication& app);

}  // namespace dudode
