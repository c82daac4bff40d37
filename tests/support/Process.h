#pragma once
// Starting a program under test and waiting for it and its windows.
#include <windows.h>

#include <string>

namespace zebtest {

// A path as the build knows it (a Unix path under Wine) made usable by
// Windows calls: Wine maps the Unix root to drive Z:.
std::string WindowsPath(const std::string& path);

class Process {
 public:
  Process() = default;
  ~Process();  // kills the program if it still runs
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool Start(const std::string& program, const std::string& arguments);
  // Waits up to timeoutMs; true when the program ended in that time.
  bool WaitExit(DWORD timeoutMs);
  bool Running() const;
  DWORD ExitCode() const;
  DWORD Id() const { return info_.dwProcessId; }
  void Kill();

 private:
  PROCESS_INFORMATION info_{};
};

// Polls for a top-level window of the process with the given title (class
// may be null for any); dialogs count once they are shown. Null when none
// appeared in time.
HWND WaitForWindow(DWORD processId, const char* className, const char* title, DWORD timeoutMs);

// Keeps this thread's windows answering for a while (a child window in
// another process sends its parent messages and waits for the answers).
void PumpFor(DWORD ms);

// Polls, while keeping this thread's windows answering, for a child of
// parent with the given class and title; null when none appeared in time.
HWND WaitForChild(HWND parent, const char* className, const char* title, DWORD timeoutMs);

// Runs the slideshow builder (a Windows path to lumipack.exe) on a content
// folder, appending it to the engine as the saver out. True when the builder
// ended in time and reported success.
bool RunSaverBuilder(const std::string& builder, const std::string& engine, const std::string& out,
                     const std::string& contentFolder);

// A fresh empty folder under the temporary folder; removed with its files on destruction.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// Reads and writes values under HKEY_CURRENT_USER; the guard restores the
// value as it was (or removes it) when it goes out of scope.
class RegistryValueGuard {
 public:
  RegistryValueGuard(const std::string& key, const std::string& name);
  ~RegistryValueGuard();
  void SetDword(DWORD value);
  void SetText(const std::string& value);

 private:
  std::string key_, name_;
  bool existed_ = false;
  DWORD type_ = 0;
  std::string old_;
};

}  // namespace zebtest
