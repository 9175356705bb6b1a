// The program folder ("<Program Files>\Veravoda Reviv") and the current folder.
#pragma once

#include <string>

namespace platform {

inline constexpr const char* kProgramFolderName = "Veravoda Reviv";

// The Program Files folder of this machine.
std::string ProgramFilesFolder();
// The program's working folder: Program Files followed by "\Veravoda Reviv", or the
// folder a test has put in its place.
std::string ProgramFolder();
// ProgramFolder() joined with a relative path.
std::string ProgramPath(const char* relative);

// The program folder becomes this folder: the working folder the program actually got,
// which is the Program Files one unless that could not be entered.
void UseProgramFolder(const std::string& folder);

std::string CurrentFolder();
bool SetCurrentFolder(const char* path);

// Path separator of the target.
char PathSeparator();

}  // namespace platform

namespace platform::test {
void SetProgramFolder(const std::string& folder);
void ResetProgramFolder();
}  // namespace platform::test
