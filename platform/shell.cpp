#include "platform/shell.h"

#include "platform/system.h"

namespace platform {
namespace {

struct Interception {
  bool on = false;
  bool result = true;
  std::vector<std::string> targets;
};
Interception& State() {
  static Interception state;
  return state;
}

}  // namespace

bool OpenWithShell(WindowHandle owner, const char* target) {
  Interception& state = State();
  if (!state.on) return system::OpenWithShell(owner, target);
  state.targets.push_back(target ? target : "");
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

}  // namespace platform::test
