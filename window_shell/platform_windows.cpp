#include "window_shell/platform.h"

QString window_shell::InitialSaveFolder() { return QStringLiteral("c:\\"); }
