#pragma once

// A settings folder of a test's own, so no window test reads or changes the user's settings, or
// another test's.

#include <QByteArray>
#include <filesystem>
#include <optional>

#include "test_support/temp_folder.h"

namespace window_shell::fixture {

// While it lives, the windows made read and keep their settings (the layout choice) in an empty
// folder of its own: it points XDG_CONFIG_HOME there, and back at what it was when it goes. A
// window keeps the settings file it found when it was made.
class SettingsFolder {
 public:
  SettingsFolder();
  ~SettingsFolder();
  SettingsFolder(const SettingsFolder&) = delete;
  SettingsFolder& operator=(const SettingsFolder&) = delete;

  const std::filesystem::path& path() const { return dir_.path(); }

 private:
  test_support::TempFolder dir_;
  std::optional<QByteArray> previous_;
};

}  // namespace window_shell::fixture
