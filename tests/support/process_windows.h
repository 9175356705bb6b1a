// Finding and answering the windows of another process: the programs are started as the
// operator starts them, and their message boxes are answered as the operator would.
#pragma once

#include <windows.h>

#include <string>
#include <thread>
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

// Starts a Unix program (a script of tests/support, given by its Linux path) and returns at
// once: under Wine a Unix process cannot be waited for, so it answers through files.
bool LaunchUnixCommand(const std::string& program, const std::string& arguments);

// Answers the next dialog of this process that a call on this thread shows modally (the
// print dialog, a message box): on a thread of its own it waits up to timeoutMs for it,
// saves a capture of it under captureName (when given) and presses the button.
class DialogAnswerer {
 public:
  DialogAnswerer(int button, const char* captureName, int timeoutMs);
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;
  // Waits for the answering thread; true when a dialog was found and closed.
  bool Answered();
  // The dialog's caption, and a message box's text.
  const std::string& title() const { return title_; }
  const std::string& text() const { return text_; }

 private:
  void Answer(int button, std::string captureName, int timeoutMs);
  std::thread thread_;
  bool answered_ = false;
  std::string title_;
  std::string text_;
};

}  // namespace testsupport
