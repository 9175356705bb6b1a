// One switch for tests: intercept every interaction with the operator and the system.
#pragma once

#include "platform/choosers.h"
#include "platform/clock.h"
#include "platform/file_dialog.h"
#include "platform/folders.h"
#include "platform/keyboard.h"
#include "platform/message_box.h"
#include "platform/print_dialog.h"
#include "platform/shell.h"
#include "platform/sound.h"

namespace platform::test {

// Message boxes, sounds, file dialogs, the colour and font choosers, the print dialog and
// the shell are intercepted; the clock is the system's and the program folder is the real one.
void InterceptAll();
// Forgets every queued answer and recording and stops intercepting.
void ResetAll();

}  // namespace platform::test
