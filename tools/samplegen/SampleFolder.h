#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "Encoders.h"

namespace samplegen {

struct Member {
  std::string name;
  Bytes data;
};

// Every file of the sample package, Settings.ini and Pics.cvn first.
std::vector<Member> BuildMembers();

// Writes the members into `folder` (created when missing). The builder packs
// every file it finds there, so a folder holding files of anyone else is
// refused before anything is written rather than packed along.
bool WriteSampleFolder(const std::filesystem::path& folder, const std::vector<Member>& members,
                       std::string& error);

}  // namespace samplegen
