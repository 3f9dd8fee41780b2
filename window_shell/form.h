#pragma once

// The window TForm1 both programs are built on: four tabs, log box, preview pane and dialogs,
// the frames of the request and response handlers, and the Clear handler.
//
// A program supplies two things and gets its window back:
//   ShellDescription  its captions, document title, the nested tabs around its two grids, its
//                     request fields (the grid, key and start value of each) and the tab in front;
//   ShellHandlers     an object holding its own state (its documents) with the handlers of
//                     "1. Novo", "Abrir" (request), "2.Salvar" and "Abrir" (response).
//
//   auto window = std::make_unique<TForm1>(Describe(), std::make_unique<MyHandlers>());
//
// Handlers get the window and give only their document steps to its frames: NewRequest(),
// OpenFile() and SaveRequest(), reading and showing plain values (FieldValues(),
// ShowFieldValues(), TMemo::AddLines()). The frames ask for files, bring tab 0 to the front, run
// the steps under the handler's one failure guard and log the handler's line (texts in
// messages.h); a failure's own reason goes to the debug output (FailureLog()), and the log shows
// it only for a ShownFailure. "Limpar Campos" is the shell's own OnClear.
//
// The window holds the user's choice of the service layout (ServiceLayout(), layout_choice.h);
// the steps ask ServiceLayoutChosen() which layout to use. Off, the log lines are the messages
// as they stand; on, each log line of an action ends with messages::ServiceLayoutMark().
//
// The C++ names speak of roles; every control and dialog keeps its component name as its Qt
// objectName, which users of the window (and its tests) find it by:
//   Pages()         PageControl25       Preview()         WebBrowser1
//   UpperGrid()     ValueListEditor77   SaveDialog()      SaveDialog1
//   LowerGrid()     ValueListEditor3    OpenDialog()      OpenDialog1
//   Log()           Memo1               OnNew()           Button10
//   Information()   Memo3               OnOpenRequest()   Button12
//   UpperListing()  Memo4               OnSave()          Button11
//   LowerListing()  Memo5               OnOpenResponse()  Button3
//   ServiceLayout() ServiceLayout       OnClear()         Button14 and Button4
//                   (an action, shown by ToolButton1 and ToolButton2 in the button bars)

#include <QDateTime>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "window_shell/log_line.h"
#include "window_shell/memo.h"
#include "window_shell/messages.h"
#include "window_shell/value_list_editor.h"
#include "window_shell/web_browser.h"

class QAction;
class QFileDialog;
class QTabWidget;
class TForm1;

namespace window_shell {

// Tab indices of Pages().
enum Tab { kInformationTab = 0, kRequestTab = 1, kResponseTab = 2, kHowToBuyTab = 3 };

// The request tab's two grids: UpperGrid() along the top, LowerGrid() below it.
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
  // One-tab controls nested around the upper grid, outermost first.
  QStringList upperGridTabs;
  // The tab, below the upper grid, that holds the lower one.
  QString lowerGridTab;
  // The request's fields in the order New writes and Open reads them; each grid shows its own
  // in that order.
  std::vector<GridField> fields;
  int startTab = kRequestTab;
  // The program's name in lower case; its settings file is named after it (SettingsFile()).
  QString program;
};

