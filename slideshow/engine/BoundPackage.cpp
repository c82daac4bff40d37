#include "slideshow/engine/BoundPackage.h"

#include <cstring>

#include "slideshow/engine/package/ByteSource.h"
#include "slideshow/engine/package/PackageReader.h"

namespace lumi {
namespace {

// The package file seen through the directory parser's byte source.
class FileSource final : public ByteSource {
 public:
  explicit FileSource(HANDLE file) : file_(file) {
    LARGE_INTEGER size;
    size_ = GetFileSizeEx(file, &size) ? static_cast<std::uint64_t>(size.QuadPart) : 0;
  }
  std::uint64_t Size() const override { return size_; }
  bool ReadAt(std::uint64_t offset, void* buffer, std::size_t length) override {
    if (offset > size_ || length > size_ - offset) return false;
    LARGE_INTEGER pos;
    pos.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(file_, pos, nullptr, FILE_BEGIN)) return false;
    auto* out = static_cast<char*>(buffer);
    while (length > 0) {
      DWORD chunk = length > 0x10000000 ? 0x10000000 : static_cast<DWORD>(length);
      DWORD got = 0;
      if (!ReadFile(file_, out, chunk, &got, nullptr) || got != chunk) return false;
      out += got;
      length -= got;
    }
    return true;
  }

 private:
  HANDLE file_;
  std::uint64_t size_;
};

std::string FileNamePart(const std::string& path) {
  std::size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

// One uninterrupted step per operation: all calls share one file position.
class CBoundPackage::Lock {
 public:
  explicit Lock(CRITICAL_SECTION& cs) : cs_(cs) { EnterCriticalSection(&cs_); }
  ~Lock() { LeaveCriticalSection(&cs_); }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

 private:
  CRITICAL_SECTION& cs_;
};

CBoundPackage::CBoundPackage() {
  InitializeCriticalSection(&lock_);
  char temp[MAX_PATH] = {};
  DWORD n = GetTempPathA(MAX_PATH, temp);
  tempFolder_.assign(temp, n < MAX_PATH ? n : 0);
  reporter_ = [](const std::string& text) { MessageBoxA(nullptr, text.c_str(), "", MB_OK); };
}

CBoundPackage::~CBoundPackage() {
  Close();
  for (const std::string& path : extracted_) DeleteFileA(path.c_str());
  DeleteCriticalSection(&lock_);
}

bool CBoundPackage::OpenSelf() {
  Close();
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return Open(path);
}

bool CBoundPackage::Fail(const char* message, const std::string& path) {
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  file_ = INVALID_HANDLE_VALUE;
  directory_.Clear();
  open_ = false;
  if (reporter_) reporter_(std::string(message) + "\n\n" + path);
  return false;
}

bool CBoundPackage::Open(const std::string& path) {
  Close();
  Lock lock(lock_);
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    return Fail("Package does not exist.", path);
  }
  file_ = CreateFileA(path.c_str(), GENERIC_READ,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file_ == INVALID_HANDLE_VALUE) return Fail("Cannot open package.", path);
  FileSource source(file_);
  switch (ReadPackageDirectory(source, directory_)) {
    case ReadOutcome::kOk:
      open_ = true;
      return true;
    case ReadOutcome::kNotPackage:
      return Fail("Not a bound EXE package.", path);
    case ReadOutcome::kBadFormat:
      break;
  }
  return Fail("Bad package format while reading.", path);
}

void CBoundPackage::Close() {
  Lock lock(lock_);
  directory_.Clear();
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  file_ = INVALID_HANDLE_VALUE;
  open_ = false;
}

int CBoundPackage::EntryCount() const {
  Lock lock(lock_);
  return static_cast<int>(directory_.Count());
}

int CBoundPackage::FindLocked(const std::string& name) const {
  // The platform's comparison, which knows the letter cases of the code page.
  for (std::size_t i = 0; i < directory_.Count(); ++i) {
    const PackageEntry& e = directory_.At(i);
    if (e.nameIsSafe && lstrcmpiA(e.name.c_str(), name.c_str()) == 0) return static_cast<int>(i);
  }
  return -1;
}

int CBoundPackage::FindEntryIndex(const std::string& name) const {
  Lock lock(lock_);
  return FindLocked(name);
}

const PackageEntry* CBoundPackage::FindEntry(const std::string& name) const {
  Lock lock(lock_);
  int i = FindLocked(name);
  return i < 0 ? nullptr : &directory_.At(static_cast<std::size_t>(i));
}

std::unique_ptr<unsigned char[]> CBoundPackage::ReadLocked(const PackageEntry& entry) {
  std::unique_ptr<unsigned char[]> buffer(
      new (std::nothrow) unsigned char[static_cast<std::size_t>(entry.dataSize) + kSpareBytes]);
  if (!buffer) return nullptr;
  FileSource source(file_);
  if (!ReadEntryData(source, entry, buffer.get())) return nullptr;
  std::memset(buffer.get() + entry.dataSize, 0, kSpareBytes);
  return buffer;
}

std::unique_ptr<unsigned char[]> CBoundPackage::ReadMember(const std::string& name,
                                                           std::uint32_t* size) {
  if (!size) return nullptr;
  Lock lock(lock_);
  int i = FindLocked(name);
  if (i < 0) return nullptr;
  const PackageEntry& entry = directory_.At(static_cast<std::size_t>(i));
  *size = entry.dataSize;
  return ReadLocked(entry);
}

std::string CBoundPackage::ExtractMember(const std::string& name) {
  Lock lock(lock_);
  for (const std::string& path : extracted_) {
    if (lstrcmpiA(FileNamePart(path).c_str(), name.c_str()) == 0) return path;
  }
  int i = FindLocked(name);
  if (i < 0) return std::string();
  const PackageEntry& entry = directory_.At(static_cast<std::size_t>(i));
  std::string path = tempFolder_ + entry.name;
  DeleteFileA(path.c_str());
  std::unique_ptr<unsigned char[]> data = ReadLocked(entry);
  if (!data) return std::string();
  HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return std::string();
  DWORD written = 0;
  BOOL ok = WriteFile(out, data.get(), entry.dataSize, &written, nullptr);
  CloseHandle(out);
  if (!ok || written != entry.dataSize) {
    // A half-written member must not pass for the real one.
    DeleteFileA(path.c_str());
    return std::string();
  }
  extracted_.push_back(path);
  return path;
}

}  // namespace lumi
