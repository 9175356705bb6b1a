// The texts of the message boxes the platform hooks recorded, in order.
#pragma once

#include <string>
#include <vector>

#include "platform/test_hooks.h"

namespace testsupport {

inline std::vector<std::string> SeenMessages() {
  std::vector<std::string> seen;
  for (const auto& message : platform::test::Messages()) seen.push_back(message.text);
  return seen;
}

}  // namespace testsupport
