#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <filesystem>

class QAction;

namespace tess {

// The help pages from a folder: follows local links, opens web links with the desktop's browser.
// A page that is not there shows where it was looked for instead of an empty window.
class HelpBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;
  QVariant loadResource(int type, const QUrl& name) override;
};

// The help window: the pages with Back, Forward and Contents, in a window of its own beside the
// main window, so that it stays open while the user works.
class HelpWindow : public QWidget {
 public:
  HelpWindow(const std::filesystem::path& folder, QWidget* parent);

  HelpBrowser* browser() const { return browser_; }
  // Shows the contents page (index.html).
  void showContents();

 private:
  QUrl contents_;
  HelpBrowser* browser_;
};

}  // namespace tess
