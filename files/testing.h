#pragma once

#include <filesystem>
#include <functional>

// A seam for tests of the safe save; not installed.
namespace files::testing {

// Calls `hook` from every later WriteFileAtomically with the temporary file, once it holds all
// the new bytes and is closed, just before it takes the target's place. An exception from the
// hook fails the save at that step, as a failed rename would: the temporary is removed and the
// target left as it was. An empty hook removes it.
void SetBeforeReplace(std::function<void(const std::filesystem::path& temporary)> hook);

}  // namespace files::testing
