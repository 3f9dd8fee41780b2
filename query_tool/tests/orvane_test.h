#pragma once

#include "query_tool/orvane_window.h"
#include "window_shell/testing/window_driver.h"

// Readable failure output for the bytes of saved files.
inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
  *out << '"' << bytes.toStdString() << '"';
}

namespace query_tool::fixture {

using namespace window_shell::fixture;

// An Orvane window driven by one test.
class OrvaneTest : public WindowDriver {
 public:
  OrvaneTest() : WindowDriver(MakeOrvaneWindow) {}
};

// The document title Orvane's log messages name.
inline const QString kTitle = QStringLiteral("Consulta de NFS-e");

}  // namespace query_tool::fixture
