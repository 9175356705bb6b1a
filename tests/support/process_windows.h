// Finding and answering the windows of another process: the programs are started as the
// operator starts them, and their message boxes are answered as the operator would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

// The first visible top-level window of the process with this class, or nullptr.
HWND FindProcessWindow(DWORD processId, const char* className);

// Waits for message boxes of the process and presses OK on each, until `count` were
// answered or timeoutMs passed. Returns their texts.
std::vector<std::string> PressOkOnMessageBoxes(DWORD processId, int count, int timeoutMs);

// Starts a program in a folder; false when it does not start.
bool StartProgramProcess(const std::string& exe, const std::string& arguments, const std::string& folder,
                         PROCESS_INFORMATION* process);

}  // namespace testsupport
