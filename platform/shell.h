// Opening a web page or a document with the program the user has chosen for it.
#pragma once

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

}  // namespace platform::test
