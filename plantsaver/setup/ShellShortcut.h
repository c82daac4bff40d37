#pragma once
// Shell shortcuts (.lnk files) made through the shell's link object.
#include <string>

#include "plantsaver/setup/SetupSystem.h"

namespace gulpleaf {

// Saves the shortcut. True when the link object was made and saved; the
// individual settings are taken as the shell accepts them.
bool CreateShellShortcut(const ShortcutLink& shortcut);

// The ANSI path as the UTF-16 text that IPersistFile wants; empty when it
// cannot be converted.
std::wstring WidePath(const std::string& path);

}  // namespace gulpleaf
