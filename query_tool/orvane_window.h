#pragma once

#include <QWidget>
#include <memory>

namespace query_tool {

// Orvane's main window (a TForm1), built with the grids at their start values but not shown.
// Each window holds its own documents, so two windows of one process are independent.
std::unique_ptr<QWidget> MakeOrvaneWindow();

}  // namespace query_tool
