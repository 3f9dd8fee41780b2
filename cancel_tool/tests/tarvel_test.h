#pragma once

#include "cancel_tool/tarvel_window.h"
#include "cancel_tool/tests/window_driver.h"

namespace cancel_tool::fixture {

// A Tarvel window driven by one test.
class TarvelTest : public WindowDriver {
 public:
  TarvelTest() : WindowDriver(MakeTarvelWindow()) {}
};

// Tarvel's log messages.
inline const QString kTitle = QStringLiteral("Cancelamento de NFS-e");
inline const QString kNewSucceeded = NewSucceeded(kTitle);
inline const QString kNewFailed = NewFailed(kTitle);
inline const QString kOpenSucceeded = OpenSucceeded(kTitle);
inline const QString kOpenFailed = OpenFailed(kTitle);

}  // namespace cancel_tool::fixture
