#pragma once

#include <string>
#include <vector>

#include "FolderMembers.h"
#include "SaverOptions.h"

namespace lumipack {

// What the files named by the saver's settings bring into the package: the
// caption-bar messages as ANSI text, the songs as members, and each play list
// as the member names the engine looks up.
struct AuthorFiles {
  std::vector<std::string> messages;
  std::vector<MemberFile> songs;
  std::vector<std::string> startupSongs;  // member names, in the order given
  std::vector<std::string> saverSongs;
};

// Reads the messages file and checks every song before any photo is read, so
// that a bad file costs nothing and leaves nothing behind. A song given for
// both lists, or twice, is packed once. False with a one-line reason naming
// the option: a file that is missing or unreadable, a song that is not a MIDI
// file, a message longer than the engine reads, a messages file without one.
bool LoadAuthorFiles(const SaverOptions& options, AuthorFiles& files, std::string& error);

// The extension the platform's sequencer needs to recognise the song from its
// first bytes: ".mid" for a standard MIDI file, ".rmi" for one in a RIFF
// wrapper; empty when the bytes are neither.
std::string MidiExtension(const std::string& head);

}  // namespace lumipack
