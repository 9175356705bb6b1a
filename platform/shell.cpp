#include "platform/shell.h"

#include "platform/system.h"

namespace platform {
namespace {

struct Interception {
  bool on = false;
  bool result = true;
  std::vector<std::string> targets;
  std::function<void(const std::string&)> action;
};
Interception& State() {
  static Interception state;
  return state;
}

}  // namespace

bool OpenWithShell(WindowHandle owner, const char* target) {
  Interception& state = State();
  if (!state.on) return system::OpenWithShell(owner, target);
  std::string opened = target ? target : "";
  state.targets.push_back(opened);
  if (state.action) state.action(opened);
  return state.result;
}

}  // namespace platform

namespace platform::test {

void InterceptShell(bool result) {
  State().on = true;
  State().result = result;
}
void StopInterceptingShell() { State() = Interception{}; }
const std::vector<std::string>& OpenedTargets() { return State().targets; }
void ClearOpenedTargets() { State().targets.clear(); }
void OnShellOpen(std::function<void(const std::string& target)> action) { State().action = std::move(action); }

}  // namespace platform::test
