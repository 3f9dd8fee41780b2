#include "cancel_tool/proposed_name.h"

#include <QList>
#include <algorithm>

namespace cancel_tool {

QString ProposedRequestName(const QString& id) {
  QString kept;
  const QList<uint> characters = id.toUcs4();
  for (qsizetype i = 3; i < std::min<qsizetype>(characters.size(), 47); ++i) {
    const char32_t character = characters[i] == '/' || characters[i] == '\\' ? U'_' : characters[i];
    kept += QString::fromUcs4(&character, 1);
  }
  return kept + QStringLiteral("-CancelarNfseEnvio.xml");
}

}  // namespace cancel_tool
