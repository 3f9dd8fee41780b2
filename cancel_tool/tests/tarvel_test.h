#pragma once

#include "cancel_tool/tarvel_window.h"
#include "window_shell/testing/window_driver.h"

namespace cancel_tool::fixture {

using namespace window_shell::fixture;
using window_shell::kInformationTab;
using window_shell::kRequestTab;
using window_shell::kResponseTab;

// A Tarvel window driven by one test.
class TarvelTest : public WindowDriver {
 public:
  TarvelTest() : WindowDriver(MakeTarvelWindow) {}
};

// Tarvel's log messages.
inline const QString kTitle = QStringLiteral("Cancelamento de NFS-e");
inline const QString kNewSucceeded = NewSucceeded(kTitle);
inline const QString kNewFailed = NewFailed(kTitle);
inline const QString kOpenSucceeded = OpenSucceeded(kTitle);
inline const QString kOpenFailed = OpenFailed(kTitle);

}  // namespace cancel_tool::fixture
