#pragma once
// Start-up trace, for finding where the time before the first picture goes.
// Off unless the environment variable LUMISHOW_STARTUP_TRACE names a file:
// then the file gets a line "# created <ms since 1970>" with the process's
// creation time, and every mark, from any thread, appends a line
// "<ms since the process was created> <thread id> <what>". Off, a mark
// costs one test of a flag.
#include <windows.h>

#include <cstdio>

namespace lumi {
namespace startup_trace {

class Trace {
 public:
  static Trace& Instance() {
    static Trace trace;
    return trace;
  }

  void Mark(const char* what) {
    if (file_ == INVALID_HANDLE_VALUE) return;
    const double ms = static_cast<double>(Now() - created_) / 1e4;
    char line[160];
    const int n =
        std::snprintf(line, sizeof line, "%9.2f %lu %s\r\n", ms, GetCurrentThreadId(), what);
    if (n <= 0) return;
    EnterCriticalSection(&lock_);
    DWORD written = 0;
    WriteFile(file_, line,
              static_cast<DWORD>(n < static_cast<int>(sizeof line) ? n : sizeof line - 1), &written,
              nullptr);
    LeaveCriticalSection(&lock_);
  }

  Trace(const Trace&) = delete;
  Trace& operator=(const Trace&) = delete;

 private:
  using PreciseTime = void(WINAPI*)(LPFILETIME);

  Trace() {
    char path[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA("LUMISHOW_STARTUP_TRACE", path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return;
    // The finer clock is there from Windows 8 on; older systems tick coarser.
    precise_ = reinterpret_cast<PreciseTime>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetSystemTimePreciseAsFileTime")));
    FILETIME creation{}, exit{}, kernel{}, user{};
    GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
    created_ = ToUnits(creation);
    InitializeCriticalSection(&lock_);
    file_ = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    // The creation on the wall clock, in milliseconds since 1970, for lining
    // the trace up with what is seen from outside.
    constexpr ULONGLONG kUnitsTo1970 = 116444736000000000ULL;
    char line[64];
    const int length = std::snprintf(line, sizeof line, "# created %.2f\r\n",
                                     static_cast<double>(created_ - kUnitsTo1970) / 1e4);
    DWORD written = 0;
    if (file_ != INVALID_HANDLE_VALUE && length > 0) {
      WriteFile(file_, line, static_cast<DWORD>(length), &written, nullptr);
    }
  }
  ~Trace() {
    if (file_ == INVALID_HANDLE_VALUE) return;
    CloseHandle(file_);
    DeleteCriticalSection(&lock_);
  }

  static ULONGLONG ToUnits(const FILETIME& t) {
    return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  }
  ULONGLONG Now() const {
    FILETIME now{};
    if (precise_ != nullptr) {
      precise_(&now);
    } else {
      GetSystemTimeAsFileTime(&now);
    }
    return ToUnits(now);
  }

  HANDLE file_ = INVALID_HANDLE_VALUE;
  ULONGLONG created_ = 0;
  PreciseTime precise_ = nullptr;
  CRITICAL_SECTION lock_{};
};

}  // namespace startup_trace

inline void StartupMark(const char* what) { startup_trace::Trace::Instance().Mark(what); }

}  // namespace lumi
