#include "platform/test_hooks.h"

namespace platform::test {

void InterceptAll() {
  InterceptMessages();
  InterceptSounds();
  InterceptFileDialogs();
  InterceptChoosers();
  InterceptPrintDialog(nullptr);
  InterceptShell();
}

void ResetAll() {
  StopInterceptingMessages();
  StopInterceptingSounds();
  StopInterceptingFileDialogs();
  StopInterceptingChoosers();
  StopInterceptingPrintDialog();
  StopInterceptingShell();
  UseSystemClock();
  ResetProgramFolder();
  StopHoldingKeys();
}

}  // namespace platform::test
