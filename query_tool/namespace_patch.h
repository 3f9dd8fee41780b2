#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The adjustment Save makes to a request it has just written: the first "<Numero>", "<Serie>",
// "<Tipo>", "<Cnpj>" and "<InscricaoMunicipal>" (exact case, in that order) each gain a
// declaration of the shared types namespace, and every line break (CR LF, lone LF, lone CR)
// becomes CR LF. Nothing else changes: no byte-order mark, final line break or re-encoding is
// added.
namespace query_tool {

// The adjusted bytes. Text without NUL bytes is handled byte by byte, whatever its 8-bit
// encoding. Text holding NUL bytes is a 16-bit encoding: it is taken as UTF-16 in the byte order
// of its byte-order mark (or of its leading "<" when it has none), adjusted unit by unit and
// written back in that same byte order with its mark, if it had one. Anything else (odd length,
// NUL characters, UTF-32) fails with std::runtime_error rather than lose content.
std::string AdjustedRequestBytes(std::string_view bytes, std::string_view typesNamespace);

// Adjusts the file in place with the shared types namespace, replacing it atomically; a failure
// leaves the file as it was.
void AdjustSavedRequest(const std::filesystem::path& path);

}  // namespace query_tool
