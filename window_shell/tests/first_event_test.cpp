// Work put off until a widget first needs it: it runs once, and a program's icon waits for the
// window's first frame.

#include "window_shell/first_event.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QIcon>
#include <QImage>
#include <QShowEvent>
#include <QWidget>

#include "test_support/temp_folder.h"

namespace window_shell {
namespace {

TEST(FirstEvent, RunsOnceOnTheFirstEventOfItsTypeOnly) {
  QWidget widget;
  int runs = 0;
  OnFirstEvent(widget, QEvent::Show, [&] { ++runs; });
  QEvent other(QEvent::Hide);
  QApplication::sendEvent(&widget, &other);
  EXPECT_EQ(runs, 0);
  for (int i = 0; i < 2; ++i) {
    QShowEvent show;
    QApplication::sendEvent(&widget, &show);
  }
  EXPECT_EQ(runs, 1);
}

TEST(FirstEvent, TheWindowIconArrivesOnlyAfterTheFirstFrame) {
  const test_support::TempFolder dir;
  const QString icon = QString::fromStdU16String((dir / "icon.png").u16string());
  QImage picture(16, 16, QImage::Format_ARGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(icon));
  QApplication::setWindowIcon(QIcon());
  QWidget window;
  window.resize(200, 100);
  SetWindowIconAfterFirstFrame(window, icon);
  QApplication::processEvents();
  EXPECT_TRUE(QApplication::windowIcon().isNull()) << "set before the window was painted";

  window.show();
  const QDeadlineTimer deadline(5000);
  while (QApplication::windowIcon().isNull() && !deadline.hasExpired()) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  EXPECT_FALSE(QApplication::windowIcon().isNull());
  QApplication::setWindowIcon(QIcon());
}

}  // namespace
}  // namespace window_shell
