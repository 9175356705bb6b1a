// The texts of the message boxes that the platform hooks recorded, in order.
#pragma once

#include <string>
#include <vector>

#include "platform/message_box.h"

namespace testsupport {

inline std::vector<std::string> ShownMessageTexts() {
  std::vector<std::string> texts;
  for (const auto& message : platform::test::Messages()) texts.push_back(message.text);
  return texts;
}

}  // namespace testsupport
