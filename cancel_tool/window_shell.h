#pragma once

// The window shell both programs are built on: the window TForm1 with its four tabs, log box,
// preview pane and dialogs, the log line, and the Clear handler.
//
// A program supplies two things and gets its window back:
//   ShellDescription  its captions, document title, the nested tabs and rows of its two grids
//                     (ValueListEditor77 on top, ValueListEditor3 below) and the tab in front;
//   ShellHandlers     an object holding its own state (its documents) with the handlers of
//                     "1. Novo", "Abrir" (request), "2.Salvar" and "Abrir" (response).
//
//   auto window = std::make_unique<cancel_tool::TForm1>(Describe(),
//   std::make_unique<MyHandlers>());
//
// Handlers get the window and use its controls and helpers: NewRequest(), OpenFile() and
// SaveRequest() are the frames of the handlers, Ask() shows a dialog, SelectTab()
// brings a tab to the front, Guarded() runs the steps under the handler's one failure guard,
// Log() appends a time-stamped line (the texts are in messages.h), ShowOpenedFile() records and
// previews an opened file, and TMemo::List() appends a listing in one edit. "Limpar Campos" is the
// shell's own Button5Click.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "cancel_tool/grid_integer.h"
#include "cancel_tool/log_line.h"
#include "cancel_tool/memo.h"
#include "cancel_tool/messages.h"
#include "cancel_tool/value_list_editor.h"
#include "cancel_tool/web_browser.h"

class QFileDialog;
class QTabWidget;
class TForm1;

namespace cancel_tool {

// Tab indices of PageControl25.
enum Tab { kInformationTab = 0, kRequestTab = 1, kResponseTab = 2, kHowToBuyTab = 3 };

struct ShellDescription {
  QString caption;      // the window caption
  QString title;        // the document title the log messages name
  QString requestTab;   // caption of tab 1
  QString responseTab;  // caption of tab 2
  // One-tab controls nested around ValueListEditor77, outermost first.
  QStringList upperGridTabs;
  // The tab, below ValueListEditor77, that holds ValueListEditor3.
  QString lowerGridTab;
  std::vector<GridRow> upperGrid;  // ValueListEditor77's rows and start values
  std::vector<GridRow> lowerGrid;  // ValueListEditor3's rows and start values
  int startTab = kRequestTab;
};

using ::TForm1;

// A program's module state and handlers. The window owns it and releases it first when closing,
// so the program's documents go before the shell's last opened path and title.
class ShellHandlers {
 public:
  virtual ~ShellHandlers() = default;
  virtual void Button10Click(TForm1& form) = 0;  // "1. Novo"
  virtual void Button12Click(TForm1& form) = 0;  // "Abrir" on the request tab
  virtual void Button2Click(TForm1& form) = 0;   // "2.Salvar" (Button11)
  virtual void Button3Click(TForm1& form) = 0;   // "Abrir" on the response tab
};

}  // namespace cancel_tool

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  TForm1(cancel_tool::ShellDescription description,
         std::unique_ptr<cancel_tool::ShellHandlers> handlers, QWidget* parent = nullptr);
  ~TForm1() override;

  QTabWidget& PageControl25() const { return *pages_; }
  TValueListEditor& ValueListEditor77() const { return *upperGrid_; }
  TValueListEditor& ValueListEditor3() const { return *lowerGrid_; }
  TMemo& Memo1() const { return *log_; }
  TMemo& Memo3() const { return *information_; }
  TMemo& Memo4() const { return *upperListing_; }
  TMemo& Memo5() const { return *lowerListing_; }
  TWebBrowser& WebBrowser1() const { return *preview_; }
  QFileDialog& SaveDialog1() const { return *saveDialog_; }
  QFileDialog& OpenDialog1() const { return *openDialog_; }
  // The response tab, for a program that adds a control of its own there.
  QWidget& ResponsePage() const { return *responsePage_; }

  const QString& Title() const { return title_; }
  const QString& LastOpenedPath() const { return lastOpenedPath_; }

  void SelectTab(int index);
  // Shows the dialog; the chosen path (native separators) when the user confirmed, else none.
  std::optional<QString> Ask(QFileDialog& dialog);
  // Records `path` as the last opened path and shows it in the preview pane.
  void ShowOpenedFile(const QString& path);
  // Appends one log line to Memo1, stamped with Now().
  void Log(const QString& message);
  // A handler's one failure guard: any failure of `steps` ends them and logs `failedMessage`;
  // what was done before it stays done.
  void Guarded(const QString& failedMessage, const std::function<void()>& steps);

  // The frames of the handlers; a program gives only its document steps, and any failure of
  // them logs the handler's failed line.
  // "1. Novo": `build`, then the New succeeded line.
  void NewRequest(const std::function<void()>& build);
  // "Abrir": asks for a file (cancel ends silently), brings tab 0 to the front, `read(path)`,
  // then records and previews the file and logs the Open succeeded line.
  void OpenFile(const std::function<void(const QString& path)>& read);
  // "2.Salvar": proposes `name`, asks for a path (cancel ends silently), brings tab 0 to the
  // front, `write(path)`, then previews the file and logs the Save succeeded line.
  void SaveRequest(const QString& name, const std::function<void(const QString& path)>& write);

  // The clock of every time stamp; the system's local time unless replaced.
  QDateTime Now() const { return clock_(); }
  void SetClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

  // "Limpar Campos": brings the request tab to the front and sets every value of every grid of
  // the window to "0". Touches no document, listing or log.
  void Button5Click();

 private:
  QWidget* MakeInformationPage();
  QWidget* MakeRequestPage(const cancel_tool::ShellDescription& description);
  QWidget* MakeResponsePage();
  QWidget* MakeHowToBuyPage();
  void MakeDialogs();

  std::unique_ptr<cancel_tool::ShellHandlers> handlers_;
  QString lastOpenedPath_;
  QString title_;
  std::function<QDateTime()> clock_;

  QTabWidget* pages_ = nullptr;
  TValueListEditor* upperGrid_ = nullptr;
  TValueListEditor* lowerGrid_ = nullptr;
  TMemo* log_ = nullptr;
  TMemo* information_ = nullptr;
  TMemo* upperListing_ = nullptr;
  TMemo* lowerListing_ = nullptr;
  TWebBrowser* preview_ = nullptr;
  QWidget* responsePage_ = nullptr;
  QFileDialog* saveDialog_ = nullptr;
  QFileDialog* openDialog_ = nullptr;
};
