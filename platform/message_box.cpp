#include "platform/message_box.h"

#include <deque>
#include <utility>

#include "platform/system.h"

namespace platform {
namespace {

struct Interception {
  bool on = false;
  std::deque<int> answers;
  std::vector<test::RecordedMessage> recorded;
  std::function<void()> whileShown;
};
Interception& State() {
  static Interception state;
  return state;
}

}  // namespace

int DefaultAnswer(unsigned type) {
  unsigned buttons = type & 0xF;
  unsigned defaultButton = (type & 0xF00) >> 8;  // 0 = first, 1 = second, 2 = third
  int first = kIdOk, second = kIdOk, third = kIdOk;
  switch (buttons) {
    case kMbOkCancel: first = kIdOk; second = kIdCancel; third = kIdCancel; break;
    case kMbYesNoCancel: first = kIdYes; second = kIdNo; third = kIdCancel; break;
    case kMbYesNo: first = kIdYes; second = kIdNo; third = kIdNo; break;
    default: break;
  }
  return defaultButton == 0 ? first : defaultButton == 1 ? second : third;
}

int ShowMessage(WindowHandle owner, const char* text, const char* caption, unsigned type) {
  Interception& state = State();
  if (!state.on) return system::ShowMessageBox(owner, text, caption, type);
  int answer = DefaultAnswer(type);
  if (!state.answers.empty()) {
    answer = state.answers.front();
    state.answers.pop_front();
  }
  state.recorded.push_back({text ? text : "", caption ? caption : "", type, answer});
  if (state.whileShown) {
    std::function<void()> action = std::move(state.whileShown);
    state.whileShown = nullptr;
    action();
  }
  return answer;
}

}  // namespace platform

namespace platform::test {

void InterceptMessages() { State().on = true; }
void StopInterceptingMessages() { State() = Interception{}; }
void QueueMessageAnswer(int answer) { State().answers.push_back(answer); }
const std::vector<RecordedMessage>& Messages() { return State().recorded; }
void ClearMessages() { State().recorded.clear(); }
void RunWhileNextMessageShown(std::function<void()> action) { State().whileShown = std::move(action); }

}  // namespace platform::test
