#include "query_tool/proposed_name.h"

namespace query_tool {

QString ProposedRequestName(const QDateTime& now) {
  return now.toString(QStringLiteral("ddMMyyyyHHmmss")) +
         QStringLiteral("-ConsultarNfseRpsEnvio.xml");
}

}  // namespace query_tool
