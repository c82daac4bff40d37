#include "tests/slideshow/package/PackageTestData.h"

#include <sstream>
#include <stdexcept>

#include "slideshow/engine/package/PackageFormat.h"

namespace lumi::test {

Bytes FakeEngine(std::size_t size) {
  Bytes engine(size);
  for (std::size_t i = 0; i < size; ++i) engine[i] = static_cast<unsigned char>(i * 7 + 3);
  if (size >= 2) {
    engine[0] = 'M';
    engine[1] = 'Z';
  }
  return engine;
}

std::uint32_t GetU32(const Bytes& bytes, std::size_t offset) {
  if (offset + 4 > bytes.size()) throw std::out_of_range("GetU32");
  return LoadU32(bytes.data() + offset);
}

void PutU32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  if (offset + 4 > bytes.size()) throw std::out_of_range("PutU32");
  StoreU32(bytes.data() + offset, value);
}

Bytes RawPackage(const Bytes& engine, const std::vector<RawEntry>& entries) {
  Bytes out = engine;
  const auto put = [&out](std::uint32_t value) {
    out.resize(out.size() + 4);
    PutU32(out, out.size() - 4, value);
  };
  std::uint32_t total = 0;
  for (const RawEntry& entry : entries) total += static_cast<std::uint32_t>(entry.data.size());
  put(kPackageSignature);
  put(kPackageVersion);
  put(static_cast<std::uint32_t>(entries.size()));
  put(total);
  for (const RawEntry& entry : entries) {
    if (entry.nameField.size() > kNameFieldSize) throw std::invalid_argument("name field");
    put(kEntrySignature);
    put(kEntryKindFile);
    out.insert(out.end(), entry.nameField.begin(), entry.nameField.end());
    out.resize(out.size() + kNameFieldSize - entry.nameField.size(), 0);
    put(static_cast<std::uint32_t>(entry.data.size()));
    out.insert(out.end(), entry.data.begin(), entry.data.end());
  }
  put(kPackageSignature);
  put(static_cast<std::uint32_t>(engine.size()));
  return out;
}

Bytes WrittenPackage(const Bytes& engine, const std::vector<PackageMember>& members) {
  std::ostringstream stream;
  stream.write(reinterpret_cast<const char*>(engine.data()),
               static_cast<std::streamsize>(engine.size()));
  std::string error;
  if (!WritePackage(stream, engine.size(), members, &error)) throw std::runtime_error(error);
  const std::string text = stream.str();
  return Bytes(text.begin(), text.end());
}

}  // namespace lumi::test
