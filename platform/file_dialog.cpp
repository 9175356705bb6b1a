#include "platform/file_dialog.h"

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

}  // namespace

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
