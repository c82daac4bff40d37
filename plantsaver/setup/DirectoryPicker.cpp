#include "plantsaver/setup/DirectoryPicker.h"

#include <objbase.h>
#include <shlobj.h>

namespace gulpleaf {
namespace {

struct PickerState {
  std::string initial;
  std::string current;  // the folder selected in the tree
  std::string created;  // a typed directory made on the user's word
};

bool IsDirectory(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsAbsolute(const std::string& path) {
  return (path.size() >= 2 && path[1] == ':') || path.rfind("\\\\", 0) == 0;
}

// The tree selects "C:\" but not "C:\WINDOWS\".
std::string ForSelection(std::string path) {
  if (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

std::string PathOf(LPCITEMIDLIST item) {
  char path[MAX_PATH] = "";
  if (!item || !SHGetPathFromIDListA(item, path)) return {};
  return path;
}

// Answers the folder browser; a typed name that is not an existing folder
// arrives as a validation failure, relative to the selected folder.
int CALLBACK BrowseCallback(HWND dialog, UINT msg, LPARAM lParam, LPARAM data) noexcept {
  auto* state = reinterpret_cast<PickerState*>(data);
  switch (msg) {
    case BFFM_INITIALIZED: {
      std::string start = ForSelection(state->initial);
      SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(start.c_str()));
      return 0;
    }
    case BFFM_SELCHANGED:
      state->current = PathOf(reinterpret_cast<LPCITEMIDLIST>(lParam));
      return 0;
    case BFFM_VALIDATEFAILEDA: {
      std::string typed = reinterpret_cast<const char*>(lParam);
      if (typed.empty()) return 1;
      std::string path = IsAbsolute(typed) || state->current.empty()
                             ? typed
                             : ForSelection(state->current) + "\\" + typed;
      if (!IsAbsolute(path)) return 1;
      std::string question = "The directory\n\n" + path + "\n\ndoes not exist. Create it?";
      if (MessageBoxA(dialog, question.c_str(), "Confirm", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 1;
      if (!MakeDirectoryPath(path)) {
        std::string failed = "Could not create the directory\n\n" + path;
        MessageBoxA(dialog, failed.c_str(), "error", MB_OK | MB_ICONEXCLAMATION);
        return 1;
      }
      state->created = path;
      return 0;
    }
    default:
      return 0;
  }
}

}  // namespace

bool MakeDirectoryPath(const std::string& path) {
  if (path.empty()) return false;
  // Skip the drive ("C:\") or the server and share ("\\server\share\").
  size_t start = 0;
  if (path.rfind("\\\\", 0) == 0) {
    start = path.find('\\', 2);
    if (start != std::string::npos) start = path.find('\\', start + 1);
  } else if (path.size() >= 2 && path[1] == ':') {
    start = 2;
  }
  for (size_t i = start; i != std::string::npos && i < path.size(); i = path.find('\\', i + 1)) {
    if (i == 0 || path[i - 1] == ':' || path[i - 1] == '\\') continue;
    CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
  }
  CreateDirectoryA(path.c_str(), nullptr);
  return IsDirectory(path);
}

std::optional<std::string> PickDirectoryWithShell(HWND owner, const std::string& initial) {
  // The folder browser with its edit box needs COM on this thread.
  HRESULT com = CoInitialize(nullptr);
  PickerState state{initial, {}, {}};
  char display[MAX_PATH] = "";
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.pszDisplayName = display;
  info.lpszTitle = "Select the destination directory:";
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_VALIDATE | BIF_NEWDIALOGSTYLE;
  info.lpfn = BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(&state);
  LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
  std::optional<std::string> result;
  if (!state.created.empty()) {
    result = state.created;
  } else if (chosen) {
    std::string path = PathOf(chosen);
    if (!path.empty()) result = path;
  }
  if (chosen) CoTaskMemFree(chosen);
  if (SUCCEEDED(com)) CoUninitialize();
  return result;
}

}  // namespace gulpleaf
