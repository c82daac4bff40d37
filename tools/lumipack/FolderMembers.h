#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace lumipack {

// Calls visit for every regular file directly in folder, in the order the
// file system lists them, until visit answers false (having set error). False
// also, with a one-line reason, when the folder is missing or cannot be read.
bool ForEachFileIn(const std::filesystem::path& folder,
                   const std::function<bool(const std::filesystem::path&)>& visit,
                   std::string& error);

// One member of the package: copied from a file, or, when inMemory is set,
// made by the builder itself and held in data.
struct MemberFile {
  std::string name;  // stored name: the file's own name
  std::filesystem::path path;
  std::uint64_t size = 0;
  bool inMemory = false;
  std::string data;
};

// Every regular file directly in folder, as package members: the settings file
// first and the collection file second (the engine looks them up by name, but
// savers have always carried them in front), then the rest in name order.
// False with a one-line reason when the folder cannot make a package the
// engine can use.
bool CollectMembers(const std::filesystem::path& folder, std::vector<MemberFile>& members,
                    std::string& error);

}  // namespace lumipack