// A failure whose reason the user reads: after the handler's failed line the log shows
// `message` (a log message, starting with " - ").
class ShownFailure : public std::runtime_error {
 public:
  explicit ShownFailure(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};

using ::TForm1;

// A program's module state and handlers. The window owns it and releases it first when closing,
// so the program's documents go before the shell's last opened path and title.
class ShellHandlers {
 public:
  virtual ~ShellHandlers() = default;
  virtual void OnNew(TForm1& form) = 0;           // "1. Novo"
  virtual void OnOpenRequest(TForm1& form) = 0;   // "Abrir" on the request tab
  virtual void OnSave(TForm1& form) = 0;          // "2.Salvar"
  virtual void OnOpenResponse(TForm1& form) = 0;  // "Abrir" on the response tab
};

// Where a handler's failure is told with its reason (category "nfse.handlers", warnings): the
// log line names only the handler, as the user reads it; this says why, for whoever debugs it.
Q_DECLARE_LOGGING_CATEGORY(FailureLog)

// A path the user chose, as a file system path: wide text all the way, so no character is lost.
std::filesystem::path FilePath(const QString& path);

}  // namespace window_shell

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  TForm1(window_shell::ShellDescription description,
         std::unique_ptr<window_shell::ShellHandlers> handlers, QWidget* parent = nullptr);
  ~TForm1() override;

  QTabWidget& Pages() const { return *pages_; }
  TValueListEditor& UpperGrid() const { return *upperGrid_; }
  TValueListEditor& LowerGrid() const { return *lowerGrid_; }
  TMemo& Log() const { return *log_; }
  TMemo& Information() const { return *information_; }
  TMemo& UpperListing() const { return *upperListing_; }
  TMemo& LowerListing() const { return *lowerListing_; }
  TWebBrowser& Preview() const { return *preview_; }
  // The dialogs are made when first needed (building them costs more than the rest of the
  // window).
  QFileDialog& SaveDialog();
  QFileDialog& OpenDialog();
  // The response tab, for a program that adds a control of its own there.
  QWidget& ResponsePage() const { return *responsePage_; }
  // The choice of the service layout: checkable, off on first start, remembered between runs.
  QAction& ServiceLayout() const { return *serviceLayout_; }
  // Whether New, Open and Save use the service layout now.
  bool ServiceLayoutChosen() const;

  const QString& Title() const { return title_; }
  const QString& LastOpenedPath() const { return lastOpenedPath_; }

  void SelectTab(int index);
  // Shows the dialog; the chosen path (native separators) when the user confirmed, else none.
  std::optional<QString> Ask(QFileDialog& dialog);
  // Records `path` as the last opened path and shows it in the preview pane.
  void ShowOpenedFile(const QString& path);
  // Appends one log line to the log box, stamped with Now().
  void LogMessage(const QString& message);
  // The values of the request's fields as the grids hold them, in the order of the fields.
  QStringList FieldValues() const;
  // Shows `values` (UTF-8) in the first fields, in their order; later fields keep theirs.
  void ShowFieldValues(const std::vector<std::string>& values);

  // The frames of the handlers; a program gives only its document steps, and any failure of
  // them logs the handler's failed line.
  // "1. Novo": `build`, then the New succeeded line.
  void NewRequest(const std::function<void()>& build);
  // "Abrir": asks for a file (cancel ends silently), brings tab 0 to the front, `read(path)`,
  // then records and previews the file and logs the Open succeeded line.
  void OpenFile(const std::function<void(const QString& path)>& read);
  // "2.Salvar": proposes `name`, asks for a path (cancel ends silently), brings tab 0 to the
  // front and has `save` write the request to that file, replacing any file there; `save` fails
  // when there is nothing to save. Then the file is previewed and the Save succeeded line logged.
  void SaveRequest(const QString& name,
                   const std::function<void(const std::filesystem::path& file)>& save);

  // The clock of every time stamp; the system's local time unless replaced.
  QDateTime Now() const { return clock_(); }
  void SetClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

  // "Limpar Campos": brings the request tab to the front and sets every value of every grid of
  // the window to "0". Touches no document, listing or log.
  void OnClear();

 private:
  // What the log lines of an action taken now end with: nothing under the specified layout.
  QString LayoutMark() const;
  // A handler's one failure guard: any failure of `steps` ends them, logs `failedMessage` (and,
  // for a ShownFailure, its message), each ending with `mark`, and tells its reason on
  // FailureLog, naming the `handler`; what was done before it stays done.
  void Guarded(const char* handler, const QString& failedMessage, const QString& mark,
               const std::function<void()>& steps);

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
  QAction* serviceLayout_ = nullptr;
  QFileDialog* saveDialog_ = nullptr;
  QFileDialog* openDialog_ = nullptr;
};
