// Where a championship's files are: the folder "Championnats" of the working folder, and in it
// one folder per championship, named by the championship, for its sponsors and its
// classification. A championship name comes from the championships database: one that is not
// plain text (a path separator, a drive colon, "." or "..", a character Windows refuses in a
// file name) names no folder, and the championship then counts as not selected.
#pragma once

#include <cstddef>

inline constexpr const char* kChampionshipsFolder = "Championnats";

// True for a non-empty name that can stand as one folder name under "Championnats".
bool IsPlainChampionshipName(const char* name);

// "Championnats/<name>" and "Championnats/<name>/<file>" into out; false (out empty) when
// the name is not plain or the path does not fit.
bool ChampionshipFolderPath(const char* name, char* out, std::size_t size);
bool ChampionshipFilePath(const char* name, const char* file, char* out, std::size_t size);
// Creates "Championnats" and "Championnats/<name>" (existing folders are no error).
bool CreateChampionshipFolder(const char* name);
