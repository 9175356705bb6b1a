#include "platform/print_dialog.h"

#include <string>

#include "platform/folders.h"
#include "platform/system.h"

namespace platform {
namespace {

struct Interception {
  bool on = false;
  DeviceContext answer = nullptr;
  int calls = 0;
};
Interception& State() {
  static Interception state;
  return state;
}

}  // namespace

bool ChoosePrinter(WindowHandle owner, PrinterChoice* choice) {
  Interception& state = State();
  if (!state.on) {
    // As with the file dialogs: the program's relative paths must not move with the dialog.
    std::string folder = CurrentFolder();
    bool chosen = system::ChoosePrinter(owner, choice);
    SetCurrentFolder(folder.c_str());
    return chosen;
  }
  ++state.calls;
  *choice = PrinterChoice{};
  choice->dc = state.answer;
  return state.answer != nullptr;
}

void ReleasePrinter(PrinterChoice* choice) {
  // A test's device context belongs to the test.
  if (!State().on) system::ReleasePrinter(choice);
  *choice = PrinterChoice{};
}

}  // namespace platform

namespace platform::test {

void InterceptPrintDialog(platform::DeviceContext answer) {
  State().on = true;
  State().answer = answer;
}
void StopInterceptingPrintDialog() { State() = Interception{}; }
int PrintDialogCalls() { return State().calls; }

}  // namespace platform::test
