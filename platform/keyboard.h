// The state of the keyboard's modifier keys, which a test can hold down.
#pragma once

namespace platform {

// Ctrl is held down now (as the message being handled saw it).
bool IsControlHeld();

}  // namespace platform

namespace platform::test {

// From now on IsControlHeld answers held; StopHoldingKeys gives the real keyboard back.
void HoldControl(bool held);
void StopHoldingKeys();

}  // namespace platform::test
