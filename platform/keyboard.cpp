#include "platform/keyboard.h"

#include "platform/system.h"

namespace platform {
namespace {

bool holding = false;
bool controlHeld = false;

}  // namespace

bool IsControlHeld() { return holding ? controlHeld : system::ControlKeyDown(); }

namespace test {

void HoldControl(bool held) {
  holding = true;
  controlHeld = held;
}

void StopHoldingKeys() { holding = false; }

}  // namespace test
}  // namespace platform
