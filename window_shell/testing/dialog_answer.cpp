#include "window_shell/testing/dialog_answer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>

namespace window_shell::fixture {

namespace {
constexpr int kPollMs = 5;
constexpr int kModalPatienceMs = 3000;
}  // namespace

DialogAnswer::DialogAnswer(const QWidget& window, const char* name, QString file)
    : window_(window), name_(QString::fromLatin1(name)), file_(std::move(file)) {
  clock_.start();
  QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
  timer_.start(kPollMs);
}

void DialogAnswer::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) return;
  auto* dialog = qobject_cast<QFileDialog*>(modal);
  if (dialog != nullptr && dialog == window_.findChild<QFileDialog*>(name_)) {
    shown_ = true;
    timer_.stop();
    proposed_ = QFileInfo(dialog->selectedFiles().value(0)).fileName();
    if (file_.isEmpty()) {
      dialog->reject();
      return;
    }
    // selectFile() leaves the name box alone while it has the focus, as when a user types.
    if (QWidget* focused = dialog->focusWidget()) focused->clearFocus();
    dialog->selectFile(file_);
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own accept() is protected
    return;
  }
  if (clock_.elapsed() < kModalPatienceMs) return;
  ADD_FAILURE() << "unexpected modal window \"" << modal->objectName().toStdString() << "\" ("
                << modal->metaObject()->className() << ") closed";
  if (auto* other = qobject_cast<QDialog*>(modal)) {
    other->reject();
  } else {
    modal->close();
  }
}

}  // namespace window_shell::fixture

// What LeakSanitizer passes over in every window test program (all of them answer dialogs, so all
// link this file): fontconfig's own blocks. It loses one while it parses its configuration, the
// first time a window needs a font; whether the leak check finds it depends on whether a stale
// copy of the pointer happens to lie in memory still in use. The short stacks the check records
// name only the library.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
