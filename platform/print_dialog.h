// The print dialog: it gives a printer device context, or nothing when cancelled.
#pragma once

#include "platform/message_box.h"

namespace platform {

using DeviceContext = void*;

struct PrinterChoice {
  DeviceContext dc = nullptr;
  int copies = 1;
};

// Shows the print dialog; on OK the chosen printer's device context is in choice->dc and
// must be given back with ReleasePrinter.
bool ChoosePrinter(WindowHandle owner, PrinterChoice* choice);
void ReleasePrinter(PrinterChoice* choice);

}  // namespace platform

namespace platform::test {

// The dialog answers with this device context (owned by the test; nullptr = Cancel) and
// counts its calls.
void InterceptPrintDialog(platform::DeviceContext answer);
void StopInterceptingPrintDialog();
int PrintDialogCalls();

}  // namespace platform::test
