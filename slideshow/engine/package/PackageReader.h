#pragma once

#include "slideshow/engine/package/ByteSource.h"
#include "slideshow/engine/package/PackageDirectory.h"
#include "slideshow/engine/package/PackageEntry.h"

namespace lumi {

enum class ReadOutcome {
  kOk,          // directory read; empty for a package of another version
  kNotPackage,  // shorter than the trailer, or the trailer signature is wrong
  kBadFormat,   // header or entry damaged, or pointing outside the file
};

// Reads the directory of the package at the end of source without touching any
// member data. Every read is range-checked against the source, so a damaged or
// hostile file gives kBadFormat rather than a crash or a huge allocation. The
// directory is cleared first and stays empty unless the outcome is kOk.
ReadOutcome ReadPackageDirectory(ByteSource& source, PackageDirectory& directory);

// Copies the entry's data (entry.dataSize bytes) from source into buffer; false
// when the entry does not lie inside the source or the read fails.
bool ReadEntryData(ByteSource& source, const PackageEntry& entry, void* buffer);

}  // namespace lumi
