#pragma once

// The window shell both programs are built on: the window TForm1 and its handler frames, the
// grids, text boxes and preview pane, the log line and its messages, the choice of the namespace
// layout (layout_choice.h), and the work put off until first needed (first_event.h).

#include "window_shell/first_event.h"
#include "window_shell/form.h"
#include "window_shell/layout_choice.h"
#include "window_shell/log_line.h"
#include "window_shell/memo.h"
#include "window_shell/messages.h"
#include "window_shell/value_list_editor.h"
#include "window_shell/web_browser.h"
