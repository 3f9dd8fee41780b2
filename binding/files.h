#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace binding {

// The whole file as bytes; fails with binding::Error naming the reason.
std::string ReadFileBytes(const std::filesystem::path& path);

// Writes a temporary file beside the target and renames it over the target, keeping an existing
// file's permissions, so the target is either the old file or the new bytes, never a mix.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace binding
