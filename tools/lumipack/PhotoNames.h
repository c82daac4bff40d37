#pragma once

#include <set>
#include <string>
#include <string_view>

namespace lumipack {

// How photo file names become what the saver shows and stores. File names
// come in as UTF-8, the way the file system hands them to us; everything the
// engine reads back comes out as ANSI text or plain ASCII.

// True for the extensions cameras and editors give JPEG files (.jpg, .jpeg,
// .jpe), in any letter case.
bool HasJpegExtension(std::string_view fileName);

// Orders names as people count: letters ignoring case, runs of digits by their
// value ("IMG_2" before "IMG_10"), the exact bytes as the last tie-break so the
// order never depends on the file system.
bool NaturalLess(std::string_view a, std::string_view b);

// The title the slideshow shows for a photo: the name without its extension,
// underscores and dashes as spaces, runs of spaces and control characters as
// one space, trimmed, in the engine's ANSI code page. Empty when nothing but
// separators is left.
std::string TitleFromFileName(std::string_view fileName);

// UTF-8 text in the Windows Western code page the engine's ANSI calls use;
// characters it lacks become '?', and bytes that are not UTF-8 are taken as
// already being in that code page.
std::string AnsiFromUtf8(std::string_view text);

// The stem of a member name for a photo: ASCII letters, digits, '-' and '_'
// kept, every other run of characters one '_', at most 48 characters; "Photo"
// when nothing is left. Holds no dot, so no drive, folder or ".." can appear.
std::string MemberStem(std::string_view fileName);

// MemberStem made distinct from the stems in taken, which it joins. The
// engine finds members ignoring letter case, so stems are kept apart in folded
// form; a later file whose stem is taken gets "_2", "_3", ...
std::string UniqueStem(std::string_view fileName, std::set<std::string>& taken);

}  // namespace lumipack
