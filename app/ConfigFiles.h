#pragma once
// Writes the built-in files into the configuration folder at every start: the
// layout document of the user's language as the layout file, and the eight
// pictures into the picture folder.
#include <string>
#include <string_view>

#include "core/Bool.h"

// The layout file inside the configuration folder, as the layout frame is
// given it: relative to the base folder.
inline constexpr std::string_view kLayoutFileName = "\\WndLayoutInfo.xml";

// Creates the configuration folder and its picture folder where they are
// missing (only that last level: the base folder must exist), then writes the
// layout file and the pictures. Stops at the first failure and returns FALSE,
// so that the caller can show the error message; files written before stay.
BOOL CreateConfigFiles();

// Writes the layout document chosen by the language index as the layout file.
BOOL WriteLayoutFile();

// Writes the eight pictures in a fixed order, stopping at the first failure.
BOOL WritePictureFiles();

// Writes the bytes of the embedded resource with this number and type name to
// the target path, replacing an existing file. FALSE when there is no such
// resource or the file cannot be created or written completely.
BOOL WriteResourceToFile(int resourceId, std::string_view typeName, const std::string& targetPath);
