#pragma once

// The window TForm1 both programs are built on: four tabs, log box, preview pane and dialogs,
// the frames of the request and response handlers, and the Clear handler.
//
// A program supplies two things and gets its window back:
//   ShellDescription  its captions, document title, the nested tabs and rows of its two grids
//                     (ValueListEditor77 on top, ValueListEditor3 below) and the tab in front;
//   ShellHandlers     an object holding its own state (its documents) with the handlers of
//                     "1. Novo", "Abrir" (request), "2.Salvar" and "Abrir" (response).
//
//   auto window = std::make_unique<TForm1>(Describe(), std::make_unique<MyHandlers>());
//
// Handlers get the window and give only their document steps to its frames: NewRequest(),
// OpenRequest(), SaveRequest() and, for a response, OpenFile() with TMemo::List(), which appends
// a listing in one edit. The frames ask for files, bring tab 0 to the front, run the steps under
// the handler's one failure guard and log the handler's line (texts in messages.h).
// "Limpar Campos" is the shell's own Button5Click.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "window_shell/log_line.h"
#include "window_shell/memo.h"
#include "window_shell/messages.h"
#include "window_shell/value_list_editor.h"
#include "window_shell/web_browser.h"

class QFileDialog;
class QTabWidget;
class TForm1;

namespace binding {
class TXMLNode;
}

namespace window_shell {

// Tab indices of PageControl25.
enum Tab { kInformationTab = 0, kRequestTab = 1, kResponseTab = 2, kHowToBuyTab = 3 };

// The request tab's two grids: ValueListEditor77 along the top, ValueListEditor3 below it.
enum class Grid { Upper, Lower };

// One field of the request as the grids show it: its grid, its key and its value at start.
struct GridField {
  Grid grid;
  QString key;
  QString start;
};

struct ShellDescription {
  QString caption;      // the window caption
  QString title;        // the document title the log messages name
  QString requestTab;   // caption of tab 1
  QString responseTab;  // caption of tab 2
  // One-tab controls nested around ValueListEditor77, outermost first.
  QStringList upperGridTabs;
  // The tab, below ValueListEditor77, that holds ValueListEditor3.
  QString lowerGridTab;
  // The request's fields in the order New writes and Open reads them; each grid shows its own
  // in that order.
  std::vector<GridField> fields;
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

// A path the user chose, as a file system path: wide text all the way, so no character is lost.
std::filesystem::path FilePath(const QString& path);

}  // namespace window_shell

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  TForm1(window_shell::ShellDescription description,
         std::unique_ptr<window_shell::ShellHandlers> handlers, QWidget* parent = nullptr);
  ~TForm1() override;

  QTabWidget& PageControl25() const { return *pages_; }
  TValueListEditor& ValueListEditor77() const { return *upperGrid_; }
  TValueListEditor& ValueListEditor3() const { return *lowerGrid_; }
  TMemo& Memo1() const { return *log_; }
  TMemo& Memo3() const { return *information_; }
  TMemo& Memo4() const { return *upperListing_; }
  TMemo& Memo5() const { return *lowerListing_; }
  TWebBrowser& WebBrowser1() const { return *preview_; }
  // The dialogs are made when first needed (building them costs more than the rest of the
  // window), as children named SaveDialog1 and OpenDialog1.
  QFileDialog& SaveDialog1();
  QFileDialog& OpenDialog1();
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
  // The values of the request's fields as the grids hold them, in the order of the fields.
  QStringList FieldValues() const;
  // Shows `values` (UTF-8) in the first fields, in their order; later fields keep theirs.
  void ShowFieldValues(const std::vector<std::string>& values);

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
  // front and saves the document of `request` there, replacing any file; with no request yet
  // (null) the save fails and writes nothing. `adjust`, when given, then works on the saved
  // file. Last the file is previewed and the Save succeeded line logged.
  void SaveRequest(const QString& name, const binding::TXMLNode* request,
                   const std::function<void(const std::filesystem::path& file)>& adjust = {});

  // The clock of every time stamp; the system's local time unless replaced.
  QDateTime Now() const { return clock_(); }
  void SetClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

  // "Limpar Campos": brings the request tab to the front and sets every value of every grid of
  // the window to "0". Touches no document, listing or log.
  void Button5Click();

 private:
  QWidget* MakeInformationPage();
  QWidget* MakeRequestPage(const window_shell::ShellDescription& description);
  QWidget* MakeResponsePage();
  QWidget* MakeHowToBuyPage();

  TValueListEditor& GridOf(window_shell::Grid grid) const;

  std::unique_ptr<window_shell::ShellHandlers> handlers_;
  std::vector<window_shell::GridField> fields_;
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
