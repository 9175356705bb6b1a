// What every harness shares: a temporary program folder, current for the whole run, with the
// operator's answers scripted, and the input written to the real file name the reader opens.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Once per process: makes the temporary program folder (with "Private", "WebResults",
// "paysDrapeaux" and "Championnats"), enters it, intercepts message boxes, sounds and dialogs
// and checks that the build's literals are Windows-1252 bytes. The folder goes at exit.
void EnterProgramFolder();

// Writes the bytes as the file's whole content (the name is Windows-1252, as the program's).
void WriteFile(const char* path, const std::uint8_t* data, std::size_t size);
void WriteFile(const char* path, const std::string& bytes);
void RemoveFile(const char* path);
// The whole file, or an empty text when it is missing.
std::string ReadFile(const char* path);

// Forgets the message boxes recorded during one input.
void EndInput();

// Stops the run with a message on stderr: a broken expectation is a finding.
[[noreturn]] void Fail(const char* what);

// The first byte of an input picks among `choices` (0 when there is none); the rest follows.
struct Choice {
  int pick;
  const std::uint8_t* data;
  std::size_t size;
};
Choice Choose(const std::uint8_t* data, std::size_t size, int choices);

}  // namespace fuzz
