// Files and folders as the program names them: paths are Windows-1252 bytes, relative
// paths are taken from the current folder.
#pragma once

#include <cstdio>

namespace platform {

// fopen with a Windows-1252 path; mode must include "b".
std::FILE* OpenFile(const char* path, const char* mode);

bool FileExists(const char* path);
bool FolderExists(const char* path);
// Creates a folder; an existing folder is no error.
bool CreateFolder(const char* path);
// Copies a file, replacing the target.
bool CopyFileTo(const char* from, const char* to);
// Renames a file, replacing the target (used to swap in a fully written temporary file).
bool MoveFileOver(const char* from, const char* to);
bool DeleteFileAt(const char* path);

}  // namespace platform
