#pragma once

#include <QStackedWidget>
#include <QString>

class QPlainTextEdit;
class QTreeWidget;

namespace window_shell {}  // namespace window_shell

// The preview pane: shows an XML file the way a browser does, indented, coloured and with
// collapsible elements. A file that does not parse is shown as its text under the parser's
// reason. The file is read once per Navigate and closed at once; nothing is ever fetched.
class TWebBrowser : public QStackedWidget {
  Q_OBJECT
  Q_PROPERTY(QString path READ path)

 public:
  explicit TWebBrowser(QWidget* parent = nullptr);

  // The file shown now; empty before the first Navigate.
  QString path() const { return path_; }
  void Navigate(const QString& path);

  // The two pages: the element tree, and the plain text shown for a file that does not parse.
  // They are made when first needed (shown or navigated), so a window whose preview is not in
  // front does not build them at start-up.
  QTreeWidget& Tree();
  QPlainTextEdit& Source();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void MakePages();

  QString path_;
  QTreeWidget* tree_ = nullptr;
  QPlainTextEdit* source_ = nullptr;
};

namespace window_shell {
using ::TWebBrowser;
}  // namespace window_shell
