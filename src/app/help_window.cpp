#include "app/help_window.hpp"

#include <QFileInfo>
#include <QKeySequence>
#include <QToolBar>
#include <QVBoxLayout>

namespace tess {
namespace {

QString missingPage(const QString& path) {
  return "<html><head><title>Help page missing</title></head><body>"
         "<h1>Help page missing</h1>"
         "<p>The help page <code>" + path.toHtmlEscaped() + "</code> is not there.</p>"
         "<p>Tessarine reads its help from the <code>help</code> folder of its data folder: "
         "<code>share/tessarine</code> beside an installed program, <code>data</code> in the "
         "build folder, or the folder named by <code>TESSARINE_DATA_DIR</code>.</p>"
         "</body></html>";
}

QAction* addButton(QToolBar* bar, const QString& caption, const QKeySequence& key) {
  QAction* action = bar->addAction(caption);
  action->setShortcut(key);
  action->setToolTip(caption + " (" + key.toString(QKeySequence::NativeText) + ")");
  return action;
}

}  // namespace

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  if (type == QTextDocument::HtmlResource && name.isLocalFile() &&
      !QFileInfo(name.toLocalFile()).isFile())
    return missingPage(name.toLocalFile());
  return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(const std::filesystem::path& folder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      contents_(QUrl::fromLocalFile(QString::fromStdString((folder / "index.html").string()))),
      browser_(new HelpBrowser(this)) {
  setAccessibleName("Help");
  browser_->setAccessibleName("help page");
  browser_->setOpenExternalLinks(true);

  auto* bar = new QToolBar(this);
  bar->setAccessibleName("help navigation");
  QAction* back = addButton(bar, "Back", QKeySequence::Back);
  QAction* forward = addButton(bar, "Forward", QKeySequence::Forward);
  QAction* home = addButton(bar, "Contents", QKeySequence(Qt::ALT | Qt::Key_Home));
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(home, &QAction::triggered, this, &HelpWindow::showContents);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? "Tessarine help" : title + " – Tessarine help");
  });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar);
  layout->addWidget(browser_);
  resize(760, 820);
  showContents();
}

void HelpWindow::showContents() { browser_->setSource(contents_); }

}  // namespace tess
