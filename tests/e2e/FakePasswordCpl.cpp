// A stand-in for the system's screen-saver password verifier, placed beside a
// copy of the saver so that the saver loads it by name. It answers from
// "answers.txt" in its own folder ('0' refuse, '1' accept, one per call; accept
// when the answers run out) and notes each call in "calls.txt".
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string OwnFolder() {
  HMODULE self = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&OwnFolder), &self);
  char path[MAX_PATH] = {};
  GetModuleFileNameA(self, path, MAX_PATH);
  std::string p(path);
  return p.substr(0, p.find_last_of('\\') + 1);
}

int CountLines(const std::string& file) {
  FILE* f = std::fopen(file.c_str(), "r");
  if (!f) return 0;
  int n = 0;
  for (int c; (c = std::fgetc(f)) != EOF;) n += c == '\n';
  std::fclose(f);
  return n;
}

}  // namespace

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND hwnd) {
  std::string folder = OwnFolder();
  int call = CountLines(folder + "calls.txt");
  char title[128] = {};
  GetWindowTextA(hwnd, title, sizeof title);
  if (FILE* log = std::fopen((folder + "calls.txt").c_str(), "a")) {
    std::fprintf(log, "%s\n", title);
    std::fclose(log);
  }
  std::string answers;
  if (FILE* in = std::fopen((folder + "answers.txt").c_str(), "r")) {
    for (int c; (c = std::fgetc(in)) != EOF;) answers += static_cast<char>(c);
    std::fclose(in);
  }
  char answer = call < static_cast<int>(answers.size()) ? answers[call] : '1';
  return answer == '0' ? FALSE : TRUE;
}
