#include "platform/test_hooks.h"

namespace platform::test {

void InterceptAll() {
  InterceptMessages();
  InterceptSounds();
  InterceptFileDialogs();
  InterceptPrintDialog(nullptr);
  InterceptShell();
}

void ResetAll() {
  StopInterceptingMessages();
  StopInterceptingSounds();
  StopInterceptingFileDialogs();
  StopInterceptingPrintDialog();
  StopInterceptingShell();
  UseSystemClock();
  ResetProgramFolder();
  StopHoldingKeys();
}

}  // namespace platform::test
