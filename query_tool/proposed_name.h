#pragma once

#include <QDateTime>
#include <QString>

namespace query_tool {

// The file name proposed for saving a request at `now`: DDMMYYYYHHMMSS of the local time (day,
// month, year, 24-hour hour, minute, second), then "-ConsultarNfseRpsEnvio.xml".
QString ProposedRequestName(const QDateTime& now);

}  // namespace query_tool
