// Opening a web page or a document with the program the user has chosen for it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace platform {

bool OpenWithShell(WindowHandle owner, const char* target);

}  // namespace platform

namespace platform::test {

// Targets are recorded instead of opened; the answer is `result`.
void InterceptShell(bool result = true);
void StopInterceptingShell();
const std::vector<std::string>& OpenedTargets();
void ClearOpenedTargets();
// Each intercepted target is also handed to action, as the browser or the web site would
// act on it (a stand-in that makes a folder when a page is opened, for one).
void OnShellOpen(std::function<void(const std::string& target)> action);

}  // namespace platform::test
