#pragma once
// File names are built as GBK text (with '/' as separator) and converted to the file system's encoding here,
// in one place, whenever a file is opened, created or listed.
#include <cstdint>
#include <string>
#include <vector>

namespace vt {

// GBK path -> name the file system understands (UTF-8). Invalid GBK bytes are kept as they are.
std::string fsName(const std::string& gbkPath);
// File-system name (UTF-8) -> GBK text. Names that are not valid UTF-8 are kept as they are.
std::string fromFsName(const std::string& fsPathText);

bool fileExists(const std::string& gbkPath);
bool isReadable(const std::string& gbkPath);
bool dirExists(const std::string& gbkPath);
// Creates the folder and its parents; true when it exists afterwards.
bool makeDirs(const std::string& gbkPath);
// File size in bytes, -1 when it cannot be read.
int64_t fileSize(const std::string& gbkPath);
// Names (GBK, without folder) of the regular files in a folder whose name ends with the suffix
// (case-insensitive, e.g. ".bte"), in the order the file system lists them.
std::vector<std::string> listFiles(const std::string& gbkFolder, const std::string& suffix);
// Joins folder and name with exactly one '/' between them.
std::string joinPath(const std::string& folder, const std::string& name);
// Folder part of a path including the trailing separator ("" when there is none).
std::string dirOf(const std::string& path);
// Reads a whole file; false when it cannot be opened or read.
bool readWholeFile(const std::string& gbkPath, std::string& out);
// Environment variable or the fallback when unset or empty.
std::string envOr(const char* name, const std::string& fallback);

} // namespace vt
