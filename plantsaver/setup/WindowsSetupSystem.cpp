#include "plantsaver/setup/WindowsSetupSystem.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "plantsaver/setup/DirectoryPicker.h"
#include "plantsaver/setup/ShellShortcut.h"

namespace gulpleaf {
namespace {

// Calls that fill a buffer and answer the length they need when it is too
// small; empty on failure.
template <class Fill>
std::string GrowingBuffer(Fill fill) {
  std::vector<char> buffer(MAX_PATH);
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD length = fill(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(static_cast<size_t>(length) + MAX_PATH);
  }
  return {};
}

}  // namespace

std::string WindowsSetupSystem::WindowsDirectory() {
  return GrowingBuffer([](char* b, DWORD n) { return GetWindowsDirectoryA(b, n); });
}

std::string WindowsSetupSystem::ProgramFile() {
  // GetModuleFileNameA answers the full buffer size when it truncated.
  std::vector<char> buffer(MAX_PATH);
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 4);
  }
  return {};
}

bool WindowsSetupSystem::FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WindowsSetupSystem::CopyOver(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

std::string WindowsSetupSystem::ProgramsFolder() {
  LPITEMIDLIST item = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_PROGRAMS, &item)) || !item) return {};
  char path[MAX_PATH] = "";
  BOOL ok = SHGetPathFromIDListA(item, path);
  CoTaskMemFree(item);
  return ok ? std::string(path) : std::string();
}

bool WindowsSetupSystem::EnsureFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
  return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

void WindowsSetupSystem::OpenFolder(const std::string& path) {
  ShellExecuteA(nullptr, nullptr, path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool WindowsSetupSystem::CreateShortcut(const ShortcutLink& shortcut) {
  return CreateShellShortcut(shortcut);
}

std::string WindowsSetupSystem::ShortPath(const std::string& path) {
  return GrowingBuffer([&](char* b, DWORD n) { return GetShortPathNameA(path.c_str(), b, n); });
}

void WindowsSetupSystem::WriteSystemIni(const std::string& section, const std::string& key,
                                        const std::string& value) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), "system.ini");
}

void WindowsSetupSystem::SwitchScreenSaverOn() {
  SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, SPIF_UPDATEINIFILE);
}

void WindowsSetupSystem::StartProgram(const std::string& program, const std::string& parameters,
                                      const std::string& directory) {
  ShellExecuteA(nullptr, nullptr, program.c_str(), parameters.c_str(), directory.c_str(),
                SW_SHOWNORMAL);
}

int WindowsSetupSystem::Message(HWND owner, const std::string& text, const std::string& caption,
                                UINT flags) {
  return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

std::optional<std::string> WindowsSetupSystem::PickDirectory(HWND owner,
                                                             const std::string& initial) {
  return PickDirectoryWithShell(owner, initial);
}

}  // namespace gulpleaf
