#include "help/HelpWindow.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QSplitter>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/Files.h"
#include "help/HelpPages.h"

namespace dudode {
namespace {

const QString kPagePrefix = QStringLiteral("qrc:/help/");

THelpWindow*& InstancePointer() {
  static THelpWindow* window = nullptr;
  return window;
}

// The page file of a help URL.
QString PageOf(const QUrl& url) {
  const QString source = url.toString();
  return source.startsWith(kPagePrefix) ? source.mid(kPagePrefix.size()) : source;
}

QString PageSource(const QString& file) {
  QFile page(QStringLiteral(":/help/") + file);
  return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

class THelpKeyFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        !watched->isWidgetType()) {
      return false;
    }
    // A window without a page of its own (a message box) shows its owner's.
    std::string page;
    for (QWidget* window = static_cast<QWidget*>(watched)->window(); window && page.empty();
         window = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
      if (window == THelpWindow::Instance()) return false;
      page = HelpPageFor(window->metaObject()->className());
    }
    ShowHelpPage(page.empty() ? kHelpContentsPage : page);
    return true;
  }
};

}  // namespace

QVariant THelpBrowser::loadResource(int type, const QUrl& name) {
  QVariant resource = QTextBrowser::loadResource(type, name);
  if (type == QTextDocument::HtmlResource) {
    const QString directory = QString::fromStdString(ProgramDirectory()).toHtmlEscaped();
    resource =
        QString::fromUtf8(resource.toByteArray()).replace(QStringLiteral("@PROGRAMMVERZEICHNIS@"), directory);
  }
  return resource;
}

THelpWindow* THelpWindow::Instance() {
  return InstancePointer();
}

THelpWindow::THelpWindow() : QWidget(nullptr, Qt::Window) {
  setObjectName("HelpWindow");
  // Help left open must not keep the program running after the main window.
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(QStringLiteral("Dudode - Editor: Hilfe"));
  resize(900, 640);
  CreateControls();
  CreateLayout();
  ConnectControls();
}

void THelpWindow::CreateControls() {
  browser_ = new THelpBrowser(this);
  browser_->setObjectName("HelpBrowser");
  browser_->setOpenExternalLinks(true);
  contents_ = new QListWidget(this);
  contents_->setObjectName("HelpContents");
  for (const THelpPage& page : HelpPages()) {
    auto* item = new QListWidgetItem(QString::fromStdString(page.Title), contents_);
    item->setData(Qt::UserRole, QString::fromStdString(page.File));
  }
  searchEdit_ = new QLineEdit(this);
  searchEdit_->setObjectName("HelpSearchEdit");
  searchEdit_->setPlaceholderText(QStringLiteral("In allen Seiten suchen (Enter: nächste Stelle)"));
  searchEdit_->setClearButtonEnabled(true);
  searchInfo_ = new QLabel(this);
  searchInfo_->setObjectName("HelpSearchInfo");
}

void THelpWindow::CreateLayout() {
  auto* tools = new QToolBar(this);
  QAction* back = tools->addAction(QStringLiteral("◀ Zurück"), browser_, &QTextBrowser::backward);
  QAction* forward = tools->addAction(QStringLiteral("Vor ▶"), browser_, &QTextBrowser::forward);
  tools->addAction(QStringLiteral("Inhalt"), this,
                   [this] { ShowPage(QString::fromLatin1(kHelpContentsPage)); });
  back->setObjectName("HelpBackAction");
  forward->setObjectName("HelpForwardAction");
  back->setShortcut(QKeySequence::Back);
  forward->setShortcut(QKeySequence::Forward);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  tools->addSeparator();
  tools->addWidget(new QLabel(QStringLiteral(" Suchen: "), this));
  tools->addWidget(searchEdit_);
  tools->addWidget(searchInfo_);

  auto* splitter = new QSplitter(this);
  splitter->addWidget(contents_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({290, 610});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(tools);
  layout->addWidget(splitter);
}

void THelpWindow::ConnectControls() {
  connect(contents_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString()); });
  connect(contents_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString()); });
  connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
    const QString page = PageOf(url);
    for (int i = 0; i < contents_->count(); ++i) {
      if (contents_->item(i)->data(Qt::UserRole).toString() == page) contents_->setCurrentRow(i);
    }
  });
  connect(browser_, &QTextBrowser::historyChanged, this, [this] {
    // A page titled like the window itself adds nothing to the caption.
    const QString base = QStringLiteral("Dudode - Editor: Hilfe");
    QString page = browser_->documentTitle().trimmed();
    if (page.startsWith(base)) page = page.mid(base.size());
    while (page.startsWith(u'–') || page.startsWith(u'-') || page.startsWith(u':') || page.startsWith(u' '))
      page.remove(0, 1);
    setWindowTitle(page.isEmpty() ? base : base + QStringLiteral(" – ") + page);
  });
  // Escape closes the help as it closes a dialog.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
  connect(searchEdit_, &QLineEdit::returnPressed, this, &THelpWindow::SearchNext);
  connect(searchEdit_, &QLineEdit::textChanged, searchInfo_, &QLabel::clear);
}

void THelpWindow::ShowPage(const QString& file) {
  const QUrl url(kPagePrefix + file);
  if (browser_->source() != url) browser_->setSource(url);
  browser_->moveCursor(QTextCursor::Start);
}

QString THelpWindow::CurrentPage() const {
  return PageOf(browser_->source());
}

QString THelpWindow::PlainText(const QString& file) {
  auto it = plainTexts_.find(file);
  if (it == plainTexts_.end()) {
    QTextDocument document;
    document.setHtml(PageSource(file));
    it = plainTexts_.insert(file, document.toPlainText());
  }
  return *it;
}

// The next place that holds the text: further down this page, else the next
// page that holds it, from its start, round to this page again.
void THelpWindow::SearchNext() {
  const QString text = searchEdit_->text().trimmed();
  searchInfo_->clear();
  if (text.isEmpty() || browser_->find(text)) return;
  const std::vector<THelpPage>& pages = HelpPages();
  std::size_t current = 0;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (QString::fromStdString(pages[i].File) == CurrentPage()) current = i;
  }
  for (std::size_t step = 1; step <= pages.size(); ++step) {
    const QString file = QString::fromStdString(pages[(current + step) % pages.size()].File);
    if (PlainText(file).contains(text, Qt::CaseInsensitive)) {
      ShowPage(file);
      browser_->find(text);
      return;
    }
  }
  searchInfo_->setText(QStringLiteral(" nicht gefunden"));
}

THelpWindow* ShowHelpPage(const std::string& file) {
  THelpWindow*& window = InstancePointer();
  if (!window) window = new THelpWindow;
  // Above an open modal dialog the help must be modal too, or it takes no input.
  QWidget* modal = QApplication::activeModalWidget();
  const Qt::WindowModality modality = modal && modal != window ? Qt::ApplicationModal : Qt::NonModal;
  if (window->windowModality() != modality) {
    window->hide();
    window->setWindowModality(modality);
  }
  window->ShowPage(QString::fromStdString(file));
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

void InstallHelpKey(QApplication& app) {
  static QApplication* installedOn = nullptr;
  if (installedOn == &app) return;
  installedOn = &app;
  app.installEventFilter(new THelpKeyFilter(&app));
}

}  // namespace dudode
