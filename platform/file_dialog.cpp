#include "platform/file_dialog.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <deque>

#include "platform/bounded.h"
#include "platform/folders.h"
#include "platform/system.h"

namespace platform {
namespace {

struct Interception {
  bool on = false;
  std::deque<std::optional<std::string>> answers;
  std::vector<test::RecordedFileDialog> recorded;
};
Interception& State() {
  static Interception state;
  return state;
}

bool HoldsIgnoringCase(const char* text, const char* part) {
  const std::size_t length = std::strlen(part);
  for (const char* at = text; *at; ++at) {
    std::size_t i = 0;
    while (i < length && at[i] &&
           std::tolower(static_cast<unsigned char>(at[i])) == std::tolower(static_cast<unsigned char>(part[i])))
      ++i;
    if (i == length) return true;
  }
  return length == 0;
}

}  // namespace

bool NameWithExtension(const char* chosen, const char* extension, char* out, std::size_t size) {
  const char* tail = HoldsIgnoringCase(chosen, extension) ? "" : extension;
  int n = std::snprintf(out, size, "%s%s", chosen, tail);
  if (n < 0 || static_cast<std::size_t>(n) >= size) {
    if (size) out[0] = '\0';
    return false;
  }
  return true;
}

bool ChooseFile(const FileDialogRequest& request, char* path, std::size_t pathSize) {
  Interception& state = State();
  if (!state.on) {
    // The dialog may move the current folder; the program's relative paths must not move.
    std::string folder = CurrentFolder();
    bool chosen = system::ChooseFile(request, path, pathSize);
    SetCurrentFolder(folder.c_str());
    return chosen;
  }
  state.recorded.push_back({request.save, request.filter ? request.filter : "", path ? path : ""});
  std::optional<std::string> answer;
  if (!state.answers.empty()) {
    answer = state.answers.front();
    state.answers.pop_front();
  }
  if (!answer) return false;
  CopyBounded(path, pathSize, answer->c_str());
  return true;
}

}  // namespace platform

namespace platform::test {

void InterceptFileDialogs() { State().on = true; }
void StopInterceptingFileDialogs() { State() = Interception{}; }
void QueueFileDialogAnswer(std::optional<std::string> path) { State().answers.push_back(std::move(path)); }
const std::vector<RecordedFileDialog>& FileDialogs() { return State().recorded; }
void ClearFileDialogs() { State().recorded.clear(); }

}  // namespace platform::test
