#pragma once

#include <QString>

namespace cancel_tool {

// The file name proposed for saving a request with that Id: its characters 4 to 47 (fewer when
// shorter), then "-CancelarNfseEnvio.xml". Characters, not bytes, so no letter is cut in half;
// a "/" or "\" becomes "_", so an Id read from a file cannot point the name at another folder.
QString ProposedRequestName(const QString& id);

}  // namespace cancel_tool
