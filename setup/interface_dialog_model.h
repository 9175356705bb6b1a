// The decisions of the decoder interface dialog: what it shows when it opens, and Connect
// (open the chosen port, probe the decoder, record the outcome in the link file that the
// race engine reads at its next tick).
#pragma once

#include <cstddef>

#include "platform/message_box.h"
#include "race/interface_settings.h"
#include "race/startup_link.h"

// Kept between openings of the dialog: the model it last saw and whether it was connected.
struct InterfaceDialogState {
  char decoderName[16];
  int connected;
};
InterfaceDialogState& InterfaceDialogMemory();

// Reads the link file into the state; returns the port it names ("" when none). Shows
// "Error: Interface file not found" when the file cannot be opened.
InterfaceSettings OpenInterfaceDialog(platform::WindowHandle owner, InterfaceDialogState* state);

// The radio button that stands for the state's model: true for ZL1.
bool ShowsZL1(const InterfaceDialogState& state);
// The message box text at opening.
const char* OpeningMessage(const InterfaceDialogState& state);

enum class ConnectOutcome { NoPortSelected, PortNotOpened, ZL1, ZL2 };

// Connect with the port chosen in the list (nullptr or an empty text when none is chosen).
// Without a port nothing happens: no port is closed and no file is written. Otherwise the
// port is (re)opened, the decoder probed and the link file rewritten; a failure to write it
// is shown.
ConnectOutcome ConnectInterface(platform::WindowHandle owner, const char* selectedPort, SerialPortAccess& port,
                                InterfaceDialogState* state);

// The message box text after Connect, into text (for NoPortSelected: choose a port).
void ConnectMessage(ConnectOutcome outcome, char* text, std::size_t size);
