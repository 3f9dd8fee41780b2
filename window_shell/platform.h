#pragma once

#include <QString>

// What the windows do differently per platform, one file each: platform_posix.cpp and
// platform_windows.cpp.
namespace window_shell {

// The folder the save dialog starts in: "c:\" on Windows, the user's home folder elsewhere.
QString InitialSaveFolder();

}  // namespace window_shell
