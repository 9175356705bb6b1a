// Every message box of the program goes through ShowMessage, so that tests can answer
// it and record what the operator would have seen. A box never blocks a test.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform {

using WindowHandle = void*;

// Same values as the Win32 MB_ and ID constants.
enum : unsigned {
  kMbOk = 0x0,
  kMbOkCancel = 0x1,
  kMbYesNoCancel = 0x3,
  kMbYesNo = 0x4,
  kMbIconStop = 0x10,
  kMbIconQuestion = 0x20,
  kMbIconWarning = 0x30,
  kMbIconInformation = 0x40,
  kMbDefButton2 = 0x100,
  kMbDefButton3 = 0x200,
};
enum : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

// Shows a modal message box and returns the button pressed.
int ShowMessage(WindowHandle owner, const char* text, const char* caption, unsigned type);

// The button a box of this type answers with when the operator presses Enter.
int DefaultAnswer(unsigned type);

}  // namespace platform

namespace platform::test {

struct RecordedMessage {
  std::string text;
  std::string caption;
  unsigned type = 0;
  int answer = 0;
};

// From now on boxes are not shown: each is recorded and answered with the next queued
// answer, or with its default button when none is queued.
void InterceptMessages();
void StopInterceptingMessages();
void QueueMessageAnswer(int answer);
const std::vector<RecordedMessage>& Messages();
void ClearMessages();
// The next intercepted box runs action before it is answered, as a real modal box runs the
// owner's timer ticks while the operator has not answered yet. The action runs once.
void RunWhileNextMessageShown(std::function<void()> action);

}  // namespace platform::test
