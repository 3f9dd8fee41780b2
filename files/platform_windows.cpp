// The file operations of files.cpp on Windows. Paths are UTF-16 throughout (std::filesystem's
// native form there), so any name the file system holds can be read and saved.
#include <windows.h>

#include <algorithm>
#include <array>
#include <cwctype>
#include <string>
#include <utility>

#include "files/platform.h"

namespace files::platform {

namespace fs = std::filesystem;

namespace {

HANDLE AsHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }
std::intptr_t FromHandle(HANDLE handle) { return reinterpret_cast<std::intptr_t>(handle); }

std::string Utf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, out.data(), n, nullptr, nullptr);
  return out;
}

// The system's reason for `error`, in the words the POSIX side uses where there are such.
std::string Reason(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
      return "No such file or directory";
    case ERROR_ACCESS_DENIED:
      return "Permission denied";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return "it is in use by another program";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return "No space left on device";
    default:
      break;
  }
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message(text != nullptr ? text : L"", n);
  LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                              message.back() == L' ' || message.back() == L'.'))
    message.pop_back();
  return message.empty() ? "system error " + std::to_string(error) : Utf8(message);
}

[[noreturn]] void FailWithLastError() { throw Failure(Reason(GetLastError())); }

bool StartsWithIgnoringCase(std::wstring_view text, std::wstring_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    const wchar_t a = text[i] == L'/' ? L'\\' : text[i];
    if (std::towupper(a) != std::towupper(prefix[i])) return false;
  }
  return true;
}

// A name that opens a device rather than a file: anything in the device namespace ("\\.\",
// where named pipes, consoles and disks live; opening a pipe there would connect to its
// server) and the reserved names (CON, NUL, COM1, ...), which name a device in every folder
// and with any extension. Refused before opening them.
bool NamesADevice(const fs::path& path) {
  const std::wstring& native = path.native();
  if (StartsWithIgnoringCase(native, L"\\\\.\\") ||
      StartsWithIgnoringCase(native, L"\\\\?\\GLOBALROOT\\"))
    return true;
  std::wstring stem = path.filename().native();
  stem = stem.substr(0, stem.find(L'.'));
  while (!stem.empty() && (stem.back() == L' ' || stem.back() == L':')) stem.pop_back();
  std::transform(stem.begin(), stem.end(), stem.begin(),
                 [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
  static constexpr std::array<std::wstring_view, 6> kNames = {L"CON", L"PRN",    L"AUX",
                                                              L"NUL", L"CONIN$", L"CONOUT$"};
  if (std::find(kNames.begin(), kNames.end(), stem) != kNames.end()) return true;
  const bool port = stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT"));
  return port && std::wstring_view(L"0123456789\u00B9\u00B2\u00B3").find(stem[3]) !=
                     std::wstring_view::npos;
}

// Closes a handle unless it was handed on.
class HandleGuard {
 public:
  explicit HandleGuard(HANDLE handle) : handle_(handle) {}
  ~HandleGuard() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  HandleGuard(const HandleGuard&) = delete;
  HandleGuard& operator=(const HandleGuard&) = delete;
  HANDLE Release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }

 private:
  HANDLE handle_;
};

}  // namespace

InputFile::InputFile(const fs::path& path) {
  if (NamesADevice(path)) throw Failure(kNotRegularFile);
  // Opening does not block: a device or pipe that slipped past the name check is refused by
  // the type of the opened handle, before anything is read from it. Backup semantics let a
  // folder open, so that it is named as one.
  const HANDLE handle = CreateFileW(
      path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (handle == INVALID_HANDLE_VALUE) FailWithLastError();
  HandleGuard guard(handle);
  if (GetFileType(handle) != FILE_TYPE_DISK) throw Failure(kNotRegularFile);
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(handle, &info)) FailWithLastError();
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) throw Failure(kFolder);
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) != 0) throw Failure(kNotRegularFile);
  size_ = (static_cast<std::uintmax_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  handle_ = FromHandle(guard.Release());
}

InputFile::~InputFile() { CloseHandle(AsHandle(handle_)); }

std::size_t InputFile::Read(char* into, std::size_t size) {
  DWORD got = 0;
  const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
  if (!ReadFile(AsHandle(handle_), into, want, &got, nullptr)) FailWithLastError();
  return got;
}

std::optional<NewFile> NewFile::Create(const fs::path& path) {
  const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle != INVALID_HANDLE_VALUE) return NewFile(FromHandle(handle));
  const DWORD error = GetLastError();
  if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) return std::nullopt;
  throw Failure(Reason(error));
}

NewFile::NewFile(NewFile&& other) noexcept
    : handle_(std::exchange(other.handle_, FromHandle(INVALID_HANDLE_VALUE))) {}

NewFile::~NewFile() {
  if (AsHandle(handle_) != INVALID_HANDLE_VALUE) CloseHandle(AsHandle(handle_));
}

void NewFile::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    if (!WriteFile(AsHandle(handle_), bytes.data(), chunk, &written, nullptr)) FailWithLastError();
    bytes.remove_prefix(written);
  }
}

void NewFile::Finish() {
  const HANDLE handle = AsHandle(std::exchange(handle_, FromHandle(INVALID_HANDLE_VALUE)));
  const bool flushed = FlushFileBuffers(handle) != 0;
  const DWORD flushError = GetLastError();
  const bool closed = CloseHandle(handle) != 0;
  if (!flushed) throw Failure(Reason(flushError));
  if (!closed) FailWithLastError();
}

void CheckReplaceable(const fs::path& target) {
  if (NamesADevice(target)) throw Failure(kNotRegularFile);
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;  // absent; anything else fails later
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) throw Failure(kFolder);
  if ((attributes & FILE_ATTRIBUTE_DEVICE) != 0) throw Failure(kNotRegularFile);
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) throw Failure(kReadOnly);
}

void Replace(const fs::path& temporary, const fs::path& target) {
  // MoveFileExW renames in one step: the target is the old file or the new one. ReplaceFileW
  // is not used because when its final rename fails without a backup name the target is gone.
  // What it would keep beyond the content are the attributes, copied here; the permissions
  // both files inherit from their common folder.
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if ((attributes & kKept) != 0) SetFileAttributesW(temporary.c_str(), attributes & kKept);
  }
  if (!MoveFileExW(temporary.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    FailWithLastError();
}

}  // namespace files::platform
