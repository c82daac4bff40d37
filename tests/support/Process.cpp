#include "tests/support/Process.h"

#include <vector>

namespace zebtest {

std::string WindowsPath(const std::string& path) {
  std::string p = path;
  for (char& c : p) {
    if (c == '/') c = '\\';
  }
  if (!p.empty() && p[0] == '\\') p = "Z:" + p;
  return p;
}

Process::~Process() {
  if (Running()) Kill();
  if (info_.hProcess) CloseHandle(info_.hProcess);
  if (info_.hThread) CloseHandle(info_.hThread);
}

bool Process::Start(const std::string& program, const std::string& arguments) {
  std::string line = "\"" + program + "\"";
  if (!arguments.empty()) line += " " + arguments;
  std::vector<char> buffer(line.begin(), line.end());
  buffer.push_back('\0');
  STARTUPINFOA si{};
  si.cb = sizeof si;
  return CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &info_) != FALSE;
}

bool Process::WaitExit(DWORD timeoutMs) {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool Process::Running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD Process::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (info_.hProcess) GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void Process::Kill() {
  if (!info_.hProcess) return;
  TerminateProcess(info_.hProcess, 99);
  WaitForSingleObject(info_.hProcess, 5000);
}

namespace {
struct FindRequest {
  DWORD processId;
  const char* className;
  const char* title;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam) {
  auto* req = reinterpret_cast<FindRequest*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != req->processId) return TRUE;
  char text[256] = {}, cls[256] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  GetClassNameA(hwnd, cls, sizeof cls);
  if (req->title && std::string(text) != req->title) return TRUE;
  if (req->className && std::string(cls) != req->className) return TRUE;
  // A dialog exists with its caption before its controls are made and set
  // up; it shows itself only once they are, so only then is it ready.
  if (std::string(cls) == "#32770" && !IsWindowVisible(hwnd)) return TRUE;
  req->found = hwnd;
  return FALSE;
}
}  // namespace

HWND WaitForWindow(DWORD processId, const char* className, const char* title, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  do {
    FindRequest req{processId, className, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&req));
    if (req.found) return req.found;
    Sleep(50);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

void PumpFor(DWORD ms) {
  DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(5);
  } while (GetTickCount() - start < ms);
}

HWND WaitForChild(HWND parent, const char* className, const char* title, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  do {
    if (HWND child = FindWindowExA(parent, nullptr, className, title)) return child;
    PumpFor(20);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

TempFolder::TempFolder() {
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  static int counter = 0;
  for (;;) {
    path_ = std::string(base) + "zebtest" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(++counter);
    if (CreateDirectoryA(path_.c_str(), nullptr)) break;
  }
}

TempFolder::~TempFolder() {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((path_ + "\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        DeleteFileA(File(fd.cFileName).c_str());
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryA(path_.c_str());
}

RegistryValueGuard::RegistryValueGuard(const std::string& key, const std::string& name)
    : key_(key), name_(name) {
  HKEY k;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_READ, &k) == ERROR_SUCCESS) {
    char buf[1024];
    DWORD size = sizeof buf;
    if (RegQueryValueExA(k, name_.c_str(), nullptr, &type_, reinterpret_cast<BYTE*>(buf), &size) ==
        ERROR_SUCCESS) {
      existed_ = true;
      old_.assign(buf, size);
    }
    RegCloseKey(k);
  }
}

RegistryValueGuard::~RegistryValueGuard() {
  HKEY k;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  if (existed_) {
    RegSetValueExA(k, name_.c_str(), 0, type_, reinterpret_cast<const BYTE*>(old_.data()),
                   static_cast<DWORD>(old_.size()));
  } else {
    RegDeleteValueA(k, name_.c_str());
  }
  RegCloseKey(k);
}

void RegistryValueGuard::SetDword(DWORD value) {
  HKEY k;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExA(k, name_.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                 sizeof value);
  RegCloseKey(k);
}

void RegistryValueGuard::SetText(const std::string& value) {
  HKEY k;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExA(k, name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(k);
}

bool RunSaverBuilder(const std::string& builder, const std::string& engine, const std::string& out,
                     const std::string& contentFolder) {
  Process run;
  if (!run.Start(builder,
                 "--engine \"" + engine + "\" --out \"" + out + "\" \"" + contentFolder + "\"")) {
    return false;
  }
  return run.WaitExit(30000) && run.ExitCode() == 0;
}

}  // namespace zebtest
