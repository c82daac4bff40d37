#include "plantsaver/setup/ShellShortcut.h"

#include <objbase.h>
#include <shlobj.h>

namespace gulpleaf {
namespace {

// COM for the duration of one call. CoInitialize answers S_FALSE when this
// thread already had it, which must still be balanced; a failure must not be.
class ComScope {
 public:
  ComScope() : result_(CoInitialize(nullptr)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT result_;
};

template <class Interface>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() {
    if (p_) p_->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  Interface* operator->() const { return p_; }
  void** Out() { return reinterpret_cast<void**>(&p_); }

 private:
  Interface* p_ = nullptr;
};

}  // namespace

std::wstring WidePath(const std::string& path) {
  if (path.empty()) return {};
  int size = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  if (size <= 0) return {};
  std::wstring wide(static_cast<size_t>(size), L'\0');
  if (MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), size) <= 0) return {};
  wide.resize(static_cast<size_t>(size) - 1);
  return wide;
}

bool CreateShellShortcut(const ShortcutLink& shortcut) {
  ComScope com;
  ComRef<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              link.Out()))) {
    return false;
  }
  link->SetPath(shortcut.target.c_str());
  if (!shortcut.arguments.empty()) link->SetArguments(shortcut.arguments.c_str());
  if (!shortcut.iconFile.empty()) link->SetIconLocation(shortcut.iconFile.c_str(), 0);
  link->SetWorkingDirectory(shortcut.workingDirectory.c_str());
  ComRef<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.Out()))) return false;
  const std::wstring path = WidePath(shortcut.linkPath);
  return !path.empty() && SUCCEEDED(file->Save(path.c_str(), FALSE));
}

}  // namespace gulpleaf
