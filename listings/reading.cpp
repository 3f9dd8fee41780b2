#include "listings/reading.h"

#include "binding/text.h"

namespace listings {

std::string Shown(const std::string& local8Bit) { return binding::Local8BitToUtf8(local8Bit); }
std::string Shown(const std::u16string& wide) { return binding::Utf16ToUtf8(wide); }
std::string Shown(bool value) { return value ? "-1" : "0"; }

}  // namespace listings
