#pragma once

// Reading a user's file in one piece. Whatever the path names (a missing file, a directory,
// a device, a file without read permission) the result is either the bytes or a German reason
// that names what went wrong; nothing throws.

#include <string>

namespace kubato {

struct FileContent {
    bool ok = false;
    std::string bytes;  // the file's bytes as they stand
    std::string reason; // when !ok: why the file could not be read, German, Windows-1252
};

FileContent readFile(const std::string &path);

} // namespace kubato
