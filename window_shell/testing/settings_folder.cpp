#include "window_shell/testing/settings_folder.h"

#include <QtGlobal>

namespace window_shell::fixture {

namespace {
const char* const kConfigHome = "XDG_CONFIG_HOME";
}  // namespace

SettingsFolder::SettingsFolder() {
  if (qEnvironmentVariableIsSet(kConfigHome)) previous_ = qgetenv(kConfigHome);
  qputenv(kConfigHome, QByteArray::fromStdString(dir_.path().string()));
}

SettingsFolder::~SettingsFolder() {
  if (previous_) {
    qputenv(kConfigHome, *previous_);
  } else {
    qunsetenv(kConfigHome);
  }
}

}  // namespace window_shell::fixture
